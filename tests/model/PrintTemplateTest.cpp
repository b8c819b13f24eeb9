// The template model: defaults, changed flags, the object factory and
// collection, sorting, scaling, data field names.
#include <gtest/gtest.h>

#include "errors/CError.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CParseString.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "support/TestSupport.h"
#include "template/CPrintTemplate.h"
#include "template/TemplateDefaults.h"
#include <QImage>

using namespace kyt;
using namespace kyt::test;

namespace
{
QStringList keysOf(const CPrintTemplate& t)
{
    QStringList keys;
    for (const auto& o : t)
        keys << o->Name();
    return keys;
}

class Defaults : public TemplateDefaults
{
public:
    double DefaultWidth() const override { return 3.375; }
    double DefaultHeight() const override { return 2.125; }
    QString DefaultTarget() const override { return "Acme.Badges"; }
    qint16 DefaultOrientation() const override { return 2; }
    bool DefaultDuplex() const override { return true; }
};
} // namespace

TEST(TemplateDefaultsAfterCreation, ApplyDefaultsCopiesWithoutFlags)
{
    CPrintTemplate t;
    Defaults d;
    t.ApplyDefaults(&d);
    EXPECT_EQ(t.Width(), 3.375);
    EXPECT_EQ(t.Height(), 2.125);
    EXPECT_EQ(t.TargetApplication(), "Acme.Badges");
    EXPECT_EQ(t.Orientation(), 2);
    EXPECT_TRUE(t.Duplex());
    EXPECT_FALSE(t.DataChanged());
}

// Each row: writes of DataChanged in order, then the expected DataChanged and Dirty.
struct DataChangedRow {
    std::vector<bool> writes;
    bool dataChanged;
    bool dirty;
};

class DataChangedTable : public ::testing::TestWithParam<DataChangedRow>
{
};

TEST_P(DataChangedTable, WriteAndRead)
{
    CPrintTemplate t;
    for (bool v : GetParam().writes)
        t.setDataChanged(v);
    EXPECT_EQ(t.DataChanged(), GetParam().dataChanged);
    EXPECT_EQ(t.Dirty(), GetParam().dirty);
}

INSTANTIATE_TEST_SUITE_P(Rows, DataChangedTable,
    ::testing::Values(DataChangedRow { {}, false, false }, DataChangedRow { { false }, false, false },
        DataChangedRow { { true }, true, true }, DataChangedRow { { true, false }, true, false },
        DataChangedRow { { true, false, false }, true, false }, DataChangedRow { { false, true }, true, true }));

TEST(ChangedFlags, PropertiesThatMarkTheTemplate)
{
    {
        CPrintTemplate t;
        t.setTemplateName("C:/cards/Visitor.tpl");
        EXPECT_TRUE(t.Dirty());
        t.setDataChanged(false);
        t.setTemplateName("c:/CARDS/visitor.TPL"); // only letter case differs
        EXPECT_FALSE(t.Dirty());
        EXPECT_EQ(t.TemplateName(), "c:/CARDS/visitor.TPL");
        t.setTemplateName("other.tpl");
        EXPECT_TRUE(t.Dirty());
    }
    {
        CPrintTemplate t;
        t.setTemplateName(QString()); // same as before
        t.setOrientation(0);
        t.setBackgroundColor(-1);
        EXPECT_FALSE(t.DataChanged());
        t.setOrientation(2);
        EXPECT_TRUE(t.Dirty());
        EXPECT_TRUE(t.DataChanged());
    }
    {
        CPrintTemplate t;
        t.setBackgroundColor(0xFFFFFF);
        EXPECT_TRUE(t.Dirty());
        t.setDataChanged(false);
        EXPECT_TRUE(t.DataChanged()); // once changed, always changed
    }
    {
        CPrintTemplate t;
        t.setPicture(solidPicture(4, 3, qRgb(1, 2, 3)));
        EXPECT_TRUE(t.Dirty());
        EXPECT_EQ(t.Picture().Type(), kyt::Picture::Bitmap);
    }
    {
        // Properties without flags.
        CPrintTemplate t;
        t.setWidth(3);
        t.setHeight(2);
        t.setScalor(0.5);
        t.setTargetApplication("X");
        t.setTemplateType("Other");
        t.setBorder(2);
        t.setDuplex(true);
        t.setXOffset(0.1f);
        t.setYOffset(0.2f);
        t.setPictureScale(0.3f);
        t.setDefaultPhoto(solidPicture(4, 3, qRgb(0, 0, 0)));
        t.setError(quietError());
        EXPECT_FALSE(t.DataChanged());
    }
}

TEST(Factory, KeysAndNumbersPerType)
{
    CPrintTemplate t;
    t.AddObject("Photo");
    t.AddObject("Photo");
    t.AddObject("Text");
    EXPECT_EQ(keysOf(t), QStringList({ "Photo1", "Photo2", "Text1" }));
    t.Remove("Photo1");
    auto p = t.AddObject("Photo");
    EXPECT_EQ(p->Name(), "Photo3");
    EXPECT_EQ(p->Index(), 3);
    EXPECT_EQ(keysOf(t), QStringList({ "Photo2", "Text1", "Photo3" }));
    EXPECT_EQ(t.perTypeList(CPrintTemplate::ObjectKind::Photo).size(), 3u); // removal keeps the list
}

TEST(Factory, TypeWordKeptAsGiven)
{
    CPrintTemplate t;
    auto r1 = t.AddObject("Rect");
    auto r2 = t.AddObject("Rectangle");
    auto l = t.AddObject("line");
    auto d = t.AddObject("DATA");
    EXPECT_EQ(r1->Name(), "Rect1");
    EXPECT_EQ(r2->Name(), "Rectangle2");
    EXPECT_EQ(r2->ObjectType(), "Rectangle");
    EXPECT_EQ(l->Name(), "line1");
    EXPECT_EQ(d->Name(), "DATA1");
    EXPECT_EQ(d->ObjectType(), "DATA");
    EXPECT_NE(dynamic_cast<CRectangleObject*>(r2.get()), nullptr);
    EXPECT_NE(dynamic_cast<CLineObject*>(l.get()), nullptr);
    EXPECT_NE(dynamic_cast<CDataObject*>(d.get()), nullptr);
    EXPECT_NE(dynamic_cast<CLogoObject*>(t.AddObject("Logo").get()), nullptr);
    EXPECT_NE(dynamic_cast<CTextObject*>(t.AddObject("tExt").get()), nullptr);
    EXPECT_FALSE(t.DataChanged()); // adding sets no flag
}

TEST(Factory, ParseStringHasNoNumber)
{
    CPrintTemplate t;
    auto ps = t.AddObject("ParseString");
    EXPECT_NE(dynamic_cast<CParseString*>(ps.get()), nullptr);
    EXPECT_EQ(ps->Name(), "ParseString0");
    EXPECT_EQ(ps->Index(), 0);
    EXPECT_EQ(ps->ObjectType(), "ParseString");
    EXPECT_EQ(test::errorNumberOf([&] { t.AddObject("ParseString"); }), 457);
    EXPECT_EQ(t.Count(), 1);
}

TEST(Factory, UnknownWordFailsToTheCaller)
{
    CPrintTemplate t;
    for (const char* word : { "Circle", "", "ParseStrin", "Photos" }) {
        EXPECT_EQ(test::errorNumberOf([&] { t.AddObject(word); }), 91) << word;
    }
    EXPECT_EQ(t.Count(), 0);
}

TEST(Factory, PhotosGetTheDefaultPhoto)
{
    CPrintTemplate t;
    const kyt::Picture smile = solidPicture(4, 3, qRgb(255, 255, 0));
    t.setDefaultPhoto(smile);
    auto photo = t.AddPhoto();
    EXPECT_EQ(photo->Image(), smile);
    EXPECT_EQ(photo->Name(), "Photo1");
    auto data = t.AddData();
    EXPECT_EQ(data->Name(), "Data1");
    EXPECT_EQ(data->ObjectType(), "Data");
}

TEST(Collection, ItemCountRemoveAndIteration)
{
    CPrintTemplate t;
    auto a = t.AddObject("Text");
    auto b = t.AddObject("Logo");
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Item(1), a);
    EXPECT_EQ(t.Item("logo1"), b); // keys ignore letter case
    EXPECT_EQ(t.Item(QVariant(2)), b);
    EXPECT_EQ(t.Item(QVariant("Text1")), a);
    EXPECT_THROW(t.Item(3), KytError);
    EXPECT_THROW(t.Item("Photo1"), KytError);
    EXPECT_THROW(t.Remove("Photo1"), KytError);
    EXPECT_THROW(t.Remove(0), KytError);
    t.Remove(1);
    EXPECT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Item(1), b);
    int n = 0;
    for (const auto& o : t) {
        EXPECT_EQ(o, b);
        ++n;
    }
    EXPECT_EQ(n, 1);
    EXPECT_EQ(t.NewEnum(), QList<QObject*>({ b.get() }));
}

TEST(Collection, ClearObjectsRestartsNumbering)
{
    CPrintTemplate t;
    t.AddObject("Photo");
    t.AddObject("Data");
    t.AddObject("ParseString");
    t.ClearObjects();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_TRUE(t.perTypeList(CPrintTemplate::ObjectKind::Data).empty());
    EXPECT_EQ(t.AddObject("Photo")->Name(), "Photo1");
    EXPECT_EQ(t.AddObject("ParseString")->Name(), "ParseString0");
}

TEST(Sorting, StableAscendingZOrder)
{
    CPrintTemplate t;
    const qint16 z[] = { 3, 1, 2, 1 };
    for (qint16 v : z)
        t.AddObject("Rect")->setZOrder(v);
    t.SortByZOrder();
    EXPECT_EQ(keysOf(t), QStringList({ "Rect2", "Rect4", "Rect3", "Rect1" }));
    EXPECT_EQ(t.Item("Rect3")->ZOrder(), 2); // still found by key
}

TEST(Sorting, NegativeValuesAndOtherTypes)
{
    CPrintTemplate t;
    t.AddObject("Text")->setZOrder(0);
    t.AddObject("Logo")->setZOrder(-5);
    t.AddObject("ParseString"); // no z-order of its own: 0
    t.AddObject("Photo")->setZOrder(0);
    t.SortByZOrder();
    EXPECT_EQ(keysOf(t), QStringList({ "Logo1", "Text1", "ParseString0", "Photo1" }));
}

TEST(Sorting, RenamedObjectsAreNeverLost)
{
    CPrintTemplate t;
    auto a = t.AddObject("Text");
    auto b = t.AddObject("Text");
    a->setZOrder(2);
    b->setName("Text1"); // a host gave two objects the same name
    t.SortByZOrder();
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Item(1), b);
    EXPECT_EQ(t.Item(2), a);
    EXPECT_EQ(t.Item("Text1"), b);
}

struct ScaleRow {
    double width, height, dWidth, dHeight;
    bool result;
    double scalor;
};

class ScaleIDTable : public ::testing::TestWithParam<ScaleRow>
{
};

TEST_P(ScaleIDTable, FitsBothSidesStacked)
{
    const ScaleRow r = GetParam();
    CPrintTemplate t;
    t.setWidth(r.width);
    t.setHeight(r.height);
    t.setScalor(7);
    EXPECT_EQ(t.ScaleID(r.dWidth, r.dHeight), r.result);
    EXPECT_DOUBLE_EQ(t.Scalor(), r.scalor);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScaleIDTable,
    ::testing::Values(ScaleRow { 3.375, 2.125, 10, 10, false, 1.0 },
        ScaleRow { 3.375, 2.125, 3.375, 4.25, false, 1.0 }, // exactly fits
        ScaleRow { 3.375, 2.125, 2, 10, true, 2 / 3.375 }, // width decides
        ScaleRow { 3.375, 2.125, 10, 2, true, 2 / 4.25 }, // height decides
        ScaleRow { 4, 1, 2, 1, true, 0.5 }));

TEST(ScaleIDFailures, ZeroWidthIsReported)
{
    test::ScriptedBoxScope box;
    CPrintTemplate t;
    auto err = quietError();
    t.setError(err);
    t.setHeight(2);
    EXPECT_FALSE(t.ScaleID(1, 1));
    EXPECT_TRUE(err->lastLogLine().contains("KYTPreview.CPrintTemplate (8.1.3) ScaleID"))
        << err->lastLogLine().toStdString();
    EXPECT_TRUE(err->lastLogLine().contains("Division by zero"));
    // Without a reporter the failure is still contained.
    CPrintTemplate u;
    u.setHeight(2);
    EXPECT_FALSE(u.ScaleID(1, 1));
}

struct FieldNamesRow {
    std::vector<const char*> names;
    QStringList expected;
};

class DataFieldNames : public ::testing::TestWithParam<FieldNamesRow>
{
};

TEST_P(DataFieldNames, DistinctNamesThenEmptyStrings)
{
    CPrintTemplate t;
    for (const char* n : GetParam().names)
        t.AddData()->setDataFieldName(n);
    EXPECT_EQ(t.GetDataFieldNames(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, DataFieldNames,
    ::testing::Values(FieldNamesRow { {}, { "" } }, FieldNamesRow { { "First" }, { "First", "" } },
        FieldNamesRow { { "First", "first" }, { "First", "", "" } },
        FieldNamesRow { { "A", "B", "A" }, { "A", "B", "", "" } },
        FieldNamesRow { { "A", "B", "C" }, { "A", "B", "C", "" } }, FieldNamesRow { { "", "A" }, { "A", "" } },
        FieldNamesRow { { "A", "" }, { "A", "", "" } }));

TEST(DataFieldNamesList, RemovedObjectsStillCountUntilCleared)
{
    CPrintTemplate t;
    t.AddData()->setDataFieldName("Name");
    t.AddObject("Text"); // other types do not count
    t.AddData()->setDataFieldName("Dept");
    t.Remove("Data1");
    EXPECT_EQ(t.GetDataFieldNames(), QStringList({ "Name", "Dept", "" }));
    t.ClearObjects();
    EXPECT_EQ(t.GetDataFieldNames(), QStringList({ "" }));
}
