#pragma once
// The picture photo objects show when they have no photo of their own: in
// the designer, the Preview control and printed cards alike.

#include "kyt/kytcore_export.h"
#include "platform/Picture.h"

namespace kyt
{

// The 32 x 32, 24-bit smiling face.
KYTCORE_PRIVATE_EXPORT Picture placeholderPhoto();

} // namespace kyt
