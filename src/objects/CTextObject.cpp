#include "objects/CTextObject.h"

#include "errors/ModuleSource.h"

namespace kyt
{

CTextObject::CTextObject(QObject* parent)
    : CTextObjectBase(kyt::moduleSource(".CTextObject ("), parent)
{
}

} // namespace kyt
