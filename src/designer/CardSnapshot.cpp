#include "designer/CardSnapshot.h"

#include "designer/frmPreview.h"
#include "jobs/CardJob.h"
#include "template/TemplateFile.h"
#include "template/TemplateFileCodec.h"
#include <QCoreApplication>
#include <QSaveFile>

namespace kyt
{

QByteArray shownCardBytes(frmPreview& window)
{
    const std::shared_ptr<CPrintTemplate> live = window.currentTemplate();
    if (!live)
        throw KytError(tplfile::ErrBadFormat, QCoreApplication::translate("kyt::CardSnapshot", "no template is open"));
    // A copy of the page, with objects rebuilt from the controls as a save
    // would, so the open template stays as it is.
    CPrintTemplate copy;
    copy.fields() = live->fields();
    if (!copy.ControlstoAttributes(window))
        throw KytError(tplfile::ErrBadFormat,
            QCoreApplication::translate("kyt::CardSnapshot", "the card's objects could not be collected"));
    try {
        return tplfile::encode(copy);
    } catch (const KytError&) {
        throw;
    } catch (const std::exception& e) {
        throw KytError(tplfile::ErrBadFormat, QString::fromLocal8Bit(e.what()));
    }
}

CPrintTemplatePtr shownCardCopy(frmPreview& window, const QString& fileName)
{
    const QByteArray bytes = shownCardBytes(window);
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw KytError(tplfile::ErrPathFileAccess, QStringLiteral("%1: %2").arg(fileName, f.errorString()));
    return readCardCopy(fileName);
}

CPrintTemplatePtr readCardCopy(const QString& fileName)
{
    // The reporter only counts: the reason comes back from the loader.
    static cardjob::QuietError reporter;
    QString why;
    CPrintTemplatePtr card = cardjob::loadTemplate(fileName, reporter, &why);
    if (!card)
        throw KytError(tplfile::ErrBadFormat, why);
    return card;
}

} // namespace kyt
