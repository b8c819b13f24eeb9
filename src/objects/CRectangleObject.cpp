#include "objects/CRectangleObject.h"

#include "objects/TokenFields.h"
#include "util/ModuleSource.h"

namespace kyt
{

CRectangleObject::CRectangleObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CRectangleObject ("), parent)
{
}

QString CRectangleObject::TokenString() const
{
    tokens::TokenWriter w;
    w.single(m_top).single(m_left).single(m_width).single(m_height);
    w.integer(m_zOrder).integer(m_border).integer(m_backColor).integer(m_foreColor);
    return w.result();
}

void CRectangleObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    r.readSingle(1, m_top);
    r.readSingle(2, m_left);
    r.readSingle(3, m_width);
    r.readSingle(4, m_height);
    r.readInt16(5, m_zOrder);
    r.readInt16(6, m_border);
    r.readInt32(7, m_backColor);
    r.readInt32(8, m_foreColor);
}

} // namespace kyt
