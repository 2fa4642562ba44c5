// The listing selector: mode labels, the controls of each kind and the combo-box clicks.

#include "listings/selector.h"

#include <gtest/gtest.h>

#include "support/dated_state.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::dated_state;

TEST(ModeLabels, FollowTheKind) {
  struct Row {
    i16 kind;
    const char *side, *elapsed, *unit, *day;
  };
  const Row rows[] = {
      {kListingWedding, "結婚", "結婚後", "年", "記念日"},
      {kListingMemorial, "死去", "死去後", "年", "命日"},
      {kListingSchool, "誕生", "満年齢", "歳", "誕生日"},
      {kListingCeremonies, "誕生", "満年齢", "歳", "誕生日"},
      {kListingFortune, "誕生", "満年齢", "歳", "誕生日"},
      {kListingDayCounts, "誕生", "満年齢", "歳", "誕生日"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    const ModeLabels labels = TanMeiKH(r.kind);
    EXPECT_EQ(labels.side_name, r.side);
    EXPECT_EQ(labels.elapsed, r.elapsed);
    EXPECT_EQ(labels.unit, r.unit);
    EXPECT_EQ(labels.day_name, r.day);
  }
}

TEST(ListingControls, CaptionsFollowTheKind) {
  struct Row {
    i16 kind;
    const char *pane, *side, *calendar, *entry, *today, *sort;
  };
  const Row rows[] = {
      {kListingMemorial, " 　一覧表示   命日     ", "死去から計算", "死去月", "死去",
       "死去の年月日を今日にする", "命日までの日数"},
      {kListingWedding, " 　一覧表示   結婚記念日     ", "結婚から計算", "結婚月", "結婚",
       "結婚の年月日を今日にする", "記念日までの日数"},
      {kListingSchool, " 　一覧表示   学校     ", "誕生から計算", "誕生月", "誕生",
       "誕生の年月日を今日にする", "誕生日までの日数"},
      {kListingSameDate, " 　一覧表示   月日が一致した人     ", "誕生から計算", "誕生月", "誕生",
       "誕生の年月日を今日にする", "誕生日までの日数"},
  };
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    ListingSession session;
    session.kind = r.kind;
    ListingControls controls;
    itiranHKoum(state, session, controls);
    EXPECT_EQ(controls.pane_caption, r.pane);
    EXPECT_EQ(controls.side_caption, r.side);
    EXPECT_EQ(controls.calendar_month_caption, r.calendar);
    EXPECT_EQ(controls.entry_side_caption, r.entry);
    EXPECT_EQ(controls.today_menu_caption, r.today);
    EXPECT_EQ(controls.sort_menu_caption, r.sort);
  }
  EXPECT_EQ(listing_menu_caption(kListingSolarTerms), "２４節気");
  EXPECT_EQ(listing_menu_caption(kListingSameDate), "月日が一致する人を表示");
}

TEST(ListingControls, VisibilityAndTooltipsByKind) {
  struct Row {
    i16 kind;
    bool boxes;
    const char *tooltip0, *tooltip1;
  };
  const Row rows[] = {
      {kListingSchool, false, "履歴書の作成にはこちらを参考に。", "今年(現在)の該当を表示"},
      {kListingAges, false, "履歴書の作成にはこちらを参考に。", "今年(現在)の該当を表示"},
      {kListingZodiacYears, true, "old", "old"},
      {kListingWedding, false, "old", "old"},
      {kListingCeremonies, false, "個人の情報。", "今年(現在)の該当を表示"},
      {kListingSolarTerms, false, "個人の情報。", "今年(現在)の該当を表示"},
      {kListingSameDate, false, "", ""},
      {kListingFortune, true, "old", "old"},
      {kListingDateInfo, false, "", ""},
      {kListingDayCounts, true, "old", "old"},
  };
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    ListingSession session;
    session.kind = r.kind;
    session.side = 1;
    ListingControls controls;
    controls.side_tooltips = {"old", "old"};
    itiranHKoum(state, session, controls);
    EXPECT_EQ(controls.combos_visible, r.boxes);
    EXPECT_EQ(controls.sides_visible, !r.boxes);
    EXPECT_EQ(controls.side_tooltips[0], r.tooltip0);
    EXPECT_EQ(controls.side_tooltips[1], r.tooltip1);
    EXPECT_EQ(controls.side_selected, 1);
  }
}

TEST(ListingControls, ZodiacBoxesPreselectTheBirthYearsBranch) {
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session;
  session.kind = kListingZodiacYears;
  session.stem_choice = 3;
  ListingControls controls;
  itiranHKoum(state, session, controls);
  ASSERT_EQ(controls.combos[0].items.size(), 13u);
  EXPECT_EQ(controls.combos[0].items[0], "");
  EXPECT_EQ(controls.combos[0].items[1], "子(1)");
  EXPECT_EQ(controls.combos[0].items[12], "亥(12)");
  EXPECT_EQ(controls.combos[0].selected, 1);  // 1996 is a year of 子
  ASSERT_EQ(controls.combos[1].items.size(), 11u);
  EXPECT_EQ(controls.combos[1].items[10], "癸(10)");
  EXPECT_EQ(controls.combos[1].selected, -1);
  EXPECT_EQ(controls.combos[0].tooltip, "十二支を指定します。");
  EXPECT_EQ(controls.combos[1].tooltip, "十干を指定します。");
  EXPECT_EQ(session.branch_choice, 1);
  EXPECT_EQ(session.stem_choice, 0);
}

TEST(ListingControls, FortuneBoxesShowTheClockChoices) {
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session = initial_listing_session(state, kListingFortune);
  EXPECT_EQ(session.hour_choice, 10);  // the test clock reads 9:30
  EXPECT_EQ(session.minute_choice, 31);
  ListingControls controls;
  itiranHKoum(state, session, controls);
  ASSERT_EQ(controls.combos[0].items.size(), 25u);
  ASSERT_EQ(controls.combos[1].items.size(), 61u);
  EXPECT_EQ(controls.combos[0].items[0], "時の未指定");
  EXPECT_EQ(controls.combos[0].items[1], "　0　時");
  EXPECT_EQ(controls.combos[0].items[24], "　23　時");
  EXPECT_EQ(controls.combos[1].items[0], "分の未指定");
  EXPECT_EQ(controls.combos[1].items[60], "　59　分");
  EXPECT_EQ(controls.combos[0].selected, 10);
  EXPECT_EQ(controls.combos[1].selected, 31);
  EXPECT_EQ(controls.combos[1].tooltip, "四柱推命の時間指定用です。");
  EXPECT_EQ(chosen_hour(session), std::optional<i16>(9));
  EXPECT_EQ(chosen_minute(session), std::optional<i16>(30));
}

TEST(ListingControls, DayCountBoxesOfferYearsAroundNow) {
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session;
  session.kind = kListingDayCounts;
  session.year_choice = 4;
  ListingControls controls;
  itiranHKoum(state, session, controls);
  ASSERT_EQ(controls.combos[0].items.size(), 32u);
  EXPECT_EQ(controls.combos[0].items[0], "年を指定");
  EXPECT_EQ(controls.combos[0].items[1], "　2006　年");
  EXPECT_EQ(controls.combos[0].items[31], "　2036　年");
  ASSERT_EQ(controls.combos[1].items.size(), 14u);
  EXPECT_EQ(controls.combos[1].items[1], "1/1～12/31");
  EXPECT_EQ(controls.combos[1].items[13], "　12　月");
  EXPECT_EQ(controls.combos[0].selected, 0);
  EXPECT_EQ(controls.combos[1].selected, 0);
  EXPECT_EQ(session.year_choice, 0);
  EXPECT_EQ(controls.combos[0].tooltip, "年数を指定すると1/1～12/31の1年間で計算します。");
}

TEST(StartingSession, StoredKindIsClamped) {
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  EXPECT_EQ(initial_listing_session(state, 15).kind, kListingDayCounts);
  EXPECT_EQ(initial_listing_session(state, 3).kind, kListingWedding);
  EXPECT_EQ(initial_listing_session(state, -4).kind, kListingFortune);
}

struct PeriodClick {
  const char* name;
  int box;
  int choice;
  int month_box_before;
  bool refresh;
  testing::Ymd first, second;  // the dates after the refresh
};

TEST(ComboClick, DayCountPeriods) {
  const PeriodClick rows[] = {
      {"year_item_sets_the_whole_year", 0, 1, 0, true, {2006, 1, 1}, {2006, 12, 31}},
      {"year_item_keeps_a_chosen_month", 0, 3, 3, true, {2008, 10, 1}, {2008, 12, 7}},
      {"year_prompt_changes_nothing", 0, 0, 0, false, {1996, 10, 1}, {2026, 12, 7}},
      {"whole_year", 1, 1, 0, true, {1996, 1, 1}, {2026, 12, 31}},
      {"february_of_the_second_dates_year", 1, 3, 0, true, {1996, 2, 1}, {2026, 2, 28}},
      {"december", 1, 13, 0, true, {1996, 12, 1}, {2026, 12, 31}},
      {"month_prompt_keeps_the_dates", 1, 0, 0, true, {1996, 10, 1}, {2026, 12, 7}},
  };
  for (const PeriodClick& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
    ListingSession session;
    session.kind = kListingDayCounts;
    ListingControls controls;
    itiranHKoum(state, session, controls);
    controls.combos[1].selected = r.month_box_before;
    controls.combos[static_cast<std::size_t>(r.box)].selected = r.choice;
    EXPECT_EQ(Combo1_Click(state, session, controls, r.box), r.refresh);
    mein0(state);
    for (int i = 0; i < 2; ++i) {
      SCOPED_TRACE(i);
      const testing::Ymd expected = i == 0 ? r.first : r.second;
      const DateSlot& slot = state.slots[static_cast<std::size_t>(i)];
      EXPECT_EQ(slot.year, expected.year);
      EXPECT_EQ(slot.month, expected.month);
      EXPECT_EQ(slot.day, expected.day);
    }
  }
}

TEST(ComboClick, LeapFebruaryOfTheChosenYear) {
  ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session;
  session.kind = kListingDayCounts;
  ListingControls controls;
  itiranHKoum(state, session, controls);
  controls.combos[0].selected = 19;  // 2024
  ASSERT_TRUE(Combo1_Click(state, session, controls, 0));
  EXPECT_EQ(controls.combos[1].selected, 1);
  mein0(state);
  controls.combos[1].selected = 3;  // February
  ASSERT_TRUE(Combo1_Click(state, session, controls, 1));
  EXPECT_EQ(state.slots[1].day, 29);
  EXPECT_EQ(session.month_choice, 3);
}

TEST(ComboClick, FortuneAndZodiacChoicesGoToTheSession) {
  ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session;
  session.kind = kListingFortune;
  ListingControls controls;
  itiranHKoum(state, session, controls);
  controls.combos[0].selected = 24;
  controls.combos[1].selected = 0;
  EXPECT_TRUE(Combo1_Click(state, session, controls, 0));
  EXPECT_EQ(chosen_hour(session), std::optional<i16>(23));
  EXPECT_EQ(chosen_minute(session), std::nullopt);

  session.kind = kListingZodiacYears;
  itiranHKoum(state, session, controls);
  controls.combos[1].selected = 3;
  EXPECT_TRUE(Combo1_Click(state, session, controls, 1));
  EXPECT_EQ(session.branch_choice, 1);
  EXPECT_EQ(session.stem_choice, 3);
}

}  // namespace
}  // namespace pelmira
