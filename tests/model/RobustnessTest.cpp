// Damaged input for the two text readers: token strings and data streams.
// Each must finish, keep its invariants and never crash.
#include <gtest/gtest.h>

#include "objects/CDataObject.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "template/CPrintData.h"
#include "util/modPreview.h"
#include <QRandomGenerator>
#include <algorithm>

using namespace kyt;

namespace
{
// Random text with many delimiters, blanks and NULs among arbitrary codes.
QString garbage(qsizetype length, quint32 seed)
{
    QRandomGenerator rng(seed);
    QString s(length, Qt::Uninitialized);
    const char16_t favoured[] = { 0, 1, 2, ' ', ',', '.', '-', '7', 'T', 'e' };
    for (qsizetype i = 0; i < length; ++i) {
        const quint32 r = rng.generate();
        s[i] = (r & 1) ? QChar(favoured[(r >> 1) % 10]) : QChar(static_cast<char16_t>((r >> 8) % 0xD800));
    }
    return s;
}

std::vector<std::unique_ptr<CDesignObject>> allKinds()
{
    std::vector<std::unique_ptr<CDesignObject>> v;
    v.push_back(std::make_unique<CPhotoObject>());
    v.push_back(std::make_unique<CLogoObject>());
    v.push_back(std::make_unique<CRectangleObject>());
    v.push_back(std::make_unique<CLineObject>());
    v.push_back(std::make_unique<CTextObject>());
    v.push_back(std::make_unique<CDataObject>());
    return v;
}

int fieldCountOf(const CDesignObject& o)
{
    if (dynamic_cast<const CPhotoObject*>(&o))
        return CPhotoObject::FieldCount;
    if (dynamic_cast<const CLogoObject*>(&o))
        return CLogoObject::FieldCount;
    if (dynamic_cast<const CRectangleObject*>(&o))
        return CRectangleObject::FieldCount;
    if (dynamic_cast<const CLineObject*>(&o))
        return CLineObject::FieldCount;
    return CTextObjectBase::FieldCount;
}
} // namespace

struct DamagedText {
    const char* name;
    QString text;
};

class DamagedTokenString : public ::testing::TestWithParam<DamagedText>
{
};

TEST_P(DamagedTokenString, ReadsWithoutFailureAndWritesWellFormed)
{
    for (auto& o : allKinds()) {
        o->setTokenString(GetParam().text);
        const QString written = o->TokenString();
        // Whatever was read, what is written has exactly the class's fields.
        EXPECT_EQ(written.count(QChar(1)), fieldCountOf(*o)) << o->metaObject()->className();
        EXPECT_TRUE(written.endsWith(QChar(1)));
        // And it reads back to itself.
        o->setTokenString(written);
        EXPECT_EQ(o->TokenString(), written) << o->metaObject()->className();
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, DamagedTokenString,
    ::testing::Values(DamagedText { "Empty", QString() }, DamagedText { "OnlyDelimiters", QString(40, QChar(1)) },
        DamagedText { "OnlyBlanks", QString(30, QLatin1Char(' ')) },
        DamagedText { "EmbeddedNuls",
            QString::fromLatin1("1\0"
                                "5\x01\0\x01"
                                "2\x01"
                                "Ar\0ial\x01",
                15) },
        DamagedText { "HugeNumbers",
            QString("1e300\x01-1e300\x01"
                    "1e39\x01nan\x01inf\x01"
                    "4294967296\x01"
                    "-2147483649\x01"
                    "2147483648\x01") },
        DamagedText { "Garbage", garbage(3 * 1024 * 1024, 17) }),
    [](const ::testing::TestParamInfo<DamagedText>& info) { return std::string(info.param.name); });

TEST(DamagedTokenStringValues, NumbersOutOfRangeKeepTheMember)
{
    CRectangleObject r;
    r.settop(1.0f);
    r.setleft(2.0f);
    r.setWidth(3.0f);
    r.setHeight(4.0f);
    r.setBackColor(5);
    r.setForeColor(6);
    r.setTokenString(QString("1e39\x01-1e39\x01nan\x01inf\x01"
                             "40000\x01-40000\x01"
                             "4294967296\x01-2147483649\x01"));
    EXPECT_EQ(r.top(), 1.0f);
    EXPECT_EQ(r.left(), 2.0f);
    EXPECT_EQ(r.Width(), 3.0f);
    EXPECT_EQ(r.Height(), 4.0f);
    EXPECT_EQ(r.ZOrder(), 0);
    EXPECT_EQ(r.Border(), 0);
    EXPECT_EQ(r.BackColor(), 5);
    EXPECT_EQ(r.ForeColor(), 6);
}

TEST(DamagedTokenStringValues, NulInsideATextSurvives)
{
    CTextObject t;
    const QString withNul = QString::fromLatin1("A\0B", 3);
    t.setText(withNul);
    CTextObject u;
    u.setTokenString(t.TokenString());
    EXPECT_EQ(u.Text(), withNul);
    EXPECT_EQ(u.FontName(), "Arial");
}

class DamagedDataStream : public ::testing::TestWithParam<DamagedText>
{
};

TEST_P(DamagedDataStream, ReadsWithoutFailure)
{
    CPrintData d;
    d.Add("Kept", "value");
    d.SetCurrentDataStream(GetParam().text);
    EXPECT_EQ(d.Item("Kept")->vValue(), QVariant("value"));
    // Every item read is keyed or keyless, and a second identical stream
    // only sets values: nothing new is added.
    const int count = d.Count();
    d.SetCurrentDataStream(GetParam().text);
    EXPECT_EQ(d.Count() - count, [&] {
        int keyless = 0;
        for (const auto& v : d)
            keyless += v->keyText().isEmpty() ? 1 : 0;
        return keyless / 2;
    }());
    // The stream written from the result reads back to the same values.
    CPrintData copy;
    copy.SetCurrentDataStream(d.MakeDataStream(d));
    for (const auto& v : d) {
        if (v->keyText().trimmed().isEmpty() || v->keyText() != v->keyText().trimmed())
            continue; // blanks around keys are not kept in a round trip
        EXPECT_EQ(copy.Item(v->keyText())->vValue().toString().trimmed(), v->vValue().toString().trimmed());
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, DamagedDataStream,
    ::testing::Values(DamagedText { "Empty", QString() }, DamagedText { "OnlyStx", QString(50, QChar(2)) },
        DamagedText { "OnlySoh", QString(50, QChar(1)) },
        DamagedText { "Alternating", QString("\x01\x02").repeated(1000) },
        DamagedText { "EmbeddedNuls",
            QString::fromLatin1("A\0\x01"
                                "1\0\x02\0\x01\x02",
                9) },
        DamagedText { "BlanksAndStx", QString("  \x02  ").repeated(5000) },
        DamagedText { "Garbage", garbage(3 * 1024 * 1024, 29) }),
    [](const ::testing::TestParamInfo<DamagedText>& info) { return std::string(info.param.name); });

TEST(LargeDataStream, ManyEntriesAndOneHugeEntry)
{
    // Megabytes of well-formed entries: every one must be read.
    QString stream;
    const int n = 200000;
    for (int i = 0; i < n; ++i)
        stream += QStringLiteral("Field%1\x01 value %1 \x02").arg(i % 1000);
    CPrintData d;
    d.SetCurrentDataStream(stream);
    EXPECT_EQ(d.Count(), 1000);
    EXPECT_EQ(d.Item("Field999")->vValue(), QVariant(" value 999 "));

    // One entry of several megabytes without any code 2.
    const QString big = QStringLiteral("Big\x01") + QString(4 * 1024 * 1024, QLatin1Char('x'));
    CPrintData e;
    e.SetCurrentDataStream(big);
    ASSERT_EQ(e.Count(), 1);
    EXPECT_EQ(e.Item("Big")->vValue().toString().size(), 4 * 1024 * 1024);
}

namespace
{
// The data stream reader as first described: copy the rest of the text after
// each entry and trim it. Slow, but the obvious reading of the rules.
std::vector<std::pair<QString, QString>> referenceRead(const QString& text)
{
    auto trimBlanks = [](const QString& s) {
        qsizetype b = 0, e = s.size();
        while (b < e && s.at(b) == QLatin1Char(' '))
            ++b;
        while (e > b && s.at(e - 1) == QLatin1Char(' '))
            --e;
        return s.mid(b, e - b);
    };
    std::vector<std::pair<QString, QString>> items; // key, value; keys compared without case
    QString s = text;
    do {
        const qsizetype p = s.indexOf(QChar(2));
        const QString entry = p < 0 ? s : s.left(p);
        if (!entry.isEmpty()) {
            const QString key = GetField(entry, QString(QChar(1)), 1);
            const QString value = GetField(entry, QString(QChar(1)), 2);
            auto it = std::find_if(items.begin(), items.end(),
                [&](const auto& kv) { return !key.isEmpty() && kv.first.compare(key, Qt::CaseInsensitive) == 0; });
            if (key.isEmpty() && value.isEmpty())
                ; // an entry without name or value adds nothing
            else if (it != items.end())
                it->second = value;
            else
                items.emplace_back(key, value);
        }
        s = trimBlanks(s.mid(entry.size() + 1));
    } while (!s.isEmpty());
    return items;
}
} // namespace

TEST(DataStreamReader, MatchesTheCopyingReading)
{
    QRandomGenerator rng(4711);
    const char16_t alphabet[] = { 'A', 'a', 'b', ' ', ' ', 1, 2, 2 };
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int length = static_cast<int>(rng.bounded(24));
        for (int i = 0; i < length; ++i)
            text += QChar(alphabet[rng.bounded(8)]);
        CPrintData d;
        d.SetCurrentDataStream(text);
        std::vector<std::pair<QString, QString>> got;
        for (const auto& v : d)
            got.emplace_back(v->keyText(), v->vValue().toString());
        ASSERT_EQ(got, referenceRead(text)) << "input: " << text.toUtf8().toPercentEncoding().constData();
    }
}
