#pragma once
// The picture a photo object shows in the designer until the card is
// printed with a real photo: a neutral head-and-shoulders silhouette drawn
// from vector outlines at a resolution that stays clean when a photo box is
// large. Hosts that hand in their own default photo keep it.

#include "kyt/kytwidgets_export.h"
#include "platform/Picture.h"

namespace kyt
{

// Drawn once; portrait, 3 by 4.
KYTWIDGETS_PRIVATE_EXPORT Picture photoPlaceholder();

} // namespace kyt
