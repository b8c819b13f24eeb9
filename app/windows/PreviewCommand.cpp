// kytpreview preview: a window hosting the Preview control, as a host
// application would embed it; the card is fitted again whenever the window
// is resized.
#include "Command.h"
#include "control/Preview.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "jobs/CardJob.h"
#include "jobs/Preflight.h"
#include "platform/OutputFile.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("kytpreview preview");

// Fits the card again after the control has taken its new size.
class RefitOnResize : public QObject
{
public:
    RefitOnResize(Preview* preview, CPrintTemplatePtr tpl, std::shared_ptr<CPrintData> data)
        : QObject(preview)
        , m_preview(preview)
        , m_tpl(std::move(tpl))
        , m_data(std::move(data))
    {
        preview->installEventFilter(this);
    }
    void refit() { m_preview->PreviewTemplate(m_tpl, m_data); }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            QTimer::singleShot(0, this, [this] { refit(); });
        return false;
    }

private:
    Preview* m_preview;
    CPrintTemplatePtr m_tpl;
    std::shared_ptr<CPrintData> m_data;
};

int run(const ParsedArgs& a)
{
    const QStringList& args = a.positional;
    const QString target = a.value(QStringLiteral("target"));
    const QString shot = a.value(QStringLiteral("screenshot"));
    const bool hasTarget = a.has(QStringLiteral("target"));
    const bool hasShot = a.has(QStringLiteral("screenshot"));
    const bool allowMissing = a.has(QStringLiteral("allow-missing-fields"));
    OneRecord record;
    if (int rc = readOneRecord(QStringLiteral("preview"), a, &record))
        return rc;
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        printErr(Me
            + QCoreApplication::translate("kyt::cli", ": expected one template file (see kytpreview preview --help)"));
        return 2;
    }
    if (!QFileInfo::exists(args.first())) {
        printErr(Me + QCoreApplication::translate("kyt::cli", ": %1: no such file").arg(args.first()));
        return 1;
    }
    // The control reports a damaged file and shows what it read; a window
    // over half a card would look like success, so it is refused first.
    {
        cardjob::QuietError reporter;
        QString error;
        if (!cardjob::loadTemplate(args.first(), reporter, &error)) {
            printErr(Me + QStringLiteral(": ") + error);
            return 1;
        }
    }

    // A screenshot run has nobody to answer a message: a report (a card
    // that could not be drawn) fails it instead.
    std::optional<UnattendedMessages> unattended;
    if (hasShot)
        unattended.emplace(QStringLiteral("preview"));
    QWidget window;
    window.setObjectName(QStringLiteral("frmPreviewHost"));
    window.setWindowTitle(QStringLiteral("KYTPreview - %1").arg(QFileInfo(args.first()).fileName()));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* preview = new Preview(&window);
    layout->addWidget(preview);

    CPrintTemplatePtr tpl = preview->CreatePrintTemplate(args.first()); // read failures are reported
    if (const QString column = photoColumn(QStringLiteral("preview"), a, args.first(), record.given());
        !column.isEmpty())
        preflight::setPhotoField(*tpl, column);
    if (const QString why = cardjob::cardSizeProblem(*tpl); !why.isEmpty()) {
        printErr(Me + QStringLiteral(": %1: %2").arg(args.first(), why));
        return 1;
    }
    std::shared_ptr<CPrintData> data;
    if (hasTarget)
        data = preview->CreatePrintData(target);
    if (record.given()) {
        if (!data)
            data = preview->CreatePrintData();
        if (int rc = loadOneRecord(QStringLiteral("preview"), record, *tpl, *data, allowMissing))
            return rc;
    }
    auto* refit = new RefitOnResize(preview, tpl, data);
    window.resize(720, tpl->Duplex() ? 900 : 480);
    window.show();
    refit->refit();
    if (unattended && unattended->count() > 0)
        return 1; // said on standard error

    if (hasShot) {
        // Let the window reach its size and draw, then save what it shows.
        QTimer::singleShot(300, &window, [&] {
            if (unattended->count() > 0) {
                QApplication::exit(1);
                return;
            }
            OutputFile file(shot);
            const bool ok = file.isOpen() && window.grab().save(file.device(), "png") && file.commit();
            if (!ok) {
                file.failed(); // the system's reason, when a write failed
                printErr(Me
                    + QCoreApplication::translate("kyt::cli", ": cannot write %1")
                          .arg(file.errorString().isEmpty() ? shot : file.errorString()));
            }
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return QApplication::exec();
}

const Command::Registration reg({ QStringLiteral("preview"), run });

} // namespace
} // namespace kyt::cli
