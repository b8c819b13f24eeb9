#include "designer/CardSnapshot.h"

#include "designer/frmPreview.h"
#include "jobs/CardJob.h"
#include "template/TemplateFile.h"
#include <QCoreApplication>
#include <QSaveFile>

namespace kyt
{

QByteArray shownCardBytes(frmPreview& window, QString* error)
{
    const std::shared_ptr<CPrintTemplate> live = window.currentTemplate();
    if (!live) {
        *error = QCoreApplication::translate("kyt::CardSnapshot", "no template is open");
        return QByteArray();
    }
    try {
        // A copy of the page, with objects rebuilt from the controls as a
        // save would, so the open template stays as it is.
        CPrintTemplate copy;
        copy.fields() = live->fields();
        if (!copy.ControlstoAttributes(window)) {
            *error = QCoreApplication::translate("kyt::CardSnapshot", "the card's objects could not be collected");
            return QByteArray();
        }
        return tplfile::encode(copy);
    } catch (const std::exception& e) {
        *error = QString::fromLocal8Bit(e.what());
    }
    return QByteArray();
}

bool writeShownCard(frmPreview& window, const QString& fileName, QString* error)
{
    const QByteArray bytes = shownCardBytes(window, error);
    if (bytes.isEmpty())
        return false;
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        *error = QStringLiteral("%1: %2").arg(fileName, f.errorString());
        return false;
    }
    return true;
}

CPrintTemplatePtr readShownCard(const QString& fileName, QString* error)
{
    // The reporter only counts: failures come back in *error.
    static cardjob::QuietError reporter;
    return cardjob::loadTemplate(fileName, reporter, error);
}

} // namespace kyt
