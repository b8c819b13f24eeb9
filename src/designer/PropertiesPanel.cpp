// The Properties panel: the selection's properties, each editable in place
// as one undo step.

#include "designer/PropertiesPanel.h"

#include "designer/COutline.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/frmPreview.h"
#include "dialogs/LengthUnits.h"
#include "dialogs/frmBarcodeProp.h"
#include "errors/CError.h"
#include "objects/CTextObjectBase.h"
#include "platform/CommonDialog.h"
#include "util/Strings.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace kyt
{

namespace
{

const QString Sep = QStringLiteral(";");

bool textual(const DesignControl& c)
{
    return c.kind() == DesignControl::Kind::Text || c.kind() == DesignControl::Kind::Data;
}

bool tagFlag(const DesignControl& c, const char* key)
{
    return GetTagValue(c.Tag(), QLatin1String(key), Sep).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

QCheckBox* checkBox(const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton* button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QGroupBox* group(const char* name, const QString& title, QLayout* layout)
{
    auto* g = new QGroupBox(title);
    g->setObjectName(QLatin1String(name));
    g->setLayout(layout);
    return g;
}

// A swatch of the colour on the button.
void paintSwatch(QPushButton* b, qint32 value)
{
    QPixmap swatch(16, 16);
    swatch.fill(DesignControl::toColor(value));
    b->setIcon(QIcon(swatch));
}

const char* const GeometryNames[4] = { "txtPropLeft", "txtPropTop", "txtPropWidth", "txtPropHeight" };

} // namespace

PropertiesPanel::PropertiesPanel(frmPreview& window)
    : QDockWidget(tr("Properties"), &window)
    , m_window(window)
{
    setObjectName(QStringLiteral("dckProperties"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    build();
    if (QUndoStack* stack = window.undoStack())
        connect(stack, &QUndoStack::indexChanged, this, &PropertiesPanel::refresh);
    connect(&window, &frmPreview::selectionChanged, this, &PropertiesPanel::refresh);
    refresh();
}

void PropertiesPanel::build()
{
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    m_what = new QLabel;
    m_what->setObjectName(QStringLiteral("lblPropSelection"));
    m_what->setWordWrap(true);
    column->addWidget(m_what);

    auto* position = new QFormLayout;
    const QString captions[4] = { tr("&Left:"), tr("&Top:"), tr("&Width:"), tr("&Height:") };
    for (int i = 0; i < 4; ++i) {
        auto* spin = new QDoubleSpinBox;
        spin->setObjectName(QLatin1String(GeometryNames[i]));
        spin->setKeyboardTracking(false); // one step when typing ends, not one per digit
        spin->setRange(i < 2 ? 0 : 0.001, 100000);
        m_geometry[i] = spin;
        position->addRow(captions[i], spin);
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this, i](double v) { editGeometry(i, v); });
    }
    auto* order = new QHBoxLayout;
    QPushButton* front = button("cmdPropFront", tr("To &Front"));
    QPushButton* back = button("cmdPropBack", tr("To bac&k"));
    order->addWidget(front);
    order->addWidget(back);
    position->addRow(tr("Order:"), order);
    connect(front, &QPushButton::clicked, &m_window, &frmPreview::mnuOptionsFront_Click);
    connect(back, &QPushButton::clicked, &m_window, &frmPreview::mnuOptionsBack_Click);
    m_position = group("grpPropPosition", tr("Position and size"), position);
    column->addWidget(m_position);

    auto* text = new QFormLayout;
    m_font = new QFontComboBox;
    m_font->setObjectName(QStringLiteral("cboPropFont"));
    // Long family names must not make the panel wide.
    m_font->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_font->setMinimumContentsLength(12);
    text->addRow(tr("Fo&nt:"), m_font);
    m_size = new QDoubleSpinBox;
    m_size->setObjectName(QStringLiteral("txtPropFontSize"));
    m_size->setKeyboardTracking(false);
    m_size->setDecimals(0);
    m_size->setRange(1, 500);
    m_size->setSuffix(tr(" pt"));
    text->addRow(tr("Si&ze:"), m_size);
    auto* styles = new QGridLayout;
    m_bold = checkBox("chkPropBold", tr("Bol&d"));
    m_italic = checkBox("chkPropItalic", tr("&Italic"));
    m_underline = checkBox("chkPropUnderline", tr("&Underline"));
    m_strike = checkBox("chkPropStrikethrough", tr("Strike&out"));
    styles->addWidget(m_bold, 0, 0);
    styles->addWidget(m_italic, 0, 1);
    styles->addWidget(m_underline, 1, 0);
    styles->addWidget(m_strike, 1, 1);
    text->addRow(styles);
    m_alignment = new QComboBox;
    m_alignment->setObjectName(QStringLiteral("cboPropAlignment"));
    m_alignment->addItems({ tr("Left"), tr("Right"), tr("Center") });
    text->addRow(tr("&Alignment:"), m_alignment);
    m_fontToFit = checkBox("chkPropFontToFit", tr("&Size font to fit"));
    text->addRow(m_fontToFit);
    m_shrinkOnly = checkBox("chkPropShrinkToFit", tr("&Just shrink, never grow"));
    m_shrinkOnly->setToolTip(tr("With Size Font To Fit: the set size stays unless the text is too wide"));
    text->addRow(m_shrinkOnly);
    m_text = group("grpPropText", tr("Text"), text);
    column->addWidget(m_text);

    connect(m_font, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        edit(tr("Font"), [&f](DesignControl& c) {
            if (!c.setFontName(f.family()))
                c.setFontName(IDesignControl::FallbackFontName);
            COutline::refitFont(c);
        });
    });
    connect(m_size, &QDoubleSpinBox::valueChanged, this,
        [this](double v) { edit(tr("Font Size"), [v](DesignControl& c) { c.setFontSize(v); }); });
    const struct {
        QCheckBox* box;
        const char* text;
        void (DesignControl::*set)(bool);
    } flags[] = { { m_bold, QT_TR_NOOP("Bold"), &DesignControl::setFontBold },
        { m_italic, QT_TR_NOOP("Italic"), &DesignControl::setFontItalic },
        { m_underline, QT_TR_NOOP("Underline"), &DesignControl::setFontUnderline },
        { m_strike, QT_TR_NOOP("Strikeout"), &DesignControl::setFontStrikethrough } };
    for (const auto& f : flags) {
        const auto set = f.set;
        const QString name = tr(f.text);
        connect(f.box, &QCheckBox::toggled, this, [this, set, name](bool on) {
            edit(name, [set, on](DesignControl& c) {
                (c.*set)(on);
                COutline::refitFont(c);
            });
        });
    }
    connect(m_alignment, &QComboBox::currentIndexChanged, this,
        [this](int a) { edit(tr("Alignment"), [a](DesignControl& c) { c.setAlignment(a); }); });
    connect(m_fontToFit, &QCheckBox::toggled, this, [this](bool on) {
        setTagItem(
            tr("Size Font To Fit"), QStringLiteral("FTF"), on ? QStringLiteral("True") : QStringLiteral("False"));
    });
    connect(m_shrinkOnly, &QCheckBox::toggled, this, [this](bool on) {
        setTagItem(tr("Shrink Only"), QStringLiteral("FitMode"), on ? QStringLiteral("Shrink") : QString());
    });

    auto* look = new QFormLayout;
    m_foreColour = button("cmdPropForeColor", tr("Fore&ground..."));
    m_backColour = button("cmdPropBackColor", tr("Ba&ckground..."));
    look->addRow(m_foreColour);
    look->addRow(m_backColour);
    m_transparent = checkBox("chkPropTransparent", tr("T&ransparent"));
    m_border = checkBox("chkPropBorder", tr("Bord&er"));
    look->addRow(m_transparent);
    look->addRow(m_border);
    m_look = group("grpPropLook", tr("Look"), look);
    column->addWidget(m_look);
    connect(m_foreColour, &QPushButton::clicked, this, [this] { chooseColour(false); });
    connect(m_backColour, &QPushButton::clicked, this, [this] { chooseColour(true); });
    connect(m_transparent, &QCheckBox::toggled, this, [this](bool on) {
        edit(tr("Transparent"), [on](DesignControl& c) {
            if (textual(c))
                c.setBackStyle(on ? 0 : 1);
        });
    });
    connect(m_border, &QCheckBox::toggled, this, [this](bool on) {
        edit(tr("Border"), [on](DesignControl& c) {
            if (c.kind() != DesignControl::Kind::Line)
                c.setBorderStyle(on ? 1 : 0);
        });
    });

    auto* barcode = new QFormLayout;
    m_barcode = checkBox("chkPropBarcode", tr("Print as &barcode"));
    barcode->addRow(m_barcode);
    m_barcodeType = new QComboBox;
    m_barcodeType->setObjectName(QStringLiteral("cboPropBarcodeType"));
    const QString list = QString::fromLatin1(frmBarcodeProp::BarcodeTypeList);
    for (int i = 0; i <= CountTokens(list, QStringLiteral(",")); ++i)
        m_barcodeType->addItem(GetToken(list, i, QStringLiteral(",")), i);
    barcode->addRow(tr("T&ype:"), m_barcodeType);
    m_barcodeOptions = button("cmdPropBarcodeOptions", tr("&More barcode settings..."));
    barcode->addRow(m_barcodeOptions);
    m_barcodeBox = group("grpPropBarcode", tr("Barcode"), barcode);
    column->addWidget(m_barcodeBox);
    connect(m_barcode, &QCheckBox::toggled, this, [this](bool on) {
        setTagItem(tr("Barcode"), QStringLiteral("BC"), on ? QStringLiteral("True") : QStringLiteral("False"));
    });
    connect(m_barcodeType, &QComboBox::currentIndexChanged, this,
        [this](int i) { setTagItem(tr("Barcode Type"), QStringLiteral("BCType"), QString::number(i)); });
    connect(m_barcodeOptions, &QPushButton::clicked, &m_window, &frmPreview::mnuOptionsBarcodeProp_Click);

    auto* picture = new QVBoxLayout;
    m_picture = button("cmdPropPicture", tr("Load &Picture..."));
    m_stretch = checkBox("chkPropStretch", tr("Stretch to fill the bo&x"));
    picture->addWidget(m_picture);
    picture->addWidget(m_stretch);
    m_pictureBox = group("grpPropPicture", tr("Picture"), picture);
    column->addWidget(m_pictureBox);
    connect(m_picture, &QPushButton::clicked, &m_window, &frmPreview::mnuOptionsLogo_Click);
    connect(m_stretch, &QCheckBox::toggled, this, [this](bool on) {
        edit(tr("Stretch"), [on](DesignControl& c) {
            if (c.kind() == DesignControl::Kind::Logo)
                c.setStretch(on);
        });
    });

    auto* data = new QHBoxLayout;
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("txtPropField"));
    m_field->setReadOnly(true);
    m_chooseField = button("cmdPropField", tr("&View fields..."));
    data->addWidget(m_field, 1);
    data->addWidget(m_chooseField);
    m_dataBox = group("grpPropData", tr("Data field"), data);
    column->addWidget(m_dataBox);
    connect(m_chooseField, &QPushButton::clicked, &m_window, &frmPreview::mnuOptionsUserField_Click);

    column->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrProperties"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Wide enough for every field; taller content scrolls.
    scroll->setMinimumWidth(body->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 2);
    setWidget(scroll);
}

void PropertiesPanel::refresh()
{
    m_filling = true;
    DesignSelection* selection = m_window.selection();
    const std::vector<DesignControl*> list = selection ? selection->controls() : std::vector<DesignControl*>();
    DesignControl* c = list.empty() ? nullptr : list.front();
    if (!c)
        m_what->setText(m_window.currentTemplate() ? tr("No object selected.") : QString());
    else if (list.size() == 1)
        m_what->setText(QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index()));
    else
        m_what->setText(tr("%1 selected; the values shown are %2(%3)'s.")
                            .arg(Counted(qint64(list.size()), "object"), c->Name())
                            .arg(c->Index()));
    bool anyText = false, anyLogo = false, anyData = false, anyBack = false;
    for (const DesignControl* d : list) {
        anyText = anyText || textual(*d);
        anyLogo = anyLogo || d->kind() == DesignControl::Kind::Logo;
        anyData = anyData || d->kind() == DesignControl::Kind::Data;
        anyBack = anyBack || textual(*d) || d->kind() == DesignControl::Kind::Rectangle;
    }
    m_position->setEnabled(c);
    m_text->setVisible(anyText);
    m_barcodeBox->setVisible(anyText);
    m_pictureBox->setVisible(anyLogo);
    m_dataBox->setVisible(anyData && list.size() == 1);
    m_look->setVisible(c);
    const units::Unit unit = units::current();
    for (QDoubleSpinBox* spin : m_geometry) {
        spin->setDecimals(units::decimals(unit));
        spin->setSuffix(QLatin1Char(' ') + units::suffix(unit));
        spin->setSingleStep(unit == units::Unit::Millimetres ? 0.5 : 0.03125);
    }
    if (c) {
        const float values[4] = { c->left(), c->top(), c->Width(), c->Height() };
        for (int i = 0; i < 4; ++i)
            m_geometry[i]->setValue(units::fromInches(values[i], unit));
        m_font->setCurrentFont(QFont(c->FontName()));
        m_size->setValue(c->FontSize());
        m_bold->setChecked(c->FontBold());
        m_italic->setChecked(c->FontItalic());
        m_underline->setChecked(c->FontUnderline());
        m_strike->setChecked(c->FontStrikethrough());
        m_alignment->setCurrentIndex(std::clamp(c->Alignment(), 0, 2));
        m_fontToFit->setChecked(tagFlag(*c, "FTF"));
        m_shrinkOnly->setChecked(
            GetTagValue(c->Tag(), QStringLiteral("FitMode"), Sep).compare(QLatin1String("Shrink"), Qt::CaseInsensitive)
            == 0);
        m_shrinkOnly->setEnabled(m_fontToFit->isChecked());
        m_transparent->setChecked(c->BackStyle() == 0);
        m_transparent->setEnabled(anyText);
        m_border->setChecked(c->BorderStyle() != 0);
        m_border->setEnabled(c->kind() != DesignControl::Kind::Line);
        m_foreColour->setEnabled(anyText || c->kind() == DesignControl::Kind::Line);
        m_backColour->setEnabled(anyBack && !(textual(*c) && c->BackStyle() == 0));
        paintSwatch(m_foreColour, c->ForeColor());
        paintSwatch(m_backColour, c->BackColor());
        const bool barcode = tagFlag(*c, "BC");
        m_barcode->setChecked(barcode);
        int type = -1;
        try {
            type = CTextObjectBase::convertBarcodeType(GetTagValue(c->Tag(), QStringLiteral("BCType"), Sep));
        } catch (const std::exception&) {
            type = -1; // a value naming no type selects nothing
        }
        m_barcodeType->setCurrentIndex(type >= 0 && type < m_barcodeType->count() ? type : -1);
        m_barcodeType->setEnabled(barcode);
        m_barcodeOptions->setEnabled(barcode && list.size() == 1);
        m_picture->setEnabled(list.size() == 1 && c->kind() == DesignControl::Kind::Logo);
        m_stretch->setChecked(c->Stretch());
        m_field->setText(GetTagValue(c->Tag(), QStringLiteral("Key"), Sep));
    }
    m_filling = false;
}

void PropertiesPanel::edit(const QString& text, const std::function<void(DesignControl&)>& change)
{
    if (m_filling || !m_window.selection())
        return;
    const std::vector<DesignControl*> list = m_window.selection()->controls();
    if (list.empty())
        return;
    {
        DesignEdit step(m_window.undoStack(), DesignEditing::of(m_window), text);
        for (DesignControl* c : list)
            change(*c);
    }
    if (COutline* outline = m_window.outline())
        outline->refresh();
    m_window.selection()->refreshMarks();
    refresh();
}

void PropertiesPanel::editGeometry(int which, double shown)
{
    const float inches = float(units::toInches(shown));
    const bool move = which < 2;
    edit(move ? tr("Move") : tr("Resize"), [which, inches](DesignControl& c) {
        switch (which) {
        case 0:
            c.setleft(inches);
            break;
        case 1:
            c.settop(inches);
            break;
        case 2:
            c.setWidth(inches);
            break;
        default:
            c.setHeight(inches);
            break;
        }
        COutline::refitFont(c);
    });
}

void PropertiesPanel::chooseColour(bool back)
{
    const std::vector<DesignControl*> list
        = m_window.selection() ? m_window.selection()->controls() : std::vector<DesignControl*>();
    if (list.empty())
        return;
    const DesignControl* c = list.front();
    const bool lineBack = back && c->kind() == DesignControl::Kind::Line;
    const std::optional<QColor> chosen
        = commonDialog().ShowColor(DesignControl::toColor(back && !lineBack ? c->BackColor() : c->ForeColor()));
    if (!chosen)
        return;
    const QRgb rgb = chosen->rgb();
    const qint32 value = qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
    edit(back ? tr("Background Color") : tr("Foreground Color"), [back, value](DesignControl& d) {
        // A line has no background: its one colour is its pen.
        if (back && d.kind() != DesignControl::Kind::Line)
            d.setBackColor(value);
        else if (!back || d.kind() == DesignControl::Kind::Line)
            d.setForeColor(value);
    });
}

void PropertiesPanel::setTagItem(const QString& text, const QString& key, const QString& value)
{
    edit(text, [&key, &value](DesignControl& c) {
        if (!textual(c))
            return;
        QString tag = c.Tag();
        SetTagValue(tag, key, Sep, value);
        c.setTag(tag);
        COutline::refitFont(c);
    });
}

} // namespace kyt
