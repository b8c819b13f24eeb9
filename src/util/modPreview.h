#pragma once
// Field extraction for data streams and the aspect-keeping fit factor.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

// index-th field of text split at the first character of delimiter; not
// trimmed; compared exactly.
KYTCORE_PRIVATE_EXPORT QString GetField(const QString& text, const QString& delimiter, int index);

// Factor that scales a w x h rectangle into a bw x bh box keeping its aspect
// ratio (enlarges a smaller one, reduces a larger one). Single precision.
KYTCORE_PRIVATE_EXPORT float GetFitFactor(double w, double h, double bw, double bh);

} // namespace kyt
