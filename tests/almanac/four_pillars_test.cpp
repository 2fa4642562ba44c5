// The four pillars: the pillars of a birth and their month and year boundaries, the hidden
// stems, the ten-god and twelve-phase stars, the lucky and unlucky stars and the score.

#include "almanac/four_pillars.h"

#include <gtest/gtest.h>

#include <string>

#include "almanac/four_pillar_stars.h"
#include "almanac/names.h"
#include "core/calendar.h"
#include "core/formatting.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

std::string pillar_name(const Pillar& p) {
  return std::string(stemNames[static_cast<std::size_t>(p.stem)]) +
         std::string(branchNames[static_cast<std::size_t>(p.branch)]);
}

constexpr BirthTime kNoTime{};

BirthTime at(i16 hour, i16 minute) {
  return BirthTime{hour, minute};
}

// 立春 2000 falls on 4 February at 21:53, 小寒 2000 on 6 January at 10:13.
TEST(FourPillars, YearAndMonthTurnAtTheInstantOfTheTerm) {
  struct Row {
    const char* name;
    i16 year, month, day;
    BirthTime time;
    const char* year_pillar;
    const char* month_pillar;
  };
  const Row rows[] = {
      {"risshun_day_before_the_instant", 2000, 2, 4, at(10, 0), "己卯", "丁丑"},
      {"one_minute_before_risshun", 2000, 2, 4, at(21, 52), "己卯", "丁丑"},
      {"exactly_at_risshun", 2000, 2, 4, at(21, 53), "庚辰", "戊寅"},
      {"risshun_day_without_a_time", 2000, 2, 4, kNoTime, "庚辰", "戊寅"},
      {"day_before_risshun_without_a_time", 2000, 2, 3, kNoTime, "己卯", "丁丑"},
      {"january_before_shoukan", 2000, 1, 3, at(12, 0), "己卯", "丙子"},
      {"shoukan_day_before_the_instant", 2000, 1, 6, at(10, 12), "己卯", "丙子"},
      {"exactly_at_shoukan", 2000, 1, 6, at(10, 13), "己卯", "丁丑"},
      {"december", 1999, 12, 31, kNoTime, "己卯", "丙子"},
      {"autumn_1996", 1996, 10, 1, at(10, 30), "丙子", "丁酉"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const FourPillars p = four_pillars_of(kModeGregorian, r.year, r.month, r.day, r.time);
    EXPECT_EQ(pillar_name(p.year), r.year_pillar);
    EXPECT_EQ(pillar_name(p.month), r.month_pillar);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(FourPillars, DayAndHour) {
  struct Row {
    const char* name;
    i16 year, month, day;
    BirthTime time;
    const char* day_pillar;
    const char* hour_pillar;
  };
  const Row rows[] = {
      {"midnight", 2000, 1, 1, at(0, 0), "戊午", "壬子"},
      {"hour_23_keeps_the_day", 2000, 1, 1, at(23, 30), "戊午", "壬子"},
      {"noon", 2000, 1, 1, at(12, 0), "戊午", "戊午"},
      {"hour_1_is_ushi", 2000, 1, 1, at(1, 0), "戊午", "癸丑"},
      {"morning_1996", 1996, 10, 1, at(10, 30), "辛未", "癸巳"},
      {"kinoe_tora_day_at_22", 1996, 11, 13, at(22, 0), "甲寅", "乙亥"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const FourPillars p = four_pillars_of(kModeGregorian, r.year, r.month, r.day, r.time);
    EXPECT_EQ(pillar_name(p.day), r.day_pillar);
    EXPECT_EQ(pillar_name(p.hour), r.hour_pillar);
  }
  const FourPillars untimed = four_pillars_of(kModeGregorian, 2000, 1, 1, kNoTime);
  EXPECT_EQ(untimed.hour, Pillar{});
  EXPECT_TRUE(reporter.empty());
}

TEST(FourPillars, BirthTimeFromTheBoxes) {
  struct Row {
    const char* name;
    i16 hour_choice, minute_choice;
    i16 hour, minute;
  };
  const Row rows[] = {
      {"nothing_given", 0, 0, 24, 60},       {"first_entries", 1, 1, 0, 0},
      {"last_entries", 24, 60, 23, 59},      {"hour_only", 11, 0, 10, 60},
      {"outside_the_lists", 25, -1, 24, 60},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const BirthTime time = birth_time_from_choices(r.hour_choice, r.minute_choice);
    EXPECT_EQ(time.hour, r.hour);
    EXPECT_EQ(time.minute, r.minute);
  }
}

TEST(HourPillar, NoPillarWithoutHourOrDayStem) {
  i16 stem = 9, branch = 9;
  hourPillar(24, 1, stem, branch);
  EXPECT_EQ(stem, 0);
  EXPECT_EQ(branch, 0);
  stem = branch = 9;
  hourPillar(10, 0, stem, branch);
  EXPECT_EQ(stem, 0);
  EXPECT_EQ(branch, 0);
}

// 寒露 1996 falls on 8 October at 9:20, 白露 on 7 September at 17:43; 大雪 1999 on
// 7 December at 22:47.
TEST(DaysSinceSetsuiri, CountsFromTheMonthsTerm) {
  struct Row {
    const char* name;
    i16 year, month, day, hour, minute;
    i16 days;
  };
  const Row rows[] = {
      {"before_the_term_counts_from_september", 1996, 10, 1, 10, 30, 24},
      {"one_minute_before_the_term", 1996, 10, 8, 9, 19, 31},
      {"exactly_at_the_term", 1996, 10, 8, 9, 20, 0},
      {"term_day_without_a_time", 1996, 10, 8, 24, 60, 0},
      {"after_the_term", 1996, 10, 20, 0, 0, 12},
      {"january_counts_from_december", 2000, 1, 3, 12, 0, 27},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(daysSinceSetsuiri(kModeGregorian, r.year, r.month, r.day, r.hour, r.minute), r.days);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(HiddenStem, ThresholdsOfEachBranchGroup) {
  struct Row {
    const char* branch;
    i16 days;
    const char* stem;
  };
  const Row rows[] = {
      {"子", 0, "壬"},  {"子", 10, "壬"}, {"子", 11, "癸"}, {"卯", 10, "甲"}, {"卯", 11, "乙"},
      {"酉", 11, "辛"}, {"午", 10, "丙"}, {"午", 11, "己"}, {"午", 20, "己"}, {"午", 21, "丁"},
      {"丑", 9, "癸"},  {"丑", 10, "辛"}, {"丑", 12, "辛"}, {"丑", 13, "己"}, {"辰", 13, "戊"},
      {"未", 10, "乙"}, {"戌", 9, "辛"},  {"寅", 7, "戊"},  {"寅", 8, "丙"},  {"寅", 14, "丙"},
      {"寅", 15, "甲"}, {"巳", 8, "庚"},  {"申", 14, "壬"}, {"亥", 31, "壬"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.branch) + std::to_string(r.days));
    EXPECT_EQ(stemNames[static_cast<std::size_t>(hiddenStem(r.days, branch_number(r.branch)))],
              r.stem);
  }
  EXPECT_EQ(hiddenStem(5, 0), 0);
}

TEST(Tsuhensei, TenGodsOfAYangAndAYinDay) {
  struct Row {
    const char* day_stem;
    const char* other;
    const char* star;
    i16 sign;
  };
  const Row rows[] = {
      {"甲", "甲", "比肩", 1},  {"甲", "乙", "劫財", 1},  {"甲", "丙", "食神", -1},
      {"甲", "丁", "傷官", -1}, {"甲", "戊", "偏財", -1}, {"甲", "己", "正財", -1},
      {"甲", "庚", "偏官", -1}, {"甲", "辛", "正官", -1}, {"甲", "壬", "偏印", 1},
      {"甲", "癸", "印綬", 1},  {"乙", "甲", "劫財", 1},  {"乙", "乙", "比肩", 1},
      {"乙", "丙", "傷官", -1}, {"乙", "丁", "食神", -1}, {"乙", "戊", "正財", -1},
      {"乙", "己", "偏財", -1}, {"乙", "庚", "正官", -1}, {"乙", "辛", "偏官", -1},
      {"乙", "壬", "印綬", 1},  {"乙", "癸", "偏印", 1},  {"辛", "丙", "正官", -1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.day_stem) + r.other);
    i16 sign = 0;
    EXPECT_EQ(tsuhensei(stem_number(r.day_stem), stem_number(r.other), sign), r.star);
    EXPECT_EQ(sign, r.sign);
  }
  i16 sign = 5;
  EXPECT_EQ(tsuhensei(1, 0, sign), "");
  EXPECT_EQ(sign, 0);
}

TEST(Juniun, TwelvePhases) {
  struct Row {
    const char* day_stem;
    const char* branch;
    const char* phase;
  };
  const Row rows[] = {
      {"甲", "亥", "長生"}, {"丙", "寅", "長生"}, {"戊", "寅", "長生"}, {"庚", "巳", "長生"},
      {"壬", "申", "長生"}, {"乙", "午", "長生"}, {"丁", "酉", "長生"}, {"己", "酉", "長生"},
      {"辛", "子", "長生"}, {"癸", "卯", "長生"}, {"甲", "子", "沐浴"}, {"甲", "卯", "帝旺"},
      {"甲", "戌", "養"},   {"乙", "巳", "沐浴"}, {"乙", "寅", "帝旺"}, {"乙", "未", "養"},
      {"辛", "未", "衰"},   {"辛", "巳", "死"},   {"壬", "卯", "死"},   {"壬", "辰", "墓"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.day_stem) + r.branch);
    EXPECT_EQ(juniun(stem_number(r.day_stem), branch_number(r.branch)), r.phase);
  }
  EXPECT_EQ(juniun(1, 0), "");
}

TEST(StarLookups, StemMonthAndBranchStars) {
  struct Row {
    const char* name;
    std::string stars;
    const char* expected;
  };
  const auto s = stem_number;
  const auto b = branch_number;
  const Row rows[] = {
      {"stem_kinoe_ushi", stemStars(s("甲"), b("丑")), "天乙貴神 "},
      {"stem_hinoto_tori", stemStars(s("丁"), b("酉")), "天乙貴神 大極貴神 文昌貴神 福星貴神 "},
      {"stem_tsuchinoe_hitsuji", stemStars(s("戊"), b("未")), "天乙貴神 大極貴神 金与禄 "},
      {"stem_mizunoe_ne", stemStars(s("壬"), b("子")), "紅艶 羊刃 "},
      {"stem_none", stemStars(s("癸"), b("午")), ""},
      {"month_tatsu_by_stem_and_branch", monthStars(b("辰"), b("辰"), s("壬")),
       "天徳貴神 月徳貴神 華蓋 "},
      {"month_ne", monthStars(b("子"), b("巳"), s("丁")), "天徳貴神 月徳合 "},
      {"month_none", monthStars(b("酉"), b("子"), s("丙")), ""},
      {"month_without_stem", monthStars(b("辰"), b("辰"), 0), ""},
      {"branch_key_ne_salacious", branchStars(b("子"), b("酉")), "咸池 "},
      {"branch_key_ne_lost", branchStars(b("子"), b("亥")), "亡神 "},
      {"branch_key_ne_horse", branchStars(b("子"), b("寅")), "駅馬 "},
      {"branch_key_ne_robbery", branchStars(b("子"), b("巳")), "劫殺 "},
      {"branch_key_tora",
       branchStars(b("寅"), b("卯")) + branchStars(b("寅"), b("巳")) +
           branchStars(b("寅"), b("申")) + branchStars(b("寅"), b("亥")),
       "咸池 亡神 駅馬 劫殺 "},
      {"branch_key_mi",
       branchStars(b("巳"), b("午")) + branchStars(b("巳"), b("申")) +
           branchStars(b("巳"), b("亥")) + branchStars(b("巳"), b("寅")),
       "咸池 亡神 駅馬 劫殺 "},
      {"branch_key_i",
       branchStars(b("亥"), b("子")) + branchStars(b("亥"), b("寅")) +
           branchStars(b("亥"), b("巳")) + branchStars(b("亥"), b("申")),
       "咸池 亡神 駅馬 劫殺 "},
      {"branch_none", branchStars(b("子"), b("丑")), ""},
      {"branch_without_key", branchStars(0, b("酉")), ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.stars, r.expected);
  }
}

TEST(StarLookups, DayStars) {
  const auto s = stem_number;
  const auto b = branch_number;
  auto pillars = [&](const char* year, const char* month, const char* day, const char* hour) {
    auto pillar = [&](std::string_view text) {
      if (text.empty()) return Pillar{};
      return Pillar{s(text.substr(0, 3)), b(text.substr(3, 3))};
    };
    return FourPillars{pillar(year), pillar(month), pillar(day), pillar(hour)};
  };
  struct Row {
    const char* name;
    std::string stars;
    const char* expected;
  };
  const Row rows[] = {
      {"kaigou_tsuchinoe_inu", kaigou(s("戊"), b("戌")), "魁ごう "},
      {"kaigou_mizunoe_tatsu", kaigou(s("壬"), b("辰")), "魁ごう "},
      {"no_kaigou", kaigou(s("甲"), b("戌")), ""},
      {"shihai_kinoe_tora_in_saru", shihai(s("甲"), b("寅"), b("申")), "四廃 "},
      {"shihai_hinoe_uma_in_ushi", shihai(s("丙"), b("午"), b("丑")), "四廃 "},
      {"shihai_mizunoe_ne_in_mi", shihai(s("壬"), b("子"), b("巳")), "四廃 "},
      {"no_shihai_in_another_month", shihai(s("甲"), b("寅"), b("寅")), ""},
      {"insakuyousa_with_the_month", insakuyousa(pillars("己卯", "丁丑", "壬辰", "乙巳")),
       "陰錯陽差 "},
      {"insakuyousa_with_the_hour", insakuyousa(pillars("己卯", "甲子", "丙午", "丙午")),
       "陰錯陽差 "},
      {"insakuyousa_needs_a_second_pillar", insakuyousa(pillars("己卯", "甲子", "壬辰", "甲子")),
       ""},
      {"insakuyousa_without_a_birth_time", insakuyousa(pillars("己卯", "丁丑", "壬辰", "")), ""},
      {"kakukokoou_by_the_hour", kakukokoou(pillars("甲寅", "丙子", "壬辰", "丁巳")), "寡鵠孤鶯 "},
      {"kakukokoou_by_the_day", kakukokoou(pillars("己卯", "壬申", "丙午", "甲子")), "寡鵠孤鶯 "},
      {"kakukokoou_without_a_birth_time", kakukokoou(pillars("己卯", "壬申", "丙午", "")), ""},
      {"kakukokoou_needs_year_or_month", kakukokoou(pillars("己卯", "丙子", "丙午", "丁巳")), ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.stars, r.expected);
  }
}

TEST(StarLookups, StarListWrapping) {
  struct Row {
    const char* name;
    const char* stars;
    std::string wrapped;
  };
  const std::string sixteen(16, ' ');
  const Row rows[] = {
      {"none", "", "\r\n" + sixteen},
      {"two_stay_on_the_first_line", "咸池 駅馬 ", "咸池 駅馬 \r\n" + sixteen},
      {"third_goes_below", "文昌貴神 天厨貴神 咸池 ", "文昌貴神 天厨貴神 \r\n" + sixteen + "咸池 "},
      {"five_stars_indent_less", "a b c d e ", "a b \r\n" + std::string(11, ' ') + "c d e "},
      {"seven_stars", "a b c d e f g ", "a b \r\n" + std::string(1, ' ') + "c d e f g "},
      {"eight_stars_no_indentation", "a b c d e f g h ", "a b \r\nc d e f g h "},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(two_line_split(r.stars), r.wrapped);
  }
}

TEST(Strength, SupportAndText) {
  const auto s = stem_number;
  const auto b = branch_number;
  struct Row {
    const char* name;
    i16 points, expected;
  };
  const Row rows[] = {
      {"wood_in_spring", seasonSupport(s("甲"), b("寅")), 3},
      {"wood_in_the_earth_month_of_spring", seasonSupport(s("乙"), b("辰")), 2},
      {"wood_in_summer", seasonSupport(s("甲"), b("巳")), 0},
      {"earth_counts_with_fire", seasonSupport(s("戊"), b("午")), 3},
      {"earth_in_hitsuji", seasonSupport(s("己"), b("未")), 2},
      {"metal_in_autumn", seasonSupport(s("辛"), b("酉")), 3},
      {"water_in_winter", seasonSupport(s("壬"), b("子")), 3},
      {"water_in_ushi", seasonSupport(s("癸"), b("丑")), 2},
      {"season_without_month", seasonSupport(s("甲"), 0), 0},
      {"wood_branch", branchSupport(s("甲"), b("卯"), 2), 2},
      {"fire_branch", branchSupport(s("丙"), b("午"), 1), 1},
      {"earth_branch", branchSupport(s("戊"), b("丑"), 2), 2},
      {"metal_branch", branchSupport(s("庚"), b("申"), 2), 2},
      {"water_branch", branchSupport(s("壬"), b("亥"), 2), 2},
      {"ne_counts_with_metal", branchSupport(s("辛"), b("子"), 1), 1},
      {"ne_not_with_water", branchSupport(s("壬"), b("子"), 2), 0},
      {"other_element", branchSupport(s("甲"), b("辰"), 2), 0},
      {"no_hour_branch", branchSupport(s("甲"), 0, 2), 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.points, r.expected);
  }
  EXPECT_EQ(strengthText(-5), "身弱(-5点)");
  EXPECT_EQ(strengthText(0), "中間(0点)");
  EXPECT_EQ(strengthText(3), "身旺(+3点)");
}

TEST(VoidBranches, ByDecadeOfTheCycle) {
  EXPECT_EQ(void_branches({1, 1}), "戌亥");    // 甲子
  EXPECT_EQ(void_branches({8, 8}), "戌亥");    // 辛未
  EXPECT_EQ(void_branches({1, 11}), "申酉");   // 甲戌
  EXPECT_EQ(void_branches({9, 5}), "午未");    // 壬辰
  EXPECT_EQ(void_branches({10, 12}), "子丑");  // 癸亥
  EXPECT_EQ(void_branches({}), "");
}

TEST(StarLookups, StemsAndBranchesOutsideTheirTablesRaise) {
  i16 sign = 0;
  EXPECT_THROW(tsuhensei(11, 1, sign), RuntimeError);
  EXPECT_THROW(juniun(1, 13), RuntimeError);
  EXPECT_THROW(hiddenStem(3, -1), RuntimeError);
  EXPECT_THROW(stemStars(-2, 1), RuntimeError);
  EXPECT_THROW(branchStars(1, 200), RuntimeError);
}

}  // namespace
}  // namespace pelmira
