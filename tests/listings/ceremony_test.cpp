// The ceremony tables: wedding anniversaries, 七五三 and longevity, memorial days and
// unlucky years, counted forwards from the first date or backwards from the "現在" date.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listings/builders.h"
#include "support/dated_state.h"

namespace pelmira {
namespace {

using testing::dated_state;
using testing::Ymd;

using Builder = Listing (*)(const ProgramState&, ListingSession&);

struct Case {
  const char* name;
  Builder build;
  Ymd first, now;
  i16 side;
  std::size_t line_count;
  std::vector<std::pair<int, const char*>> lines;
  int selected;
};

void check(const Case& c) {
  SCOPED_TRACE(c.name);
  const ProgramState state = dated_state(c.first, c.now);
  ListingSession session;
  session.side = c.side;
  const Listing listing = c.build(state, session);
  ASSERT_EQ(listing.lines.size(), c.line_count);
  for (const auto& [row, text] : c.lines) {
    SCOPED_TRACE(row);
    EXPECT_EQ(listing.lines[static_cast<std::size_t>(row)], text);
  }
  EXPECT_EQ(listing.selected, c.selected);
}

TEST(WeddingListing, AnniversariesAndTheirYears) {
  const Case cases[] = {
      {"forwards_selects_the_now_year",
       kekkonh,
       {2000, 6, 10},
       {2025, 1, 1},
       0,
       26,
       {{0, "\t\t\t祝年"},
        {1, ""},
        {2, " 1年目　　　　　　紙婚式  平成13年"},
        {16, "15年目　　　　　水晶婚式  平成27年"},
        {17, "20年目　　　　陶磁器婚式  令和 2年"},
        {18, "25年目　　　　　　銀婚式  令和 7年"},
        {25, "60年目　ダイヤモンド婚式  令和42年"}},
       18},
      {"first_group_selection", kekkonh, {2000, 6, 10}, {2014, 1, 1}, 0, 26, {}, 15},
      {"era_of_the_year_follows_the_wedding_day_before_reiwa",
       kekkonh,
       {1999, 3, 1},
       {2000, 1, 1},
       0,
       26,
       {{17, "20年目　　　　陶磁器婚式  平成31年"}},
       2},
      {"era_of_the_year_follows_the_wedding_day_after_reiwa",
       kekkonh,
       {1999, 6, 1},
       {2000, 1, 1},
       0,
       26,
       {{17, "20年目　　　　陶磁器婚式  令和 1年"}},
       2},
      {"backwards_from_now",
       kekkonh,
       {1999, 6, 10},
       {2024, 6, 10},
       1,
       26,
       {{0, "\t\t結婚した年"}, {2, " 1年目　　　　　　紙婚式  令和 5年"}},
       18},
  };
  for (const Case& c : cases) check(c);
}

TEST(CelebrationListing, ShichiGoSanAndLongevity) {
  const Case cases[] = {
      {"forwards",
       sangah,
       {2000, 6, 10},
       {2006, 1, 1},
       0,
       18,
       {{0, "\t\t祝年"},
        {1, ""},
        {2, "** 七五三 **"},
        {3, "髪置(三歳)\t平成14年"},
        {4, "袴着(五歳男)\t平成16年"},
        {5, "帯解(七歳女)\t平成18年"},
        {6, ""},
        {7, "** 算賀 **"},
        {8, "還暦(六一歳)\t令和42年"},
        {15, "紀寿(百歳)\t令和81年"},
        {16, ""},
        {17, "(年齢は全て数え年)"}},
       5},
      {"kanreki_birth_year_from_now",
       sangah,
       {1964, 3, 3},
       {2024, 6, 1},
       1,
       18,
       {{0, "\t\t生年"}, {8, "還暦(六一歳)\t昭和39年"}},
       8},
      {"shichigosan_era_read_in_november",
       sangah,
       {2017, 1, 1},
       {2017, 1, 1},
       0,
       18,
       {{3, "髪置(三歳)\t令和1年"}},
       -1},
      {"longevity_era_read_at_new_year",
       sangah,
       {1959, 8, 1},
       {2000, 1, 1},
       0,
       18,
       {{8, "還暦(六一歳)\t平成31年"}},
       -1},
  };
  for (const Case& c : cases) check(c);
}

TEST(UnluckyYearListing, WomenAndMen) {
  const Case cases[] = {
      {"forwards_men_selected",
       yakudoshi,
       {2000, 6, 10},
       {2024, 1, 1},
       0,
       17,
       {{0, "　　　　　　　　　　　該当年"},
        {2, "** 女性 **"},
        {3, "厄年(　十九歳)　　　平成30年"},
        {4, "前厄(三十二歳)　　　令和13年"},
        {8, ""},
        {9, "** 男性 **"},
        {10, "厄年(二十五歳)　　　令和6年"},
        {14, "厄年(六十一歳)　　　令和42年"},
        {15, ""},
        {16, "(年齢は全て数え年)"}},
       10},
      {"forwards_women_selected", yakudoshi, {2000, 6, 10}, {2033, 1, 1}, 0, 17, {}, 6},
      {"era_read_after_setsubun",
       yakudoshi,
       {2001, 1, 1},
       {2001, 1, 1},
       0,
       17,
       {{3, "厄年(　十九歳)　　　平成31年"}},
       -1},
      {"birth_years_from_now",
       yakudoshi,
       {1982, 1, 1},
       {2024, 1, 1},
       1,
       17,
       {{0, "　　　　　　　　　　　生年"}, {12, "大厄(四十二歳)　　　昭和58年"}},
       13},
  };
  for (const Case& c : cases) check(c);
}

TEST(MemorialListing, DaysAndYearsAfterTheDeath) {
  const Case cases[] = {
      {"death_on_20_january_common_year",
       meinithih,
       {2023, 1, 20},
       {2024, 1, 20},
       0,
       16,
       {{0, "\t\t命日の年月日"},
        {1, ""},
        {2, "　　初七日\t令和 5/ 1/26"},
        {3, "　三十五日\t令和 5/ 2/23"},
        {4, "　四十九日\t令和 5/ 3/ 9"},
        {5, ""},
        {6, "　　一周忌\t令和 6/ 1/20"},
        {7, "　　三回忌\t令和 7/ 1/20"},
        {15, "　　百回忌\t2122/ 1/20"}},
       6},
      {"death_on_20_january_leap_year",
       meinithih,
       {2024, 1, 20},
       {2024, 3, 8},
       0,
       16,
       {{4, "　四十九日\t令和 6/ 3/ 8"}},
       4},
      {"death_dates_from_now",
       meinithih,
       {2024, 1, 21},
       {2024, 3, 9},
       1,
       16,
       {{0, "\t\t死去した年月日"},
        {4, "　四十九日\t令和 6/ 1/21"},
        {6, "　　一周忌\t令和 5/ 3/ 9"}},
       4},
  };
  for (const Case& c : cases) check(c);
}

}  // namespace
}  // namespace pelmira
