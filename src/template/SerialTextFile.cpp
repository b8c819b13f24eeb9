// Serial text template files: the whole file is one parse string's text.
#include "objects/CDesignObject.h"
#include "template/CPrintTemplate.h"
#include "template/TemplateFile.h"
#include "util/Ansi.h"

namespace kyt
{

void CPrintTemplate::CreateParseString(const QString& sString)
{
    AddObject(QStringLiteral("ParseString"))->setTokenString(sString);
}

void CPrintTemplate::ReadSerialTextFile(const QString& sFileName)
{
    try {
        CreateParseString(fromAnsi(tplfile::readWholeFile(sFileName, tplfile::MaxSerialTextFileSize)));
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral("ReadSerialTextFile"));
    }
}

} // namespace kyt
