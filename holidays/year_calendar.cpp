#include "holidays/year_calendar.h"

#include <string_view>

#include "core/calendar.h"
#include "core/trap.h"
#include "holidays/holiday_rules.h"

namespace pelmira {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};
constexpr int kLine = 300;  // line height and column width
constexpr int kLeftMargin = 500;
constexpr int kColumnWidth = 2500;

void print(YearCalendar& calendar, int x, int y, std::string text, PrintInk ink) {
  calendar.items.push_back({x, y, std::move(text), ink});
}

void build(i16 year, YearCalendar& calendar) {
  print(calendar, kLeftMargin, 0,
        "　　西暦 " + std::to_string(year) +
            " 年のカレンダー。　このカレンダーは「現在」側の年で表示します。",
        PrintInk::kWhite);
  const i32 january_first = guleyulibi(year, 1, 1, kModeGregorian);
  int col = static_cast<int>(((i64{january_first} + 2) % 7 + 7) % 7);
  int x = kLeftMargin;
  int top = 0;  // the line the month's caption stands on, less one
  for (i16 month = 1; month <= 12; ++month) {
    print(calendar, x + 800, kLine * top + kLine, std::to_string(month) + "　月", PrintInk::kWhite);
    for (int i = 0; i < 7; ++i)
      print(calendar, x + kLine * i, kLine * top + 2 * kLine,
            std::string(kWeekdays[static_cast<std::size_t>(i)]),
            i == 0 ? PrintInk::kRed : PrintInk::kWhite);
    int line = top + 3;
    const std::array<bool, 32> holidays = holiday_flags(year, month);
    const i16 length = nyou2(year, month, 1, kModeGregorian);
    for (i16 day = 1; day <= length && day <= 31; ++day) {
      const bool red = holidays[static_cast<std::size_t>(day)] || col == 0;
      print(calendar, x + kLine * col, kLine * line, std::to_string(day),
            red ? PrintInk::kRed : PrintInk::kWhite);
      if (++col == 7) {
        col = 0;
        ++line;
      }
    }
    ++line;
    x = kColumnWidth * (month / 3) + kLeftMargin;
    top = month % 3 != 0 ? line : 0;
  }
}

}  // namespace

std::array<bool, 32> holiday_flags(i16 year, i16 month) {
  std::array<bool, 32> flags{};
  trap("saijitu", [&] {
    const MonthHolidays table = Ssaijitu(year, month);
    for (std::size_t j = 1; j <= table.entries() && j <= kLastHolidaySlot; ++j) {
      const i16 d = table.holidayDays[j];
      if (d >= 1 && d <= 31) flags[static_cast<std::size_t>(d)] = true;
    }
  });
  return flags;
}

YearCalendar formcalnder(i16 year) {
  YearCalendar calendar;
  trap("formcalnder", [&] { build(year, calendar); });
  return calendar;
}

}  // namespace pelmira
