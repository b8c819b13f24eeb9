// Control arrays: elements of one object kind loaded and unloaded by index.

#include "designer/ControlArray.h"
#include <QCoreApplication>

#include "errors/CError.h"

namespace kyt
{

ControlArray::ControlArray(DesignSurface* surface, DesignControl::Kind kind)
    : m_surface(surface)
    , m_kind(kind)
{
    Load(0);
}

ControlArray::~ControlArray()
{
    // The widgets belong to the surface; they go with it.
}

DesignControl* ControlArray::Item(int index) const
{
    auto it = m_items.find(index);
    return it == m_items.end() ? nullptr : it->second;
}

DesignControl* ControlArray::Load(int index)
{
    if (index < 0 || index > 32767)
        throw KytError(340,
            QCoreApplication::translate("kyt::ControlArray", "Control array element '%1' does not exist").arg(index));
    if (m_items.count(index))
        throw KytError(360, QCoreApplication::translate("kyt::ControlArray", "Object already loaded"));
    // A new element starts from the kind's defaults, not from element 0,
    // so a new logo never inherits another logo's picture.
    auto* control = new DesignControl(m_surface, this, m_kind, index);
    m_items[index] = control;
    return control;
}

void ControlArray::Unload(int index)
{
    if (index == 0)
        throw KytError(
            362, QCoreApplication::translate("kyt::ControlArray", "Can't unload controls created at design time"));
    auto it = m_items.find(index);
    if (it == m_items.end())
        throw KytError(340,
            QCoreApplication::translate("kyt::ControlArray", "Control array element '%1' does not exist").arg(index));
    DesignControl* control = it->second;
    m_items.erase(it);
    control->hide();
    control->deleteLater();
}

int ControlArray::UBound() const
{
    return m_items.empty() ? -1 : m_items.rbegin()->first;
}

std::vector<DesignControl*> ControlArray::elements() const
{
    std::vector<DesignControl*> out;
    out.reserve(m_items.size());
    for (const auto& [index, control] : m_items)
        out.push_back(control);
    return out;
}

} // namespace kyt
