// How symbols and the shrink-only fit are stored: the barcode-font types
// keep their 22 fields byte for byte, symbols add a 23rd that round-trips
// exactly, and a type the reader does not know draws as plain text.
#include <gtest/gtest.h>

#include "files/FileTestSupport.h"
#include "objects/CDataObject.h"
#include "objects/CTextObject.h"
#include "platform/surface/TraceSurface.h"
#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{

QByteArray saved(CPrintTemplate& t, const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(t.SaveFile(path));
    return readBytes(path);
}

std::shared_ptr<CTextObjectBase> addText(CPrintTemplate& t, const char* type, qint32 barcodeType)
{
    auto o = std::dynamic_pointer_cast<CTextObjectBase>(t.AddObject(QString::fromLatin1(type)));
    EXPECT_TRUE(o);
    o->settop(0.25f);
    o->setleft(0.5f);
    o->setWidth(1.5f);
    o->setHeight(0.5f);
    o->setText(QStringLiteral("Ann"));
    if (auto* d = qobject_cast<CDataObject*>(o.get()))
        d->setDataFieldName(QStringLiteral("Badge"));
    o->setBarcode(barcodeType != 0);
    o->setBarcodeTypeNumber(barcodeType);
    o->setFontToFit(true);
    return o;
}

int fieldCount(const QString& token)
{
    return int(token.count(QChar(1)));
}

} // namespace

// The described barcode types (and none) write the 22 fields they always
// did: the exact bytes of a Code 128 B data field, and 22 fields for each.
TEST(SymbolFile, BarcodeFontTypesKeepTheirBytes)
{
    for (qint32 type : { 0, 1, 2, 3 }) {
        CDataObject o;
        o.settop(0.25f);
        o.setleft(0.5f);
        o.setWidth(1.5f);
        o.setHeight(0.5f);
        o.setDataFieldName(QStringLiteral("Badge"));
        o.setBarcode(type != 0);
        o.setBarcodeTypeNumber(type);
        o.setBarcodePrefix(QStringLiteral("*"));
        const QString expected = QStringLiteral("0.25\x01"
                                                "0.5\x01"
                                                "1.5\x01"
                                                "0.5\x01"
                                                "0\x01"
                                                "0\x01"
                                                "0\x01"
                                                "0\x01"
                                                "0\x01"
                                                "Badge\x01"
                                                "False\x01"
                                                "False\x01"
                                                "False\x01"
                                                "False\x01"
                                                "Arial\x01"
                                                "8\x01"
                                                "True\x01"
                                                "%1\x01"
                                                "%2\x01"
                                                "*\x01\x01"
                                                "False\x01")
                                     .arg(type != 0 ? QStringLiteral("True") : QStringLiteral("False"))
                                     .arg(type);
        EXPECT_EQ(o.TokenString(), expected) << type;
    }
}

// A whole file of described barcodes saves, reads and saves to the same
// bytes, every text record with 22 fields.
TEST(SymbolFile, BarcodeFontFileIsByteIdenticalAfterResave)
{
    ReportLog log;
    QTemporaryDir dir;
    auto t = richTemplate(log.error);
    for (qint32 type : { 0, 1, 2, 3, 128 })
        addText(*t, "Data", type);
    const QByteArray first = saved(*t, dir, QStringLiteral("a.tpl"));
    auto back = std::make_shared<CPrintTemplate>();
    back->setError(log.error);
    ASSERT_TRUE(back->ReadFile(dir.filePath(QStringLiteral("a.tpl"))));
    EXPECT_EQ(saved(*back, dir, QStringLiteral("b.tpl")), first);
    for (int i = 1; i <= back->Count(); ++i) {
        if (auto text = std::dynamic_pointer_cast<CTextObjectBase>(back->Item(i))) {
            EXPECT_EQ(fieldCount(text->TokenString()), CTextObjectBase::FieldCount) << i;
        }
    }
    EXPECT_EQ(log.count(), 0) << qPrintable(log.last());
}

// Symbol options and the shrink-only fit go to a 23rd field, only when set,
// and come back exactly; the file saves to the same bytes again.
TEST(SymbolFile, SymbolOptionsRoundTripExactly)
{
    struct Row {
        qint32 type;
        qint16 ec, hrt, rotation;
        float module;
        bool shrink;
        const char* field23; // nullptr: no 23rd field
    } rows[] = {
        { 10, 0, 0, 0, 0, false, nullptr },
        { 10, 4, 0, 90, 0, false, "SymEC=4;SymRot=90;" },
        { 22, 0, 1, 270, 0.0133f, false, "SymText=1;SymRot=270;SymModule=0.0133;" },
        { 12, 9, 0, 180, 0.01f, true, "SymEC=9;SymRot=180;SymModule=0.01;FitMode=Shrink;" },
        { 0, 0, 0, 0, 0, true, "FitMode=Shrink;" },
    };
    ReportLog log;
    QTemporaryDir dir;
    auto t = richTemplate(log.error);
    for (const Row& r : rows) {
        auto o = addText(*t, "Text", r.type);
        o->setErrorCorrection(r.ec);
        o->setHumanReadable(r.hrt);
        o->setRotation(r.rotation);
        o->setModuleSize(r.module);
        o->setShrinkToFit(r.shrink);
        const QString token = o->TokenString();
        if (!r.field23) {
            EXPECT_EQ(fieldCount(token), 22) << r.type;
        } else {
            EXPECT_EQ(fieldCount(token), 23) << r.type;
            EXPECT_TRUE(token.endsWith(QStringLiteral("False\x01") + QLatin1String(r.field23) + QChar(1))
                || token.endsWith(QStringLiteral("True\x01") + QLatin1String(r.field23) + QChar(1)))
                << qPrintable(token);
        }
        CTextObject back;
        back.setTokenString(token);
        EXPECT_EQ(back.TokenString(), token);
        EXPECT_EQ(back.ErrorCorrection(), r.ec);
        EXPECT_EQ(back.HumanReadable(), r.hrt);
        EXPECT_EQ(back.Rotation(), r.rotation);
        EXPECT_FLOAT_EQ(back.ModuleSize(), r.module);
        EXPECT_EQ(back.ShrinkToFit(), r.shrink);
    }
    const QByteArray first = saved(*t, dir, QStringLiteral("a.tpl"));
    auto back = std::make_shared<CPrintTemplate>();
    back->setError(log.error);
    ASSERT_TRUE(back->ReadFile(dir.filePath(QStringLiteral("a.tpl"))));
    EXPECT_EQ(saved(*back, dir, QStringLiteral("b.tpl")), first);
    EXPECT_EQ(log.count(), 0) << qPrintable(log.last());
}

// Damaged option items are read as their defaults, never out of range.
TEST(SymbolFile, DamagedOptionsReadAsDefaults)
{
    CTextObject o;
    QString token = o.TokenString() + QStringLiteral("SymEC=99;SymText=x;SymRot=45;SymModule=-3;FitMode=Grow;\x01");
    o.setTokenString(token);
    EXPECT_EQ(o.ErrorCorrection(), 9);
    EXPECT_EQ(o.HumanReadable(), 0);
    EXPECT_EQ(o.Rotation(), 0);
    EXPECT_EQ(o.ModuleSize(), 0);
    EXPECT_FALSE(o.ShrinkToFit());
}

// What a reader that knows only the barcode-font types does with a symbol:
// the first 22 fields are the object as it knows it, and a type it has no
// encoder for draws the plain text (prefix, value, postfix) in the object's
// font, without failing. This reader does the same for a number that is no
// symbol.
TEST(SymbolFile, UnknownTypeDrawsPlainText)
{
    auto card = std::make_shared<CPrintTemplate>();
    card->setError(quietError());
    auto o = addText(*card, "Text", 99);
    o->setFontToFit(false);
    o->setBarcodePrefix(QStringLiteral("<"));
    o->setBarcodePostfix(QStringLiteral(">"));
    TraceSurface s(QStringLiteral("Printer"), QSizeF(3.375, 2.125), 300);
    s.setScaleMode(Surface::vbInches);
    std::shared_ptr<CError> error = card->Error();
    std::shared_ptr<FieldValues> none;
    ASSERT_TRUE(o->Render(*card, s, error, none, 0, 0));
    QStringList printed;
    for (const auto& v : s.calls())
        if (v.toObject().value(QStringLiteral("op")).toString() == QLatin1String("Print"))
            printed << v.toObject().value(QStringLiteral("text")).toString();
    EXPECT_EQ(printed, QStringList { QStringLiteral("<Ann>") });

    // A symbol's first 22 fields read alone give the same object but its options.
    o->setBarcodeTypeNumber(10);
    o->setRotation(90);
    const QString token = o->TokenString();
    const QString first22 = token.left(token.lastIndexOf(QChar(1), -2) + 1);
    CTextObject older;
    older.setTokenString(first22);
    EXPECT_EQ(older.BarcodeTypeNumber(), 10);
    EXPECT_EQ(older.Text(), QStringLiteral("Ann"));
    EXPECT_EQ(older.Rotation(), 0);
}
