// The designer's print preview window.

#include "designer/frmPrintPreview.h"

#include "designer/DesignerPrinter.h"
#include "errors/ModuleSource.h"
#include "platform/CommonDialog.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/widgets/OverrideCursor.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <cmath>

namespace kyt
{

namespace
{

// Design-time layout, in pixels at 96 per inch.
constexpr int Margin = 12;
constexpr int DesignPicWidth = 336; // 3.5 inches
constexpr int DesignPicHeight = 240; // 2.5 inches
constexpr int ButtonGap = 19;
constexpr int ButtonWidth = 132;
constexpr int ButtonHeight = 28;
constexpr int ButtonStep = 34;
constexpr int DesignWidth = Margin + DesignPicWidth + ButtonGap + ButtonWidth + Margin;
constexpr int DesignHeight = Margin + DesignPicHeight + Margin + 48;
// Larger than any card; keeps a damaged size from asking for a huge image.
constexpr double MaxCardInches = 60.0;

int pixels(double inches)
{
    return static_cast<int>(std::lround(inches * frmPrintPreview::PixelsPerInch));
}

// Whole twips, shown in pixels (15 twips each).
int windowPixels(double inches)
{
    const double twips = std::floor(inches * 1440.0);
    return static_cast<int>(std::ceil(twips / 15.0));
}

} // namespace

frmPrintPreview::frmPrintPreview(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrintPreview"));
    m_moduleSource = kyt::moduleSource(".frmPrintPreview (");
    setWindowTitle(tr("ID Print Preview"));
    setModal(true);

    m_holder = new QScrollArea(this);
    m_holder->setObjectName(QStringLiteral("scrID"));
    m_holder->setFrameShape(QFrame::NoFrame);
    m_holder->setWidgetResizable(false);
    m_picID = new QLabel;
    m_picID->setObjectName(QStringLiteral("picID"));
    m_picID->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picID->setAutoFillBackground(true);
    m_holder->setWidget(m_picID);
    m_holder->setGeometry(Margin, Margin, DesignPicWidth, DesignPicHeight);
    m_picID->resize(DesignPicWidth, DesignPicHeight);
    m_picInches = QSizeF(DesignPicWidth / PixelsPerInch, DesignPicHeight / PixelsPerInch);

    m_cmdPrint = new QPushButton(tr("&Print"), this);
    m_cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    m_cmdSetup = new QPushButton(tr("&Setup"), this);
    m_cmdSetup->setObjectName(QStringLiteral("cmdSetup"));
    m_cmdClose = new QPushButton(tr("&Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_lblPrinter = new QLabel(this);
    m_lblPrinter->setObjectName(QStringLiteral("lblPrinter"));
    m_lblPrinter->setWordWrap(true);
    m_lblCalibration = new QLabel(this);
    m_lblCalibration->setObjectName(QStringLiteral("lblCalibration"));
    m_lblCalibration->setWordWrap(true);
    for (QPushButton* b : { m_cmdPrint, m_cmdSetup, m_cmdClose })
        b->setAutoDefault(false);
    placeButtons(Margin + DesignPicWidth + ButtonGap);
    setFixedSize(DesignWidth, DesignHeight);

    connect(m_cmdPrint, &QPushButton::clicked, this, [this] {
        OverrideCursor wait;
        GoPrint();
    });
    connect(m_cmdSetup, &QPushButton::clicked, this, [this] { SelectPrinter(); });
    // Hiding ends the modal show; the opener unloads the window.
    connect(m_cmdClose, &QPushButton::clicked, this, [this] { hide(); });
    updatePrinterLabels();
}

frmPrintPreview::~frmPrintPreview()
{
    m_id.reset();
    m_printData.reset();
    m_error.reset();
}

ICommonDialog& frmPrintPreview::commonBox() const
{
    return m_commonBox ? *m_commonBox : commonDialog();
}

void frmPrintPreview::report(const std::exception& e, const QString& procedure)
{
    if (m_error)
        m_error->Report(e, m_moduleSource + procedure);
}

void frmPrintPreview::placeButtons(int left)
{
    int y = Margin;
    for (QPushButton* b : { m_cmdPrint, m_cmdSetup, m_cmdClose }) {
        b->setGeometry(left, y, ButtonWidth, ButtonHeight);
        y += ButtonStep;
    }
    m_lblPrinter->setGeometry(left, y + 8, ButtonWidth, 68);
    m_lblCalibration->setGeometry(left, y + 80, ButtonWidth, 96);
}

QSizeF frmPrintPreview::picIDInches() const
{
    return m_picInches;
}

QSizeF frmPrintPreview::windowInches() const
{
    return QSizeF(width() / PixelsPerInch, height() / PixelsPerInch);
}

void frmPrintPreview::updatePrinterLabels()
{
    const QString queue = DesignerPrinter::queue();
    m_lblPrinter->setText(
        queue.isEmpty() ? tr("No printer chosen: choose one with Setup.") : tr("Printer: %1").arg(queue));
    QString problem;
    const auto calibrated = DesignerPrinter::calibration(queue, &problem);
    if (!problem.isEmpty()) {
        m_lblCalibration->setText(tr("Calibration damaged: %1").arg(problem));
        m_lblCalibration->show();
    } else if (calibrated) {
        m_lblCalibration->setText(
            tr("Calibrated: printed %1 from where the card shows.").arg(DesignerPrinter::calibrationText(*calibrated)));
        m_lblCalibration->show();
    } else {
        m_lblCalibration->clear();
        m_lblCalibration->hide();
    }
}

bool frmPrintPreview::Render()
{
    bool result = false;
    try {
        if (!m_id)
            throw KytError(91, tr("Object variable or With block variable not set"));
        CPrintTemplate& id = *m_id;

        // The fixed part of the layout, as it stands now.
        const QSizeF window = windowInches();
        const double extraWidth = window.width() - m_picInches.width();
        const double extraHeight = window.height() - m_picInches.height();
        const int buttonGap = m_cmdClose->x() - (m_holder->x() + pixels(m_picInches.width()));

        id.setScalor(1.0);
        const double w = id.Width() + id.XOffset();
        const double h = id.YOffset() + id.Height() * (id.Duplex() ? 2 : 1);
        if (!std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0 || w > MaxCardInches || h > MaxCardInches)
            throw KytError(380, tr("Invalid property value (card size %1 x %2 inches)").arg(w).arg(h));
        m_picInches = QSizeF(w, h);
        // One pixel more each way holds the card's closing outline, drawn
        // on its right and bottom edges.
        const QSize pic(pixels(w) + 1, pixels(h) + 1);
        m_picID->resize(pic);

        // The window grows for a large card, never shrinks for a small one,
        // and stays on the screen (the picture scrolls when it cannot).
        int windowWidth = width();
        int windowHeight = height();
        if (w + extraWidth > window.width())
            windowWidth = windowPixels(w + extraWidth);
        if (!(h + extraHeight < window.height()))
            windowHeight = windowPixels(h + extraHeight);
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        windowWidth = std::min(windowWidth, std::max(DesignWidth, area.width()));
        windowHeight = std::min(windowHeight, std::max(DesignHeight, area.height()));
        const int fixedWidth = pixels(extraWidth);
        const int fixedHeight = pixels(extraHeight);
        // The picture scrolls only when the screen is too small for it (a
        // pixel or two of rounding is no reason for scroll bars).
        auto fit = [](int picture, int room) { return picture <= room + 2 ? picture : room; };
        const QSize shown(fit(pic.width(), windowWidth - fixedWidth), fit(pic.height(), windowHeight - fixedHeight));
        m_holder->resize(shown);
        if (windowWidth != width())
            placeButtons(m_holder->x() + shown.width() + buttonGap);
        setFixedSize(windowWidth, windowHeight);
        move(area.center() - QPoint(windowWidth / 2, windowHeight / 2));
        updatePrinterLabels();

        // Drawn where the printer puts it: at the template's own offsets.
        PictureBoxSurface surface(pic, PixelsPerInch);
        result = id.Render(surface, m_printData, 0, 0);
        m_image = surface.picture();
        m_picID->setPixmap(QPixmap::fromImage(surface.Image()));
    } catch (const std::exception& e) {
        report(e, QStringLiteral(".Render"));
        result = false;
    }
    return result;
}

bool frmPrintPreview::GoPrint()
{
    try {
        if (!m_id)
            throw KytError(91, tr("Object variable or With block variable not set"));
        DesignerPrinter::setOrientation(m_id->Orientation());
        const auto r = DesignerPrinter::printCard(
            *m_id, m_printData, m_error, m_moduleSource + QStringLiteral(" GoPrint"), windowTitle());
        return r.outcome == DesignerPrinter::Outcome::Printed;
    } catch (const std::exception& e) {
        report(e, QStringLiteral(" GoPrint"));
        return false;
    }
}

bool frmPrintPreview::SelectPrinter()
{
    try {
        // As from the designer: the printer starts in the card's orientation.
        if (m_id)
            DesignerPrinter::setOrientation(m_id->Orientation());
        const bool chosen = DesignerPrinter::SelectPrinter(commonBox());
        updatePrinterLabels();
        return chosen;
    } catch (const std::exception& e) {
        report(e, QStringLiteral(" SelectPrinter"));
        return false;
    }
}

} // namespace kyt
