// The public classes reached by member name through the meta-object system,
// as a host or script without the C++ headers would call them.
#include <gtest/gtest.h>

#include "objects/CDataObject.h"
#include "objects/CPhotoObject.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "template/CVariant.h"
#include <QImage>
#include <QMetaObject>

using namespace kyt;

TEST(ByName, TemplateProperties)
{
    CPrintTemplate t;
    EXPECT_TRUE(t.setProperty("Width", 3.375));
    EXPECT_TRUE(t.setProperty("Height", 2.125));
    EXPECT_TRUE(t.setProperty("Orientation", 2));
    EXPECT_DOUBLE_EQ(t.Width(), 3.375);
    EXPECT_EQ(t.property("Height").toDouble(), 2.125);
    EXPECT_EQ(t.Orientation(), 2);
    EXPECT_TRUE(t.property("DataChanged").toBool()); // the orientation write marked it
    EXPECT_EQ(t.property("TemplateType").toString(), "Template");
    EXPECT_EQ(t.property("Scalor").toDouble(), 1.0);
    EXPECT_FALSE(t.setProperty("Duplex", true)); // read-only from outside
    EXPECT_FALSE(t.Duplex());
    EXPECT_TRUE(t.setProperty("Border", 3));
    EXPECT_EQ(t.Border(), 3);

    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(Qt::blue);
    EXPECT_TRUE(t.setProperty("Picture", QVariant::fromValue(kyt::Picture(img))));
    EXPECT_EQ(t.property("Picture").value<kyt::Picture>().Type(), kyt::Picture::Bitmap);
}

TEST(ByName, TemplateMethods)
{
    CPrintTemplate t;
    std::shared_ptr<CPhotoObject> photo;
    ASSERT_TRUE(QMetaObject::invokeMethod(&t, "AddPhoto", Q_RETURN_ARG(std::shared_ptr<kyt::CPhotoObject>, photo)));
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->Name(), "Photo1");

    std::shared_ptr<CDataObject> data;
    ASSERT_TRUE(QMetaObject::invokeMethod(&t, "AddData", Q_RETURN_ARG(std::shared_ptr<kyt::CDataObject>, data)));
    data->setProperty("DataFieldName", "LastName");

    QStringList names;
    ASSERT_TRUE(QMetaObject::invokeMethod(&t, "GetDataFieldNames", Q_RETURN_ARG(QStringList, names)));
    EXPECT_EQ(names, QStringList({ "LastName", "" }));

    t.setWidth(3.375);
    t.setHeight(2.125);
    bool scaled = true;
    ASSERT_TRUE(
        QMetaObject::invokeMethod(&t, "ScaleID", Q_RETURN_ARG(bool, scaled), Q_ARG(double, 10), Q_ARG(double, 10)));
    EXPECT_FALSE(scaled);

    QList<QObject*> items;
    ASSERT_TRUE(QMetaObject::invokeMethod(&t, "NewEnum", Q_RETURN_ARG(QList<QObject*>, items)));
    EXPECT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(0)->property("Name").toString(), "Photo1");

    ASSERT_TRUE(QMetaObject::invokeMethod(&t, "Remove", Q_ARG(QVariant, QVariant("Photo1"))));
    EXPECT_EQ(t.Count(), 1);

    // A shared object handed back in a QVariant converts to its QObject.
    const QVariant held = QVariant::fromValue(data);
    EXPECT_EQ(held.value<QObject*>(), data.get());
}

TEST(ByName, DesignObjectProperties)
{
    CPrintTemplate t;
    auto photo = t.AddPhoto();
    EXPECT_EQ(photo->property("ImageName").toString(), "Image");
    EXPECT_TRUE(photo->setProperty("ImageName", "Portrait"));
    EXPECT_EQ(photo->ImageName(), "Portrait");
    EXPECT_TRUE(photo->setProperty("top", 0.5));
    EXPECT_TRUE(photo->setProperty("left", 0.25));
    EXPECT_TRUE(photo->setProperty("ZOrder", 2));
    EXPECT_TRUE(photo->setProperty("StretchToFit", true));
    EXPECT_EQ(photo->property("TokenString").toString(),
        QString("0.5\x01"
                "0.25\x01"
                "0\x01"
                "0\x01"
                "2\x01"
                "0\x01"
                "True\x01"));
    EXPECT_TRUE(QMetaObject::invokeMethod(photo.get(), "DisplayControl"));

    auto data = t.AddData();
    EXPECT_EQ(data->property("FontName").toString(), "Arial");
    EXPECT_TRUE(data->setProperty("BarcodeType", "3"));
    EXPECT_EQ(data->BarcodeTypeNumber(), 3);
    data->setProperty("BarcodeType", "not a number"); // ignored by name
    EXPECT_EQ(data->property("BarcodeType").toString(), "3");
    qint16 type = -1;
    ASSERT_TRUE(QMetaObject::invokeMethod(
        data.get(), "ConvertBarcodeType", Q_RETURN_ARG(qint16, type), Q_ARG(QVariant, QVariant("3of9"))));
    EXPECT_EQ(type, 1);
}

TEST(ByName, PrintDataMembers)
{
    CPrintData d;
    std::shared_ptr<CVariant> item;
    ASSERT_TRUE(QMetaObject::invokeMethod(&d, "Add", Q_RETURN_ARG(std::shared_ptr<kyt::CVariant>, item),
        Q_ARG(QVariant, QVariant("Name")), Q_ARG(QVariant, QVariant("Ann"))));
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(QMetaObject::invokeMethod(
        &d, "Add", Q_RETURN_ARG(std::shared_ptr<kyt::CVariant>, item), Q_ARG(QVariant, QVariant("Dept"))));
    EXPECT_EQ(d.property("Count").toInt(), 2);

    std::shared_ptr<CVariant> found;
    ASSERT_TRUE(QMetaObject::invokeMethod(
        &d, "Item", Q_RETURN_ARG(std::shared_ptr<kyt::CVariant>, found), Q_ARG(QVariant, QVariant("name"))));
    EXPECT_EQ(found->property("vValue").toString(), "Ann");
    EXPECT_EQ(found->property("Key").toString(), "Name");
    EXPECT_TRUE(found->setProperty("vValue", "Bob"));
    EXPECT_EQ(d.Item(1)->vValue(), QVariant("Bob"));

    EXPECT_TRUE(d.setProperty("CreateIfNotFound", true));
    ASSERT_TRUE(QMetaObject::invokeMethod(
        &d, "Item", Q_RETURN_ARG(std::shared_ptr<kyt::CVariant>, found), Q_ARG(QVariant, QVariant("Badge"))));
    EXPECT_EQ(d.Count(), 3);

    ASSERT_TRUE(
        QMetaObject::invokeMethod(&d, "SetCurrentDataStream", Q_ARG(QVariant, QVariant(QString("Dept\x01Sales\x02")))));
    EXPECT_EQ(d.Item("Dept")->vValue(), QVariant("Sales"));

    QString stream;
    auto self = std::make_shared<CPrintData>();
    self->Add("A", 1);
    ASSERT_TRUE(QMetaObject::invokeMethod(
        &d, "MakeDataStream", Q_RETURN_ARG(QString, stream), Q_ARG(std::shared_ptr<kyt::CPrintData>, self)));
    EXPECT_EQ(stream,
        QString("A\x01"
                "1\x02"));

    ASSERT_TRUE(QMetaObject::invokeMethod(&d, "Remove", Q_ARG(QVariant, QVariant("nothing"))));
    ASSERT_TRUE(QMetaObject::invokeMethod(&d, "Remove", Q_ARG(QVariant, QVariant(1))));
    EXPECT_EQ(d.Count(), 2);

    std::shared_ptr<CVariant> fresh;
    ASSERT_TRUE(QMetaObject::invokeMethod(&d, "CreateVariant", Q_RETURN_ARG(std::shared_ptr<kyt::CVariant>, fresh)));
    EXPECT_NE(fresh, nullptr);
    EXPECT_EQ(d.Count(), 2);
}
