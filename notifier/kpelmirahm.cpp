#include "notifier/kpelmirahm.h"

#include <algorithm>
#include <array>

#include "core/runtime_error.h"

namespace pelmira {
namespace {

constexpr std::array<i16, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days of a common year before the first of each month.
constexpr std::array<i16, 12> kDaysBeforeMonth{0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};
constexpr std::array<const char*, 7> kWeekdayChars{"日", "月", "火", "水", "木", "金", "土"};

constexpr std::size_t kMaxDateGroups = 17;

bool is_leap(i64 year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

void check_month(i64 month) {
  if (month < 1 || month > 12) raise_error(err::kSubscript);
}

// Days before 1 January of `year` plus one (the day number of 0 January), in 64 bits.
i64 days_before_year(i64 year) {
  const i64 y = year - 1;
  return 365 * y + y / 4 - y / 100 + y / 400;
}

std::string alert_text(std::int32_t number, std::string_view message) {
  return "ｴﾗｰ " + std::to_string(number) + "\r" + std::string(message);
}

}  // namespace

i16 monthLength(i16 year, i16 month) {
  check_month(month);
  if (month == 2 && is_leap(year)) return 29;
  return kMonthDays[static_cast<std::size_t>(month - 1)];
}

i32 dayNumber(i16 year, i16 month, i16 day) {
  check_month(month);
  const i64 leap_day = month > 2 && is_leap(year) ? 1 : 0;
  return to_i32(days_before_year(year) + kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] +
                leap_day + day);
}

i16 weekdayNumber(i16 year, i16 month, i16 day) {
  // Day 1 (1 January of year 1) is a Monday.
  const i64 n = dayNumber(year, month, day);
  return static_cast<i16>(((n % 7) + 7) % 7);
}

std::string weekdayChar(i16 year, i16 month, i16 day) {
  return kWeekdayChars[static_cast<std::size_t>(weekdayNumber(year, month, day))];
}

void dateOfDayNumber(i32 day_number, i16& year, i16& month, i16& day) {
  // First guess from the mean Gregorian year, then step to the year that holds the day.
  i64 y = static_cast<i64>(day_number) * 400 / 146097 + 1;
  while (days_before_year(y) >= day_number) --y;
  while (days_before_year(y + 1) < day_number) ++y;
  year = to_i16(y);
  i64 rest = day_number - days_before_year(y);
  i16 m = 1;
  while (rest > monthLength(year, m)) rest -= monthLength(year, m++);
  month = m;
  day = static_cast<i16>(rest);
}

void normalizeDate(i16& year, i16& month, i16& day) {
  if (month >= 1 && month <= 12 && day >= 1 && day <= 28) return;  // every month has these
  while (month <= 0) {
    month = add16(month, 12);
    year = sub16(year, 1);
  }
  while (month > 12) {
    month = sub16(month, 12);
    year = add16(year, 1);
  }
  while (day > monthLength(year, month)) {
    day = sub16(day, monthLength(year, month));
    if (++month > 12) {
      month = 1;
      year = add16(year, 1);
    }
  }
  while (day <= 0) {
    if (--month < 1) {
      month = 12;
      year = sub16(year, 1);
    }
    day = add16(day, monthLength(year, month));
  }
}

std::string readDateText(std::string_view text, i16& year, i16& month, i16& day,
                         std::vector<DateReaderAlert>& alerts) {
  try {
    // One pass: count the groups and keep the first three (a value past the width is
    // remembered as such and overflows when it is assigned, in field order).
    constexpr i64 kTooLarge = 32768;
    std::array<i64, 3> values{};
    std::size_t groups = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
      if (text[i] < '0' || text[i] > '9') {
        ++i;
        continue;
      }
      if (++groups > kMaxDateGroups) raise_error(err::kSubscript);
      i64 v = 0;
      for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i)
        if (v < kTooLarge) v = v * 10 + (text[i] - '0');
      if (groups <= values.size()) values[groups - 1] = v;
    }
    const auto field = [](i64 v) -> i16 {
      if (v >= kTooLarge) raise_overflow();
      return static_cast<i16>(v);
    };
    if (groups > 0) year = field(values[0]);
    if (groups > 1) month = field(values[1]);
    if (groups > 2) day = field(values[2]);
  } catch (const RuntimeError& e) {
    if (e.number() == err::kOverflow) {
      alerts.push_back({alert_text(e.number(), "オーバーフローしました。"), false});
    } else {
      alerts.push_back(
          {alert_text(e.number(), "予期しないエラーが発生しました。\r強制終了します。"), true});
      throw DateReaderAbort{};
    }
  }
  return "西暦";
}

}  // namespace pelmira
