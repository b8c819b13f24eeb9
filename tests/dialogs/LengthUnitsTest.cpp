// Lengths in the dialogs follow the designer's inches/millimetres choice:
// the card size boxes of the template properties and options dialogs and the
// barcode module size show and take millimetres; what they hand back stays
// in inches, and a box left alone gives back exactly what it was given.
#include <gtest/gtest.h>

#include "settings/SettingsTestSupport.h"
#include "support/TestSupport.h"

#include "dialogs/LengthBox.h"
#include "dialogs/LengthUnits.h"
#include "dialogs/frmBarcodeProp.h"
#include "dialogs/frmIDProperties.h"
#include "dialogs/frmOptions.h"
#include "settings/CProperties.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace kyt;
using namespace kyt::test;
using units::Unit;

namespace
{

void leave(QLineEdit* box, const QString& typed)
{
    box->setText(typed);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(box, &out);
}

constexpr double Mm = 1 / 25.4;

TEST(LengthUnits, BoxTextAndTypedNumbers)
{
    const struct {
        double inches;
        Unit unit;
        const char* shown;
        const char* typed;
        double read;
    } rows[] = {
        { 3.375, Unit::Inches, "3.375\"", "2.125", 2.125 },
        { 2.0, Unit::Inches, "2.0\"", "54 mm", 54 }, // inches read as inches, whatever follows
        { 3.375, Unit::Millimetres, "85.725 mm", "54", 54 * Mm },
        { 2.0, Unit::Millimetres, "50.8 mm", "53,98 mm", 53.98 * Mm },
        { 0.5, Unit::Millimetres, "12.7 mm", "abc", 0 },
    };
    for (const auto& r : rows) {
        EXPECT_EQ(units::boxText(r.inches, r.unit), QLatin1String(r.shown));
        EXPECT_NEAR(units::boxInches(QLatin1String(r.typed), r.unit), r.read, 1e-9) << r.typed;
    }
    EXPECT_EQ(units::boxText(0.01, Unit::Millimetres, 2), QStringLiteral("0.25 mm"));
}

// The template properties: shown in the unit, read back exactly when left
// alone or retyped as shown, converted when changed.
TEST(LengthUnits, TemplatePropertiesShowTheCardInThePersonsUnit)
{
    const struct {
        Unit unit;
        const char* width;
        const char* typed;
        double typedInches;
    } rows[] = { { Unit::Inches, "3.375\"", "4", 4.0 }, { Unit::Millimetres, "85.725 mm", "100", 100 * Mm } };
    for (const auto& r : rows) {
        StoreScope store;
        units::setCurrent(r.unit);
        frmIDProperties dlg;
        dlg.setIdSizeWidth(3.375);
        dlg.setIdSizeHeight(2.125);
        EXPECT_EQ(dlg.txtWidth()->text(), QLatin1String(r.width));
        EXPECT_EQ(dlg.IdSizeWidth(), 3.375);
        leave(dlg.txtWidth(), dlg.txtWidth()->text().section(QLatin1Char(' '), 0, 0));
        EXPECT_EQ(dlg.txtWidth()->text(), QLatin1String(r.width));
        EXPECT_EQ(dlg.IdSizeWidth(), 3.375);
        leave(dlg.txtHeight(), QLatin1String(r.typed));
        EXPECT_NEAR(dlg.IdSizeHeight(), r.typedInches, 1e-9);
    }
}

// OK checks the sides in the unit the boxes show and says so.
TEST(LengthUnits, OkChecksTheSidesInMillimetres)
{
    StoreScope store;
    units::setCurrent(Unit::Millimetres);
    const struct {
        const char* height;
        bool refused;
    } rows[] = { { "1524", false }, { "1530", true }, { "0", true } };
    for (const auto& r : rows) {
        ScriptedBoxScope boxes;
        frmIDProperties dlg;
        dlg.show();
        dlg.txtWidth()->setText(QStringLiteral("85.6"));
        dlg.txtHeight()->setText(QLatin1String(r.height));
        dlg.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        EXPECT_EQ(dlg.isVisible(), r.refused) << r.height;
        if (!r.refused) {
            EXPECT_NEAR(dlg.IdSizeHeight(), 60.0, 1e-9);
            continue;
        }
        ASSERT_EQ(boxes.box().asked().size(), 1u);
        EXPECT_TRUE(boxes.box().asked()[0].prompt.endsWith(
            QStringLiteral("must be a number of millimetres above 0 and at most 1524.")))
            << boxes.box().asked()[0].prompt.toStdString();
    }
}

// The options dialog shows its default size in the unit its list shows,
// converts when the list changes, and stores inches.
TEST(LengthUnits, OptionsSizesFollowTheUnitsList)
{
    StoreScope store;
    units::setCurrent(Unit::Millimetres);
    CProperties props(store.shared(), quietError());
    props.setDefaultWidth(3.375);
    props.setDefaultHeight(2.125);
    frmOptions dlg;
    dlg.setProperties(&props);
    dlg.setError(quietError());
    CTargetApplications targets;
    dlg.setTargetApplications(&targets);
    dlg.LoadSettings();
    auto* list = dlg.findChild<QComboBox*>(QStringLiteral("cboUnits"));
    EXPECT_EQ(dlg.txtWidth()->text(), QStringLiteral("85.725 mm"));
    EXPECT_EQ(dlg.txtHeight()->text(), QStringLiteral("53.975 mm"));
    list->setCurrentIndex(0);
    EXPECT_EQ(dlg.txtWidth()->text(), QStringLiteral("3.375\""));
    list->setCurrentIndex(1);
    leave(dlg.txtHeight(), QStringLiteral("54"));
    EXPECT_EQ(dlg.txtHeight()->text(), QStringLiteral("54 mm"));
    dlg.show();
    dlg.cmdOK()->click();
    CProperties reread(store.shared(), quietError());
    EXPECT_DOUBLE_EQ(reread.DefaultWidth(), 3.375);
    EXPECT_NEAR(reread.DefaultHeight(), 54 * Mm, 1e-9);
}

// The module size of a symbol, in millimetres, untouched or typed.
TEST(LengthUnits, BarcodeModuleSizeInMillimetres)
{
    StoreScope store;
    units::setCurrent(Unit::Millimetres);
    const struct {
        const char* typed; // nullptr: left as shown
        float inches;
    } rows[] = { { nullptr, 0.015f }, { "0.5", float(0.5 * Mm) }, { "0.5 mm", float(0.5 * Mm) }, { "30", 0.0f } };
    for (const auto& r : rows) {
        frmBarcodeProp dlg;
        dlg.setModuleSize(0.015f);
        dlg.Setup();
        auto* box = dlg.findChild<QLineEdit*>(QStringLiteral("txtModuleSize"));
        EXPECT_EQ(box->text(), QStringLiteral("0.381 mm"));
        EXPECT_TRUE(box->toolTip().contains(QStringLiteral("millimetres")));
        if (r.typed)
            box->setText(QLatin1String(r.typed));
        EXPECT_FLOAT_EQ(dlg.ModuleSize(), r.inches) << (r.typed ? r.typed : "as shown");
    }
}

} // namespace
