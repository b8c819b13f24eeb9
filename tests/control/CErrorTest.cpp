#include <gtest/gtest.h>

#include "errors/CError.h"
#include "errors/EventLog.h"
#include "errors/MessageBox.h"
#include "support/TestSupport.h"
#include <QFile>
#include <QSignalSpy>

using namespace kyt;

TEST(CError, ClassifiesNumbers)
{
    EXPECT_EQ(CError::errorType(53), "System Error");
    EXPECT_EQ(CError::shownNumber(53), 53);
    EXPECT_EQ(CError::errorType(vbObjectError + 513), "Application Error");
    EXPECT_EQ(CError::shownNumber(vbObjectError + 513), 513);
    EXPECT_EQ(CError::errorType(0), "Application Error");
}

TEST(CError, ReportsToLogEventAndMessageBox)
{
    test::ScriptedBoxScope scope;
    QFile::remove(EventLog::filePath());
    CError err;
    err.setContact("KYT Support ");
    err.setPhone("support@example.org");
    QString seen;
    QObject::connect(&err, &CError::ErrorEvent, [&](QString& line) { seen = line; });
    QSignalSpy critical(&err, &CError::CriticalError);

    err.Display(53, "KYTPreview.CPrintTemplate (8.1.3) Render", "File not found");

    EXPECT_TRUE(seen.contains("|Ver 8.1. 3|Source: KYTPreview.CPrintTemplate (8.1.3) Render|Type: System Error|Number: "
                              "53|Message: File not found|"));
    EXPECT_FALSE(seen.contains("CRITICAL"));
    EXPECT_EQ(critical.count(), 0);
    ASSERT_EQ(scope.box().asked().size(), 1u);
    const MessageRequest& r = scope.box().asked()[0];
    EXPECT_EQ(r.title, "KYTPreview Error!");
    EXPECT_EQ(r.style, 0);
    EXPECT_TRUE(r.prompt.startsWith("There has been an error in your application!"));
    EXPECT_TRUE(r.prompt.contains("     Error Number:\t53\r\n"));
    EXPECT_TRUE(r.prompt.contains("contact KYT Support at \r\nsupport@example.org."));
    EXPECT_FALSE(r.prompt.contains("32bit DLL Error"));

    QFile log(EventLog::filePath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains("|Number: 53|Message: File not found|"));
}

TEST(CError, UnsignedNumbersAreClassifiedAs32Bit)
{
    test::ScriptedBoxScope scope;
    CError err;
    err.Display(QVariant(quint32(0x80040000u + 513)), "src", "text");
    EXPECT_TRUE(err.lastLogLine().contains("|Type: Application Error|Number: 513|"));
    err.Display(QVariant(quint32(53)), "src", "text");
    EXPECT_TRUE(err.lastLogLine().contains("|Type: System Error|Number: 53|"));
}

TEST(CError, SilentAndCriticalReports)
{
    test::ScriptedBoxScope scope;
    CError err;
    err.setDisplayError(false);
    int events = 0;
    QObject::connect(&err, &CError::ErrorEvent, [&](QString&) { ++events; });
    QSignalSpy critical(&err, &CError::CriticalError);

    err.Display(vbObjectError + 513, "src", "boom", true, QVariant(), QVariant(), "dll text");
    EXPECT_EQ(events, 1);
    EXPECT_TRUE(scope.box().asked().empty());
    EXPECT_EQ(critical.count(), 1);
    EXPECT_TRUE(err.lastLogLine().endsWith("|Message: boom||CRITICAL|"));
    EXPECT_TRUE(err.lastMessage().endsWith("This is a CRITICAL error!  Your application will be terminated!"));
    EXPECT_TRUE(err.lastMessage().contains("     32bit DLL Error:\tdll text"));
    EXPECT_TRUE(err.lastMessage().contains("Type:\tApplication Error"));
}

// A message box that throws, and an event handler that throws: the rest of
// the report (log line, message text, critical signal) still happens.
TEST(CError, FailingMessageBoxDoesNotStopTheReport)
{
    struct ThrowingBox : IMessageBox {
        int Show(const MessageRequest&) override { throw std::runtime_error("no display"); }
    };
    auto previous = setMessageBox(std::make_shared<ThrowingBox>());
    for (bool throwingHandler : { false, true }) {
        CError err;
        if (throwingHandler)
            QObject::connect(&err, &CError::ErrorEvent, [](QString&) { throw std::runtime_error("handler"); });
        QSignalSpy critical(&err, &CError::CriticalError);
        err.Display(53, "src", "File not found", true);
        EXPECT_EQ(critical.count(), 1) << throwingHandler;
        EXPECT_TRUE(err.lastMessage().contains("CRITICAL")) << throwingHandler;
    }
    setMessageBox(previous);
}
