// The notifier's run without its window: start date, caption, window number, visibility,
// sound, layout, the count-down and the settings written at unload.

#include "notifier/notifier_session.h"

#include <gtest/gtest.h>

#include "notifier/notifier_fixtures.h"
#include "settings/setting_values.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::cp932_data_file;
using testing::kMonday;
using testing::TestFolder;

std::string value(const MemorySettingsStore& store, const SettingKey& key) {
  return store.value(kSettingsApplication, key.section, key.key).value_or("<missing>");
}

class NotifierSessionTest : public ::testing::Test {
 protected:
  // A folder with a birthday today and two in 3 and 10 days.
  void with_hits() {
    folder_.write("family.txt",
                  cp932_data_file({"十日後^1990 12 17^10^12001111000000^", "今日^1990 12 7^",
                                   "三日後^1990 12 10^7^02001111000000^"}));
  }
  NotifierSession& loaded(CalendarDate system_today = kMonday) {
    session_.emplace(store_, folder_.path(), "/opt/pelmira", system_today);
    session_->load();
    return *session_;
  }

  TestFolder folder_;
  MemorySettingsStore store_;
  std::optional<NotifierSession> session_;
};

TEST(NotifierCaption, DateAndWeekday) {
  EXPECT_EQ(notifier_caption(kMonday), "2026年12月7日（月）  Lunoka");
  EXPECT_EQ(notifier_caption({2024, 2, 29}), "2024年2月29日（木）  Lunoka");
}

TEST(StartDate, TheTestDateServesOneStart) {
  struct Row {
    const char* name;
    const char *e, *m, *d;
    CalendarDate today;
    bool test_mode;
    const char* e_after;
  };
  const Row rows[] = {
      {"no_test_date", "0", "5", "3", kMonday, false, "0"},
      {"test_date", "2024", "2", "29", {2024, 2, 29}, true, "0"},
      {"day_that_does_not_exist", "2023", "2", "29", kMonday, true, "0"},
      {"month_13", "2023", "13", "1", kMonday, true, "0"},
      {"negative_year", "-5", "1", "1", kMonday, true, "0"},
      {"year_not_a_number", "soon", "1", "1", kMonday, false, "soon"},
      {"month_not_a_number", "2024", "may", "1", kMonday, true, "0"},
      {"fraction_rounds_half_to_even", "2024.5", "2", "29", {2024, 2, 29}, true, "0"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    MemorySettingsStore store;
    write_text(store, setting::kTestYear, r.e);
    write_text(store, setting::kTestMonth, r.m);
    write_text(store, setting::kTestDay, r.d);
    const StartDate start = take_start_date(store, kMonday);
    EXPECT_EQ(start.today.year, r.today.year);
    EXPECT_EQ(start.today.month, r.today.month);
    EXPECT_EQ(start.today.day, r.today.day);
    EXPECT_EQ(start.test_mode, r.test_mode);
    EXPECT_EQ(value(store, setting::kTestYear), r.e_after);
  }
}

TEST_F(NotifierSessionTest, HitsTakeAWindowNumberAndSizeTheList) {
  with_hits();
  const NotifierSession& s = loaded();
  EXPECT_EQ(s.caption(), "2026年12月7日（月）  Lunoka");
  EXPECT_EQ(s.lines(),
            (std::vector<std::string>{"今日" + std::string(20, ' ') + "    36歳の誕生日", "",
                                      "     3日後  三日後",
                                      "    10日後  十日後" + std::string(18, ' ') + "誕生日"}));
  EXPECT_EQ(s.window_number(), 0);
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "1");
  EXPECT_TRUE(s.visible());
  EXPECT_TRUE(s.plays_sound());
  const NotifierLayout& l = s.layout();
  EXPECT_EQ(l.left, 1215);
  EXPECT_EQ(l.top, 840);
  EXPECT_EQ(l.width, 6690);
  EXPECT_EQ(l.list_width, 6540);
  EXPECT_EQ(l.font_size, 13);
  EXPECT_EQ(l.list_height, 4 * 13 * 24 + 240);
  EXPECT_EQ(l.height, l.list_height + 430);
}

TEST_F(NotifierSessionTest, ALaterWindowOpensToTheRightWithoutSound) {
  with_hits();
  write_text(store_, setting::kNotifierWindowCount, "1");
  write_text(store_, setting::kNotifierLeft, "100");
  const NotifierSession& s = loaded();
  EXPECT_EQ(s.window_number(), 1);
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "2");
  EXPECT_EQ(s.layout().left, 100 + 3390);
  EXPECT_FALSE(s.plays_sound());
}

TEST_F(NotifierSessionTest, NothingToShow) {
  folder_.write("family.txt", cp932_data_file({"明日^1990 12 8^"}));
  const NotifierSession& s = loaded();
  EXPECT_TRUE(s.lines().empty());
  EXPECT_FALSE(s.visible());
  EXPECT_FALSE(s.plays_sound());
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "<missing>");  // not taken
  EXPECT_EQ(s.layout().list_height, 960);
  EXPECT_EQ(s.counts().data_lines, 1);
}

TEST_F(NotifierSessionTest, VisibilityAndSoundSettings) {
  struct Row {
    const char* name;
    bool hits;
    const char* nodatahyouji;
    const char* ongaku;
    const char* test_year;
    bool visible, sound;
  };
  const Row rows[] = {
      {"hits", true, "1", "1", "0", true, true},
      {"hits_sound_off", true, "1", "0", "0", true, false},
      {"hits_sound_not_a_number", true, "1", "on", "0", true, true},
      {"no_hits_hidden", false, "1", "1", "0", false, false},
      {"no_hits_shown_when_asked", false, "0", "1", "0", true, true},
      {"no_hits_setting_2_hides", false, "2", "1", "0", false, false},
      {"no_hits_test_mode", false, "1", "1", "2026", true, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TestFolder folder;
    folder.write("a.txt", cp932_data_file({r.hits ? "x^1990 12 7^" : "x^1990 12 8^"}));
    MemorySettingsStore store;
    write_text(store, setting::kNoDataShow, r.nodatahyouji);
    write_text(store, setting::kPlaySound, r.ongaku);
    write_text(store, setting::kTestYear, r.test_year);
    write_text(store, setting::kTestMonth, "12");
    write_text(store, setting::kTestDay, "7");
    NotifierSession s(store, folder.path(), "", kMonday);
    s.load();
    EXPECT_EQ(s.visible(), r.visible);
    EXPECT_EQ(s.plays_sound(), r.sound);
  }
}

TEST_F(NotifierSessionTest, TheHolidayLineOnAHoliday) {
  write_text(store_, setting::kShowHoliday, "1");
  NotifierSession& s = loaded({2026, 11, 3});
  EXPECT_EQ(s.lines(), std::vector<std::string>{"文化の日"});
  EXPECT_TRUE(s.visible());
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "1");  // the holiday line is a hit

  write_text(store_, setting::kShowHoliday, "0");
  EXPECT_TRUE(loaded({2026, 11, 3}).lines().empty());
}

TEST_F(NotifierSessionTest, AReadErrorLeavesTheWindowNumberAlone) {
  folder_.write("a.txt", cp932_data_file({"x^1990 12 7", "y^1990 12 7^"}));
  const NotifierSession& s = loaded();
  ASSERT_TRUE(s.failure());
  EXPECT_TRUE(s.lines().empty());
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "<missing>");
}

TEST_F(NotifierSessionTest, CountDownWithAutoClose) {
  with_hits();
  NotifierSession& s = loaded();
  for (int tick = 1; tick <= 19; ++tick) {
    const TickAction a = s.tick();
    ASSERT_TRUE(a.caption);
    EXPECT_EQ(*a.caption, "2026年12月7日（月）  Lunoka  " + std::to_string(20 - tick));
    EXPECT_FALSE(a.unload);
    EXPECT_FALSE(a.stop_timer);
  }
  const TickAction last = s.tick();
  EXPECT_EQ(*last.caption, "2026年12月7日（月）  Lunoka  0");
  EXPECT_TRUE(last.unload);
  EXPECT_TRUE(last.close_sound);
}

TEST_F(NotifierSessionTest, WithoutAutoCloseTheFirstTickStopsTheTimer) {
  struct Row {
    const char* name;
    bool hits;
    const char* nodatahyouji;
    bool unload;
  };
  const Row rows[] = {
      {"hits_stay", true, "1", false},
      {"nothing_hidden_unloads", false, "1", true},
      {"nothing_but_shown_stays", false, "0", false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TestFolder folder;
    folder.write("a.txt", cp932_data_file({r.hits ? "x^1990 12 7^" : "x^1990 12 8^"}));
    MemorySettingsStore store;
    write_text(store, setting::kAutoClose, "0");
    write_text(store, setting::kNoDataShow, r.nodatahyouji);
    NotifierSession s(store, folder.path(), "", kMonday);
    s.load();
    const TickAction a = s.tick();
    EXPECT_FALSE(a.caption);
    EXPECT_TRUE(a.stop_timer);
    EXPECT_EQ(a.unload, r.unload);
    EXPECT_EQ(s.ticks(), 0);
  }
}

TEST_F(NotifierSessionTest, AutoCloseIsReadOnEveryTick) {
  with_hits();
  NotifierSession& s = loaded();
  s.tick();
  s.tick();
  write_text(store_, setting::kAutoClose, "0");
  const TickAction a = s.tick();
  EXPECT_TRUE(a.stop_timer);
  EXPECT_FALSE(a.caption);
  EXPECT_EQ(s.ticks(), 2);
}

TEST_F(NotifierSessionTest, UnloadWritesTheWindowState) {
  with_hits();
  NotifierSession& s = loaded();
  int boxes = 0;
  s.unload({3000, 450, 7000.4}, [&](const std::string&) { ++boxes; });
  EXPECT_EQ(boxes, 0);
  EXPECT_EQ(value(store_, setting::kNotifierWidth), "7000");
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "0");
  EXPECT_EQ(value(store_, setting::kNotifierLeft), "3000");
  EXPECT_EQ(value(store_, setting::kNotifierTop), "450");
  EXPECT_EQ(value(store_, setting::kDeleteMark), "1");
}

TEST_F(NotifierSessionTest, ALaterWindowDoesNotStoreItsPlace) {
  with_hits();
  write_text(store_, setting::kNotifierWindowCount, "2");
  NotifierSession& s = loaded();
  s.unload({9000, 450, 6690}, nullptr);
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "0");
  EXPECT_EQ(value(store_, setting::kNotifierLeft), "<missing>");
  EXPECT_EQ(value(store_, setting::kNotifierTop), "<missing>");
  EXPECT_EQ(value(store_, setting::kNotifierWidth), "6690");
}

TEST_F(NotifierSessionTest, ATestRunShowsItsCountsAtUnload) {
  with_hits();
  folder_.write("notes.txt", "not a list");
  write_text(store_, setting::kTestYear, "2026");
  write_text(store_, setting::kTestMonth, "12");
  write_text(store_, setting::kTestDay, "10");
  NotifierSession& s = loaded();
  EXPECT_TRUE(s.test_mode());
  EXPECT_EQ(s.caption(), "2026年12月10日（木）  Lunoka");
  std::vector<std::string> boxes;
  s.unload({0, 0, 6690}, [&](const std::string& text) { boxes.push_back(text); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0],
            "パス    /opt/pelmira\rテキストファイル数  2\rPelmiraファイル数  1\r"
            "Pelmiraデータ数  3\r該当データ数  2");
}

TEST_F(NotifierSessionTest, StoredValuesThatAreNotNumbers) {
  with_hits();
  write_text(store_, setting::kNotifierWidth, "wide");
  write_text(store_, setting::kNotifierTop, "");
  write_text(store_, setting::kNotifierWindowCount, "many");
  write_text(store_, setting::kAutoClose, "?");
  write_text(store_, setting::kShowHoliday, "x");
  const NotifierSession& s = loaded();
  EXPECT_EQ(s.layout().width, 6690);
  EXPECT_EQ(s.layout().top, 840);
  EXPECT_EQ(s.window_number(), 0);
  EXPECT_EQ(value(store_, setting::kNotifierWindowCount), "1");
}

TEST(NotifierLayout, Arithmetic) {
  struct Row {
    const char* name;
    std::size_t lines;
    double width;
    i32 window_number;
    double left, list_width;
    int font;
    double list_height;
  };
  const Row rows[] = {
      {"design", 4, 6690, 0, 1215, 6540, 13, 1488},
      {"empty_list_minimum", 0, 6690, 0, 1215, 6540, 13, 960},
      {"long_list_maximum", 100000, 6690, 0, 1215, 6540, 13, 8000},
      {"narrow_keeps_design_list", 3, 900, 0, 1215, 6540, 13, 1176},
      {"just_over_1000", 3, 1001, 0, 1215, 851, 1, 960},
      {"wide", 3, 10230, 0, 1215, 10080, 21, 1752},
      {"absurd_width_bounded_font", 3, 1e9, 0, 1215, 1e9 - 150, 200, 8000},
      {"second_window", 1, 6690, 1, 1215 + 3390, 6540, 13, 960},
      {"third_window", 1, 6690, 2, 1215 + 6780, 6540, 13, 960},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const NotifierLayout l = notifier_layout(r.lines, 840, 1215, r.width, r.window_number);
    EXPECT_EQ(l.left, r.left);
    EXPECT_EQ(l.list_width, r.list_width);
    EXPECT_EQ(l.font_size, r.font);
    EXPECT_EQ(l.list_height, r.list_height);
    EXPECT_EQ(l.height, r.list_height + 430);
  }
}

}  // namespace
}  // namespace pelmira
