#pragma once
// The print data the Preview control's CreatePrintData hands out: empty, or
// filled by the named target application's object.

#include "kyt/kytcore_export.h"
#include "template/CPrintData.h"
#include <QString>
#include <memory>

namespace kyt
{

KYTCORE_EXPORT std::shared_ptr<CPrintData> createPrintDataFor(const QString& targetApplication);

} // namespace kyt
