#include "dialogs/frmBarcodeProp.h"

#include "dialogs/LengthUnits.h"

#include "errors/MessageBox.h"

#include "barcode/Symbol.h"
#include "util/NumberText.h"

#include "errors/CError.h"
#include "errors/ModuleSource.h"
#include "platform/BarcodeFonts.h"
#include "platform/CommonDialog.h"
#include "util/Strings.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace kyt
{

namespace
{
// The font dialog's "printer fonts" flag.
constexpr int PrinterFontsFlag = 2;
} // namespace

frmBarcodeProp::frmBarcodeProp(QWidget* parent)
    : QDialog(parent)
    , m_moduleSource(moduleSource(".frmBarcodeProp ("))
{
    setObjectName(QStringLiteral("frmBarcodeProp"));
    setWindowTitle(tr("Barcode Properties"));
    setModal(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);

    auto addRow = [&](int row, const QString& caption, QWidget* field, const QString& tip) {
        auto* label = new QLabel(caption, Frame1);
        label->setBuddy(field);
        field->setToolTip(tip);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    };
    txtPrefix = new QLineEdit(Frame1);
    txtPrefix->setObjectName(QStringLiteral("txtPrefix"));
    txtPostfix = new QLineEdit(Frame1);
    txtPostfix->setObjectName(QStringLiteral("txtPostfix"));
    cboBarcodeType = new QComboBox(Frame1);
    cboBarcodeType->setObjectName(QStringLiteral("cboBarcodeType"));
    cboBarcodeType->setEditable(false);
    txtFontName = new QLineEdit(Frame1);
    txtFontName->setObjectName(QStringLiteral("txtFontName"));
    cmdListFonts = new QPushButton(QStringLiteral("..."), Frame1);
    cmdListFonts->setObjectName(QStringLiteral("cmdListFonts"));
    cmdListFonts->setToolTip(tr("Select Barcode Font"));
    cmdListFonts->setAutoDefault(false);
    // Its caption has no letter to underline; Alt+S as in "Select".
    cmdListFonts->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));

    addRow(0, tr("&Prefix:"), txtPrefix, tr("Prefix Barcode with Text String"));
    addRow(1, tr("Pos&tfix:"), txtPostfix, tr("Postfix Barcode with Text String"));
    addRow(2, tr("&Barcode:"), cboBarcodeType, tr("Barcod Type"));
    addRow(3, tr("&FontName:"), txtFontName, tr("Name of Font to use for Barcode"));
    grid->addWidget(cmdListFonts, 3, 2);
    Label2 = new QLabel(tr("Choose the appropriate Font for the barcode"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(Label2, 4, 0, 1, 3);
    // With font-to-fit on, the set size stays unless the text is too wide.
    ckbShrinkToFit = new QCheckBox(tr("Fit by shrin&king only (keep the set size when the text fits)"), Frame1);
    ckbShrinkToFit->setObjectName(QStringLiteral("ckbShrinkToFit"));
    ckbShrinkToFit->setToolTip(tr("Size Font To Fit makes long texts smaller but never makes short ones larger"));
    grid->addWidget(ckbShrinkToFit, 5, 0, 1, 3);

    // Symbols are drawn as bars and modules; these apply to them only.
    fraSymbol = new QGroupBox(tr("Symbol"), this);
    fraSymbol->setObjectName(QStringLiteral("fraSymbol"));
    auto* sgrid = new QGridLayout(fraSymbol);
    auto addSymbolRow = [&](int row, const QString& caption, QWidget* field, const QString& tip) {
        auto* label = new QLabel(caption, fraSymbol);
        label->setBuddy(field);
        field->setToolTip(tip);
        sgrid->addWidget(label, row, 0);
        sgrid->addWidget(field, row, 1);
    };
    cboErrorCorrection = new QComboBox(fraSymbol);
    cboErrorCorrection->setObjectName(QStringLiteral("cboErrorCorrection"));
    cboHumanReadable = new QComboBox(fraSymbol);
    cboHumanReadable->setObjectName(QStringLiteral("cboHumanReadable"));
    cboHumanReadable->addItem(tr("None"), 0);
    cboHumanReadable->addItem(tr("Below"), 1);
    cboHumanReadable->addItem(tr("Above"), 2);
    cboRotation = new QComboBox(fraSymbol);
    cboRotation->setObjectName(QStringLiteral("cboRotation"));
    for (int degrees : { 0, 90, 180, 270 })
        cboRotation->addItem(QStringLiteral("%1\u00B0").arg(degrees), degrees);
    txtModuleSize = new QLineEdit(fraSymbol);
    txtModuleSize->setObjectName(QStringLiteral("txtModuleSize"));
    txtModuleSize->setPlaceholderText(tr("as large as fits"));
    addSymbolRow(
        0, tr("&Error correction:"), cboErrorCorrection, tr("How much of the symbol may be damaged and still read"));
    addSymbolRow(1, tr("&Human-readable line:"), cboHumanReadable,
        tr("The value printed under or over the bars, in the object's font"));
    addSymbolRow(2, tr("&Rotation:"), cboRotation, tr("Turns the symbol clockwise"));
    m_millimetres = units::current() == units::Unit::Millimetres;
    addSymbolRow(3, tr("&Module size:"), txtModuleSize,
        m_millimetres ? tr("Size of one module (the narrowest bar) in millimetres; empty: as large as the box allows")
                      : tr("Size of one module (the narrowest bar) in inches; empty: as large as the box allows"));

    cmdOk = new QPushButton(tr("&Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdOk, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(fraSymbol);
    layout->addWidget(buttons);

    // Clicks go to the handlers only (not through the button box's roles),
    // so each sets UserCanceled before the dialog is hidden.
    connect(cboBarcodeType, &QComboBox::currentIndexChanged, this, [this] { typeChosen(); });
    connect(cmdListFonts, &QPushButton::clicked, this, &frmBarcodeProp::cmdListFonts_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmBarcodeProp::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBarcodeProp::cmdCancel_Click);
}

frmBarcodeProp::~frmBarcodeProp() = default;

qint32 frmBarcodeProp::BarcodeType() const
{
    const int i = cboBarcodeType->currentIndex();
    if (i < 0)
        return -1;
    return cboBarcodeType->itemData(i).toInt();
}

QString frmBarcodeProp::Prefix() const
{
    return txtPrefix->text();
}
void frmBarcodeProp::setPrefix(const QString& v)
{
    txtPrefix->setText(v);
}
QString frmBarcodeProp::Postfix() const
{
    return txtPostfix->text();
}
void frmBarcodeProp::setPostfix(const QString& v)
{
    txtPostfix->setText(v);
}
QString frmBarcodeProp::BarCodeFontName() const
{
    return txtFontName->text();
}
void frmBarcodeProp::setBarCodeFontName(const QString& v)
{
    txtFontName->setText(v);
}

void frmBarcodeProp::Setup()
{
    // Filling the list is no choice of the person's: the font stays as given.
    const QSignalBlocker quiet(cboBarcodeType);
    cboBarcodeType->clear();
    const QString list = QString::fromLatin1(BarcodeTypeList);
    const int count = CountTokens(list, QStringLiteral(","));
    int selected = -1;
    for (int i = 0; i <= count; ++i) {
        cboBarcodeType->addItem(GetToken(list, i, QStringLiteral(",")), i);
        if (i == m_barcodeType)
            selected = i;
    }
    for (const Symbology& sym : symbologies()) {
        cboBarcodeType->addItem(QLatin1String(sym.name), sym.type);
        if (sym.type == m_barcodeType)
            selected = cboBarcodeType->count() - 1;
    }
    cboBarcodeType->setCurrentIndex(selected);
    cboHumanReadable->setCurrentIndex(std::clamp<int>(m_humanReadable, 0, 2));
    const int turn = cboRotation->findData(int(m_rotation));
    cboRotation->setCurrentIndex(turn < 0 ? 0 : turn);
    if (m_moduleSize <= 0)
        m_moduleText.clear();
    else if (m_millimetres)
        m_moduleText = units::boxText(m_moduleSize, units::Unit::Millimetres);
    else
        m_moduleText = singleToText(m_moduleSize);
    txtModuleSize->setText(m_moduleText);
    ckbShrinkToFit->setEnabled(m_fontToFit);
    enableSymbolOptions();
}

void frmBarcodeProp::enableSymbolOptions()
{
    const Symbology* sym = symbologyOf(BarcodeType());
    // The level list follows the type; the chosen level stays when it applies.
    const int level = cboErrorCorrection->count() > 0 ? cboErrorCorrection->currentData().toInt() : m_ecLevel;
    cboErrorCorrection->clear();
    cboErrorCorrection->addItem(tr("Default"), 0);
    if (sym)
        for (int i = 1; i <= sym->ecLevels; ++i)
            cboErrorCorrection->addItem(ecLevelName(*sym, i), i);
    const int at = cboErrorCorrection->findData(level);
    cboErrorCorrection->setCurrentIndex(at < 0 ? 0 : at);
    fraSymbol->setEnabled(sym != nullptr);
    cboErrorCorrection->setEnabled(sym && sym->ecLevels > 0);
    cboHumanReadable->setEnabled(sym && sym->kind == SymbolKind::Linear);
}

qint16 frmBarcodeProp::ErrorCorrection() const
{
    return static_cast<qint16>(cboErrorCorrection->currentData().toInt());
}

qint16 frmBarcodeProp::HumanReadable() const
{
    return static_cast<qint16>(std::max(0, cboHumanReadable->currentIndex()));
}

qint16 frmBarcodeProp::Rotation() const
{
    return static_cast<qint16>(cboRotation->currentData().toInt());
}

float frmBarcodeProp::ModuleSize() const
{
    const QString text = txtModuleSize->text();
    if (m_millimetres && !m_moduleText.isEmpty() && text == m_moduleText)
        return m_moduleSize;
    QString number = text;
    number.remove(QLatin1Char('"')).remove(QLatin1String("mm")).remove(QLatin1String("in"));
    std::optional<double> v = parseNumber(number.trimmed());
    if (v && m_millimetres)
        v = units::toInches(*v, units::Unit::Millimetres);
    return v && *v > 0 && *v <= 1 ? static_cast<float>(*v) : 0.0f;
}

void frmBarcodeProp::readSymbolTag(const QString& tag)
{
    auto number = [&tag](const char* key) { return parseNumber(GetTagValue(tag, QLatin1String(key))).value_or(0.0); };
    m_ecLevel = static_cast<qint16>(std::clamp(number("SymEC"), 0.0, 9.0));
    m_humanReadable = static_cast<qint16>(std::clamp(number("SymText"), 0.0, 2.0));
    m_rotation = static_cast<qint16>(std::clamp(number("SymRot"), 0.0, 270.0));
    m_moduleSize = static_cast<float>(std::clamp(number("SymModule"), 0.0, 1.0));
    setShrinkToFit(
        GetTagValue(tag, QStringLiteral("FitMode")).compare(QLatin1String("Shrink"), Qt::CaseInsensitive) == 0);
    m_fontToFit = GetTagValue(tag, QStringLiteral("FTF")).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void frmBarcodeProp::writeSymbolTag(QString& tag) const
{
    // Every item is written: a 0 reads back as "not set".
    SetTagValue(tag, QStringLiteral("SymEC"), QStringLiteral(";"), QString::number(ErrorCorrection()));
    SetTagValue(tag, QStringLiteral("SymText"), QStringLiteral(";"), QString::number(HumanReadable()));
    SetTagValue(tag, QStringLiteral("SymRot"), QStringLiteral(";"), QString::number(Rotation()));
    SetTagValue(tag, QStringLiteral("SymModule"), QStringLiteral(";"), singleToText(ModuleSize()));
    // Off leaves an empty value, which reads as the ordinary fit.
    SetTagValue(
        tag, QStringLiteral("FitMode"), QStringLiteral(";"), ShrinkToFit() ? QStringLiteral("Shrink") : QString());
}

bool frmBarcodeProp::ShrinkToFit() const
{
    return ckbShrinkToFit->isChecked();
}

void frmBarcodeProp::setShrinkToFit(bool on)
{
    ckbShrinkToFit->setChecked(on);
}

QString frmBarcodeProp::bundledFontFor(qint32 barcodeType)
{
    switch (barcodeType) {
    case 1:
        return QLatin1String(kBarcode39Family);
    case 2:
    case 3:
        return QLatin1String(kBarcode128Family);
    default:
        return QString();
    }
}

bool frmBarcodeProp::isBarcodeFont(const QString& family)
{
    // The bundled ones, and any other whose name says it draws bars.
    static const char* const marks[]
        = { "barcode", "bar code", "3of9", "3 of 9", "code39", "code 39", "code128", "code 128" };
    const QString f = family.simplified();
    return std::any_of(std::begin(marks), std::end(marks),
        [&](const char* mark) { return f.contains(QLatin1String(mark), Qt::CaseInsensitive); });
}

void frmBarcodeProp::typeChosen()
{
    enableSymbolOptions();
    const QString bundled = bundledFontFor(BarcodeType());
    if (bundled.isEmpty())
        return;
    const QString current = txtFontName->text().trimmed();
    // A text font would print the encoded characters as letters; the
    // person's own barcode font is kept, one of ours follows the type.
    if (isBarcodeFont(current) && !isBundledBarcodeFamily(current))
        return;
    if (current.compare(bundled, Qt::CaseInsensitive) == 0)
        return;
    txtFontName->setText(bundled);
    // Synthetic bold or slant and an underline would distort the bars.
    m_fontBold = false;
    m_fontItalic = false;
    m_fontUnderline = false;
}

void frmBarcodeProp::cmdListFonts_Click()
{
    try {
        QFont initial(txtFontName->text());
        if (m_fontSize > 0)
            initial.setPointSize(m_fontSize);
        initial.setBold(m_fontBold);
        initial.setItalic(m_fontItalic);
        initial.setUnderline(m_fontUnderline);

        CommonDialogRequest r;
        r.kind = CommonDialogKind::Font;
        r.font = initial;
        r.flags = PrinterFontsFlag;
        r.fontEffects = false;
        ICommonDialog& dialog = m_dialogBox ? *m_dialogBox : commonDialog();
        const std::optional<CommonDialogAnswer> answer = dialog.Show(r);
        if (!answer)
            return; // cancelled: nothing changes
        const QFont* font = std::get_if<QFont>(&*answer);
        if (!font)
            throw KytError(5, tr("The font dialog gave no font."));
        txtFontName->setText(font->family());
        const double points = font->pointSizeF();
        if (points > 0)
            m_fontSize = static_cast<qint16>(qBound(1, qRound(points), 32767));
        m_fontBold = font->bold();
        m_fontItalic = font->italic();
        m_fontUnderline = font->underline();
    } catch (const std::exception& e) {
        if (m_error)
            m_error->Report(e, m_moduleSource + QStringLiteral(" cmdListFonts_Click"));
    }
}

void frmBarcodeProp::cmdOk_Click()
{
    // Without a type the object would print its value as plain letters.
    if (BarcodeType() <= 0) {
        MsgBox(tr("Choose a barcode type: 3of9, 128B, 128C or a symbol such as QR Code."), vbExclamation,
            tr("Barcode Properties"));
        cboBarcodeType->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_userCanceled = false;
    done(QDialog::Accepted); // hides the dialog
}

void frmBarcodeProp::cmdCancel_Click()
{
    m_userCanceled = true;
    done(QDialog::Rejected);
}

void frmBarcodeProp::reject()
{
    m_userCanceled = true;
    QDialog::reject();
}

} // namespace kyt
