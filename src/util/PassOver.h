#pragma once
// The one silent catch: a step whose failure must not stop what follows (a
// printer that lacks a setting, a control that refuses one property). The
// library's exceptions it throws end here on purpose; anything else is not
// the library's and goes on.

#include <exception>
#include <utility>

namespace kyt
{

template <typename Step> void passOver(Step&& step)
{
    try {
        std::forward<Step>(step)();
    } catch (const std::exception&) {
        // Passed over by design: see above.
    }
}

} // namespace kyt
