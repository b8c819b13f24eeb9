// Per-queue calibration: kept in the settings store, read back, refused when
// damaged, and applied to a template so the card moves by exactly its inches.
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/CTargetApplications.h"
#include "settings/PrinterCalibration.h"
#include "template/CPrintTemplate.h"
#include <atomic>
#include <thread>

using namespace kyt;

namespace
{

TEST(PrinterCalibration, ParsesOffsetsInInchesAndMillimetres)
{
    struct Row {
        const char* text;
        bool ok;
        double x, y;
    };
    const Row rows[] = {
        { "0.25,0.125", true, 0.25, 0.125 },
        { "-1.27mm, 2.54mm", true, -0.05, 0.1 },
        { "0.1in,-.2", true, 0.1, -0.2 },
        { "0.25", false, 0, 0 },
        { "a,b", false, 0, 0 },
        { "3,0", false, 0, 0 }, // beyond 2 inches
        { "1,2,3", false, 0, 0 },
        { "nan,0", false, 0, 0 },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        QString error;
        const auto got = PrinterCalibration::parseOffset(QString::fromLatin1(r.text), &error);
        ASSERT_EQ(got.has_value(), r.ok) << error.toStdString();
        if (r.ok) {
            EXPECT_NEAR(got->first, r.x, 1e-9);
            EXPECT_NEAR(got->second, r.y, 1e-9);
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

TEST(PrinterCalibration, StoredPerQueueAndForgotten)
{
    test::StoreScope scope;
    EXPECT_FALSE(PrinterCalibration::load("CardPrinter").has_value());
    PrinterCalibration c;
    c.xOffset = -0.0531;
    c.yOffset = 0.02;
    c.scale = 0.99;
    ASSERT_NO_THROW(c.save("CardPrinter"));
    scope.reopen();
    const auto back = PrinterCalibration::load("cardprinter"); // queue names ignore case
    ASSERT_TRUE(back.has_value());
    EXPECT_DOUBLE_EQ(back->xOffset, -0.0531);
    EXPECT_DOUBLE_EQ(back->yOffset, 0.02);
    EXPECT_DOUBLE_EQ(back->scale, 0.99);
    EXPECT_EQ(PrinterCalibration::queues(), QList<QString> { "CardPrinter" });

    PrinterCalibration bad = c;
    bad.scale = 7;
    const auto reason = [](auto&& step) {
        try {
            step();
        } catch (const KytError& e) {
            return e.description();
        }
        return QString();
    };
    EXPECT_TRUE(reason([&] { bad.save("CardPrinter"); }).contains("scale"));
    EXPECT_TRUE(reason([&] { c.save("a\\b"); }).contains("not a printer name"));
    EXPECT_EQ(PrinterCalibration::load("CardPrinter")->scale, 0.99); // the refused one left it

    ASSERT_NO_THROW(PrinterCalibration::remove("CardPrinter"));
    EXPECT_FALSE(PrinterCalibration::load("CardPrinter").has_value());
    EXPECT_TRUE(PrinterCalibration::queues().isEmpty());
}

TEST(PrinterCalibration, DamagedValuesAreRefused)
{
    test::StoreScope scope;
    const QString key = CTargetApplications::AppName + "\\Printers\\Q1";
    test::putString(scope.store(), reg::HKEY_CURRENT_USER, key, "XOffset", "left a bit");
    EXPECT_EQ(test::errorNumberOf([] { PrinterCalibration::load("Q1"); }), 380);
    test::putString(scope.store(), reg::HKEY_CURRENT_USER, key, "XOffset", "99");
    EXPECT_EQ(test::errorNumberOf([] { PrinterCalibration::load("Q1"); }), 380);
}

TEST(PrinterCalibration, MovesTheCardByItsInchesAtAnyScale)
{
    for (double scale : { 1.0, 1.25 }) {
        SCOPED_TRACE(scale);
        CPrintTemplate t;
        t.setXOffset(0.5f);
        t.setYOffset(0.25f);
        PrinterCalibration c;
        c.xOffset = 0.1;
        c.yOffset = -0.2;
        c.scale = scale;
        c.applyTo(t);
        EXPECT_DOUBLE_EQ(t.Scalor(), scale);
        // Where the card's corner lands: offset x Scalor.
        EXPECT_NEAR(t.XOffset() * t.Scalor(), 0.5 * scale + 0.1, 1e-6);
        EXPECT_NEAR(t.YOffset() * t.Scalor(), 0.25 * scale - 0.2, 1e-6);
    }
}

} // namespace

// Two processes calibrating one queue at once: every reading, and the
// result, is one writer's whole calibration, never offsets from one and the
// scale from the other.
TEST(PrinterCalibration, ConcurrentWritersNeverLeaveAMix)
{
    test::StoreScope scope;
    PrinterCalibration first, second;
    first.xOffset = first.yOffset = 0.1;
    first.scale = 0.9;
    second.xOffset = second.yOffset = -0.1;
    second.scale = 1.1;
    ASSERT_NO_THROW(first.save("Shared", &scope.store()));
    auto same = [](const PrinterCalibration& a, const PrinterCalibration& b) {
        return a.xOffset == b.xOffset && a.yOffset == b.yOffset && a.scale == b.scale;
    };
    // Each writer has its own connection to the file, as a process has.
    std::atomic<int> running { 2 };
    std::atomic<int> failedSaves { 0 };
    auto writer = [&](const PrinterCalibration& c) {
        reg::RegistryStore store(scope.file());
        for (int i = 0; i < 150; ++i) {
            try {
                c.save("Shared", &store);
            } catch (const KytError&) {
                ++failedSaves;
            }
        }
        --running;
    };
    std::thread a(writer, first), b(writer, second);
    reg::RegistryStore reader(scope.file());
    int mixed = 0, reads = 0;
    while (running > 0 || reads == 0) {
        const auto c = PrinterCalibration::load("Shared", &reader);
        ++reads;
        if (!c || !(same(*c, first) || same(*c, second)))
            ++mixed;
    }
    a.join();
    b.join();
    EXPECT_EQ(failedSaves, 0);
    EXPECT_EQ(mixed, 0) << "of " << reads << " readings";
    const auto last = PrinterCalibration::load("Shared", &reader);
    ASSERT_TRUE(last.has_value());
    EXPECT_TRUE(same(*last, first) || same(*last, second));
}

// Read, changed and written under one transaction, as printers calibrate
// does: the reads and the write inside join it, and its commit stores all.
TEST(PrinterCalibration, ReadChangeWriteInOneTransaction)
{
    test::StoreScope scope;
    PrinterCalibration c;
    c.xOffset = 0.1;
    ASSERT_NO_THROW(c.save("Desk", &scope.store()));
    {
        reg::RegistryStore::Transaction transaction(scope.store());
        ASSERT_EQ(transaction.result(), reg::ERROR_SUCCESS);
        auto stored = PrinterCalibration::load("Desk", &scope.store());
        ASSERT_TRUE(stored.has_value());
        stored->scale = 1.5;
        ASSERT_NO_THROW(stored->save("Desk", &scope.store()));
        EXPECT_EQ(transaction.commit(), reg::ERROR_SUCCESS) << scope.store().lastFailure().toStdString();
    }
    reg::RegistryStore other(scope.file());
    const auto back = PrinterCalibration::load("Desk", &other);
    ASSERT_TRUE(back.has_value());
    EXPECT_DOUBLE_EQ(back->xOffset, 0.1);
    EXPECT_DOUBLE_EQ(back->scale, 1.5);
}
