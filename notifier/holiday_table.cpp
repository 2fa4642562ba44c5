#include "notifier/holiday_table.h"

#include "core/runtime_error.h"
#include "holidays/holiday_rules.h"
#include "notifier/kpelmirahm.h"

namespace pelmira {
namespace {

constexpr i16 kSaturday = 6;
constexpr i16 kSunday = 0;

bool is_substitute(const HolidayEntry& entry) {
  return entry.kind == 10 || entry.kind == 11;
}

// The holiday check: scans the slots from the one numbered as the date's month towards the
// end (upwards) or from the last slot down to it (downwards), stepping the date one day on
// each slot it matches. Slots are in date order and a month's first slot number is at least
// the month, so a run of consecutive holidays is crossed in one pass.
void holiday_check(const HolidayTable& table, i16& month, i16& day, i16& weekday, int step) {
  const auto last = static_cast<i64>(table.size());
  const auto matches = [&](i64 slot) {
    const HolidaySlot& s = table[static_cast<std::size_t>(slot - 1)];
    return s.month == month && s.day == day;
  };
  const auto move = [&] {
    day = add16(day, step);
    weekday = static_cast<i16>((weekday + step + 7) % 7);
  };
  if (step > 0) {
    for (i64 slot = month; slot <= last; ++slot)
      if (matches(slot)) move();
  } else {
    for (i64 slot = last; slot >= month && slot >= 1; --slot)
      if (matches(slot)) move();
  }
}

}  // namespace

HolidayTable holiday_table_of(const std::vector<HolidayEntry>& entries) {
  HolidayTable table;
  table.reserve(entries.size());
  for (const HolidayEntry& entry : entries)
    table.push_back({entry.month, entry.day, is_substitute(entry) ? std::string() : entry.name});
  return table;
}

HolidayTable saijitu(i16 year) {
  return holiday_table_of(holidays_of_year(year));
}

std::optional<std::string> saijituhyouji(const HolidayTable& table, i16 month, i16 day) {
  for (const HolidaySlot& slot : table)
    if (slot.month == month && slot.day == day && !slot.name.empty()) return slot.name;
  return std::nullopt;
}

void frikae01(const HolidayTable& table, i16& year, i16& month, i16& day, bool saturday,
              bool sunday, bool holiday, bool before, bool after) {
  if (!before && !after) {  // nothing moves; the month is checked as the weekday would
    if (month < 1 || month > 12) raise_error(err::kSubscript);
    normalizeDate(year, month, day);
    return;
  }
  i16 weekday = weekdayNumber(year, month, day);
  if (after) {
    if (holiday) holiday_check(table, month, day, weekday, +1);
    if (saturday && weekday == kSaturday) {
      day = add16(day, 1);
      weekday = kSunday;
    }
    if (sunday && weekday == kSunday) {
      day = add16(day, 1);
      weekday = 1;
    }
    if (holiday) holiday_check(table, month, day, weekday, +1);
  }
  if (before) {
    if (holiday) holiday_check(table, month, day, weekday, -1);
    if (sunday && weekday == kSunday) {
      day = sub16(day, 1);
      weekday = kSaturday;
    }
    if (saturday && weekday == kSaturday) {
      day = sub16(day, 1);
      weekday = 5;
    }
    if (holiday) holiday_check(table, month, day, weekday, -1);
  }
  normalizeDate(year, month, day);
}

}  // namespace pelmira
