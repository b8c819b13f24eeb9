#include "dialogs/frmOptions.h"
#include "dialogs/CardSizeCheck.h"
#include "dialogs/CardSketch.h"
#include "dialogs/LengthBox.h"

#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/OverrideCursor.h"
#include "settings/AppSettings.h"
#include "settings/CProperties.h"
#include "settings/CTargetApplications.h"
#include "util/NumberText.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kyt
{

namespace
{

[[noreturn]] void objectNotSet()
{
    throw KytError(91, frmOptions::tr("Object variable or With block variable not set"));
}

// A small card drawn upright or on its side, with a photo and two lines.
QPixmap orientationPicture(bool landscape)
{
    const QRectF card = landscape ? QRectF(4, 14, 48, 30) : QRectF(13, 4, 30, 48);
    return cardSketch(56, card, [&](QPainter& p) {
        p.setBrush(QColor(90, 120, 170));
        const QRectF photo = landscape ? QRectF(card.left() + 4, card.top() + 5, 12, 16)
                                       : QRectF(card.left() + 9, card.top() + 5, 12, 16);
        p.drawRect(photo);
        p.setBrush(QColor(120, 120, 120));
        const double lineTop = landscape ? card.top() + 8 : photo.bottom() + 6;
        const double lineLeft = landscape ? photo.right() + 4 : card.left() + 4;
        const double lineWidth = card.right() - 4 - lineLeft;
        p.drawRect(QRectF(lineLeft, lineTop, lineWidth, 3));
        p.drawRect(QRectF(lineLeft, lineTop + 7, lineWidth * 0.7, 3));
    });
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmOptions::frmOptions(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    m_moduleSource = kyt::moduleSource(".frmOptions (");
    setWindowTitle(tr("Options"));
    setModal(true);
    buildControls();
    updateLayoutPicture();
    updateSample();
}

frmOptions::~frmOptions()
{
    m_properties.clear();
    m_targets.clear();
    m_error.reset();
}

void frmOptions::buildControls()
{
    auto* top = new QVBoxLayout(this);

    m_tbsOptions = named(new QTabBar(this), "tbsOptions");
    const int tab = m_tbsOptions->addTab(tr("Defaults"));
    m_tbsOptions->setTabData(tab, QStringLiteral("Defaults"));
    m_tbsOptions->setTabToolTip(tab, tr("Set Default Values"));
    m_tbsOptions->setExpanding(false);
    top->addWidget(m_tbsOptions);

    m_picOptions = named(new QFrame(this), "picOptions");
    static_cast<QFrame*>(m_picOptions)->setFrameShape(QFrame::StyledPanel);
    top->addWidget(m_picOptions, 1);
    auto* page = new QGridLayout(m_picOptions);

    // Dimensions.
    auto* frame2 = frame(m_picOptions, "Frame2", tr("Dimensions"));
    auto* dims = new QGridLayout(frame2);
    m_txtHeight = named(new QLineEdit(frame2), "txtHeight");
    m_txtWidth = named(new QLineEdit(frame2), "txtWidth");
    auto* lblHeight = named(new QLabel(tr("&Height:"), frame2), "lblHeight");
    auto* lblWidth = named(new QLabel(tr("&Width:"), frame2), "lblWidth");
    lblHeight->setBuddy(m_txtHeight);
    lblWidth->setBuddy(m_txtWidth);
    dims->addWidget(lblHeight, 0, 0);
    dims->addWidget(m_txtHeight, 0, 1);
    dims->addWidget(lblWidth, 1, 0);
    dims->addWidget(m_txtWidth, 1, 1);
    // The designer's rulers, status line, panel and dialogs, the sizes here
    // among them; the files stay in inches.
    m_cboUnits = named(new QComboBox(frame2), "cboUnits");
    m_cboUnits->addItem(tr("Inches"), QStringLiteral("in"));
    m_cboUnits->addItem(tr("Millimetres"), QStringLiteral("mm"));
    auto* lblUnits = named(new QLabel(tr("&Units:"), frame2), "lblUnits");
    lblUnits->setBuddy(m_cboUnits);
    dims->addWidget(lblUnits, 2, 0);
    dims->addWidget(m_cboUnits, 2, 1);
    dims->setRowStretch(3, 1);
    for (QLineEdit* box : { m_txtHeight, m_txtWidth }) {
        box->setMaximumWidth(110);
        box->installEventFilter(this);
    }
    m_height = std::make_unique<LengthBox>(m_txtHeight, units::Unit::Inches);
    m_width = std::make_unique<LengthBox>(m_txtWidth, units::Unit::Inches);
    connect(m_cboUnits, &QComboBox::currentIndexChanged, this, [this](int index) {
        const units::Unit unit = index == 1 ? units::Unit::Millimetres : units::Unit::Inches;
        m_height->setUnit(unit);
        m_width->setUnit(unit);
    });
    page->addWidget(frame2, 0, 0);

    // Print orientation.
    auto* frame1 = frame(m_picOptions, "Frame1", tr("Print Orientation"));
    auto* orient = new QGridLayout(frame1);
    m_optPortrait = named(new QRadioButton(tr("&Portrait"), frame1), "optPortrait");
    m_optLandscape = named(new QRadioButton(tr("&Landscape"), frame1), "optLandscape");
    m_ckbDuplex = named(new QCheckBox(tr("&Duplex"), frame1), "ckbDuplex");
    for (int i = 0; i < 3; ++i) {
        auto* img = named(new QLabel(frame1), "imgLayout");
        img->setProperty("Index", i);
        img->setFixedSize(56, 56);
        m_imgLayout.at(static_cast<size_t>(i)) = img;
    }
    // Elements 1 and 2 only hold the two pictures.
    m_imgLayout[1]->setPixmap(orientationPicture(false));
    m_imgLayout[2]->setPixmap(orientationPicture(true));
    m_imgLayout[1]->hide();
    m_imgLayout[2]->hide();
    orient->addWidget(m_optPortrait, 0, 0);
    orient->addWidget(m_optLandscape, 1, 0);
    orient->addWidget(m_ckbDuplex, 2, 0);
    orient->addWidget(m_imgLayout[0], 0, 1, 3, 1);
    connect(m_optPortrait, &QRadioButton::toggled, this, [this] { updateLayoutPicture(); });
    connect(m_optLandscape, &QRadioButton::toggled, this, [this] { updateLayoutPicture(); });
    page->addWidget(frame1, 1, 0);

    // Target application and its description.
    auto* frame4 = frame(m_picOptions, "Frame4", tr("Target Application"));
    auto* targets = new QVBoxLayout(frame4);
    m_lstTarget = named(new QListWidget(frame4), "lstTarget");
    m_lstTarget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstTarget->setMaximumHeight(120);
    targets->addWidget(m_lstTarget);
    connect(m_lstTarget, &QListWidget::itemSelectionChanged, this, [this] { lstTarget_Click(); });
    page->addWidget(frame4, 0, 1);

    auto* frame5 = frame(m_picOptions, "Frame5", tr("Description"));
    auto* description = new QVBoxLayout(frame5);
    m_lblDescription = named(new QLabel(frame5), "lblDescription");
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setMinimumWidth(200);
    description->addWidget(m_lblDescription);
    page->addWidget(frame5, 1, 1);

    // Font of new text objects.
    auto* frame3 = frame(m_picOptions, "Frame3", tr("Font Properties"));
    auto* fonts = new QGridLayout(frame3);
    m_lblFontName = named(new QLabel(frame3), "lblFontName");
    m_lblFontSample = named(new QLabel(tr("Sample A B C"), frame3), "lblFontSample");
    m_lblFontSample->setMinimumSize(200, 48);
    m_lblFontSample->setAlignment(Qt::AlignCenter);
    m_lblFontSample->setFrameShape(QFrame::Box);
    m_cmdFont = named(new QPushButton(tr("&Font"), frame3), "cmdFont");
    m_cmdBackground = named(new QPushButton(tr("&Background"), frame3), "cmdBackground");
    m_cmdForeground = named(new QPushButton(tr("Te&xt Colour"), frame3), "cmdForeground");
    m_ckbTransparent = named(new QCheckBox(tr("&Transparent"), frame3), "ckbTransparent");
    m_ckbFontToFit = named(new QCheckBox(tr("&Size Font to Fit"), frame3), "ckbFontToFit");
    fonts->addWidget(m_lblFontName, 0, 0, 1, 2);
    fonts->addWidget(m_lblFontSample, 1, 0, 3, 1);
    fonts->addWidget(m_cmdFont, 1, 1);
    fonts->addWidget(m_cmdBackground, 2, 1);
    fonts->addWidget(m_cmdForeground, 3, 1);
    fonts->addWidget(m_ckbTransparent, 4, 0);
    fonts->addWidget(m_ckbFontToFit, 5, 0);
    connect(m_cmdFont, &QPushButton::clicked, this, [this] { cmdFont_Click(); });
    connect(m_cmdBackground, &QPushButton::clicked, this, [this] { cmdBackground_Click(); });
    connect(m_cmdForeground, &QPushButton::clicked, this, [this] { cmdForeground_Click(); });
    connect(m_ckbTransparent, &QCheckBox::toggled, this, [this](bool checked) {
        m_transparent = checked;
        updateSample();
    });
    page->addWidget(frame3, 2, 0, 1, 2);

    // Frames kept for pages still to come; nothing uses them yet.
    int row = 3;
    for (const char* name : { "fraSample2", "fraSample3", "fraSample4" }) {
        auto* sample = frame(m_picOptions, name, tr("Sample %1").arg(row - 1));
        sample->hide();
        page->addWidget(sample, row++, 0, 1, 2);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_cmdOK = named(new QPushButton(tr("&OK"), this), "cmdOK");
    m_cmdCancel = named(new QPushButton(tr("&Cancel"), this), "cmdCancel");
    m_cmdApply = named(new QPushButton(tr("&Apply"), this), "cmdApply");
    m_cmdOK->setDefault(true);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    buttons->addWidget(m_cmdApply);
    top->addLayout(buttons);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m_cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { reject(); });

    // Ctrl+Tab anywhere in the dialog moves to the next page.
    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    nextTab->setContext(Qt::WindowShortcut);
    connect(nextTab, &QShortcut::activated, this, [this] { selectNextTab(); });
}

QString frmOptions::inchText(double inches)
{
    return formatInchText(inches) + QLatin1Char('"');
}

QColor frmOptions::screenColor(qint32 windowsColor)
{
    const quint32 v = static_cast<quint32>(windowsColor);
    if (v & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (v & 0xFFu) {
        case 5: // window background
            return pal.color(QPalette::Base);
        case 8: // window text
            return pal.color(QPalette::Text);
        case 15: // button face
            return pal.color(QPalette::Button);
        case 18: // button text
            return pal.color(QPalette::ButtonText);
        case 13: // highlight
            return pal.color(QPalette::Highlight);
        case 14: // highlighted text
            return pal.color(QPalette::HighlightedText);
        default:
            return pal.color(QPalette::WindowText);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 frmOptions::windowsColor(const QColor& color)
{
    const QColor c = color.toRgb();
    return static_cast<qint32>(quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16));
}

void frmOptions::report(const std::exception& e, const char* procedure)
{
    if (m_error)
        m_error->Report(e, m_moduleSource + QLatin1Char(' ') + QLatin1String(procedure));
}

void frmOptions::LoadSettings()
{
    try {
        if (!m_properties)
            objectNotSet();
        CProperties& p = *m_properties;
        const QString unit = settings::GetSetting(CTargetApplications::AppName, UnitsSection, UnitsKey);
        m_cboUnits->setCurrentIndex(unit.compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0 ? 1 : 0);
        m_height->setInches(p.DefaultHeight());
        m_width->setInches(p.DefaultWidth());
        m_ckbDuplex->setChecked(p.DefaultDuplex());
        if (p.DefaultOrientation() == 1)
            m_optPortrait->setChecked(true);
        else
            m_optLandscape->setChecked(true);
        updateLayoutPicture();

        // Keep the stored target until the person picks another, so OK does
        // not drop a target whose application is not installed here.
        m_target = p.DefaultTarget();
        {
            const QSignalBlocker quiet(m_lstTarget);
            m_lstTarget->clear();
            m_lblDescription->clear();
            if (m_targets) {
                for (const auto& app : *m_targets) {
                    auto* item = new QListWidgetItem(app->ProgId(), m_lstTarget);
                    if (app->ProgId() == p.DefaultTarget()) {
                        item->setSelected(true);
                        m_lstTarget->setCurrentItem(item);
                        m_lblDescription->setText(app->Description());
                    }
                }
            }
        }

        m_lblFontName->setText(p.DefaultFontName());
        QFont font(p.DefaultFontName());
        if (p.DefaultFontSize() > 0)
            font.setPointSizeF(p.DefaultFontSize());
        font.setBold(p.DefaultFontBold());
        font.setItalic(p.DefaultFontItalic());
        font.setUnderline(p.DefaultFontUnderline());
        m_sampleFont = font;
        m_foreColor = p.DefaultForeGround();
        m_ckbFontToFit->setChecked(p.DefaultFontToFit());
        m_ckbTransparent->setChecked(p.DefualtTransparent());
        m_transparent = p.DefualtTransparent();
        m_backColor = p.DefaultBackground();
        updateSample();
    } catch (const std::exception& e) {
        report(e, "LoadSettings");
    }
}

void frmOptions::SaveSettings()
{
    try {
        if (!m_properties)
            objectNotSet();
        CProperties& p = *m_properties;
        p.setDefaultDuplex(m_ckbDuplex->isChecked());
        p.setDefaultHeight(m_height->inches());
        p.setDefaultWidth(m_width->inches());
        p.setDefaultTarget(m_target);
        p.setDefaultOrientation(m_optPortrait->isChecked() ? 1 : 2);
        p.setDefaultFontSize(m_sampleFont.pointSizeF());
        p.setDefaultFontName(m_sampleFont.family());
        p.setDefaultFontBold(m_sampleFont.bold());
        p.setDefaultFontItalic(m_sampleFont.italic());
        p.setDefaultFontUnderline(m_sampleFont.underline());
        p.setDefaultForeGround(m_foreColor);
        p.setDefaultBackground(m_backColor);
        p.setDefualtTransparent(m_transparent);
        p.setDefaultFontToFit(m_ckbFontToFit->isChecked());
        settings::SaveSetting(
            CTargetApplications::AppName, UnitsSection, UnitsKey, m_cboUnits->currentData().toString());
    } catch (const std::exception& e) {
        report(e, "SaveSettings");
    }
}

void frmOptions::updateLayoutPicture()
{
    m_imgLayout[0]->setPixmap(m_imgLayout[m_optPortrait->isChecked() ? 1 : 2]->pixmap());
}

void frmOptions::updateSample()
{
    m_lblFontSample->setFont(m_sampleFont);
    QPalette pal = m_lblFontSample->palette();
    pal.setColor(QPalette::WindowText, screenColor(m_foreColor));
    pal.setColor(QPalette::Window, screenColor(m_backColor));
    m_lblFontSample->setPalette(pal);
    // Transparent shows the page behind the text, as on the card.
    m_lblFontSample->setAutoFillBackground(!m_transparent);
    m_lblFontSample->update();
}

void frmOptions::selectNextTab()
{
    const int count = m_tbsOptions->count();
    if (count > 0)
        m_tbsOptions->setCurrentIndex((m_tbsOptions->currentIndex() + 1) % count);
}

bool frmOptions::sizesValid()
{
    return cardSizesValid(this, *m_width, *m_height, tr("a new template"));
}

void frmOptions::cmdOK_Click()
{
    if (!sizesValid())
        return;
    {
        OverrideCursor wait;
        SaveSettings();
    }
    accept();
}

void frmOptions::cmdApply_Click()
{
    if (!sizesValid())
        return;
    OverrideCursor wait;
    SaveSettings();
}

void frmOptions::cmdFont_Click()
{
    QFont initial = m_sampleFont;
    CommonDialogRequest request;
    request.kind = CommonDialogKind::Font;
    request.font = initial;
    request.color = screenColor(m_foreColor);
    request.fontEffects = true;
    request.flags = 0x20102; // printer fonts, effects, scalable only
    const auto answer = commonDialog().Show(request);
    if (!answer)
        return; // cancelled: nothing changes
    if (const auto* font = std::get_if<QFont>(&*answer)) {
        m_sampleFont = *font;
        m_lblFontName->setText(font->family());
        updateSample();
    }
}

void frmOptions::cmdForeground_Click()
{
    // The platform's font dialog offers no text colour, so it has its own.
    const auto chosen = commonDialog().ShowColor(screenColor(m_foreColor));
    if (!chosen)
        return;
    m_foreColor = windowsColor(*chosen);
    updateSample();
}

void frmOptions::cmdBackground_Click()
{
    const auto chosen = commonDialog().ShowColor(screenColor(m_backColor));
    if (!chosen)
        return;
    m_backColor = windowsColor(*chosen);
    updateSample();
}

void frmOptions::lstTarget_Click()
{
    m_lblDescription->clear();
    const QList<QListWidgetItem*> selected = m_lstTarget->selectedItems();
    if (selected.isEmpty())
        return;
    QListWidgetItem* item = selected.constFirst();
    m_target = item->text();
    if (m_targets) {
        if (const auto app = m_targets->Item(m_target))
            m_lblDescription->setText(app->Description());
    }
}

void frmOptions::sizeBox_LostFocus(QLineEdit* box)
{
    (box == m_txtHeight ? m_height : m_width)->tidy();
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && (box == m_txtHeight || box == m_txtWidth)) {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        } else if (event->type() == QEvent::FocusOut) {
            sizeBox_LostFocus(box);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ControlModifier)) {
        selectNextTab();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    adjustSize();
    // Over the window that opened it, so it shows where the person works;
    // on the screen's centre when opened without one.
    const QWidget* opener = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = opener ? opener->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QPoint centre = opener && opener->isVisible() ? opener->frameGeometry().center() : area.center();
    const QSize outer = frameGeometry().size();
    QRect placed(centre - QPoint(outer.width() / 2, outer.height() / 2), outer);
    // Kept on the screen when the opener sits near its edge.
    placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    move(placed.topLeft());
}

} // namespace kyt
