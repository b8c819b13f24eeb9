#include "platform/surface/PdfJoin.h"

#include "errors/CError.h"
#include "errors/EventLog.h"
#include <QFileInfo>
#include <QLibrary>
#include <dlfcn.h>
#include <mutex>

namespace kyt
{

namespace
{

using Create = PdfJoin* (*)(QIODevice*);

struct Module {
    Create create = nullptr;
    QString why;
};

// The module sits in "kytpreview" beside the core library, in the build
// tree as where it is installed, so a moved installation still finds it.
const Module& module()
{
    static Module m;
    static std::once_flag once;
    std::call_once(once, [] {
        Dl_info self {};
        if (::dladdr(reinterpret_cast<void*>(&PdfJoin::available), &self) == 0 || !self.dli_fname) {
            m.why = QStringLiteral("the core library's folder is unknown");
            return;
        }
        const QString file = QFileInfo(QString::fromLocal8Bit(self.dli_fname)).absolutePath()
            + QStringLiteral("/kytpreview/kytpreview-pdfjoin.so");
        QLibrary lib(file);
        if (lib.load())
            m.create = reinterpret_cast<Create>(lib.resolve("kyt_pdfjoin_create"));
        if (!m.create) {
            m.why = lib.errorString();
            EventLog::write(QStringLiteral("PDF parts cannot be joined (%1); batches are drawn on one core").arg(m.why),
                EventLog::Warning);
        }
    });
    return m;
}

} // namespace

bool PdfJoin::available(QString* why)
{
    const Module& m = module();
    if (why)
        *why = m.why;
    return m.create != nullptr;
}

std::unique_ptr<PdfJoin> PdfJoin::create(QIODevice* out)
{
    const Module& m = module();
    if (!m.create)
        throw KytError(482, QStringLiteral("PDF parts cannot be joined: %1").arg(m.why));
    return std::unique_ptr<PdfJoin>(m.create(out));
}

} // namespace kyt
