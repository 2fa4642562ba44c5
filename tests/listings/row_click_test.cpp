// A click on a listing row takes that row into the dates; a rebuild then selects it.

#include <gtest/gtest.h>

#include "listings/builders.h"
#include "listings/selector.h"
#include "support/dated_state.h"

namespace pelmira {
namespace {

using testing::dated_state;
using testing::Ymd;

using Builder = Listing (*)(const ProgramState&, ListingSession&);

struct Fixture {
  ProgramState state;
  ListingSession session;
};

Fixture shown_listing(i16 kind, Builder build, i16 side, Ymd birth = {2000, 6, 10},
                      Ymd now = {2024, 5, 1}) {
  Fixture f{dated_state(birth, now), ListingSession{}};
  f.session.kind = kind;
  f.session.side = side;
  f.session.shown = build(f.state, f.session);
  return f;
}

Ymd date_of(const DateSlot& slot) {
  return {slot.year, slot.month, slot.day};
}

void expect_date(const DateSlot& slot, Ymd expected) {
  EXPECT_EQ(slot.year, expected.year);
  EXPECT_EQ(slot.month, expected.month);
  EXPECT_EQ(slot.day, expected.day);
}

TEST(RowClick, TakenRowIsSelectedAfterTheRebuild) {
  struct Row {
    const char* name;
    i16 kind;
    Builder build;
    i16 side;
    int row;
  };
  const Row rows[] = {
      {"school_side_0", kListingSchool, gakkou, 0, 10},
      {"school_side_1", kListingSchool, gakkou, 1, 20},
      {"school_first_row", kListingSchool, gakkou, 0, 3},
      {"ages_side_0", kListingAges, nenreih, 0, 40},
      {"ages_side_1", kListingAges, nenreih, 1, 7},
      {"wedding_first_group", kListingWedding, kekkonh, 0, 4},
      {"wedding_second_group", kListingWedding, kekkonh, 1, 19},
      {"shichigosan", kListingCeremonies, sangah, 0, 4},
      {"longevity", kListingCeremonies, sangah, 1, 15},
      {"memorial_day", kListingMemorial, meinithih, 0, 3},
      {"memorial_year", kListingMemorial, meinithih, 1, 11},
      {"unlucky_women", kListingUnluckyYears, yakudoshi, 0, 5},
      {"unlucky_men", kListingUnluckyYears, yakudoshi, 1, 14},
      {"solar_term", kListingSolarTerms, sekkih, 0, 17},
      {"solar_term_now_side", kListingSolarTerms, sekkih, 1, 2},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Fixture f = shown_listing(r.kind, r.build, r.side);
    ASSERT_NE(f.session.shown.selected, r.row);
    const RowClick click = List3_MouseDown(f.state, f.session, r.row);
    EXPECT_TRUE(click.refresh);
    mein0(f.state);
    f.session.skip_once = false;
    EXPECT_EQ(r.build(f.state, f.session).selected, r.row);
  }
}

TEST(RowClick, WhichSideTakesTheRow) {
  struct Row {
    const char* name;
    i16 kind;
    Builder build;
    i16 side;
    int row;
    Ymd birth, now;
  };
  const Row rows[] = {
      {"school_moves_the_now_year", kListingSchool, gakkou, 0, 10, {2000, 6, 10}, {2013, 5, 1}},
      {"school_moves_the_birth_year", kListingSchool, gakkou, 1, 10, {2011, 6, 10}, {2024, 5, 1}},
      {"age_moves_the_now_year", kListingAges, nenreih, 0, 2, {2000, 6, 10}, {2001, 5, 1}},
      {"wedding_year_into_now", kListingWedding, kekkonh, 0, 18, {2000, 6, 10}, {2025, 5, 1}},
      {"wedding_year_into_birth", kListingWedding, kekkonh, 1, 2, {2023, 6, 10}, {2024, 5, 1}},
      {"memorial_date_into_now", kListingMemorial, meinithih, 0, 4, {2000, 6, 10}, {2000, 7, 28}},
      {"memorial_date_into_birth", kListingMemorial, meinithih, 1, 6, {2023, 5, 1}, {2024, 5, 1}},
      {"unlucky_year_into_now",
       kListingUnluckyYears,
       yakudoshi,
       0,
       10,
       {2000, 6, 10},
       {2024, 5, 1}},
      {"solar_term_into_the_calculation_side",
       kListingSolarTerms,
       sekkih,
       0,
       0,
       {2000, 3, 20},
       {2024, 5, 1}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Fixture f = shown_listing(r.kind, r.build, r.side);
    List3_MouseDown(f.state, f.session, r.row);
    mein0(f.state);
    expect_date(f.state.slots[0], r.birth);
    expect_date(f.state.slots[1], r.now);
  }
}

TEST(RowClick, ZodiacRowSetsTheBirthYear) {
  Fixture f{dated_state({1984, 5, 3}, {2024, 5, 1}), ListingSession{}};
  f.session.kind = kListingZodiacYears;
  f.session.branch_choice = 1;
  f.session.side = 1;
  f.session.shown = etoh(f.state, f.session);
  const struct {
    int row;
    Ymd birth;
  } rows[] = {{13, {1996, 5, 3}}, {11, {2020, 5, 3}}, {2, {2128, 5, 3}}, {24, {1864, 5, 3}}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    List3_MouseDown(f.state, f.session, r.row);
    mein0(f.state);
    expect_date(f.state.slots[0], r.birth);
    expect_date(f.state.slots[1], {2024, 5, 1});
  }
}

TEST(RowClick, HeadingsEmptyRowsAndRowsPastTheEndChangeNothing) {
  struct Row {
    const char* name;
    i16 kind;
    Builder build;
    std::vector<int> rows;
  };
  const Row rows[] = {
      {"school", kListingSchool, gakkou, {-1, 0, 1, 2, 9, 13, 17, 22, 500}},
      {"ages", kListingAges, nenreih, {0, 1, 133}},
      {"zodiac_message", kListingZodiacYears, etoh, {0, 1, 2}},
      {"wedding", kListingWedding, kekkonh, {0, 1, 26}},
      {"celebrations", kListingCeremonies, sangah, {0, 1, 2, 6, 7, 16, 17, 18}},
      {"memorial", kListingMemorial, meinithih, {0, 1, 5, 16}},
      {"unlucky", kListingUnluckyYears, yakudoshi, {0, 1, 2, 8, 9, 15, 16, 17}},
      {"solar_terms", kListingSolarTerms, sekkih, {24, -3}},
  };
  for (const Row& r : rows) {
    for (int row : r.rows) {
      SCOPED_TRACE(std::string(r.name) + " row " + std::to_string(row));
      Fixture f = shown_listing(r.kind, r.build, 0);
      const ProgramState before = f.state;
      List3_MouseDown(f.state, f.session, row);
      mein0(f.state);
      expect_date(f.state.slots[0], date_of(before.slots[0]));
      expect_date(f.state.slots[1], date_of(before.slots[1]));
      EXPECT_EQ(f.state.slots[0].era_label(), before.slots[0].era_label());
      EXPECT_EQ(f.state.slots[1].era_label(), before.slots[1].era_label());
    }
  }
}

TEST(RowClick, RowsOfYearsBeforeOneAreRefused) {
  Fixture f = shown_listing(kListingMemorial, meinithih, 1, {2000, 6, 10}, {50, 5, 1});
  ASSERT_EQ(f.session.shown.lines[15], "　　百回忌\t-49/ 5/ 1");
  List3_MouseDown(f.state, f.session, 15);
  mein0(f.state);
  expect_date(f.state.slots[0], {2000, 6, 10});
}

TEST(RowClick, SkipFlagForAgesSameDatePeopleAndTheLastThreeKinds) {
  struct Row {
    i16 kind;
    int row;
    bool skip;
  };
  const Row rows[] = {
      {kListingSchool, 5, false},  {kListingAges, 5, true},        {kListingAges, 0, false},
      {kListingWedding, 5, false}, {kListingSolarTerms, 5, false}, {kListingFortune, 3, true},
      {kListingDateInfo, 0, true}, {kListingDayCounts, 9, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    ProgramState state = dated_state({2000, 6, 10}, {2024, 5, 1});
    ListingSession session;
    session.kind = r.kind;
    session.shown.lines.assign(30, "平成12年 1月 1日 00000000");
    const ProgramState before = state;
    List3_MouseDown(state, session, r.row);
    EXPECT_EQ(session.skip_once, r.skip);
    if (r.kind >= kListingFortune) {
      mein0(state);
      expect_date(state.slots[0], date_of(before.slots[0]));
      expect_date(state.slots[1], date_of(before.slots[1]));
    }
  }
}

TEST(RowClick, SameDatePersonByTheRowMap) {
  ProgramState state = dated_state({2000, 6, 10}, {2024, 5, 1});
  ListingSession session;
  session.kind = kListingSameDate;
  session.shown.lines = {"山田", "佐藤"};
  session.shown.row_map = {4, 9};
  const auto year_of = [](int person) -> std::optional<i16> {
    return person == 9 ? std::optional<i16>(1975) : std::nullopt;
  };
  const RowClick click = List3_MouseDown(state, session, 1, year_of);
  EXPECT_EQ(click.person, 9);
  EXPECT_TRUE(session.skip_once);
  mein0(state);
  expect_date(state.slots[0], {1975, 6, 10});

  session.skip_once = false;
  session.shown.lines = {"月日が一致する該当者がいません。"};
  session.shown.row_map = {-1};
  const RowClick none = List3_MouseDown(state, session, 0, year_of);
  EXPECT_EQ(none.person, -1);
  EXPECT_FALSE(session.skip_once);
}

}  // namespace
}  // namespace pelmira
