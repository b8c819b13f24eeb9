#include <gtest/gtest.h>

#include "util/Ansi.h"
#include "util/KeyedCollection.h"
#include "util/NumberText.h"
#include <QLocale>

using namespace kyt;

TEST(NumberText, SingleAsShortestText)
{
    EXPECT_EQ(singleToText(3.375f), "3.375");
    EXPECT_EQ(singleToText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(singleToText(0.1f), "0.1");
    EXPECT_EQ(singleToText(-2.0f), "-2");
    EXPECT_EQ(singleToText(0.0f), "0");
    EXPECT_EQ(singleToText(12345678.0f), "1.234568E+07");
}

TEST(NumberText, IndependentOfLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(singleToText(1.5f), "1.5");
    EXPECT_EQ(formatFixed(2.125, 1, 3), "2.125");
    EXPECT_EQ(parseNumber("1,5").value_or(0), 1.5);
    QLocale::setDefault(saved);
}

TEST(NumberText, FixedPatterns)
{
    EXPECT_EQ(formatFixed(3.375, 1, 3), "3.375");
    EXPECT_EQ(formatFixed(1.0, 3, 3), "001.000");
    EXPECT_EQ(formatFixed(-0.5, 1, 3), "-0.500");
    EXPECT_EQ(formatInchText(2.125), "2.125");
    EXPECT_EQ(formatInchText(3), "3.0");
    EXPECT_EQ(formatInchText(0.123456), "0.1235");
}

TEST(NumberText, Parsing)
{
    EXPECT_EQ(parseNumber(" 0.5 ").value_or(-1), 0.5);
    EXPECT_EQ(parseNumber("0,5").value_or(-1), 0.5);
    EXPECT_FALSE(parseNumber("abc").has_value());
    EXPECT_FALSE(parseNumber("").has_value());
    EXPECT_FALSE(parseNumber("1.5.5").has_value());
    EXPECT_DOUBLE_EQ(leadingNumber("3.375\""), 3.375);
    EXPECT_DOUBLE_EQ(leadingNumber("x"), 0.0);
    EXPECT_EQ(roundHalfEven(13.5), 14);
    EXPECT_EQ(roundHalfEven(12.5), 12);
}

TEST(Ansi, Windows1252IsNotLatin1)
{
    const QByteArray bytes("\x80\x87\x88\x89\x8a\xc0\xe9", 7);
    const QString text = fromAnsi(bytes);
    EXPECT_EQ(text.at(0), QChar(0x20AC));
    EXPECT_EQ(text.at(1), QChar(0x2021)); // 135: Code 128 start A
    EXPECT_EQ(text.at(4), QChar(0x0160)); // 138: stop
    EXPECT_EQ(text.at(5), QChar(0x00C0));
    EXPECT_EQ(toAnsi(text), bytes);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(ansiCode(ansiChar(static_cast<unsigned char>(c))), c);
    EXPECT_EQ(toAnsi(QString(QChar(0x4E2D))), QByteArray("?"));
}

TEST(KeyedCollection, PositionsAndCaseInsensitiveKeys)
{
    KeyedCollection<int> c;
    c.Add(1, "Photo1");
    c.Add(2);
    c.Add(3, "Text1");
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item("photo1"), 1);
    EXPECT_EQ(c.Item(2), 2);
    EXPECT_EQ(c.Item(QVariant(3)), 3);
    EXPECT_EQ(c.Item(QVariant("TEXT1")), 3);
    EXPECT_THROW(c.Add(9, "PHOTO1"), CollectionError);
    EXPECT_THROW(c.Item(4), CollectionError);
    EXPECT_THROW(c.Item("none"), CollectionError);
    c.Remove("Photo1");
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Item("Text1"), 3);
    EXPECT_EQ(c.PositionOf("text1"), 2);
    c.Add(4, "Photo1"); // the key is free again
    std::vector<int> order(c.begin(), c.end());
    EXPECT_EQ(order, (std::vector<int> { 2, 3, 4 }));
}
