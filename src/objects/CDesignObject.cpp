#include "objects/CDesignObject.h"

#include "template/CPrintTemplate.h"

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

CDesignObject::ScaledBox CDesignObject::scaledBox(const CPrintTemplate& oTemplate) const
{
    return scaledBox(oTemplate.Scalor(), oTemplate.XOffset(), oTemplate.YOffset());
}

} // namespace kyt
