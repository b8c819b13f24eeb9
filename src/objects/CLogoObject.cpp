#include "objects/CLogoObject.h"

#include "errors/ModuleSource.h"
#include "objects/TokenFields.h"

namespace kyt
{

CLogoObject::CLogoObject(QObject* parent)
    : CDesignObject(kyt::moduleSource(".CLogoObject ("), parent)
{
}

QString CLogoObject::TokenString() const
{
    tokens::TokenWriter w;
    writeBoxFields(w);
    w.integer(m_index).integer(m_border).flag(m_stretchToFit);
    return w.result();
}

void CLogoObject::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, FieldCount);
    readBoxFields(r);
    r.readInt16(6, m_index);
    r.readInt16(7, m_border);
    r.readFlag(8, m_stretchToFit);
}

} // namespace kyt
