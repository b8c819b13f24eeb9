#include "designer/DesignerPrinter.h"

#include "errors/MessageBox.h"
#include "platform/CommonDialog.h"
#include "platform/RegistryStore.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "util/NumberText.h"
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

// Where a queue's calibration lives in the settings store.
const QString CalibrationKey = QStringLiteral("Software\\KYT\\KYT Central\\Printers\\");

std::optional<double> storedNumber(reg::RegistryStore& store, reg::HKEY key, const QString& name)
{
    QByteArray data;
    if (store.RegQueryValueEx(key, name, nullptr, &data) != reg::ERROR_SUCCESS)
        return std::nullopt;
    const auto v = parseNumber(reg::RegistryStore::dataString(data));
    if (!v || !std::isfinite(*v) || std::fabs(*v) > 10.0)
        return std::nullopt;
    return v;
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
        reasons << QStringLiteral("an object of the card could not be drawn");
    return reasons;
}

} // namespace

QString DesignerPrinter::queue()
{
    if (!session().queue.isEmpty())
        return session().queue;
    return QPrinterInfo::defaultPrinterName();
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

std::optional<QPointF> DesignerPrinter::calibration(const QString& queue)
{
    if (queue.isEmpty())
        return std::nullopt;
    try {
        auto store = reg::RegistryStore::current();
        if (!store)
            return std::nullopt;
        reg::HKEY key = 0;
        if (store->RegOpenKeyEx(reg::HKEY_CURRENT_USER, CalibrationKey + queue, 0, reg::KEY_READ, &key)
            != reg::ERROR_SUCCESS)
            return std::nullopt;
        const auto x = storedNumber(*store, key, QStringLiteral("XOffset"));
        const auto y = storedNumber(*store, key, QStringLiteral("YOffset"));
        store->RegCloseKey(key);
        const QPointF offsets(x.value_or(0), y.value_or(0));
        if (offsets.isNull())
            return std::nullopt;
        return offsets;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QString DesignerPrinter::calibrationText(const QPointF& offsets)
{
    return QStringLiteral("%1\" right, %2\" down").arg(formatInchText(offsets.x()), formatInchText(offsets.y()));
}

bool DesignerPrinter::queueStopped(const QString& queue, QString* reason)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (info.isNull())
        return false;
    // CUPS reports a stopped queue as the error state.
    const bool stopped = info.state() == QPrinter::Error;
    if (stopped && reason)
        *reason = QStringLiteral("the printer \"%1\" is stopped").arg(queue);
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
        MsgBox(message, style, messageTitle);
        return result;
    };

    if (result.queue.isEmpty())
        return tell(QStringLiteral("There is no printer to print on: no printer was chosen with Setup and the "
                                   "system has no default printer."),
            vbExclamation, Outcome::NotPrinted);

    card.setScalor(1.0); // cards print at their true size
    const QStringList reasons = rehearse(card, data);
    if (!reasons.isEmpty())
        return tell(QStringLiteral("The card was not printed, because it cannot be drawn as designed:\n%1")
                        .arg(reasons.join(QLatin1Char('\n'))),
            vbExclamation, Outcome::NotPrinted);

    QString stoppedReason;
    if (queueStopped(result.queue, &stoppedReason)) {
        const int answer = MsgBox(QStringLiteral("The printer \"%1\" is stopped: the card waits in its queue until "
                                                 "the printer is started again.\nSend the card anyway?")
                                      .arg(result.queue),
            vbYesNo | vbExclamation | vbDefaultButton2, messageTitle);
        if (answer != vbYes) {
            result.message = QStringLiteral("Not printed: %1.").arg(stoppedReason);
            return result;
        }
    }

    const auto offsets = calibration(result.queue);
    try {
        auto printer = PrinterSurface::toQueue(result.queue, QSizeF(card.Width(), card.Height()));
        const QString name = QFileInfo(card.TemplateName()).completeBaseName();
        // Numbered, so two prints of one card are two files or lines in the queue.
        printer->setDocumentName(QStringLiteral("%1 %2")
                                     .arg(name.isEmpty() ? QStringLiteral("KYTPreview card") : name)
                                     .arg(++session().jobs));
        printer->setScaleMode(Surface::vbInches);
        try {
            printer->setOrientation(card.Orientation());
        } catch (const std::exception&) {
            // A printer without that setting prints as it is.
        }
        const bool ok = card.Render(*printer, data, offsets ? static_cast<float>(offsets->x()) : 0.0f,
            offsets ? static_cast<float>(offsets->y()) : 0.0f);
        if (!ok)
            return tell(QStringLiteral("The card could not be drawn on the printer \"%1\"; the job was ended.")
                            .arg(result.queue),
                vbExclamation, Outcome::Failed);
        // Releases the page to the spooler: each card is a job of its own.
        printer->EndDoc();
    } catch (const std::exception& e) {
        result.outcome = Outcome::Failed;
        result.message = QString::fromUtf8(e.what());
        if (error)
            error->Report(e, source);
        else
            MsgBox(QStringLiteral("The card could not be printed on \"%1\": %2").arg(result.queue, result.message),
                vbCritical, messageTitle);
        return result;
    }

    QString message = QStringLiteral("The card was sent to the printer \"%1\".").arg(result.queue);
    if (offsets)
        message += QStringLiteral(" It was shifted by the printer's calibration (%1).").arg(calibrationText(*offsets));
    return tell(message, vbInformation, Outcome::Printed);
}

} // namespace kyt
