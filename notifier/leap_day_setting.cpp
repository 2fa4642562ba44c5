#include "notifier/leap_day_setting.h"

#include "settings/setting_values.h"

namespace pelmira {

LeapDayMove leap_day_move(const SettingsStore& store) {
  const i16 value = read_i16_or_default(store, setting::kLeapDayBirthday);
  if (value == 1) return LeapDayMove::kFebruary28;
  if (value == 2) return LeapDayMove::kMarch1;
  return LeapDayMove::kLeapYearsOnly;
}

}  // namespace pelmira
