// The name tables and the year, birthday and month lookups.

#include "almanac/names.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

TEST(NameTables, SlotsAndSpellings) {
  EXPECT_EQ(branchNames[0], "");
  EXPECT_EQ(branchNames[1], "子");
  EXPECT_EQ(branchNames[12], "亥");
  EXPECT_EQ(stemNames[10], "癸");
  EXPECT_EQ(zodiacNames[13], "山羊");
  EXPECT_EQ(nineStarNames[1], "ニ黒土星");  // katakana ニ, not the kanji 二
  EXPECT_NE(nineStarNames[1], "二黒土星");
  EXPECT_EQ(sixStarTypes[4], "天王星人");
  EXPECT_EQ(school_grades[16], "大学四年");
  EXPECT_EQ(era_choices[1], "令和");
  EXPECT_EQ(era_choices[5], "明治");
}

TEST(Eto, SignOfTheCalendarYear) {
  struct Row {
    const char* name;
    i16 year;
    const char* sign;
    const char* animal_sentence;
    const char* stem_text;
    const char* branch_text;
  };
  const Row rows[] = {
      {"kinoe_ne_1984", 1984, "甲子 (きのえ ね)", "子が十二支で、ネズミ年になります。",
       "甲(きのえ)", "子(ね) 　　ネズミ"},
      {"kanoe_tatsu_2000", 2000, "庚辰 (かのえ たつ)", "辰が十二支で、タツ年になります。",
       "庚(かのえ)", "辰(たつ) 　　タツ"},
      {"first_kinoe_ne", 4, "甲子 (きのえ ね)", "子が十二支で、ネズミ年になります。", "甲(きのえ)",
       "子(ね) 　　ネズミ"},
      {"year_one", 1, "辛酉 (かのと とり)", "酉が十二支で、トリ年になります。", "辛(かのと)",
       "酉(とり) 　　トリ"},
      {"mizunoto_i_1983", 1983, "癸亥 (みずのと い)", "亥が十二支で、イノシシ年になります。",
       "癸(みずのと)", "亥(い) 　　イノシシ"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    std::string sentence, stem, branch;
    EXPECT_EQ(eto(r.year, sentence, stem, branch), r.sign);
    EXPECT_EQ(sentence, r.animal_sentence);
    EXPECT_EQ(stem, r.stem_text);
    EXPECT_EQ(branch, r.branch_text);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Eto, YearsBelowOneLeaveEverythingAlone) {
  RecordingReporter reporter;
  for (const i16 year : {i16{0}, i16{-1}, i16{-32768}}) {
    std::string sentence = "a", stem = "b", branch = "c";
    EXPECT_EQ(eto(year, sentence, stem, branch), "");
    EXPECT_EQ(sentence + stem + branch, "abc");
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Eto, OverflowOfTheSixteenBitSumIsReported) {
  RecordingReporter reporter;
  std::string sentence, stem, branch;
  EXPECT_EQ(eto(32760, sentence, stem, branch), "");
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"eto"});
  EXPECT_EQ(reporter.reports()[0].number, 6);
}

TEST(Sza, SignBoundaries) {
  struct Row {
    const char* name;
    i16 month, day;
    const char* sign;
  };
  const Row rows[] = {
      {"new_year", 1, 1, "山羊座 (やぎ座)"},
      {"last_capricorn_in_january", 1, 19, "山羊座 (やぎ座)"},
      {"first_aquarius", 1, 20, "水瓶座 (みずがめ座)"},
      {"last_aquarius", 2, 18, "水瓶座 (みずがめ座)"},
      {"first_pisces", 2, 19, "魚座 (うお座)"},
      {"first_aries", 3, 21, "牡羊座 (おひつじ座)"},
      {"first_libra", 9, 23, "天秤座 (てんびん座)"},
      {"last_sagittarius", 12, 21, "射手座 (いて座)"},
      {"first_capricorn_in_december", 12, 22, "山羊座 (やぎ座)"},
      {"new_years_eve", 12, 31, "山羊座 (やぎ座)"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(sza(r.month, r.day), r.sign);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Sza, DatesOutsideTheYearAreReported) {
  struct Row {
    const char* name;
    i16 month, day;
  };
  const Row rows[] = {
      {"month_13", 13, 1}, {"day_32", 12, 32},   {"month_0", 0, 5},
      {"day_0", 1, 0},     {"negative", -1, -1}, {"huge_month", 32767, 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    EXPECT_EQ(sza(r.month, r.day), "");
    ASSERT_EQ(reporter.places(), std::vector<std::string>{"sza"});
    EXPECT_EQ(reporter.reports()[0].number, 9);
  }
}

TEST(MonthLookups, ByMonth) {
  struct Row {
    const char* name;
    i16 month;
    const char* stone;
    const char* old_name;
    const char* season;
    const char* flower;
  };
  const Row rows[] = {
      {"january", 1, "ガーネット", "睦月(むつき)", "冬", "松(まつ)"},
      {"february", 2, "アメジスト", "如月(きさらぎ)", "冬", "梅(うめ)"},
      {"march", 3, "アクアマリン", "弥生(やよい)", "春", "桜(さくら)"},
      {"may", 5, "エメラルド", "皐月(さつき)", "春", "菖蒲(あやめ、しょうぶ)"},
      {"june", 6, "パール", "水無月(みなづき)", "夏", "牡丹(ぼたん)"},
      {"august", 8, "ペリドット", "葉月(はづき)", "夏", "薄(すすき)"},
      {"september", 9, "サファイア", "長月(ながつき)", "秋", "菊(きく)"},
      {"november", 11, "トパーズ", "霜月(しもつき)", "秋", "柳、雨(やなぎ、あめ)"},
      {"december", 12, "トルコ石", "師走(しわす)", "冬", "桐(きり)"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(tseki(r.month), r.stone);
    EXPECT_EQ(monthOldName(r.month), r.old_name);
    EXPECT_EQ(seasonOfMonth(r.month), r.season);
    EXPECT_EQ(flowerCardOfMonth(r.month), r.flower);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(MonthLookups, MonthsOutsideTheYear) {
  RecordingReporter reporter;
  for (const i16 month : {i16{0}, i16{13}, i16{-12}}) {
    SCOPED_TRACE(month);
    EXPECT_EQ(tseki(month), "");
    for (auto lookup : {monthOldName, seasonOfMonth, flowerCardOfMonth}) {
      try {
        lookup(month);
        ADD_FAILURE() << "no error raised";
      } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 9);
      }
    }
  }
  EXPECT_TRUE(reporter.empty());
}

}  // namespace
}  // namespace pelmira
