#include "objects/CPhotoObject.h"

#include "errors/ModuleSource.h"
#include "objects/TokenFields.h"

namespace kyt
{

CPhotoObject::CPhotoObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CPhotoObject ("), parent)
{
}

QString CPhotoObject::TokenString() const
{
    tokens::TokenWriter w;
    writeBoxFields(w);
    w.integer(m_border).flag(m_stretchToFit);
    return w.result();
}

void CPhotoObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    readBoxFields(r);
    r.readInt16(6, m_border);
    r.readFlag(7, m_stretchToFit);
}

} // namespace kyt
