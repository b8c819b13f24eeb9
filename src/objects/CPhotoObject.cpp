#include "objects/CPhotoObject.h"

#include "objects/TokenFields.h"
#include "util/ModuleSource.h"

namespace kyt
{

CPhotoObject::CPhotoObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CPhotoObject ("), parent)
{
}

QString CPhotoObject::TokenString() const
{
    tokens::TokenWriter w;
    w.single(m_top).single(m_left).single(m_width).single(m_height);
    w.integer(m_zOrder).integer(m_border).flag(m_stretchToFit);
    return w.result();
}

void CPhotoObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    r.readSingle(1, m_top);
    r.readSingle(2, m_left);
    r.readSingle(3, m_width);
    r.readSingle(4, m_height);
    r.readInt16(5, m_zOrder);
    r.readInt16(6, m_border);
    r.readFlag(7, m_stretchToFit);
}

} // namespace kyt
