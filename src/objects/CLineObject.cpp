#include "objects/CLineObject.h"

#include "errors/ModuleSource.h"
#include "objects/TokenFields.h"

namespace kyt
{

CLineObject::CLineObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CLineObject ("), parent)
{
}

QString CLineObject::TokenString() const
{
    tokens::TokenWriter w;
    writeBoxFields(w);
    w.integer(m_lineColor);
    return w.result();
}

void CLineObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    readBoxFields(r);
    r.readInt32(6, m_lineColor);
}

} // namespace kyt
