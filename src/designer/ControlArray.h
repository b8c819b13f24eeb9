#pragma once
// A control array: elements of one kind told apart by Index. Element 0
// exists from the start, invisible until used; further elements are loaded
// and unloaded at run time.

#include "designer/DesignControl.h"
#include "kyt/kytwidgets_export.h"
#include <map>
#include <vector>

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT ControlArray
{
public:
    ControlArray(DesignSurface* surface, DesignControl::Kind kind);
    ~ControlArray();
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    QString Name() const { return DesignControl::kindName(m_kind); }
    DesignControl::Kind kind() const { return m_kind; }

    // The element with this index; nullptr when none is loaded.
    DesignControl* Item(int index) const;
    DesignControl* operator()(int index) const { return Item(index); }
    // Loads a new, invisible element; throws KytError 360 when the index is
    // in use and 340 for a negative one.
    DesignControl* Load(int index);
    // Unloads a loaded element; element 0 cannot be unloaded (KytError 362).
    void Unload(int index);
    int UBound() const;
    int LBound() const { return 0; }
    int Count() const { return static_cast<int>(m_items.size()); }
    // Elements in index order.
    std::vector<DesignControl*> elements() const;

private:
    DesignSurface* m_surface;
    DesignControl::Kind m_kind;
    std::map<int, DesignControl*> m_items;
};

} // namespace kyt
