// The four-pillars report of the birth-side date, with and without a birth hour.

#include "almanac/four_pillars_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

const std::string kIndent(16, ' ');

// The hour pillar's lines when no birth hour is given.
std::vector<std::string> untimed_hour_block() {
  return {"　-----< 時 >-----",
          "　　天干　　　　　星",
          "　　地支　　　　",
          "　　蔵干　　　　　星",
          "　　十二運星　　",
          "　　吉凶神殺星　",
          kIndent,
          ""};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// 1996-10-01: 丙子 year, 丁酉 month (寒露 falls on 8 October at 9:20), 辛未 day; 24 days
// since 白露 (7 September).
const std::vector<std::string> kAutumn1996Head{
    "　-----< 年 >-----",
    "　　天干　　　　丙　正官星",
    "　　地支　　　　子",
    "　　蔵干　　　　癸　食神星",
    "　　十二運星　　長生",
    "　　吉凶神殺星　文昌貴神 天厨貴神 ",
    kIndent + "咸池 ",
    "",
    "　-----< 月 >-----",
    "　　天干　　　　丁　偏官星",
    "　　地支　　　　酉",
    "　　蔵干　　　　辛　比肩星",
    "　　十二運星　　建禄",
    "　　吉凶神殺星　咸池 ",
    kIndent,
    "",
    "　-----< 日 >-----",
    "　　天干　　　　辛",
    "　　地支　　　　未",
    "　　蔵干　　　　己　偏印星",
    "　　十二運星　　衰",
    "　　吉凶神殺星　",
    kIndent,
    "",
};

// 2000-02-04 10:00 falls before 立春 (21:53): 己卯 year, 丁丑 month, 壬辰 day, 29 days since
// 小寒 (6 January).
const std::vector<std::string> kBeforeRisshun2000{
    "　-----< 年 >-----",
    "　　天干　　　　己　正官星",
    "　　地支　　　　卯",
    "　　蔵干　　　　乙　傷官星",
    "　　十二運星　　死",
    "　　吉凶神殺星　天乙貴神 ",
    kIndent,
    "",
    "　-----< 月 >-----",
    "　　天干　　　　丁　正財星",
    "　　地支　　　　丑",
    "　　蔵干　　　　己　正官星",
    "　　十二運星　　衰",
    "　　吉凶神殺星　",
    kIndent,
    "",
    "　-----< 日 >-----",
    "　　天干　　　　壬",
    "　　地支　　　　辰",
    "　　蔵干　　　　戊　偏官星",
    "　　十二運星　　墓",
    "　　吉凶神殺星　",
    kIndent,
    "",
    "　-----< 時 >-----",
    "　　天干　　　　乙　傷官星",
    "　　地支　　　　巳",
    "　　蔵干　　　　丙　偏財星",
    "　　十二運星　　絶",
    "　　吉凶神殺星　駅馬 劫殺 ",
    kIndent,
    "",
    "　--<空亡>--　　午未　身弱(-5点)",
    "　　　　　　魁ごう 陰錯陽差 ",
    "　※注 2月の節入を4日21時53分で計算。",
};

// Without a time the same day belongs to the new year: 庚辰 year, 戊寅 month, 0 days since
// 立春.
const std::vector<std::string> kRisshunDay2000Untimed =
    std::vector<std::string>{
        "　-----< 年 >-----",
        "　　天干　　　　庚　偏印星",
        "　　地支　　　　辰",
        "　　蔵干　　　　乙　傷官星",
        "　　十二運星　　墓",
        "　　吉凶神殺星　福星貴神 ",
        kIndent,
        "",
        "　-----< 月 >-----",
        "　　天干　　　　戊　偏官星",
        "　　地支　　　　寅",
        "　　蔵干　　　　戊　偏官星",
        "　　十二運星　　病",
        "　　吉凶神殺星　駅馬 駅馬 ",
        kIndent,
        "",
        "　-----< 日 >-----",
        "　　天干　　　　壬",
        "　　地支　　　　辰",
        "　　蔵干　　　　乙　傷官星",
        "　　十二運星　　墓",
        "　　吉凶神殺星　",
        kIndent,
        "",
    } +
    untimed_hour_block() +
    std::vector<std::string>{
        "　--<空亡>--　　午未　身弱(-3点)",
        // 陰錯陽差 takes the hour pillar too: without a birth time it is not shown.
        "　　　　　　魁ごう ",
        "　※注 2月の節入を4日21時53分で計算。",
    };

TEST(Etohg, FullReports) {
  struct Row {
    const char* name;
    i16 year, month, day;
    i16 hour_choice, minute_choice;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"autumn_1996_at_10_30", 1996, 10, 1, 11, 31,
       kAutumn1996Head +
           std::vector<std::string>{
               "　-----< 時 >-----",
               "　　天干　　　　癸　食神星",
               "　　地支　　　　巳",
               "　　蔵干　　　　丙　正官星",
               "　　十二運星　　死",
               "　　吉凶神殺星　劫殺 駅馬 ",
               kIndent,
               "",
               "　--<空亡>--　　戌亥　身旺(+1点)",
               "　　　　　　",
               "　※注 10月の節入を8日9時20分で計算。",
           }},
      {"autumn_1996_without_a_time", 1996, 10, 1, 0, 0,
       kAutumn1996Head + untimed_hour_block() +
           std::vector<std::string>{
               "　--<空亡>--　　戌亥　身旺(+3点)",
               "　　　　　　",
               "　※注 10月の節入を8日9時20分で計算。",
           }},
      {"risshun_day_2000_at_10", 2000, 2, 4, 11, 1, kBeforeRisshun2000},
      {"risshun_day_2000_without_a_time", 2000, 2, 4, 0, 0, kRisshunDay2000Untimed},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.calendar_mode = kModeGregorian;
    state.slots[0].year = r.year;
    state.slots[0].month = r.month;
    state.slots[0].day = r.day;
    EXPECT_EQ(etohg(state, r.hour_choice, r.minute_choice), joined(r.lines));
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Etohg, NoteShowsTheLastTwoDigitsOfTheTermsTime) {
  struct Row {
    const char* name;
    i16 year, month, day;
    const char* note;
  };
  const Row rows[] = {
      // 立春 1984 falls on 5 February at 0:41, 芒種 2000 on 5 June at 18:03.
      {"just_after_midnight", 1984, 2, 10, "　※注 2月の節入を5日0時41分で計算。"},
      {"minute_below_ten", 2000, 6, 20, "　※注 6月の節入を5日18時03分で計算。"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ProgramState state;
    state.slots[0].year = r.year;
    state.slots[0].month = r.month;
    state.slots[0].day = r.day;
    const std::string report = etohg(state, 0, 0);
    EXPECT_EQ(report.substr(report.rfind("\r\n") + 2), r.note);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Etohg, ImpossibleDatesAreReported) {
  RecordingReporter reporter;
  ProgramState state;
  state.slots[0].year = 2000;
  state.slots[0].month = 13;
  state.slots[0].day = 1;
  EXPECT_EQ(etohg(state, 0, 0), "");
  ASSERT_EQ(reporter.places(), std::vector<std::string>{"etohg"});
  EXPECT_EQ(reporter.reports()[0].number, 9);
}

}  // namespace
}  // namespace pelmira
