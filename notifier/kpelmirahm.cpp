#include "notifier/kpelmirahm.h"

#include <array>

#include "core/runtime_error.h"

namespace pelmira {
namespace {

constexpr std::array<i16, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
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

// A group of ASCII digits as a 16-bit number: leading zeros are fine, more than the width
// overflows.
i16 group_value(std::string_view digits) {
  i64 value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > 32767) raise_overflow();
  }
  return static_cast<i16>(value);
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
  i64 n = days_before_year(year);
  for (i16 m = 1; m < month; ++m) n += monthLength(year, m);
  return to_i32(n + day);
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
    std::array<std::string_view, kMaxDateGroups> groups{};
    std::size_t count = 0;
    std::size_t start = std::string_view::npos;
    const auto close_group = [&](std::size_t end) {
      if (start == std::string_view::npos) return;
      if (count == kMaxDateGroups) raise_error(err::kSubscript);
      groups[count++] = text.substr(start, end - start);
      start = std::string_view::npos;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] >= '0' && text[i] <= '9') {
        if (start == std::string_view::npos) start = i;
      } else {
        close_group(i);
      }
    }
    close_group(text.size());
    if (count > 0) year = group_value(groups[0]);
    if (count > 1) month = group_value(groups[1]);
    if (count > 2) day = group_value(groups[2]);
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
