// The fortune view's listing: its lines, the one-shot skip flag, the kept selection, and the
// splitting of multi-line readings into listing lines.

#include "almanac/fortune_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

using Lines = std::vector<std::string>;

ProgramState birth_and_now(i16 year, i16 month, i16 day, const char* era_text) {
  ProgramState state;
  state.calendar_mode = kModeAutomatic;
  state.slots[0].year = year;
  state.slots[0].month = month;
  state.slots[0].day = day;
  state.slots[0].era_text = era_text;
  state.slots[1].year = 2026;
  state.slots[1].month = 12;
  state.slots[1].day = 7;
  return state;
}

ListingSession at_time(i16 hour, i16 minute) {
  ListingSession session;
  session.hour_choice = static_cast<i16>(hour + 1);
  session.minute_choice = static_cast<i16>(minute + 1);
  return session;
}

TEST(Uranai, LinesOfABirthWithATime) {
  const std::string indent(16, ' ');
  const Lines expected{
      "　平成 8年 10月 1日生まれを表示",
      "",
      "【 星　座 】天秤座 (てんびん座)",
      "",
      "【動物占い】たぬき",
      "",
      "【六星占術】　　(運は[現在]から計算)",
      "　陽(+)の土星人",
      "　年運　再会　　　　",
      "　月運　種子　　　　",
      "　日運　健弱　小殺界",
      "",
      "【 九　星 】四緑木星(しろくもくせい)",
      "",
      "【 納　音 】澗下の水",
      "",
      "【四柱推命】",
      "　-----< 年 >-----",
      "　　天干　　　　丙　正官星",
      "　　地支　　　　子",
      "　　蔵干　　　　癸　食神星",
      "　　十二運星　　長生",
      "　　吉凶神殺星　文昌貴神 天厨貴神 ",
      indent + "咸池 ",
      "",
      "　-----< 月 >-----",
      "　　天干　　　　丁　偏官星",
      "　　地支　　　　酉",
      "　　蔵干　　　　辛　比肩星",
      "　　十二運星　　建禄",
      "　　吉凶神殺星　咸池 ",
      indent,
      "",
      "　-----< 日 >-----",
      "　　天干　　　　辛",
      "　　地支　　　　未",
      "　　蔵干　　　　己　偏印星",
      "　　十二運星　　衰",
      "　　吉凶神殺星　",
      indent,
      "",
      "　-----< 時 >-----",
      "　　天干　　　　癸　食神星",
      "　　地支　　　　巳",
      "　　蔵干　　　　丙　正官星",
      "　　十二運星　　死",
      "　　吉凶神殺星　劫殺 駅馬 ",
      indent,
      "",
      "　--<空亡>--　　戌亥　身旺(+1点)",
      "　　　　　　",
      "　※注 10月の節入を8日9時20分で計算。",
  };
  RecordingReporter reporter;
  ListingSession session = at_time(10, 30);
  const Listing listing =
      uranai(birth_and_now(1996, 10, 1, "平成 8年 10月 1日"), session, Listing{});
  EXPECT_EQ(listing.lines, expected);
  EXPECT_EQ(listing.selected, -1);
  EXPECT_TRUE(reporter.empty());
}

TEST(Uranai, AnimalIsShownWithoutItsReading) {
  RecordingReporter reporter;
  ListingSession session;
  // 1996-10-06 is day 13 of the sexagenary cycle: 狼 (オオカミ).
  const Listing listing =
      uranai(birth_and_now(1996, 10, 6, "平成 8年 10月 6日"), session, Listing{});
  ASSERT_GT(listing.lines.size(), 4u);
  EXPECT_EQ(listing.lines[4], "【動物占い】狼");
  EXPECT_TRUE(reporter.empty());
}

TEST(Uranai, SkipFlagLeavesTheListingOnce) {
  RecordingReporter reporter;
  const ProgramState state = birth_and_now(1996, 10, 1, "平成 8年 10月 1日");
  ListingSession session;
  session.skip_once = true;
  const Listing previous{{"kept line"}, 0, {7}};
  const Listing skipped = uranai(state, session, previous);
  EXPECT_EQ(skipped.lines, previous.lines);
  EXPECT_EQ(skipped.selected, 0);
  EXPECT_EQ(skipped.row_map, previous.row_map);
  EXPECT_FALSE(session.skip_once);
  const Listing rebuilt = uranai(state, session, previous);
  EXPECT_EQ(rebuilt.lines.at(0), "　平成 8年 10月 1日生まれを表示");
  EXPECT_TRUE(reporter.empty());
}

TEST(Uranai, SelectionIsKeptWhileTheLineExists) {
  struct Row {
    const char* name;
    int previous;
    int kept;
  };
  // Without a birth time the listing has 52 lines.
  const Row rows[] = {
      {"fifth_line", 4, 4},         {"last_line", 51, 51},     {"past_the_end", 52, -1},
      {"nothing_selected", -1, -1}, {"garbage_index", -7, -1},
  };
  RecordingReporter reporter;
  const ProgramState state = birth_and_now(1996, 10, 1, "平成 8年 10月 1日");
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    ListingSession session;
    Listing previous;
    previous.selected = r.previous;
    const Listing listing = uranai(state, session, previous);
    EXPECT_EQ(listing.lines.size(), 52u);
    EXPECT_EQ(listing.selected, r.kept);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Uranai, ErrorKeepsTheLinesAddedSoFar) {
  RecordingReporter reporter;
  ListingSession session;
  Listing previous;
  previous.selected = 0;
  const Listing listing =
      uranai(birth_and_now(1996, 13, 1, "平成 8年 13月 1日"), session, previous);
  EXPECT_EQ(listing.lines, (Lines{"　平成 8年 13月 1日生まれを表示", "", "【 星　座 】", ""}));
  EXPECT_EQ(listing.selected, -1);
  EXPECT_EQ(reporter.places(), (std::vector<std::string>{"sza", "uranai"}));
}

TEST(Uranai, GarbageDatesAreReadOrReportedNeverWrapped) {
  const i16 years[] = {-32768, -1, 0, 1, 1582, 27967, 32767};
  const i16 months[] = {-1, 0, 1, 2, 12, 13};
  const i16 days[] = {-5, 0, 1, 31, 32};
  const i16 choices[] = {-1, 0, 25, 61};
  for (const i16 year : years) {
    for (const i16 month : months) {
      for (const i16 day : days) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << "-" << day);
        RecordingReporter reporter;
        ListingSession session;
        session.hour_choice = choices[static_cast<std::size_t>((day + 5) % 4)];
        session.minute_choice = choices[static_cast<std::size_t>((month + 1) % 4)];
        const Listing listing = uranai(birth_and_now(year, month, day, ""), session, Listing{});
        const bool valid_date = month >= 1 && month <= 12 && day >= 1 && day <= 31;
        if (!valid_date) {
          EXPECT_FALSE(reporter.empty());
          EXPECT_LT(listing.lines.size(), 52u);
        }
        for (const auto& report : reporter.reports())
          EXPECT_TRUE(report.number == 6 || report.number == 9) << report.place;
      }
    }
  }
}

TEST(UraLi3Kaki, OneListingLinePerTextLine) {
  struct Row {
    const char* name;
    const char* text;
    Lines lines;
  };
  const Row rows[] = {
      {"no_line_break", "abc", {"abc"}},
      {"empty_text", "", {""}},
      {"two_lines", "a\r\nb", {"a", "b"}},
      {"ending_in_a_break_adds_an_empty_line", "a\r\n", {"a", ""}},
      {"carriage_return_alone_ends_a_line", "a\rb", {"a", "b"}},
      {"line_feed_alone_is_dropped", "a\nb", {"ab"}},
      {"empty_lines_between", "a\r\n\r\nb", {"a", "", "b"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Lines lines{"before"};
    uraLi3Kaki(r.text, lines);
    Lines expected{"before"};
    expected.insert(expected.end(), r.lines.begin(), r.lines.end());
    EXPECT_EQ(lines, expected);
  }
}

}  // namespace
}  // namespace pelmira
