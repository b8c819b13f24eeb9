// The batch's CSV reader: quoting, line numbers, damaged records that are
// reported and skipped, bounded records, header checks.
#include <gtest/gtest.h>

#include "data/CsvReader.h"
#include "errors/CError.h"
#include <QBuffer>

using namespace kyt;

namespace
{

struct Read {
    QString headerError;
    QStringList header;
    std::vector<CsvRecord> records;
};

Read readAll(const QByteArray& bytes, CsvOptions options = {})
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(&buffer, options);
    Read r;
    try {
        reader.readHeader();
    } catch (const KytError& e) {
        r.headerError = e.description();
        return r;
    }
    r.header = reader.header();
    CsvRecord rec;
    while (reader.next(rec))
        r.records.push_back(rec);
    return r;
}

CsvOptions utf8Only()
{
    CsvOptions o;
    o.encoding = CsvOptions::Encoding::Utf8;
    return o;
}

} // namespace

TEST(CsvReader, ReadsQuotedFieldsAsRfc4180HasThem)
{
    const Read r = readAll("Name,Note,No\r\n"
                           "\"Lee, Ann\",\"said \"\"hi\"\"\",1\r\n"
                           "Bob,\"two\nlines\",2\r\n"
                           "\"\",,3\n");
    ASSERT_TRUE(r.headerError.isEmpty());
    EXPECT_EQ(r.header, (QStringList { "Name", "Note", "No" }));
    ASSERT_EQ(r.records.size(), 3u);
    EXPECT_EQ(r.records[0].fields, (QStringList { "Lee, Ann", "said \"hi\"", "1" }));
    EXPECT_EQ(r.records[1].fields, (QStringList { "Bob", "two\nlines", "2" }));
    EXPECT_EQ(r.records[2].fields, (QStringList { "", "", "3" }));
    // Record numbers count data records; lines count the file's lines.
    EXPECT_EQ(r.records[0].number, 1);
    EXPECT_EQ(r.records[0].line, 2);
    EXPECT_EQ(r.records[1].line, 3);
    EXPECT_EQ(r.records[2].number, 3);
    EXPECT_EQ(r.records[2].line, 5);
}

TEST(CsvReader, SkipsBomAndBlankLinesAndReadsALastLineWithoutBreak)
{
    const Read r = readAll("\xEF\xBB\xBF"
                           "A,B\n\n1,\xC3\xA9t\xC3\xA9\n\r\n2,x");
    ASSERT_TRUE(r.headerError.isEmpty());
    EXPECT_EQ(r.header.first(), QStringLiteral("A"));
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(r.records[0].fields[1], QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(r.records[0].line, 3);
    EXPECT_EQ(r.records[1].fields, (QStringList { "2", "x" }));
    EXPECT_EQ(r.records[1].number, 2);
}

struct DamageRow {
    const char* name;
    QByteArray body; // after the header "A,B\n"
    const char* errorPart;
};

class CsvDamage : public ::testing::TestWithParam<DamageRow>
{
};

TEST_P(CsvDamage, ReportsTheDamagedRecordAndReadsTheNext)
{
    const DamageRow row = GetParam();
    const Read r = readAll(QByteArray("A,B\n") + row.body + "ok,fine\n", utf8Only());
    ASSERT_TRUE(r.headerError.isEmpty());
    ASSERT_GE(r.records.size(), 1u);
    const CsvRecord& bad = r.records.front();
    EXPECT_TRUE(bad.error.contains(QLatin1String(row.errorPart))) << bad.error.toStdString();
    EXPECT_TRUE(bad.fields.isEmpty());
    EXPECT_EQ(bad.number, 1);
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_TRUE(r.records[1].error.isEmpty());
    EXPECT_EQ(r.records[1].fields, (QStringList { "ok", "fine" }));
    EXPECT_EQ(r.records[1].number, 2);
}

INSTANTIATE_TEST_SUITE_P(Records, CsvDamage,
    ::testing::Values(DamageRow { "TooFew", "only\n", "1 field where the header has 2" },
        DamageRow { "TooMany", "1,2,3\n", "3 fields where the header has 2" },
        DamageRow { "BadUtf8", "x,\xFF\xFE\n", "not valid UTF-8" },
        DamageRow { "TextAfterQuote", "\"a\"b,c\n", "follows a closing quote" },
        DamageRow { "NulInField", QByteArray("a\0b,c\n", 6), "NUL character" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvReader, AnUnclosedQuoteAtTheEndIsAnError)
{
    const Read r = readAll("A,B\n1,2\n\"open,3\n4,5\n");
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_TRUE(r.records[0].error.isEmpty());
    EXPECT_TRUE(r.records[1].error.contains(QLatin1String("not closed")));
}

TEST(CsvReader, AnOverlongRecordIsRefusedWithoutHoldingIt)
{
    QByteArray body = "A,B\n\"";
    body += QByteArray(CsvReader::MaxRecordBytes + 10, 'x');
    body += "\",y\nnext,z\n";
    const Read r = readAll(body);
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_TRUE(r.records[0].error.contains(QLatin1String("longer than")));
    EXPECT_EQ(r.records[1].fields, (QStringList { "next", "z" }));
    EXPECT_EQ(r.records[1].line, 3);
}

struct HeaderRow {
    const char* name;
    QByteArray bytes;
    const char* errorPart;
};

class CsvHeader : public ::testing::TestWithParam<HeaderRow>
{
};

TEST_P(CsvHeader, RefusesABadHeader)
{
    const Read r = readAll(GetParam().bytes, utf8Only());
    EXPECT_TRUE(r.headerError.contains(QLatin1String(GetParam().errorPart))) << r.headerError.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Headers, CsvHeader,
    ::testing::Values(HeaderRow { "Empty", "", "empty" }, HeaderRow { "OnlyBlankLines", "\n\n", "empty" },
        HeaderRow { "Unnamed", "A,,C\n", "column 2 has no name" },
        HeaderRow { "Repeated", "Name,name\n", "appears twice" }, HeaderRow { "BadUtf8", "A,\xC3\n", "UTF-8" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvReader, FindsColumnsWithoutRegardToCase)
{
    QByteArray bytes("First,Image\n");
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    CsvReader reader(&b);
    ASSERT_NO_THROW(reader.readHeader());
    EXPECT_EQ(reader.column(QStringLiteral("image")), 1);
    EXPECT_EQ(reader.column(QStringLiteral("Photo")), -1);
}

// Spreadsheet exports: the delimiter the header row uses, Windows-1252 text
// when the file is not UTF-8, and both forced when asked.
TEST(CsvReader, DetectsDelimiterAndEncoding)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        CsvOptions options;
        QStringList header, first;
    };
    CsvOptions commaUtf8;
    commaUtf8.delimiter = ',';
    commaUtf8.encoding = CsvOptions::Encoding::Windows1252;
    const Row rows[] = {
        { "Semicolon", "Name;Note\nAnn;a,b\n", {}, { "Name", "Note" }, { "Ann", "a,b" } },
        { "Tab", "Name\tNote\n\"x;y\"\tz\n", {}, { "Name", "Note" }, { "x;y", "z" } },
        { "QuotedCommasDoNotCount", "\"a,b,c\";d\n1;2\n", {}, { "a,b,c", "d" }, { "1", "2" } },
        { "Windows1252", "Name,Note\nRen\xE9,\x80 5\n", {}, { "Name", "Note" },
            { QString::fromUtf8("Ren\xC3\xA9"), QString::fromUtf8("\xE2\x82\xAC 5") } },
        { "Utf8", "Name,Note\nRen\xC3\xA9,x\n", {}, { "Name", "Note" }, { QString::fromUtf8("Ren\xC3\xA9"), "x" } },
        { "Forced", "A;B,C\n\xE9;1,2\n", commaUtf8, { "A;B", "C" }, { QString::fromUtf8("\xC3\xA9;1"), "2" } },
    };
    for (const Row& r : rows) {
        const Read got = readAll(r.bytes, r.options);
        EXPECT_EQ(got.header, r.header) << r.name;
        ASSERT_FALSE(got.records.empty()) << r.name;
        EXPECT_EQ(got.records[0].fields, r.first) << r.name;
    }
}

TEST(CsvReader, MarksBlankRecordsWhateverTheirWidth)
{
    const Read r = readAll("A,B,C\n,,\n , ,\n,,,,,\n1,,\n");
    ASSERT_EQ(r.records.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(r.records[i].empty) << i;
        EXPECT_TRUE(r.records[i].error.isEmpty()) << i;
    }
    EXPECT_FALSE(r.records[3].empty);
}

// 100,000 column names: a repeated name is still found (by hash, not by
// comparing every pair) and columns are looked up by name.
TEST(CsvReader, ManyColumnNames)
{
    QByteArray header;
    for (int i = 0; i < 100000; ++i)
        header += "c" + QByteArray::number(i) + ",";
    const Read ok = readAll(header + "last\n");
    EXPECT_TRUE(ok.headerError.isEmpty()) << ok.headerError.toStdString();
    EXPECT_EQ(ok.header.size(), 100001);
    const Read dup = readAll(header + "C99999\n");
    EXPECT_TRUE(dup.headerError.contains(QLatin1String("appears twice"))) << dup.headerError.toStdString();
}

// Files as other programs write them: read whole, or the doubt named.
TEST(CsvReader, ReadsOtherLineEndsAndUtf16AndWarnsOfDoubtfulRecords)
{
    const QString e = QString::fromUtf8("\xC3\xA9");
    auto utf16 = [](const QString& text, bool little) {
        QByteArray out = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : text) {
            const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
            out.append(little ? lo : hi).append(little ? hi : lo);
        }
        return out;
    };
    struct Row {
        const char* name;
        QByteArray bytes;
        std::vector<QStringList> fields; // of each record
        const char* warning; // of the first record ("" none)
    } rows[] = {
        { "CrOnly", "Name,Dept\rAnn,Sales\rBo,\"R\rD\"\r", { { "Ann", "Sales" }, { "Bo", "R\nD" } }, "" },
        { "Utf16Le", utf16(QStringLiteral("Name,Dept\r\nRen") + e + QStringLiteral(",Sales\r\n"), true),
            { { QStringLiteral("Ren") + e, "Sales" } }, "" },
        { "Utf16Be", utf16(QStringLiteral("Name;Dept\nAnn;") + e + QStringLiteral("\n"), false), { { "Ann", e } }, "" },
        { "LoneQuote", "Name,Dept\nAnn 5\" tall,Sales\n", { { "Ann 5\" tall", "Sales" } }, "kept as a character" },
        { "MixedEncodings", "Name,Dept\nRen\xC3\xA9,Sales\nRen\xE9,Sales\n",
            { { QString::fromUtf8("Ren\xC3\x83\xC2\xA9"), "Sales" }, { QStringLiteral("Ren") + e, "Sales" } },
            "is UTF-8 while the file is read as Windows-1252" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Read r = readAll(row.bytes);
        ASSERT_TRUE(r.headerError.isEmpty()) << r.headerError.toStdString();
        EXPECT_EQ(r.header, (QStringList { "Name", "Dept" }));
        ASSERT_EQ(r.records.size(), row.fields.size());
        for (size_t i = 0; i < row.fields.size(); ++i) {
            EXPECT_TRUE(r.records[i].error.isEmpty()) << r.records[i].error.toStdString();
            EXPECT_EQ(r.records[i].fields, row.fields[i]);
        }
        EXPECT_EQ(r.records[0].warning.isEmpty(), QByteArray(row.warning).isEmpty())
            << r.records[0].warning.toStdString();
        EXPECT_TRUE(r.records[0].warning.contains(QLatin1String(row.warning))) << r.records[0].warning.toStdString();
        if (row.fields.size() > 1) {
            EXPECT_TRUE(r.records[1].warning.isEmpty()) << r.records[1].warning.toStdString();
        }
    }
    // A code page chosen on purpose raises no doubt.
    CsvOptions ansi;
    ansi.encoding = CsvOptions::Encoding::Windows1252;
    EXPECT_TRUE(readAll("Name,Dept\nRen\xC3\xA9,Sales\n", ansi).records.at(0).warning.isEmpty());
}
