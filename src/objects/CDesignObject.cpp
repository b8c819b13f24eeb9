#include "objects/CDesignObject.h"

#include "objects/TokenFields.h"

namespace kyt
{

CDesignObject::CDesignObject(QString moduleSource, QObject* parent)
    : QObject(parent)
    , m_moduleSource(std::move(moduleSource))
{
}

CDesignObject::~CDesignObject() = default;

CDesignObject::ScaledBox CDesignObject::scaledBox(double scalor, float templateXOffset, float templateYOffset) const
{
    ScaledBox box;
    box.W = static_cast<double>(m_width) * scalor;
    box.H = static_cast<double>(m_height) * scalor;
    // The offset and the position are added in single precision first.
    box.X = static_cast<double>(templateXOffset + m_left) * scalor;
    box.Y = static_cast<double>(templateYOffset + m_top) * scalor;
    return box;
}

CDesignObject::ScaledBox CDesignObject::scaledBox(const CardScale& oTemplate) const
{
    return scaledBox(oTemplate.Scalor(), oTemplate.XOffset(), oTemplate.YOffset());
}

void CDesignObject::writeBoxFields(tokens::TokenWriter& w) const
{
    w.single(m_top).single(m_left).single(m_width).single(m_height).integer(m_zOrder);
}

void CDesignObject::readBoxFields(const tokens::TokenReader& r)
{
    r.readSingle(1, m_top);
    r.readSingle(2, m_left);
    r.readSingle(3, m_width);
    r.readSingle(4, m_height);
    r.readInt16(5, m_zOrder);
}

} // namespace kyt
