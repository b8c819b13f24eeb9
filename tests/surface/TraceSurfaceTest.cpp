// The recording surface: its line format, stand-alone measuring and
// forwarding to a wrapped surface.
#include <gtest/gtest.h>

#include "platform/Picture.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/TraceSurface.h"
#include <QBuffer>
#include <QJsonDocument>

using namespace kyt;

namespace
{

TEST(TraceSurface, RecordsOneJsonObjectPerCall)
{
    TraceSurface t(QStringLiteral("Printer"));
    EXPECT_EQ(t.TypeName(), "Printer");
    t.setScaleMode(5);
    t.setDrawWidth(2);
    t.Line(0.5, 0.25, 1.5, 0.75, 0xFFFFFF, Surface::LineKind::FilledBox);
    t.Line(0, 0, 1, 1);
    t.setCurrentX(0.125);
    t.setCurrentY(0.25);
    t.Print("Hello \"card\"");
    EXPECT_FALSE(t.setFontName("NoSuchFont"));
    t.SetBkModeTransparent();
    t.NewPage();
    t.EndDoc();

    const QStringList lines = t.lines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], R"({"op":"ScaleMode","value":5})");
    EXPECT_EQ(lines[2], R"({"op":"Line","color":16777215,"kind":"FilledBox","x1":0.5,"x2":1.5,"y1":0.25,"y2":0.75})");
    EXPECT_EQ(lines[3], R"({"op":"Line","color":null,"kind":"Plain","x1":0,"x2":1,"y1":0,"y2":1})");
    EXPECT_TRUE(lines[6].startsWith(
        R"({"op":"Print","color":0,"fontName":"Arial","fontSize":8,"text":"Hello \"card\"","x":0.125,"y":0.25})"))
        << lines[6].toStdString();
    EXPECT_EQ(lines[7], R"({"op":"FontName","accepted":false,"value":"NoSuchFont"})");
    EXPECT_EQ(lines[9], R"({"op":"NewPage"})");
    EXPECT_TRUE(t.calls()[3].toObject().value("color").isNull());
}

TEST(TraceSurface, StandAloneKeepsStateAndMeasures)
{
    TraceSurface t(QStringLiteral("PictureBox"), QSizeF(2, 1));
    EXPECT_EQ(t.TypeName(), "PictureBox");
    EXPECT_DOUBLE_EQ(t.TwipsPerPixelX(), 15.0); // nominal 96 dpi
    t.setScaleMode(Surface::vbInches);
    EXPECT_DOUBLE_EQ(t.ScaleWidth(), 2.0);
    EXPECT_DOUBLE_EQ(t.ScaleHeight(), 1.0);
    t.setFontSize(12);
    const double h = t.TextHeight("Name");
    EXPECT_GT(h, 12.0 / 72);
    t.setCurrentY(0.2);
    t.Print("Name");
    EXPECT_NEAR(t.CurrentY(), 0.2 + h, 1e-9);
    EXPECT_GT(t.TextWidth("Name"), 0.3);

    // The same text on a picture box of the same resolution measures the same.
    PictureBoxSurface box(QSize(192, 96), 96);
    box.setScaleMode(Surface::vbInches);
    box.setFontSize(12);
    EXPECT_NEAR(box.TextWidth("Name"), t.TextWidth("Name"), 1e-9);
    EXPECT_NEAR(box.TextHeight("Name"), h, 1e-9);

    TraceSurface printer(QStringLiteral("Printer"));
    EXPECT_DOUBLE_EQ(printer.TwipsPerPixelX(), 4.8); // nominal 300 dpi
}

TEST(TraceSurface, WrappedSurfaceDrawsAndAnswers)
{
    PictureBoxSurface box(QSize(96, 96), 96);
    TraceSurface t(box);
    EXPECT_EQ(t.TypeName(), "PictureBox");
    t.setScaleMode(Surface::vbInches);
    EXPECT_EQ(box.ScaleMode(), Surface::vbInches);
    t.setFillStyle(0);
    t.setFillColor(0xFF0000);
    t.Line(0.25, 0.25, 0.75, 0.75, 0, Surface::LineKind::Box);
    EXPECT_EQ(box.Image().pixel(48, 48), qRgb(0, 0, 255));
    EXPECT_EQ(box.Image().pixel(24, 48), qRgb(0, 0, 0));
    EXPECT_DOUBLE_EQ(t.CurrentX(), 0.75);
    EXPECT_EQ(t.FillStyle(), 0);

    box.setDrawWidth(3); // directly on the inner surface: the trace answers from it
    EXPECT_EQ(t.DrawWidth(), 3);
    EXPECT_TRUE(t.setFontName("Arial"));
    EXPECT_EQ(box.FontName(), "Arial");
    EXPECT_DOUBLE_EQ(t.TextWidth("abc"), box.TextWidth("abc"));

    QImage pic(4, 2, QImage::Format_RGB32);
    pic.fill(Qt::green);
    t.PaintPicture(Picture(pic), 0, 0.9, 0.5, 0.05);
    EXPECT_EQ(box.Image().pixel(10, 88), qRgb(0, 255, 0));
    const QJsonObject last = t.calls().last().toObject();
    EXPECT_EQ(last.value("op").toString(), "PaintPicture");
    EXPECT_EQ(last.value("pixelWidth").toInt(), 4);
    EXPECT_EQ(last.value("width").toDouble(), 0.5);
}

TEST(TraceSurface, StreamsLinesToASink)
{
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    TraceSurface t(QStringLiteral("Printer"));
    t.setSink(&sink);
    t.setOrientation(2);
    t.setDuplex(3);
    EXPECT_EQ(t.Orientation(), 2);
    EXPECT_EQ(sink.data(), QByteArray("{\"op\":\"Orientation\",\"value\":2}\n{\"op\":\"Duplex\",\"value\":3}\n"));
    const double w = t.TextWidth("x");
    EXPECT_EQ(QJsonDocument::fromJson(sink.data().split('\n')[2]).object().value("result").toDouble(),
        std::round(w * 1e6) / 1e6);
}

TEST(TraceSurface, ARefusedSettingIsRecordedAndRaised)
{
    TraceSurface t(QStringLiteral("PictureBox"));
    EXPECT_ANY_THROW(t.setDrawMode(99));
    EXPECT_EQ(t.lines().last(), R"({"op":"DrawMode","value":99})");
    EXPECT_EQ(t.DrawMode(), Surface::vbCopyPen);
}

} // namespace
