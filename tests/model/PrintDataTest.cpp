// Print data: items, keys, lookup with and without creation, data streams.
#include <gtest/gtest.h>

#include "platform/Picture.h"
#include "support/TestSupport.h"
#include "template/CPrintData.h"
#include "template/CVariant.h"
#include <QDate>
#include <QImage>

using namespace kyt;

namespace
{
const QChar SOH(1);
const QChar STX(2);

QString entry(const QString& key, const QString& value)
{
    return key + SOH + value + STX;
}

QStringList keysOf(const CPrintData& d)
{
    QStringList keys;
    for (const auto& v : d)
        keys << v->keyText();
    return keys;
}
} // namespace

TEST(Variant, MissingMarkerReadsEmpty)
{
    CVariant v;
    EXPECT_FALSE(v.vValue().isValid()); // never set
    v.setvValue(Missing());
    EXPECT_EQ(v.vValue(), QVariant(QString()));
    EXPECT_EQ(v.vValue().typeId(), QMetaType::QString);
    EXPECT_TRUE(IsMissing(v.storedValue()));
    EXPECT_FALSE(IsMissing(QVariant(QString())));
    EXPECT_FALSE(IsMissing(QVariant()));
    v.setvValue(QString());
    EXPECT_FALSE(IsMissing(v.storedValue()));
}

TEST(Variant, ObjectsAreTold)
{
    EXPECT_TRUE(IsObject(QVariant::fromValue(test::solidPicture(2, 2, qRgb(255, 0, 0)))));
    EXPECT_TRUE(IsObject(QVariant::fromValue(QImage(1, 1, QImage::Format_RGB32))));
    CPrintData owner;
    EXPECT_TRUE(IsObject(QVariant::fromValue(static_cast<QObject*>(&owner))));
    EXPECT_TRUE(IsObject(QVariant::fromValue(std::make_shared<CVariant>())));
    EXPECT_TRUE(IsObject(QVariant::fromValue(std::make_shared<CPrintData>())));
    for (const QVariant& v : { QVariant(1), QVariant(2.5), QVariant(QString("x")), QVariant(true), QVariant(),
             QVariant(QDate(2024, 5, 3)), Missing() })
        EXPECT_FALSE(IsObject(v)) << v.typeName();
}

TEST(Variant, KeyHoldsValueOrObject)
{
    CVariant v;
    v.setKey("Name");
    EXPECT_EQ(v.Key(), QVariant("Name"));
    EXPECT_EQ(v.keyText(), "Name");
    v.setKey(QVariant::fromValue(test::solidPicture(2, 2, qRgb(255, 0, 0))));
    EXPECT_TRUE(IsObject(v.Key()));
    EXPECT_EQ(v.keyText(), "");
}

TEST(PrintDataAdd, KeysValuesAndOrder)
{
    CPrintData d;
    auto a = d.Add("Name", "Ann Lee");
    auto b = d.Add("Dept", 12);
    auto c = d.Add(); // no key, no value
    EXPECT_EQ(d.Count(), 3);
    EXPECT_EQ(a->vValue(), QVariant("Ann Lee"));
    EXPECT_EQ(a->Key(), QVariant("Name"));
    EXPECT_EQ(b->vValue().toInt(), 12);
    EXPECT_FALSE(c->vValue().isValid());
    EXPECT_EQ(keysOf(d), QStringList({ "Name", "Dept", "" }));
    EXPECT_EQ(d.Item("NAME"), a);
    EXPECT_EQ(d.Item(3), c);
}

TEST(PrintDataAdd, DuplicateKeyReturnsItemNotAdded)
{
    CPrintData d;
    auto ann = d.Add("Name", "Ann");
    auto bob = d.Add("name", "Bob");
    EXPECT_EQ(d.Count(), 1);
    EXPECT_NE(bob, ann);
    EXPECT_EQ(bob->Key(), QVariant("name"));
    EXPECT_EQ(bob->vValue(), QVariant("Bob"));
    EXPECT_EQ(d.Item("Name")->vValue(), QVariant("Ann"));
}

TEST(PrintDataAdd, UserVariantUnderItsOwnKey)
{
    CPrintData d;
    auto v = d.CreateVariant();
    EXPECT_EQ(d.Count(), 0); // not added by creating
    v->setKey("Photo");
    v->setvValue(QVariant::fromValue(test::solidPicture(2, 2, qRgb(255, 0, 0))));
    auto r = d.Add(Missing(), Missing(), v);
    EXPECT_EQ(r, v);
    EXPECT_EQ(d.Item("photo"), v);
    EXPECT_TRUE(IsObject(v->vValue())); // an omitted value leaves the stored one

    // A given key wins over the item's own and is written into it.
    auto w = d.CreateVariant();
    w->setKey("Old");
    d.Add("New", "x", w);
    EXPECT_EQ(w->Key(), QVariant("New"));
    EXPECT_EQ(d.Item("New"), w);
    EXPECT_EQ(d.Item("Old")->vValue(), QVariant()); // not there: a fresh item

    // An empty key given is the same as none: the item's own key is used.
    auto x = d.CreateVariant();
    x->setKey("Own");
    d.Add(QString(), 5, x);
    EXPECT_EQ(d.Item("Own"), x);
    EXPECT_EQ(x->vValue().toInt(), 5);
    EXPECT_EQ(d.Count(), 3);
}

TEST(PrintDataAdd, EmptyTextValueIsStored)
{
    CPrintData d;
    auto v = d.CreateVariant();
    v->setvValue("before");
    d.Add("K", QString(), v);
    EXPECT_EQ(v->vValue(), QVariant(QString())); // given, so stored; not the omitted marker
    EXPECT_FALSE(IsMissing(v->storedValue()));
}

TEST(PrintDataItem, MissingKeyWithoutCreation)
{
    CPrintData d;
    d.Add("Name", "Ann");
    auto v = d.Item("Dept");
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->vValue().isValid());
    EXPECT_EQ(d.Count(), 1);
    EXPECT_NE(d.Item("Dept"), v); // a new item every time
    auto p = d.Item(5);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(d.Count(), 1);
}

TEST(PrintDataItem, MissingKeyWithCreation)
{
    CPrintData d;
    d.setCreateIfNotFound(true);
    auto v = d.Item("Dept");
    EXPECT_EQ(d.Count(), 1);
    EXPECT_EQ(v->Key(), QVariant("Dept"));
    EXPECT_EQ(d.Item("DEPT"), v);
    EXPECT_EQ(d.Count(), 1);
    d.Item(QString()); // an empty key is never added
    EXPECT_EQ(d.Count(), 1);
}

TEST(PrintDataRemove, KnownAndUnknown)
{
    CPrintData d;
    d.Add("A", 1);
    d.Add("B", 2);
    d.Add("C", 3);
    d.Remove("b");
    EXPECT_EQ(keysOf(d), QStringList({ "A", "C" }));
    d.Remove("Z");
    d.Remove(9);
    d.Remove(0);
    EXPECT_EQ(d.Count(), 2);
    d.Remove(1);
    EXPECT_EQ(keysOf(d), QStringList({ "C" }));
    EXPECT_EQ(d.NewEnum().size(), 1);
}

TEST(DataStream, MakeWalksTheArgumentAndSkipsObjects)
{
    auto source = std::make_shared<CPrintData>();
    source->Add("Name", "Ann Lee");
    source->Add("Photo", QVariant::fromValue(test::solidPicture(2, 2, qRgb(255, 0, 0))));
    source->Add("Dept", "Sales");
    CPrintData other; // the one called on holds nothing that counts
    other.Add("Ignored", "x");
    EXPECT_EQ(other.MakeDataStream(source), entry("Name", "Ann Lee") + entry("Dept", "Sales"));
    EXPECT_EQ(other.MakeDataStream(std::shared_ptr<CPrintData>()), "");
    EXPECT_EQ(other.MakeDataStream(CPrintData()), "");
}

struct ValueTextRow {
    QVariant value;
    const char* text;
};

class DataStreamValues : public ::testing::TestWithParam<ValueTextRow>
{
};

TEST_P(DataStreamValues, ScalarsAsText)
{
    CPrintData d;
    d.Add("K", GetParam().value);
    EXPECT_EQ(d.MakeDataStream(d), entry("K", GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Rows, DataStreamValues,
    ::testing::Values(ValueTextRow { QVariant(2.5), "2.5" }, ValueTextRow { QVariant(2.5f), "2.5" },
        ValueTextRow { QVariant(-7), "-7" }, ValueTextRow { QVariant(true), "True" },
        ValueTextRow { QVariant(false), "False" }, ValueTextRow { QVariant(QDate(2024, 5, 3)), "2024-05-03" },
        ValueTextRow { QVariant(QString()), "" }, ValueTextRow { QVariant(), "" }, ValueTextRow { Missing(), "" },
        ValueTextRow { QVariant(QString("a") + QChar(2) + "b"), "ab" }));

TEST(DataStream, RoundTripCopiesTextValuesAndAddsKeys)
{
    auto source = std::make_shared<CPrintData>();
    source->Add("Name", "Ann Lee");
    source->Add("Dept", "Sales");
    source->Add("Badge", 1042);
    CPrintData target;
    auto existing = target.Add("dept", "Old");
    target.Add("Keep", "Me");
    target.SetCurrentDataStream(target.MakeDataStream(source));
    EXPECT_EQ(keysOf(target), QStringList({ "dept", "Keep", "Name", "Badge" }));
    EXPECT_EQ(existing->vValue(), QVariant("Sales"));
    EXPECT_EQ(target.Item("Keep")->vValue(), QVariant("Me"));
    EXPECT_EQ(target.Item("Name")->vValue(), QVariant("Ann Lee"));
    EXPECT_EQ(target.Item("Badge")->vValue(), QVariant("1042")); // values arrive as text
}

struct StreamRow {
    const char* name;
    QString stream;
    QStringList keys;
    QStringList values;
};

class SetDataStream : public ::testing::TestWithParam<StreamRow>
{
};

TEST_P(SetDataStream, Entries)
{
    CPrintData d;
    d.SetCurrentDataStream(GetParam().stream);
    QStringList keys, values;
    for (const auto& v : d) {
        keys << v->keyText();
        values << v->vValue().toString();
    }
    EXPECT_EQ(keys, GetParam().keys);
    EXPECT_EQ(values, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(Rows, SetDataStream,
    ::testing::Values(StreamRow { "Empty", "", {}, {} },
        StreamRow { "LastEntryWithoutStx", entry("A", "1") + "B" + SOH + "2", { "A", "B" }, { "1", "2" } },
        StreamRow { "SingleEntryWithoutStxKeepsBlanks", " A" + QString(SOH) + "x  ", { " A" }, { "x  " } },
        StreamRow { "FirstKeyKeepsBlanksLaterKeysLoseThem", entry(" A", "1 ") + entry("  B", "2") + entry("C", "3  "),
            { " A", "B", "C" }, { "1 ", "2", "3  " } },
        StreamRow { "LastValueLosesTrailingBlanks", entry("A", "1") + "B" + SOH + "2   ", { "A", "B" }, { "1", "2" } },
        StreamRow { "EmptyEntriesSkipped", QString(STX) + STX + entry("A", "1") + "   " + STX + entry("B", "2"),
            { "A", "B" }, { "1", "2" } },
        // Entries with neither name nor value add nothing (a stream of them
        // would otherwise grow an item per two bytes).
        StreamRow { "NamelessEmptyEntriesAddNothing", QString(SOH) + STX + SOH + STX + entry("A", "1") + SOH + STX,
            { "A" }, { "1" } },
        StreamRow { "LaterEntrySetsSameKey", entry("A", "1") + entry("a", "2"), { "A" }, { "2" } },
        StreamRow { "ThirdFieldIgnored", "A" + QString(SOH) + "1" + SOH + "x" + STX, { "A" }, { "1" } },
        StreamRow {
            "EntryWithoutSeparatorIsKeyAndValue", entry("A", "1") + "Solo" + STX, { "A", "Solo" }, { "1", "Solo" } },
        StreamRow { "OnlyBlanks", "     ", { "     " }, { "     " } },
        StreamRow { "BlanksAfterLastEntry", entry("A", "1") + "    ", { "A" }, { "1" } }),
    [](const ::testing::TestParamInfo<StreamRow>& info) { return std::string(info.param.name); });
