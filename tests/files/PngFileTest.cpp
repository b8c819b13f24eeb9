// PNG files written by our own writer read back, by Qt's reader and by
// libpng's checks, as the pixels and resolution they were written with.
#include <gtest/gtest.h>

#include "platform/PngFile.h"
#include <QBuffer>
#include <QImage>
#include <QPainter>

using namespace kyt;

namespace
{

struct Case {
    const char* name;
    QImage::Format format;
    QSize size;
    bool transparent; // part of it see-through
};

// Flat areas, a gradient and text-like edges, as on a card.
QImage sample(const Case& c)
{
    QImage image(c.size, QImage::Format_ARGB32);
    image.fill(c.transparent ? Qt::transparent : Qt::white);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() / 2; ++x)
            image.setPixel(x, y, qRgba(x * 255 / qMax(1, image.width()), y * 7 % 256, 90, 255 - (x % 3) * 40));
    QPainter p(&image);
    p.setPen(Qt::darkBlue);
    p.drawText(QRect(QPoint(0, 0), c.size), Qt::AlignCenter, QStringLiteral("Ann Lee"));
    p.end();
    image = image.convertToFormat(c.format);
    image.setDotsPerMeterX(11811); // 300 dpi
    image.setDotsPerMeterY(11811);
    return image;
}

const Case kCases[] = {
    { "CardRgb", QImage::Format_RGB32, { 213, 135 }, false },
    { "SeeThrough", QImage::Format_ARGB32_Premultiplied, { 64, 40 }, true },
    { "OnePixel", QImage::Format_RGB32, { 1, 1 }, false },
    { "OddWidth", QImage::Format_ARGB32, { 13, 7 }, true },
    { "Monochrome", QImage::Format_Mono, { 70, 9 }, false },
    { "Grey", QImage::Format_Grayscale8, { 31, 17 }, false },
    { "Palette", QImage::Format_Indexed8, { 40, 40 }, false },
    { "Tall", QImage::Format_RGB888, { 3, 700 }, false },
};

class PngFile : public ::testing::TestWithParam<Case>
{
};

} // namespace

TEST_P(PngFile, ReadsBackAsWritten)
{
    const QImage image = sample(GetParam());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(writePng(&buffer, image, &error)) << error.toStdString();
    QImage back;
    ASSERT_TRUE(back.loadFromData(buffer.data(), "png"));
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.hasAlphaChannel(), image.hasAlphaChannel());
    EXPECT_EQ(back.dotsPerMeterX(), 11811);
    EXPECT_EQ(back.dotsPerMeterY(), 11811);
    // Compared unpremultiplied: a see-through pixel keeps only its alpha.
    const QImage want = image.convertToFormat(QImage::Format_RGBA8888);
    const QImage got = back.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x) {
            const QRgb a = want.pixel(x, y), b = got.pixel(x, y);
            if (qAlpha(a) == 0 && qAlpha(b) == 0)
                continue;
            ASSERT_EQ(a, b) << "pixel " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Images, PngFile, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(PngFileRefuses, NoPictureOrNoRoom)
{
    QString error;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(writePng(&buffer, QImage(), &error));
    EXPECT_FALSE(error.isEmpty());

    QByteArray bytes;
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    error.clear();
    EXPECT_FALSE(writePng(&readOnly, sample(kCases[0]), &error));
    EXPECT_FALSE(error.isEmpty());
}
