#include "objects/CParseString.h"

namespace kyt
{

// Failures of a parse string are reported as "CParseString Render": the
// module text is just the class name.
CParseString::CParseString(QObject* parent)
    : CDesignObject(QStringLiteral("CParseString"), parent)
{
}

} // namespace kyt
