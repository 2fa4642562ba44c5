// The year calendar's printed items: the title, the month and weekday headers in four
// columns, the running weekday column, and red for Sundays and holidays only.

#include "holidays/year_calendar.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "holidays/holiday_rules.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

const PrintedItem* find_item(const YearCalendar& calendar, int x, int y) {
  for (const PrintedItem& item : calendar.items)
    if (item.x == x && item.y == y) return &item;
  return nullptr;
}

struct ItemRow {
  const char* name;
  int x, y;
  const char* text;
  PrintInk ink;
};

TEST(YearCalendar, Items2026) {
  RecordingReporter reporter;
  const YearCalendar calendar = formcalnder(2026);
  EXPECT_TRUE(reporter.empty());
  // 1 January 2026 is a Thursday; January takes lines 3 to 7 and, ending on a Saturday,
  // moves on to line 8 before the blank line, so February's caption stands on line 10 and
  // its days (from Sunday the 1st) start on line 12.
  const ItemRow rows[] = {
      {"title", 500, 0,
       "　　西暦 2026 年のカレンダー。　このカレンダーは「現在」側の年で表示します。",
       PrintInk::kWhite},
      {"january_caption", 1300, 300, "1　月", PrintInk::kWhite},
      {"january_sunday_header", 500, 600, "日", PrintInk::kRed},
      {"january_saturday_header", 2300, 600, "土", PrintInk::kWhite},
      {"new_year", 1700, 900, "1", PrintInk::kRed},
      {"first_friday", 2000, 900, "2", PrintInk::kWhite},
      {"first_saturday", 2300, 900, "3", PrintInk::kWhite},
      {"first_sunday", 500, 1200, "4", PrintInk::kRed},
      {"coming_of_age", 800, 1500, "12", PrintInk::kRed},
      {"january_31_saturday", 2300, 2100, "31", PrintInk::kWhite},
      {"february_caption", 1300, 3000, "2　月", PrintInk::kWhite},
      {"february_first_sunday", 500, 3600, "1", PrintInk::kRed},
      {"april_caption", 3800, 300, "4　月", PrintInk::kWhite},
      {"april_first_wednesday", 3900, 900, "1", PrintInk::kWhite},
      {"july_caption", 6300, 300, "7　月", PrintInk::kWhite},
      {"october_caption", 8800, 300, "10　月", PrintInk::kWhite},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const PrintedItem* item = find_item(calendar, r.x, r.y);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, r.text);
    EXPECT_EQ(item->ink, r.ink);
  }
}

// Every day is printed once, in its month's column and its weekday's place, red exactly
// when it is a Sunday or a holiday.
TEST(YearCalendar, DaysFollowWeekdaysAndHolidays) {
  for (const i16 year : {1873, 1987, 2000, 2019, 2026}) {
    SCOPED_TRACE(year);
    std::set<std::pair<int, int>> holidays;
    for (const HolidayEntry& e : holidays_of_year(year)) holidays.insert({e.month, e.day});
    const YearCalendar calendar = formcalnder(year);
    // Items: title, then per month its caption, seven headers and its days.
    std::size_t at = 1;
    for (i16 month = 1; month <= 12; ++month) {
      const int column_x = 500 + 2500 * ((month - 1) / 3);
      at += 8;
      const i16 length = nyou2(year, month, 1, kModeGregorian);
      for (i16 day = 1; day <= length; ++day, ++at) {
        ASSERT_LT(at, calendar.items.size());
        const PrintedItem& item = calendar.items[at];
        const int weekday = yulibiyous(guleyulibi(year, month, day, kModeGregorian));
        EXPECT_EQ(item.text, std::to_string(day));
        EXPECT_EQ(item.x, column_x + 300 * weekday);
        const bool red = weekday == 0 || holidays.count({month, day}) > 0;
        EXPECT_EQ(item.ink, red ? PrintInk::kRed : PrintInk::kWhite) << month << "/" << day;
      }
    }
    EXPECT_EQ(at, calendar.items.size());
  }
}

TEST(YearCalendar, HolidayFlags) {
  const std::array<bool, 32> may = holiday_flags(1987, 5);
  std::vector<int> days;
  for (int d = 0; d < 32; ++d)
    if (may[static_cast<std::size_t>(d)]) days.push_back(d);
  EXPECT_EQ(days, (std::vector<int>{3, 4, 5}));
  RecordingReporter reporter;
  EXPECT_EQ(holiday_flags(2026, 13), (std::array<bool, 32>{}));
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"Ssaijitu"});
}

}  // namespace
}  // namespace pelmira
