#pragma once
// What the notifier's tests share.

#include "notifier/notifier_session.h"

namespace pelmira::testing {

// The Monday the notifier's tests take as today.
inline constexpr CalendarDate kMonday{2026, 12, 7};

}  // namespace pelmira::testing
