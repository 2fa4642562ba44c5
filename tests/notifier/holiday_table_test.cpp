// The notifier's holiday table (from the holiday law of the year) and the move of a due
// date off Saturdays, Sundays and holidays.

#include "notifier/holiday_table.h"

#include <gtest/gtest.h>

#include "holidays/holiday_rules.h"
#include "notifier/kpelmirahm.h"

namespace pelmira {
namespace {

struct Date {
  i16 year, month, day;
  bool operator==(const Date&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Date& d) {
  return out << d.year << "-" << d.month << "-" << d.day;
}

struct Flags {
  bool saturday = false, sunday = false, holiday = false, before = false, after = false;
};

Date moved(const HolidayTable& table, Date date, Flags f) {
  frikae01(table, date.year, date.month, date.day, f.saturday, f.sunday, f.holiday, f.before,
           f.after);
  return date;
}

TEST(HolidayTable, SubstitutesLoseTheirNamesAndTheOrderStays) {
  const std::vector<HolidayEntry> entries = {
      {5, 3, "憲法記念日", 1}, {5, 4, "振替休日", 11}, {5, 4, "国民の休日", 2},
      {5, 5, "こどもの日", 3}, {5, 6, "振替休日", 10},
  };
  const HolidayTable table = holiday_table_of(entries);
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0].name, "憲法記念日");
  EXPECT_EQ(table[1].name, "");
  EXPECT_EQ(table[1].day, 4);
  EXPECT_EQ(table[2].name, "国民の休日");
  EXPECT_EQ(table[4].name, "");
  EXPECT_EQ(table[4].day, 6);
}

TEST(HolidayTable, FollowsTheHolidayLawOfTheYear) {
  // 2019 needs 22 slots; the days of the present law are there and the law of the 1990s
  // (12/23, 7/20, 9/15 every year) is not.
  const HolidayTable y2019 = saijitu(2019);
  EXPECT_EQ(y2019.size(), 22u);
  EXPECT_EQ(saijituhyouji(y2019, 5, 1), "天皇の即位の日");
  EXPECT_EQ(saijituhyouji(y2019, 11, 23), "勤労感謝の日");
  EXPECT_EQ(saijituhyouji(y2019, 11, 4), std::nullopt);  // a substitute: no name
  EXPECT_EQ(saijituhyouji(y2019, 12, 23), std::nullopt);

  const HolidayTable y2026 = saijitu(2026);
  EXPECT_EQ(saijituhyouji(y2026, 2, 23), "天皇誕生日");
  EXPECT_EQ(saijituhyouji(y2026, 9, 22), "国民の休日");
  EXPECT_EQ(saijituhyouji(y2026, 8, 11), "山の日");
  EXPECT_EQ(saijituhyouji(y2026, 7, 20), "海の日");  // the third Monday of July 2026
  EXPECT_EQ(saijituhyouji(y2026, 9, 15), std::nullopt);
  EXPECT_EQ(saijituhyouji(y2026, 12, 23), std::nullopt);
  EXPECT_EQ(saijituhyouji(y2026, 12, 7), std::nullopt);
  // Year 2000: the second Mondays.
  EXPECT_EQ(saijituhyouji(saijitu(2000), 1, 10), "成人の日");
  EXPECT_EQ(saijituhyouji(saijitu(2000), 10, 9), "体育の日");
  // Years before the holiday law have no holidays, and nothing fails.
  EXPECT_TRUE(saijitu(1).empty());
}

TEST(HolidayTable, OnlyTheFirstNamedSlotOfTheDayCounts) {
  const HolidayTable table = {{5, 4, ""}, {5, 4, "国民の休日"}, {5, 4, "みどりの日"}};
  EXPECT_EQ(saijituhyouji(table, 5, 4), "国民の休日");
}

TEST(Frikae01, Moves) {
  // 2026: 5/3 is a Sunday, 5/3-5/6 are holidays (5/6 the substitute); 2026-05-09 is a
  // Saturday; 4/29 a Wednesday. 2019's 11/23 (a Saturday) is in slot 22, past slot 20.
  const HolidayTable y2026 = saijitu(2026);
  const HolidayTable y2019 = saijitu(2019);
  struct Row {
    const char* name;
    const HolidayTable& table;
    Date date;
    Flags flags;
    Date want;
  };
  const Row rows[] = {
      {"nothing_without_a_direction",
       y2026,
       {2026, 5, 9},
       {true, true, true, false, false},
       {2026, 5, 9}},
      {"saturday_sunday_after_to_monday",
       y2026,
       {2026, 5, 9},
       {true, true, false, false, true},
       {2026, 5, 11}},
      {"saturday_sunday_before_to_friday",
       y2026,
       {2026, 5, 9},
       {true, true, false, true, false},
       {2026, 5, 8}},
      {"saturday_only_after_lands_on_sunday",
       y2026,
       {2026, 5, 9},
       {true, false, false, false, true},
       {2026, 5, 10}},
      {"sunday_flag_leaves_a_saturday",
       y2026,
       {2026, 5, 9},
       {false, true, false, false, true},
       {2026, 5, 9}},
      {"holiday_chain_after_in_one_pass",
       y2026,
       {2026, 5, 3},
       {false, false, true, false, true},
       {2026, 5, 7}},
      {"holiday_chain_before",
       y2026,
       {2026, 5, 6},
       {false, false, true, true, false},
       {2026, 5, 2}},
      {"holiday_chain_before_then_saturday",
       y2026,
       {2026, 5, 6},
       {true, true, true, true, false},
       {2026, 5, 1}},
      {"holiday_then_weekend_then_holiday",
       y2026,
       {2026, 9, 19},
       {true, true, true, false, true},
       {2026, 9, 24}},
      {"weekday_not_a_holiday",
       y2026,
       {2026, 6, 10},
       {true, true, true, false, true},
       {2026, 6, 10}},
      {"past_the_month_end_normalised",
       y2026,
       {2026, 1, 31},
       {true, true, false, false, true},
       {2026, 2, 2}},
      {"slot_22_is_scanned",
       y2019,
       {2019, 11, 23},
       {false, false, true, false, true},
       {2019, 11, 24}},
      {"slot_21_substitute",
       y2019,
       {2019, 11, 3},
       {false, false, true, false, true},
       {2019, 11, 5}},
      {"table_compared_by_month_and_day",
       y2026,
       {2027, 5, 5},
       {false, false, true, false, true},
       {2027, 5, 7}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(moved(r.table, r.date, r.flags), r.want);
  }
}

TEST(Frikae01, SundayHolidayWithItsSubstituteSlotRightAfter) {
  // A table as the 1990s law built it: 5/3 on a Sunday gives a substitute slot for 5/4
  // directly after it, then 5/4 and 5/5. A due date on 5/3 crosses all of them in one pass.
  const HolidayTable table = {{1, 1, "元日"},      {1, 15, "成人の日"},   {2, 11, "建国記念の日"},
                              {3, 21, "春分の日"}, {4, 29, "みどりの日"}, {5, 3, "憲法記念日"},
                              {5, 4, ""},          {5, 4, "国民の祝日"},  {5, 5, "こどもの日"}};
  EXPECT_EQ(moved(table, {1998, 5, 3}, {false, false, true, false, true}), (Date{1998, 5, 6}));
  EXPECT_EQ(moved(table, {1998, 5, 5}, {false, false, true, true, false}), (Date{1998, 5, 2}));
}

}  // namespace
}  // namespace pelmira
