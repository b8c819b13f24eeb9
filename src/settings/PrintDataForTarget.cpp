#include "settings/PrintDataForTarget.h"

#include "settings/CTargetApplication.h"

namespace kyt
{

std::shared_ptr<CPrintData> createPrintDataFor(const QString& targetApplication)
{
    if (targetApplication.isEmpty())
        return std::make_shared<CPrintData>();
    CTargetApplication target;
    target.setProgId(targetApplication);
    return target.PrintData();
}

} // namespace kyt
