#include "objects/CDataObject.h"

#include "errors/ModuleSource.h"

namespace kyt
{

// The class literal has no leading full stop; error reports have always
// named the source this way.
CDataObject::CDataObject(QObject* parent)
    : CTextObjectBase(kyt::moduleSource("CDataObject ("), parent)
{
}

} // namespace kyt
