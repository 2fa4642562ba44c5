#pragma once
// The stored choice for 29 February birthdays in common years ("tannyugamen"/"uruu"), read
// by every program that evaluates the notifier's rules.

#include "notifier/notification_rule.h"
#include "settings/settings_store.h"

namespace pelmira {

// 1 and 2 choose 28 February and 1 March; anything else (the default 0, a text that is no
// such number) keeps such birthdays to leap years.
LeapDayMove leap_day_move(const SettingsStore& store);

}  // namespace pelmira
