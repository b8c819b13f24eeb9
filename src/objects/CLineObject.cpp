#include "objects/CLineObject.h"

#include "objects/TokenFields.h"
#include "util/ModuleSource.h"

namespace kyt
{

CLineObject::CLineObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CLineObject ("), parent)
{
}

QString CLineObject::TokenString() const
{
    tokens::TokenWriter w;
    w.single(m_top).single(m_left).single(m_width).single(m_height);
    w.integer(m_zOrder).integer(m_lineColor);
    return w.result();
}

void CLineObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    r.readSingle(1, m_top);
    r.readSingle(2, m_left);
    r.readSingle(3, m_width);
    r.readSingle(4, m_height);
    r.readInt16(5, m_zOrder);
    r.readInt32(6, m_lineColor);
}

} // namespace kyt
