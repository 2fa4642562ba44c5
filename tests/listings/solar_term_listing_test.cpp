// The solar-term listing: the 24 terms of the calculation side's year, in longitude order.

#include <gtest/gtest.h>

#include "listings/builders.h"
#include "support/dated_state.h"

namespace pelmira {
namespace {

using testing::dated_state;

TEST(SolarTermListing, TermsOfTheCalculationSidesYear) {
  struct Row {
    const char* name;
    testing::Ymd birth, now;
    i16 side;
    i16 western_only;
    int row;
    const char* line;
    int selected;
  };
  const Row rows[] = {
      {"spring_equinox_2000",
       {2000, 3, 20},
       {2024, 1, 1},
       0,
       0,
       0,
       "春分 平成12年 3月20日 16時35分   0度",
       0},
      {"autumn_equinox_2000",
       {2000, 9, 23},
       {2024, 1, 1},
       0,
       0,
       12,
       "秋分 平成12年 9月23日  2時20分 180度",
       12},
      {"risshun_2024_from_now",
       {2000, 9, 23},
       {2024, 2, 4},
       1,
       0,
       21,
       "立春 令和 6年 2月 4日 17時35分 315度",
       21},
      {"western_only",
       {2000, 3, 1},
       {2024, 1, 1},
       0,
       1,
       0,
       "春分 2000年 3月20日 16時35分   0度",
       -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state = dated_state(r.birth, r.now);
    state.western_only = r.western_only;
    ListingSession session;
    session.side = r.side;
    const Listing listing = sekkih(state, session);
    ASSERT_EQ(listing.lines.size(), 24u);
    EXPECT_EQ(listing.lines[static_cast<std::size_t>(r.row)], r.line);
    EXPECT_EQ(listing.selected, r.selected);
  }
}

TEST(SolarTermListing, LongitudeOrderAndTheNewEra) {
  const ProgramState state = dated_state({2019, 1, 1}, {2024, 1, 1});
  ListingSession session;
  const Listing listing = sekkih(state, session);
  const char* names[] = {"春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑",
                         "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬",
                         "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};
  for (std::size_t i = 0; i < 24; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(listing.lines[i].substr(0, 6), names[i]);
    const std::string degrees = std::to_string(i * 15) + "度";
    EXPECT_EQ(listing.lines[i].substr(listing.lines[i].size() - degrees.size()), degrees);
  }
  // 穀雨 falls in April of 平成31, 立夏 in May of 令和1; the winter terms keep the year.
  EXPECT_EQ(listing.lines[2].substr(0, 23), "穀雨 平成31年 4月");
  EXPECT_EQ(listing.lines[3].substr(0, 23), "立夏 令和 1年 5月");
  EXPECT_EQ(listing.lines[19].substr(0, 23), "小寒 平成31年 1月");
  EXPECT_EQ(kSolarTermNotice.substr(0, 42), "２４節気の表示に付いての注意");
}

}  // namespace
}  // namespace pelmira
