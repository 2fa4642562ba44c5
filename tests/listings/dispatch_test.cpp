// Building the listing of each kind through the dispatcher, the skip flag, and choosing a
// kind from the listing menu.

#include "listings/dispatch.h"

#include <gtest/gtest.h>

#include "support/dated_state.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::dated_state;
using testing::RecordingReporter;

TEST(BuildListing, EachKindRunsItsBuilder) {
  struct Row {
    i16 kind;
    const char* first_line;
  };
  const Row rows[] = {
      {kListingSchool, "学年　　　　就学期間　　　　　年齢"},
      {kListingAges, "誕生からの年齢　　年齢に対する期間"},
      {kListingZodiacYears, "　干支が選択されていません。"},
      {kListingWedding, "\t\t\t祝年"},
      {kListingCeremonies, "\t\t祝年"},
      {kListingMemorial, "\t\t命日の年月日"},
      {kListingUnluckyYears, "　　　　　　　　　　　該当年"},
      {kListingSolarTerms, "春分 平成 8年 3月20日 17時11分   0度"},
      {kListingSameDate, "月日が一致する人の表示には氏名リストが必要です。"},
      {kListingFortune, "　平成 8年 10月 1日生まれを表示"},
      {kListingDateInfo, "暦の設定　　　自動"},
      {kListingDayCounts, "西暦 1996年 10月 1日～"},
  };
  RecordingReporter reporter;
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    ListingSession session;
    session.kind = r.kind;
    const Listing listing = build_listing(r.kind, state, session);
    ASSERT_FALSE(listing.lines.empty());
    EXPECT_EQ(listing.lines[0], r.first_line);
    EXPECT_EQ(session.shown.lines, listing.lines);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(BuildListing, SkipFlagKeepsTheShownListingOfTheSkippingKinds) {
  const i16 skipping[] = {kListingAges, kListingSameDate, kListingFortune, kListingDateInfo,
                          kListingDayCounts};
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  for (const i16 kind : skipping) {
    SCOPED_TRACE(kind);
    ListingSession session;
    session.kind = kind;
    session.shown.lines = {"as shown"};
    session.shown.selected = 0;
    session.skip_once = true;
    const Listing kept = build_listing(kind, state, session);
    EXPECT_EQ(kept.lines, std::vector<std::string>{"as shown"});
    EXPECT_EQ(kept.selected, 0);
    EXPECT_FALSE(session.skip_once);
    EXPECT_NE(build_listing(kind, state, session).lines, kept.lines);
  }
  ListingSession school;
  school.kind = kListingSchool;
  school.skip_once = true;
  EXPECT_EQ(build_listing(kListingSchool, state, school).lines.size(), 22u);
}

TEST(BuildListing, UnknownKindIsReported) {
  RecordingReporter reporter;
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session;
  EXPECT_TRUE(build_listing(12, state, session).lines.empty());
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"build_listing"});
}

TEST(ListingMenu, ChoosingAKind) {
  const ProgramState state = dated_state({1996, 10, 1}, {2026, 12, 7});
  ListingSession session;
  session.kind = kListingSolarTerms;
  ListingControls controls;
  // The notice comes every time the solar terms are chosen, also when already shown.
  EXPECT_TRUE(itirank1_Click(state, session, controls, kListingSolarTerms).show_solar_term_notice);
  EXPECT_FALSE(itirank1_Click(state, session, controls, kListingMemorial).show_solar_term_notice);
  EXPECT_EQ(session.kind, kListingMemorial);
  EXPECT_EQ(controls.side_caption, "死去から計算");

  session.shown.selected = 4;
  itirank1_Click(state, session, controls, kListingFortune);
  EXPECT_EQ(session.shown.selected, -1);
  session.shown.selected = 4;
  itirank1_Click(state, session, controls, kListingFortune);
  EXPECT_EQ(session.shown.selected, 4);

  RecordingReporter reporter;
  itirank1_Click(state, session, controls, 12);
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"itirank1_Click"});
  EXPECT_EQ(session.kind, kListingFortune);
}

}  // namespace
}  // namespace pelmira
