#include <gtest/gtest.h>

#include "util/Strings.h"
#include "util/modPreview.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace kyt;

TEST(CountTokens, CountsDelimitersPlusOne)
{
    EXPECT_EQ(CountTokens("a b c", " "), 3);
    EXPECT_EQ(CountTokens("", ","), 0);
    EXPECT_EQ(CountTokens("a,b,", ","), 3);
    EXPECT_EQ(CountTokens("aXbxc", "x"), 3); // letter case ignored
    EXPECT_EQ(CountTokens("a;b", ";,"), 2); // only the first character counts
}

TEST(GetToken, TakesTrimmedFields)
{
    EXPECT_EQ(GetToken("x, y ,z", 2, ","), "y");
    EXPECT_EQ(GetToken("x, y ,z", 3, ","), "z");
    EXPECT_EQ(GetToken("x, y ,z", 4, ","), "");
    EXPECT_EQ(GetToken("x, y ,z", 0, ","), "");
    EXPECT_EQ(GetToken("a\x01\x01"
                       "c\x01",
                  2, "\x01"),
        "");
    EXPECT_EQ(GetToken("a\x01\x01"
                       "c\x01",
                  3, "\x01"),
        "c");
}

TEST(TagValue, GetFindsKeysIgnoringCase)
{
    const QString tag = "Zorder=3;BC=True;";
    bool notFound = true;
    EXPECT_EQ(GetTagValue(tag, "BC", ";", "=", &notFound), "True");
    EXPECT_FALSE(notFound);
    EXPECT_EQ(GetTagValue(tag, "zorder", ";", "=", &notFound), "3");
    EXPECT_EQ(GetTagValue(tag, "Key", ";", "=", &notFound), "");
    EXPECT_TRUE(notFound);
    EXPECT_EQ(GetTagValue("Key= Name ", "Key"), "Name"); // value runs to the end, trimmed
}

TEST(TagValue, SetReplacesOrAppends)
{
    QString tag = "Zorder=3;BC=True;";
    EXPECT_EQ(SetTagValue(tag, "BC", ";", "False"), "Zorder=3;BC=False;");
    EXPECT_EQ(tag, "Zorder=3;BC=False;");
    EXPECT_EQ(SetTagValue(tag, "FTF", ";", "True"), "Zorder=3;BC=False;FTF=True;");
    QString empty;
    EXPECT_EQ(SetTagValue(empty, "Zorder", ";", "1"), "Zorder=1;");
    QString last = "Key=Old";
    EXPECT_EQ(SetTagValue(last, "Key", ";", "New"), "Key=New");
}

TEST(GetField, SplitsWithoutTrimming)
{
    EXPECT_EQ(GetField("a,b,c", ",", 2), "b");
    EXPECT_EQ(GetField("a,b,c", ",", 3), "c");
    EXPECT_EQ(GetField(" a , b", ",", 2), " b");
    EXPECT_EQ(GetField("a,b", "", 1), "");
    EXPECT_EQ(GetField("key\x01value", "\x01", 2), "value");
    EXPECT_EQ(GetField("novalue", "\x01", 2), "novalue"); // a failed search starts over
}

TEST(FileNames, PartsOfPaths)
{
    EXPECT_EQ(GetFileExtension("card.tpl"), "tpl");
    EXPECT_EQ(GetFileExtension("card"), "card");
    EXPECT_EQ(GetFileName("C:\\ids\\card.tpl"), "card.tpl");
    EXPECT_EQ(GetFileName("/home/ids/card.tpl "), "card.tpl");
    EXPECT_EQ(GetFileName("C:\\ids\\"), "");
}

TEST(MakeTempFileName, CreatesAUniqueFile)
{
    QTemporaryDir dir;
    const QString a = MakeTempFileName(dir.path(), "kyt");
    const QString b = MakeTempFileName(dir.path(), "kyt");
    EXPECT_NE(a, b);
    EXPECT_TRUE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo(a).fileName().startsWith("kyt"));
    EXPECT_EQ(QFileInfo(a).absolutePath(), QDir(dir.path()).absolutePath());
    // A folder that cannot hold files: the random fallback, not created.
    const QString fallback = MakeTempFileName("/nonexistent-kyt-folder", "");
    EXPECT_TRUE(fallback.startsWith(QDir::currentPath()));
    EXPECT_FALSE(QFileInfo::exists(fallback));
}

TEST(GetFitFactor, KeepsAspectRatio)
{
    EXPECT_FLOAT_EQ(GetFitFactor(200, 100, 1, 2), 0.005f);
    EXPECT_FLOAT_EQ(GetFitFactor(100, 200, 2, 1), 0.005f);
    EXPECT_FLOAT_EQ(GetFitFactor(2, 1, 4, 4), 2.0f);
    EXPECT_FLOAT_EQ(GetFitFactor(2, 1, 1, 4), 0.5f);
    EXPECT_FLOAT_EQ(GetFitFactor(3.375, 2.125, 3.375, 2.125), 1.0f);
}

TEST(Trimming, RemovesBlanksOnly)
{
    EXPECT_EQ(GetToken(" a ,b", 1, ","), "a");
    EXPECT_EQ(GetToken("a\t,b", 1, ","), "a\t");
    EXPECT_EQ(GetToken("a\x01\tb\r\n\x01", 2, "\x01"), "\tb\r\n");
    EXPECT_EQ(GetTagValue("BC=\tX;", "BC"), "\tX");
    EXPECT_EQ(GetFileName("C:\\ids\\card.tpl\t"), "card.tpl\t");
    EXPECT_EQ(TrimBlanks(QString::fromUtf8("  \u00A0x\u00A0 ")), QString::fromUtf8("\u00A0x\u00A0"));
}

TEST(GetField, LargeIndexCyclesLikeTheSearch)
{
    // Each failed search starts again at the beginning: the fields repeat
    // with a period of delimiters + 1, whatever the index.
    EXPECT_EQ(GetField("a,b,c", ",", 4), "a");
    EXPECT_EQ(GetField("a,b,c", ",", 5), "b");
    EXPECT_EQ(GetField("a,b,c", ",", 2000000000), GetField("a,b,c", ",", 1 + (2000000000 - 1) % 3));
}
