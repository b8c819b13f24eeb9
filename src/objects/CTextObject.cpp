#include "objects/CTextObject.h"

#include "util/ModuleSource.h"

namespace kyt
{

CTextObject::CTextObject(QObject* parent)
    : CTextObjectBase(kyt::moduleSource(".CTextObject ("), parent)
{
}

} // namespace kyt
