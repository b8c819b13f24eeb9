#include "dialogs/frmIDProperties.h"

#include "dialogs/CardSizeCheck.h"
#include "dialogs/CardSketch.h"
#include "dialogs/LengthBox.h"

#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "platform/CommonDialog.h"
#include "platform/surface/Surface.h"
#include "platform/widgets/OverrideCursor.h"
#include "settings/CTargetApplications.h"
#include "util/modPreview.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace kyt
{

namespace
{
constexpr QSize PreviewSize(160, 100);

// A small card drawn upright or on its side.
QPixmap layoutPicture(bool portrait)
{
    const QRectF card = portrait ? QRectF(13, 4, 22, 40) : QRectF(4, 13, 40, 22);
    return cardSketch(48, card, [&](QPainter& p) {
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRectF(card.left() + 4, card.top() + 4, 9, 11));
        p.drawRect(QRectF(card.left() + 4, card.bottom() - 8, card.width() - 8, 3));
    });
}

qint32 colorValue(const QColor& c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}
} // namespace

frmIDProperties::frmIDProperties(QWidget* parent)
    : QDialog(parent)
{
    m_moduleSource = kyt::moduleSource(".frmIDProperties (");
    setObjectName(QStringLiteral("frmIDProperties"));
    setWindowTitle(tr("Template Properties"));
    setModal(true);

    auto* frame2 = new QGroupBox(tr("Dimensions"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* dims = new QFormLayout(frame2);
    m_txtWidth = new QLineEdit(frame2);
    m_txtWidth->setObjectName(QStringLiteral("txtWidth"));
    m_txtHeight = new QLineEdit(frame2);
    m_txtHeight->setObjectName(QStringLiteral("txtHeight"));
    auto* lblWidth = new QLabel(tr("&Width:"), frame2);
    lblWidth->setBuddy(m_txtWidth);
    auto* lblHeight = new QLabel(tr("&Height:"), frame2);
    lblHeight->setBuddy(m_txtHeight);
    dims->addRow(lblWidth, m_txtWidth);
    dims->addRow(lblHeight, m_txtHeight);
    for (QLineEdit* box : { m_txtWidth, m_txtHeight })
        box->installEventFilter(this);
    m_width = std::make_unique<LengthBox>(m_txtWidth);
    m_height = std::make_unique<LengthBox>(m_txtHeight);

    auto* frame1 = new QGroupBox(tr("Print Orientation"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* orient = new QHBoxLayout(frame1);
    auto* opts = new QVBoxLayout;
    m_optPortrait = new QRadioButton(tr("&Portrait"), frame1);
    m_optPortrait->setObjectName(QStringLiteral("optPortrait"));
    m_optLandscape = new QRadioButton(tr("L&andscape"), frame1);
    m_optLandscape->setObjectName(QStringLiteral("optLandscape"));
    m_ckbDuplex = new QCheckBox(tr("&Duplex"), frame1);
    m_ckbDuplex->setObjectName(QStringLiteral("ckbDuplex"));
    opts->addWidget(m_optPortrait);
    opts->addWidget(m_optLandscape);
    opts->addWidget(m_ckbDuplex);
    m_imgLayout = new QLabel(frame1);
    m_imgLayout->setObjectName(QStringLiteral("imgLayout"));
    m_imgLayout->setFixedSize(48, 48);
    orient->addLayout(opts);
    orient->addWidget(m_imgLayout);
    connect(m_optPortrait, &QRadioButton::clicked, this, [this] { showLayout(true); });
    connect(m_optLandscape, &QRadioButton::clicked, this, [this] { showLayout(false); });

    auto* frame4 = new QGroupBox(tr("Target Application"), this);
    frame4->setObjectName(QStringLiteral("Frame4"));
    auto* targetLayout = new QVBoxLayout(frame4);
    m_lstTarget = new QListWidget(frame4);
    m_lstTarget->setObjectName(QStringLiteral("lstTarget"));
    m_lstTarget->setMaximumHeight(80);
    targetLayout->addWidget(m_lstTarget);
    connect(m_lstTarget, &QListWidget::itemClicked, this, &frmIDProperties::targetClicked);

    auto* frame5 = new QGroupBox(tr("Description"), this);
    frame5->setObjectName(QStringLiteral("Frame5"));
    auto* descLayout = new QVBoxLayout(frame5);
    m_lblDescription = new QLabel(frame5);
    m_lblDescription->setObjectName(QStringLiteral("lblDescription"));
    m_lblDescription->setWordWrap(true);
    descLayout->addWidget(m_lblDescription);

    auto* frame3 = new QGroupBox(tr("Background"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* bgLayout = new QHBoxLayout(frame3);
    m_picBackground = new QLabel(frame3);
    m_picBackground->setObjectName(QStringLiteral("picBackground"));
    m_picBackground->setFixedSize(PreviewSize);
    m_picBackground->setFrameShape(QFrame::Box);
    bgLayout->addWidget(m_picBackground);
    auto* bgButtons = new QVBoxLayout;
    auto* load = new QPushButton(tr("&Load"), frame3);
    load->setObjectName(QStringLiteral("cmdLoadBackground"));
    auto* clear = new QPushButton(tr("Cl&ear"), frame3);
    clear->setObjectName(QStringLiteral("cmdClearBackground"));
    auto* flood = new QPushButton(tr("&Flood"), frame3);
    flood->setObjectName(QStringLiteral("cmdFloodBackground"));
    for (QPushButton* b : { load, clear, flood }) {
        b->setAutoDefault(false);
        bgButtons->addWidget(b);
    }
    bgButtons->addStretch();
    bgLayout->addLayout(bgButtons);
    connect(load, &QPushButton::clicked, this, &frmIDProperties::LoadIDPictureBackground);
    connect(clear, &QPushButton::clicked, this, &frmIDProperties::ClearBackground);
    connect(flood, &QPushButton::clicked, this, &frmIDProperties::FloodBackground);

    m_cmdOk = new QPushButton(tr("&Ok"), this);
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setDefault(true);
    m_cmdCancel = new QPushButton(tr("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_cmdOk, &QPushButton::clicked, this, [this] {
        // A size no card can have would make the template unprintable.
        if (!cardSizesValid(this, *m_width, *m_height, tr("the template")))
            return;
        m_userCancel = false;
        accept();
    });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] {
        m_userCancel = true;
        reject();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(frame2, 0, 0);
    grid->addWidget(frame1, 0, 1);
    grid->addWidget(frame4, 1, 0);
    grid->addWidget(frame5, 1, 1);
    grid->addWidget(frame3, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 2);

    setOrientation(1);
    DisplayPicture();
}

frmIDProperties::~frmIDProperties() = default;

void frmIDProperties::report(const std::exception& e, const char* procedure) const
{
    if (m_error)
        m_error->Report(e, m_moduleSource + QLatin1Char(' ') + QLatin1String(procedure));
}

QString frmIDProperties::inchText(double inches)
{
    QString s = QString::number(inches, 'f', 4);
    while (s.endsWith(QLatin1Char('0')) && !s.endsWith(QLatin1String(".0")))
        s.chop(1);
    return s + QLatin1Char('"');
}

double frmIDProperties::leadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const auto m = number.match(text);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

double frmIDProperties::IdSizeWidth() const
{
    return m_width->inches();
}
void frmIDProperties::setIdSizeWidth(double inches)
{
    m_width->setInches(inches);
}
double frmIDProperties::IdSizeHeight() const
{
    return m_height->inches();
}
void frmIDProperties::setIdSizeHeight(double inches)
{
    m_height->setInches(inches);
}

int frmIDProperties::Orientation() const
{
    return m_optPortrait->isChecked() ? 1 : 2;
}

void frmIDProperties::setOrientation(int orientation)
{
    const bool portrait = orientation == 1;
    (portrait ? m_optPortrait : m_optLandscape)->setChecked(true);
    showLayout(portrait);
}

void frmIDProperties::showLayout(bool portrait)
{
    m_imgLayout->setPixmap(layoutPicture(portrait));
}

bool frmIDProperties::Duplex() const
{
    return m_ckbDuplex->isChecked();
}
void frmIDProperties::setDuplex(bool duplex)
{
    m_ckbDuplex->setChecked(duplex);
}

void frmIDProperties::setBackgroundPicture(const kyt::Picture& picture)
{
    m_picture = picture;
    DisplayPicture();
}

void frmIDProperties::setBackgroundColor(qint32 color)
{
    m_color = color;
    if (color == -1)
        return;
    QPixmap pm(PreviewSize);
    pm.fill(Surface::toQColor(color));
    m_picBackground->setPixmap(pm);
}

void frmIDProperties::Setup()
{
    try {
        m_lstTarget->clear();
        m_lblDescription->clear();
        if (!m_targets)
            return;
        for (const auto& target : *m_targets) {
            auto* item = new QListWidgetItem(target->ProgId(), m_lstTarget);
            item->setData(Qt::UserRole, target->Description());
            if (target->ProgId() == m_targetApp) {
                item->setSelected(true);
                m_lstTarget->setCurrentItem(item);
                m_lblDescription->setText(target->Description());
            }
        }
    } catch (const std::exception& e) {
        report(e, "Setup");
    }
}

void frmIDProperties::targetClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    m_targetApp = item->text();
    m_lblDescription->setText(item->data(Qt::UserRole).toString());
    for (int i = 0; i < m_lstTarget->count(); ++i)
        m_lstTarget->item(i)->setSelected(m_lstTarget->item(i) == item);
}

void frmIDProperties::DisplayPicture()
{
    try {
        QPixmap pm(PreviewSize);
        pm.fill(Qt::white);
        if (!m_picture.isNull()) {
            QPainter p(&pm);
            const double s
                = GetFitFactor(m_picture.Width(), m_picture.Height(), PreviewSize.width(), PreviewSize.height());
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(0, 0, s * m_picture.Width(), s * m_picture.Height()), m_picture.image());
        }
        m_picBackground->setPixmap(pm);
    } catch (const std::exception& e) {
        report(e, "DisplayPicture");
    }
}

void frmIDProperties::LoadIDPictureBackground()
{
    OverrideCursor busy;
    try {
        const auto file = commonDialog().ShowOpen(
            tr("Load Background Picture"), pictureOpenFilter(), QString(), 0x81004, PictureOpenFilterIndex);
        if (!file || file->isEmpty())
            return;
        const qint64 size = QFileInfo(*file).size();
        if (size > LargeFileBytes) {
            const QString kb = QLocale(QLocale::C).toString(size / 1000.0, 'f', 2);
            const QString prompt = tr("The File you are about to load is ") + kb + tr(" Kb.\r\n")
                + tr("Files over 100 Kb are considered large and will greatly increase the print and display "
                     "time of your formats.\r\n")
                + tr("Are you sure you want to continue loading the file?");
            if (MsgBox(prompt, vbYesNo | vbQuestion, tr("Confirm Large File Load")) != vbYes)
                return;
        }
        QString error;
        const Picture picture = Picture::fromFile(*file, &error);
        if (picture.isNull())
            throw KytError(481, error.isEmpty() ? tr("Invalid picture") : error);
        m_picture = picture;
        DisplayPicture();
    } catch (const std::exception& e) {
        report(e, "LoadIDPictureBackground");
    }
}

void frmIDProperties::FloodBackground()
{
    OverrideCursor busy;
    try {
        const QColor initial = m_color != -1 ? Surface::toQColor(m_color) : QColor(Qt::white);
        const auto color = commonDialog().ShowColor(initial);
        if (!color)
            return;
        m_picture = Picture();
        DisplayPicture();
        setBackgroundColor(colorValue(*color));
    } catch (const std::exception& e) {
        report(e, "FloodBackground");
    }
}

void frmIDProperties::ClearBackground()
{
    OverrideCursor busy;
    m_picture = Picture();
    DisplayPicture();
    m_color = -1;
}

bool frmIDProperties::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::FocusIn)
        box->selectAll();
    else if (box && event->type() == QEvent::FocusOut)
        (box == m_txtWidth ? m_width : m_height)->tidy();
    return QDialog::eventFilter(watched, event);
}

void frmIDProperties::closeEvent(QCloseEvent* event)
{
    m_userCancel = true;
    QDialog::closeEvent(event);
}

} // namespace kyt
