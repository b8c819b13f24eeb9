#include "objects/CRectangleObject.h"

#include "errors/ModuleSource.h"
#include "objects/TokenFields.h"

namespace kyt
{

CRectangleObject::CRectangleObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CRectangleObject ("), parent)
{
}

QString CRectangleObject::TokenString() const
{
    tokens::TokenWriter w;
    writeBoxFields(w);
    w.integer(m_border).integer(m_backColor).integer(m_foreColor);
    return w.result();
}

void CRectangleObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    readBoxFields(r);
    r.readInt16(6, m_border);
    r.readInt32(7, m_backColor);
    r.readInt32(8, m_foreColor);
}

} // namespace kyt
