// CPrintTemplate's binary file members: the public entry points ReadFile and
// SaveFile and the two procedures doing the work, on top of TemplateFile.h.
#include "errors/CError.h"
#include "template/CPrintTemplate.h"
#include "template/TemplateFile.h"
#include "template/TemplateFileCodec.h"

namespace kyt
{

namespace
{
bool isTemplateDocument(const CPrintTemplate& t)
{
    return t.TemplateType().compare(QLatin1String("Template"), Qt::CaseInsensitive) == 0;
}

// A damaged file's report names the file, as every caller shows only the
// description: "Input past end of file: card.tpl: the file ends inside ...".
KytError namingFile(const KytError& e, const QString& fileName)
{
    const QString text = e.description();
    const qsizetype colon = text.indexOf(QLatin1String(": "));
    return KytError(e.number(),
        colon < 0 ? QStringLiteral("%1: %2").arg(fileName, text)
                  : QStringLiteral("%1: %2: %3").arg(text.left(colon), fileName, text.mid(colon + 2)),
        e.source());
}
} // namespace

bool CPrintTemplate::ReadFile(const QString& sFileName)
{
    if (!isTemplateDocument(*this))
        return false;
    if (!sFileName.isEmpty())
        m_f.TemplateName = sFileName; // no changed flag: reading changes nothing
    return ReadBinaryTemplateFile(m_f.TemplateName);
}

bool CPrintTemplate::SaveFile(const QString& sFileName)
{
    if (!isTemplateDocument(*this))
        return false;
    if (!sFileName.isEmpty())
        m_f.TemplateName = sFileName;
    const bool saved = SaveTemplatetoBinaryFile(m_f.TemplateName);
    m_f.dirty = !saved;
    return saved;
}

bool CPrintTemplate::ReadBinaryTemplateFile(const QString& sFileName)
{
    try {
        ClearObjects(); // also when the file cannot be opened
        // The file's own errors name it already.
        const QByteArray bytes = tplfile::readWholeFile(sFileName, tplfile::MaxFileSize);
        try {
            return tplfile::readInto(*this, bytes);
        } catch (const KytError& e) {
            throw namingFile(e, sFileName);
        }
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral("ReadBinaryTemplateFile"));
        return false;
    }
}

bool CPrintTemplate::readBinaryTemplate(const QByteArray& bytes)
{
    try {
        return tplfile::readInto(*this, bytes);
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral("ReadBinaryTemplateFile"));
        return false;
    }
}

bool CPrintTemplate::SaveTemplatetoBinaryFile(const QString& sFileName)
{
    try {
        // The whole file is built in memory first, then replaces the old one
        // in one step: a failure anywhere leaves the old file as it was.
        tplfile::writeFileAtomically(sFileName, tplfile::encode(*this));
        return true;
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral(" SaveTemplatetoBinaryFile"));
        return false;
    }
}

} // namespace kyt
