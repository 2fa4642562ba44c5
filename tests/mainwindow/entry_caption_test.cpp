// The caption of the date-entry frame for every item of "nyuryokuhyouji".

#include <gtest/gtest.h>

#include "listings/listing.h"
#include "mainwindow/age_report.h"
#include "support/dated_state.h"

namespace pelmira {
namespace {

using testing::dated_state;

struct CaptionRow {
  int item;
  const char* caption;
};

// Birth 2000-05-03 (day sign 58: 水星人, ライオン), now 2010-08-08 (a Sunday).
constexpr CaptionRow kCaptions[] = {
    {0, "       入力        "},
    {1, "満年齢  10 歳　 3ヶ月　5日"},
    {2, " 日数　　 3749日"},
    {3, " 数え年   11 歳"},
    {4, " 干支   　庚辰 (かのえ たつ)"},
    {5, " 星座     牡牛座 (おうし座)"},
    {6, " 誕生石   エメラルド"},
    {7, "誕生 西暦 2000年 5月 3日 水曜"},
    {8, "現 平成 22年 8月 8日 日曜"},
    {9, "2026/12/7 "},
    {10, "九紫火星(きゆうしかせい)"},
    {11, "陽の水星人　年運　種子 "},
    {12, "陽の水星人　月運　再会 "},
    {13, "陽の水星人　日運　種子 "},
    {14, "動物占い ライオン"},
    {15, "       入力        "},
    {-1, "       入力        "},
};

TEST(EntryCaption, EveryItem) {
  ProgramState state =
      dated_state({2000, 5, 3}, {2010, 8, 8}, kModeAutomatic, 0, testing::Ymd{2026, 12, 7});
  const ReportTotals totals = mein0(state);
  for (const CaptionRow& r : kCaptions) {
    SCOPED_TRACE(r.item);
    EXPECT_EQ(nyurhyouzi(state, totals, kListingSchool, r.item), r.caption);
  }
}

TEST(EntryCaption, LabelsFollowTheListing) {
  ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8});
  const ReportTotals totals = mein0(state);
  EXPECT_EQ(nyurhyouzi(state, totals, kListingWedding, 1), "結婚後  10 年　 3ヶ月　5日");
  EXPECT_EQ(nyurhyouzi(state, totals, kListingMemorial, 7), "死去 西暦 2000年 5月 3日 水曜");
}

TEST(EntryCaption, WesternOrEraTextOfTheDates) {
  struct Case {
    const char* name;
    i16 western_only, entering;
    const char *birth, *now;
  };
  const Case cases[] = {
      {"entering_birth", 0, 0, "誕生 西暦 2000年 5月 3日 水曜", "現 平成 22年 8月 8日 日曜"},
      {"entering_now", 0, 1, "誕生 平成 12年 5月 3日 水曜", "現 西暦 2010年 8月 8日 日曜"},
      {"western_only_entering_birth", 1, 0, "誕生 平成 12年 5月 3日 水曜",
       "現 西暦 2010年 8月 8日 日曜"},
      {"western_only_entering_now", 1, 1, "誕生 西暦 2000年 5月 3日 水曜",
       "現 平成 22年 8月 8日 日曜"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8});
    state.western_only = c.western_only;
    state.entering_slot = c.entering;
    const ReportTotals totals = mein0(state);
    EXPECT_EQ(nyurhyouzi(state, totals, kListingSchool, 7), c.birth);
    EXPECT_EQ(nyurhyouzi(state, totals, kListingSchool, 8), c.now);
  }
}

}  // namespace
}  // namespace pelmira
