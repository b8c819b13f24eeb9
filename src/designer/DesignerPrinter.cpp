// The printer the designer prints on: its choice, calibration and job.

#include "designer/DesignerPrinter.h"

#include "errors/MessageBox.h"
#include "platform/CommonDialog.h"
#include "platform/RegistryStore.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include "platform/widgets/OverrideCursor.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "util/NumberText.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace kyt
{

namespace
{

struct Session {
    QString queue;
    int orientation = 1;
    int jobs = 0; // cards sent this session, numbering the job names
};

Session& session()
{
    static Session s;
    return s;
}

// The normal pointer while a message waits for the person, whatever
// pointer the command set.
int ask(const QString& prompt, int style, const QString& title)
{
    OverrideCursor arrow(Qt::ArrowCursor);
    return MsgBox(prompt, style, title);
}

// Collects what a rehearsal would have shown, so the person gets one message.
class Collector : public IMessageBox
{
public:
    int Show(const MessageRequest& request) override
    {
        prompts << request.prompt;
        return messageDefaultAnswer(request.style);
    }
    QStringList prompts;
};

class MessageBoxSwap
{
public:
    explicit MessageBoxSwap(std::shared_ptr<IMessageBox> box)
        : m_previous(setMessageBox(std::move(box)))
    {
    }
    ~MessageBoxSwap() { setMessageBox(m_previous); }
    MessageBoxSwap(const MessageBoxSwap&) = delete;
    MessageBoxSwap& operator=(const MessageBoxSwap&) = delete;

private:
    std::shared_ptr<IMessageBox> m_previous;
};

// The card drawn where nothing is printed: the reasons it cannot be drawn,
// empty when it can.
QStringList rehearse(CPrintTemplate& card, const std::shared_ptr<CPrintData>& data)
{
    auto collector = std::make_shared<Collector>();
    auto quiet = std::make_shared<CError>();
    quiet->setDisplayError(false);
    QStringList reasons;
    QObject::connect(quiet.get(), &CError::ErrorEvent, quiet.get(), [&reasons](QString& line) {
        // The description stands between "|Message: " and the closing bar.
        const int at = line.indexOf(QLatin1String("|Message: "));
        QString description = at >= 0 ? line.mid(at + 10) : line;
        while (description.endsWith(QLatin1Char('|')))
            description.chop(1);
        reasons << description;
    });
    const std::shared_ptr<CError> own = card.Error();
    bool drawn = false;
    {
        MessageBoxSwap swap(collector);
        card.setError(quiet);
        try {
            TraceSurface trace(QStringLiteral("Printer"), QSizeF(card.Width(), card.Height()), 300);
            drawn = card.Render(trace, data, 0, 0);
        } catch (const std::exception& e) {
            reasons << QString::fromUtf8(e.what());
        }
        card.setError(own);
    }
    reasons << collector->prompts;
    if (!drawn && reasons.isEmpty())
        reasons << QCoreApplication::translate("kyt::DesignerPrinter", "an object of the card could not be drawn");
    return reasons;
}

} // namespace

QString DesignerPrinter::queue()
{
    if (!session().queue.isEmpty())
        return session().queue;
    return PrinterSurface::defaultQueue();
}

void DesignerPrinter::setQueue(const QString& queue)
{
    session().queue = queue;
}

int DesignerPrinter::orientation()
{
    return session().orientation;
}

void DesignerPrinter::setOrientation(int orientation)
{
    if (orientation == 1 || orientation == 2)
        session().orientation = orientation;
}

bool DesignerPrinter::SelectPrinter(ICommonDialog& dialog)
{
    CommonDialogRequest request;
    request.kind = CommonDialogKind::PrinterSetup;
    request.flags = 72; // set-up dialog, no page numbers
    request.printerName = queue();
    request.orientation = orientation();
    const auto answer = dialog.Show(request);
    if (!answer)
        return false;
    const auto* choice = std::get_if<PrinterChoice>(&*answer);
    if (!choice)
        return false;
    // The chosen printer is the designer's from now on.
    if (!choice->printerName.isEmpty())
        setQueue(choice->printerName);
    setOrientation(choice->orientation);
    return true;
}

std::optional<PrinterCalibration> DesignerPrinter::calibration(const QString& queue, QString* problem)
{
    if (problem)
        problem->clear();
    if (queue.isEmpty())
        return std::nullopt;
    try {
        const auto stored = PrinterCalibration::load(queue);
        if (!stored || stored->isIdentity())
            return std::nullopt;
        return stored;
    } catch (const KytError& e) {
        if (problem)
            *problem = e.description();
        return std::nullopt;
    }
}

QString DesignerPrinter::calibrationText(const PrinterCalibration& c)
{
    auto part = [](double inches, const char* forward, const char* back) {
        return QStringLiteral("%1\" %2").arg(
            formatInchText(std::fabs(inches)), QLatin1String(inches < 0 ? back : forward));
    };
    QString text = part(c.xOffset, "right", "left") + QStringLiteral(", ") + part(c.yOffset, "down", "up");
    if (c.scale != 1)
        text += QCoreApplication::translate("kyt::DesignerPrinter", ", scaled to %1%").arg(c.scale * 100, 0, 'g', 6);
    return text;
}

bool DesignerPrinter::queueStopped(const QString& queue, QString* reason)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (info.isNull())
        return false;
    // CUPS reports a stopped queue as the error state.
    const bool stopped = info.state() == QPrinter::Error;
    if (stopped && reason)
        *reason = QCoreApplication::translate("kyt::DesignerPrinter", "the printer \"%1\" is stopped").arg(queue);
    return stopped;
}

DesignerPrinter::Result DesignerPrinter::printCard(CPrintTemplate& card, const std::shared_ptr<CPrintData>& data,
    const CErrorPtr& error, const QString& source, const QString& messageTitle)
{
    Result result;
    result.queue = queue();
    auto tell = [&](const QString& message, int style, Outcome outcome) {
        result.message = message;
        result.outcome = outcome;
        ask(message, style, messageTitle);
        return result;
    };

    if (result.queue.isEmpty())
        return tell(QCoreApplication::translate("kyt::DesignerPrinter",
                        "There is no printer to print on: no printer was chosen with Setup and the "
                        "system has no default printer."),
            vbExclamation, Outcome::NotPrinted);

    card.setScalor(1.0); // cards print at their true size
    const QStringList reasons = rehearse(card, data);
    if (!reasons.isEmpty())
        return tell(QCoreApplication::translate(
                        "kyt::DesignerPrinter", "The card was not printed, because it cannot be drawn as designed:\n%1")
                        .arg(reasons.join(QLatin1Char('\n'))),
            vbExclamation, Outcome::NotPrinted);

    QString stoppedReason;
    if (queueStopped(result.queue, &stoppedReason)) {
        const int answer = ask(QCoreApplication::translate("kyt::DesignerPrinter",
                                   "The printer \"%1\" is stopped: the card waits in its queue until "
                                   "the printer is started again.\nSend the card anyway?")
                                   .arg(result.queue),
            vbYesNo | vbExclamation | vbDefaultButton2, messageTitle);
        if (answer != vbYes) {
            result.message = QCoreApplication::translate("kyt::DesignerPrinter", "Not printed: %1.").arg(stoppedReason);
            return result;
        }
    }

    QString problem;
    const auto calibrated = calibration(result.queue, &problem);
    if (!problem.isEmpty())
        return tell(QCoreApplication::translate("kyt::DesignerPrinter",
                        "The card was not printed: %1.\nStore the printer's calibration again with "
                        "\"kytpreview printers calibrate %2\".")
                        .arg(problem, result.queue),
            vbExclamation, Outcome::NotPrinted);

    int jobId = 0;
    // The calibration moves and scales the card for this job only.
    const float savedX = card.XOffset(), savedY = card.YOffset();
    const double savedScalor = card.Scalor();
    auto restore = [&] {
        card.setXOffset(savedX);
        card.setYOffset(savedY);
        card.setScalor(savedScalor);
    };
    try {
        auto printer = PrinterSurface::toQueue(result.queue, QSizeF(card.Width(), card.Height()));
        const QString name = QFileInfo(card.TemplateName()).completeBaseName();
        // Numbered, so two prints of one card are two files or lines in the queue.
        printer->setDocumentName(
            QStringLiteral("%1 %2")
                .arg(name.isEmpty() ? QCoreApplication::translate("kyt::DesignerPrinter", "KYTPreview card") : name)
                .arg(++session().jobs));
        printer->setScaleMode(Surface::vbInches);
        try {
            printer->setOrientation(card.Orientation());
        } catch (const std::exception&) {
            // A printer without that setting prints as it is.
        }
        if (calibrated)
            calibrated->applyTo(card);
        const bool ok = card.Render(*printer, data, 0, 0);
        restore();
        if (!ok)
            return tell(QCoreApplication::translate("kyt::DesignerPrinter",
                            "The card could not be drawn on the printer \"%1\"; the job was ended.")
                            .arg(result.queue),
                vbExclamation, Outcome::Failed);
        // A card with nothing on it starts no page, so no job either.
        if (printer->pageCount() == 0)
            return tell(QCoreApplication::translate("kyt::DesignerPrinter",
                            "Nothing was sent to the printer \"%1\": the card has nothing to print.")
                            .arg(result.queue),
                vbExclamation, Outcome::NotPrinted);
        // Releases the page to the spooler: each card is a job of its own.
        printer->EndDoc();
        jobId = printer->jobId();
    } catch (const std::exception& e) {
        restore();
        result.outcome = Outcome::Failed;
        result.message = QString::fromUtf8(e.what());
        OverrideCursor arrow(Qt::ArrowCursor);
        if (error)
            error->Report(e, source);
        else
            MsgBox(QCoreApplication::translate("kyt::DesignerPrinter", "The card could not be printed on \"%1\": %2")
                       .arg(result.queue, result.message),
                vbCritical, messageTitle);
        return result;
    }

    QString message
        = QCoreApplication::translate("kyt::DesignerPrinter", "The card was sent to the printer \"%1\" as job %1-%2.")
              .arg(result.queue)
              .arg(jobId);
    if (calibrated)
        message += QCoreApplication::translate("kyt::DesignerPrinter", " The printer's calibration moved it %1.")
                       .arg(calibrationText(*calibrated));
    return tell(message, vbInformation, Outcome::Printed);
}

} // namespace kyt
