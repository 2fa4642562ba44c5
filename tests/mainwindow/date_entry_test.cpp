// Date entry: the keypad and its buttons, the step timer, the typed date and the input history.

#include "mainwindow/date_entry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/age_report.h"
#include "support/dated_state.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::dated_state;
using ::testing::HasSubstr;
using testing::RecordingReporter;
using testing::Ymd;

std::string western(const DateSlot& slot) {
  char text[32];
  std::snprintf(text, sizeof text, "%d-%02d-%02d", slot.year, slot.month, slot.day);
  return text;
}

template <std::size_t N>
int index_of(const std::array<std::string_view, N>& captions, std::string_view caption) {
  for (std::size_t i = 0; i < N; ++i)
    if (captions[i] == caption) return static_cast<int>(i);
  return -1;
}

// The main window around the date entry: buttons are pressed by their captions, and every
// handler that asks for it is followed by the refresh (mein0, then the input history).
class EntryWindow {
 public:
  explicit EntryWindow(Ymd birth = {2000, 5, 3}, Ymd now = {2010, 8, 8})
      : state(dated_state(birth, now)) {
    refresh();
  }

  void refresh() {
    mein0(state);
    nyuryokurireki(history, state);
  }

  // Digits, units, eras, signs, "消す" and "＝" (a click: pressed, one tick, released, and the
  // tick that stops the timer).
  void press(std::string_view button) {
    bool wants_refresh = false;
    if (button.size() == 1 && button[0] >= '0' && button[0] <= '9') {
      Command7_Click(keypad, button[0] - '0');
    } else if (const int unit = index_of(kUnitButtons, button); unit >= 0) {
      wants_refresh = Command8_Click(state, keypad, unit);
    } else if (const int era = index_of(kEraButtons, button); era >= 0) {
      wants_refresh = Command4_Click(state, keypad, era);
    } else if (const int sign = index_of(kSignButtons, button); sign >= 0) {
      Command10_Click(keypad, sign);
    } else if (button == "消す") {
      clear_keypad(keypad);
    } else if (button == "＝") {
      step_pressed(keypad);
      tick();
      step_released(keypad);
      EXPECT_TRUE(tick().stop_timer);
    } else {
      ADD_FAILURE() << "no button " << button;
    }
    if (wants_refresh) refresh();
  }

  void press(std::initializer_list<std::string_view> buttons) {
    for (std::string_view button : buttons) press(button);
  }

  TimerTick tick() {
    const TimerTick t = Timer1_Timer(state, keypad);
    if (t.refresh) refresh();
    return t;
  }

  void type(std::string_view text) {
    if (enter_typed_date(state, text).refresh) refresh();
  }

  DateSlot& slot(int i = 0) { return state.slots[static_cast<std::size_t>(i)]; }

  RecordingReporter reporter;
  ProgramState state;
  Keypad keypad;
  InputHistory history;
};

// ---- Keypad buttons and display -------------------------------------------------------------

TEST(KeypadButtons, EnabledByState) {
  struct Row {
    int state;
    KeypadButtons buttons;
  };
  const Row rows[] = {
      {kKeypadNumber, {.year = true, .month = true, .day = true}},
      {kKeypadEraYear, {.year = true}},
      {kKeypadTyping, {.enter = true}},
      {kKeypadIdle, {}},
      {kKeypadStep, {.year = true, .month = true, .day = true, .step = true}},
      {-1, {}},
      {5, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.state);
    EXPECT_EQ(cHyouji(r.state), r.buttons);
  }
}

TEST(KeypadDisplay, FollowsTheButtons) {
  struct Row {
    const char* name;
    std::vector<std::string_view> buttons;
    const char* display;
    int state;
  };
  const Row rows[] = {
      {"digits_compose", {"1", "2"}, "12", kKeypadNumber},
      {"era_then_digits", {"平成", "1", "2"}, "平成12", kKeypadEraYear},
      {"digits_then_era", {"1", "2", "昭和"}, "昭和12", kKeypadEraYear},
      {"era_stops_composing", {"1", "昭和", "2"}, "昭和2", kKeypadEraYear},
      {"sign_digits_unit", {"＋", "1", "0", "日"}, "＋10日", kKeypadStep},
      {"digits_then_sign", {"1", "0", "－"}, "－10", kKeypadStep},
      {"another_era_replaces", {"昭和", "大正"}, "大正", kKeypadIdle},
      {"sign_clears_the_era", {"大正", "＋", "3"}, "＋3", kKeypadNumber},
      {"unit_stops_composing", {"＋", "1", "日", "5"}, "＋5日", kKeypadStep},
      {"sign_without_number_keeps_state", {"＋"}, "＋", kKeypadIdle},
      {"clear", {"＋", "1", "日", "消す"}, "", kKeypadIdle},
      {"clear_drops_the_sign", {"＋", "1", "消す", "平成", "7"}, "平成7", kKeypadEraYear},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EntryWindow w;
    for (std::string_view b : r.buttons) w.press(b);
    EXPECT_EQ(w.keypad.display, r.display);
    EXPECT_EQ(w.keypad.state, r.state);
  }
}

TEST(KeypadDisplay, DateBoxFocusAndBadIndexes) {
  EntryWindow w;
  Text2_GotFocus(w.keypad);
  EXPECT_EQ(w.keypad.state, kKeypadTyping);

  Command7_Click(w.keypad, 10);
  Command10_Click(w.keypad, 2);
  EXPECT_FALSE(Command8_Click(w.state, w.keypad, 3));
  EXPECT_FALSE(Command4_Click(w.state, w.keypad, 6));
  EXPECT_EQ(w.reporter.places(), (std::vector<std::string>{"Command7_Click", "Command10_Click",
                                                           "Command8_Click", "Command4_Click"}));
  EXPECT_EQ(w.keypad.number, "");
}

// ---- Keypad date entry ----------------------------------------------------------------------

TEST(KeypadEntry, EraYearThenMonth) {
  EntryWindow w;
  w.press({"平成", "1", "2"});
  EXPECT_TRUE(Command8_Click(w.state, w.keypad, 0));
  EXPECT_EQ(w.slot().entered_year, 12);
  EXPECT_EQ(w.slot().era_label(), "平成");
  EXPECT_EQ(w.keypad.state, kKeypadIdle);
  EXPECT_EQ(w.keypad.display, "");
  EXPECT_EQ(w.keypad.era, "");
  w.refresh();
  EXPECT_EQ(western(w.slot()), "2000-05-03");

  w.press({"1", "1", "月", "2", "8", "日"});
  EXPECT_EQ(western(w.slot()), "2000-11-28");
  EXPECT_EQ(w.slot().era_text, "平成 12年 11月 28日");
  EXPECT_TRUE(w.reporter.empty());
}

TEST(KeypadEntry, YearWithoutAnEraIsWestern) {
  for (const i16 western_only : {i16{0}, i16{1}}) {
    SCOPED_TRACE(western_only);
    EntryWindow w({1950, 2, 1});
    w.state.western_only = western_only;
    w.press({"3", "0", "0"});
    ASSERT_TRUE(Command8_Click(w.state, w.keypad, 0));
    EXPECT_EQ(w.slot().era_label(), western_only == 1 ? "西暦" : "");
    w.refresh();
    EXPECT_EQ(western(w.slot()), "300-02-01");
    EXPECT_EQ(w.slot().era_label(), "西暦");
  }
}

TEST(KeypadEntry, NumbersThatChangeNothing) {
  struct Row {
    const char* name;
    std::vector<std::string_view> buttons;
    std::vector<std::string> places;
  };
  const Row rows[] = {
      {"zero_year", {"0", "年"}, {}},
      {"zeros_day", {"0", "0", "日"}, {}},
      {"no_number", {"月"}, {}},
      {"year_past_16_bits_with_4800", {"2", "7", "9", "6", "8", "年"}, {"Command8_Click"}},
      {"month_past_16_bits", {"9", "9", "9", "9", "9", "月"}, {"Command8_Click"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EntryWindow w;
    for (std::string_view b : r.buttons) w.press(b);
    EXPECT_EQ(western(w.slot()), "2000-05-03");
    EXPECT_EQ(w.slot().era_label(), "平成");
    EXPECT_EQ(w.reporter.places(), r.places);
  }
}

TEST(KeypadEntry, LargestYearAndLongDigitRuns) {
  EntryWindow w;
  w.press({"2", "7", "9", "6", "7", "年"});
  EXPECT_EQ(western(w.slot()), "27967-05-03");

  EntryWindow long_run;
  for (int i = 0; i < 10000; ++i) long_run.press("9");
  EXPECT_FALSE(Command8_Click(long_run.state, long_run.keypad, 2));
  EXPECT_EQ(long_run.reporter.places(), std::vector<std::string>{"Command8_Click"});
  EXPECT_EQ(western(long_run.slot()), "2000-05-03");
}

// ---- Era buttons pressed twice --------------------------------------------------------------

// A slot holding 平成40 as entered, before any refresh (a refresh reads 2028 as 令和10).
TEST(KeypadEra, ShowaThenTaishoOnHeisei40) {
  EntryWindow w;
  w.slot().era_label() = "平成";
  w.slot().entered_year = 40;
  w.slot().month = 1;
  w.slot().day = 1;
  w.press({"昭和", "昭和"});
  EXPECT_EQ(western(w.slot()), "1965-01-01");
  EXPECT_EQ(w.slot().era_text, "昭和 40年 1月 1日");
  EXPECT_EQ(w.state.western_only, 0);

  w.press({"大正", "大正"});
  EXPECT_EQ(western(w.slot()), "1926-01-01");
  EXPECT_EQ(w.slot().era_text, "大正 15年 1月 1日");
  EXPECT_EQ(w.keypad.era, "");
  EXPECT_EQ(w.keypad.display, "");
  EXPECT_TRUE(w.reporter.empty());
}

TEST(KeypadEra, SearchFromTheEnteredYear) {
  struct Row {
    const char* name;
    const char* label;  // the slot as entered, refreshed first unless empty
    i16 entered_year, month, day;
    const char* era;
    const char* date;
    const char* era_text;
  };
  const Row rows[] = {
      {"refreshed_2028_reads_reiwa_10", "平成", 40, 1, 1, "昭和", "1935-01-01",
       "昭和 10年 1月 1日"},
      {"western_40", "西暦", 40, 1, 1, "昭和", "1965-01-01", "昭和 40年 1月 1日"},
      {"heisei_ends_at_31", "西暦", 40, 1, 1, "平成", "2019-01-01", "平成 31年 1月 1日"},
      {"heisei_31_in_may_is_30", "西暦", 40, 5, 1, "平成", "2018-05-01", "平成 30年 5月 1日"},
      {"reiwa", "昭和", 40, 6, 1, "令和", "2058-06-01", "令和 40年 6月 1日"},
      {"meiji_from_heisei_12", "平成", 12, 5, 3, "明治", "1879-05-03", "明治 12年 5月 3日"},
      {"taisho_1_in_january_searches_up", "", 1, 1, 1, "大正", "1913-01-01", "大正 2年 1月 1日"},
      {"below_minus_3_searches_up", "", -100, 1, 1, "明治", "1868-01-01", "明治 1年 1月 1日"},
      {"far_future_searches_down", "西暦", 30000, 1, 1, "明治", "1912-01-01", "明治 45年 1月 1日"},
      {"past_the_era_year_range", "", 32000, 1, 1, "明治", "1912-01-01", "明治 45年 1月 1日"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EntryWindow w;
    w.slot().era_label() = r.label;
    w.slot().entered_year = r.entered_year;
    w.slot().month = r.month;
    w.slot().day = r.day;
    if (*r.label != '\0') w.refresh();
    w.press({r.era, r.era});
    EXPECT_EQ(western(w.slot()), r.date);
    EXPECT_EQ(w.slot().era_text, r.era_text);
    EXPECT_TRUE(w.reporter.empty());
  }
}

TEST(KeypadEra, WesternTwiceSwitchesToWesternOnly) {
  EntryWindow w;
  w.press({"西暦"});
  EXPECT_TRUE(Command4_Click(w.state, w.keypad, 0));
  EXPECT_EQ(w.slot().entered_year, 2000);
  EXPECT_EQ(w.slot().era_label(), "西暦");
  EXPECT_EQ(w.state.western_only, 1);
  w.refresh();
  EXPECT_EQ(western(w.slot()), "2000-05-03");

  w.press({"昭和", "昭和"});
  EXPECT_EQ(w.state.western_only, 0);
  EXPECT_EQ(western(w.slot()), "1937-05-03");  // 平成12 read as 昭和12
}

// ---- Stepping -------------------------------------------------------------------------------

TEST(KeypadStep, ClickSteps) {
  struct Row {
    const char* name;
    Ymd from;
    std::vector<std::string_view> buttons;
    const char* date;
  };
  const Row rows[] = {
      {"ten_days_forward", {2000, 5, 3}, {"＋", "1", "0", "日", "＝"}, "2000-05-13"},
      {"three_months_back_normalised", {2001, 5, 31}, {"－", "3", "月", "＝"}, "2001-03-03"},
      {"months_across_years", {2001, 11, 30}, {"＋", "1", "4", "月", "＝"}, "2003-01-30"},
      {"years_back", {2000, 2, 29}, {"－", "1", "年", "＝"}, "1999-03-01"},
      {"days_across_the_reform", {1582, 10, 4}, {"＋", "1", "日", "＝"}, "1582-10-15"},
      {"days_back_a_year", {2000, 3, 1}, {"－", "3", "6", "6", "日", "＝"}, "1999-03-01"},
      {"largest_amount", {2000, 1, 1}, {"＋", "3", "2", "7", "6", "7", "日", "＝"}, "2089-09-17"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EntryWindow w(r.from);
    for (std::string_view b : r.buttons) w.press(b);
    EXPECT_EQ(western(w.slot()), r.date);
    EXPECT_TRUE(w.reporter.empty());
    EXPECT_EQ(w.keypad.repeat_count, 0);
    EXPECT_EQ(w.keypad.timer_interval, kStepFastInterval);
  }
}

TEST(KeypadStep, WithoutUnitNothingMoves) {
  EntryWindow w;
  w.press({"1", "0", "＋", "＝"});
  EXPECT_EQ(western(w.slot()), "2000-05-03");
  EXPECT_EQ(w.slot().era_label(), "平成");
}

TEST(KeypadStep, HoldingRepeatsSlowlyThenFast) {
  EntryWindow w;
  w.press({"＋", "1", "日"});
  step_pressed(w.keypad);
  std::vector<int> intervals;
  for (int i = 0; i < 8; ++i) {
    const TimerTick t = w.tick();
    EXPECT_TRUE(t.refresh);
    EXPECT_FALSE(t.stop_timer);
    intervals.push_back(t.interval);
  }
  EXPECT_EQ(intervals, (std::vector<int>{400, 400, 400, 400, 400, 1, 1, 1}));
  EXPECT_EQ(w.keypad.repeat_count, 10);
  step_released(w.keypad);
  const TimerTick stop = w.tick();
  EXPECT_TRUE(stop.stop_timer);
  EXPECT_FALSE(stop.refresh);
  EXPECT_EQ(stop.interval, kStepFastInterval);
  EXPECT_EQ(w.keypad.repeat_count, 0);
  EXPECT_EQ(western(w.slot()), "2000-05-11");
}

TEST(KeypadStep, ErrorsLeaveTheDate) {
  struct Row {
    const char* name;
    Ymd from;
    std::vector<std::string_view> buttons;
    int error;
  };
  const Row rows[] = {
      {"back_past_year_1", {3, 6, 1}, {"－", "3", "年", "＝"}, err::kYearBelowOne},
      {"days_back_past_year_1", {1, 1, 5}, {"－", "5", "日", "＝"}, err::kYearBelowOne},
      {"years_past_4800_limit", {27967, 1, 1}, {"＋", "1", "年", "＝"}, err::kOverflow},
      {"months_past_4800_limit", {27900, 1, 1}, {"＋", "9", "9", "9", "月", "＝"}, err::kOverflow},
      {"days_past_4800_limit", {27967, 1, 1}, {"＋", "3", "6", "5", "日", "＝"}, err::kOverflow},
      {"days_past_last_day", {27967, 12, 31}, {"＋", "1", "日", "＝"}, err::kOverflow},
      {"amount_past_16_bits",
       {2000, 1, 1},
       {"＋", "3", "2", "7", "6", "8", "日", "＝"},
       err::kOverflow},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EntryWindow w(r.from);
    const std::string before = western(w.slot());
    for (std::string_view b : r.buttons) w.press(b);
    EXPECT_EQ(western(w.slot()), before);
    EXPECT_NE(w.slot().era_label(), "");
    ASSERT_EQ(w.reporter.places(), std::vector<std::string>{"skl1"});
    EXPECT_EQ(w.reporter.reports()[0].number, r.error);
    if (r.error == err::kYearBelowOne) {
      EXPECT_THAT(w.reporter.reports()[0].message(), HasSubstr("西暦０年以下には対応していません"));
    }
  }
}

TEST(KeypadStep, HoldingUntilTheYearOverflows) {
  EntryWindow w({27900, 3, 1});
  w.press({"＋", "2", "0", "年"});
  step_pressed(w.keypad);
  int ticks = 0;
  while (!w.tick().stop_timer && ++ticks < 100) {
  }
  EXPECT_EQ(ticks, 4);  // three steps, then the step that fails
  EXPECT_EQ(western(w.slot()), "27960-03-01");
  EXPECT_FALSE(w.keypad.held);
  EXPECT_EQ(w.reporter.places(), std::vector<std::string>{"skl1"});
  EXPECT_EQ(w.reporter.reports()[0].number, err::kOverflow);
}

// ---- Typed date -----------------------------------------------------------------------------

TEST(EntryTyped, ReadsIntoTheSlotBeingEntered) {
  struct Row {
    const char* name;
    i16 slot;
    const char* text;
    const char* date;
    const char* era_text;
  };
  const Row rows[] = {
      {"era_letter", 0, "H12.5.3", "2000-05-03", "平成 12年 5月 3日"},
      {"western", 0, "1990/1/2", "1990-01-02", "平成 2年 1月 2日"},
      {"month_and_day_keep_the_era_year", 0, "11月9日", "2000-11-09", "平成 12年 11月 9日"},
      {"slot_one", 1, "S40.1.1", "1965-01-01", "昭和 40年 1月 1日"},
      {"control_characters_separate", 0, "2001\x07/6\x1b/7\t", "2001-06-07", "平成 13年 6月 7日"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EntryWindow w({1999, 1, 1}, {2010, 8, 8});
    w.type("H12.5.3");
    w.state.entering_slot = r.slot;
    w.type(r.text);
    EXPECT_EQ(western(w.slot(r.slot)), r.date);
    EXPECT_EQ(w.slot(r.slot).era_text, r.era_text);
    EXPECT_TRUE(w.reporter.empty());
  }
}

TEST(EntryTyped, SolarTermSwitch) {
  struct Row {
    const char* text;
    std::optional<int> listing;
  };
  const Row rows[] = {{"節気表示", 1},
                      {"節気非表示", 0},
                      {" 節気表示", std::nullopt},
                      {"節気表示 ", std::nullopt},
                      {"H1.2.3", std::nullopt}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    ProgramState state = dated_state({2000, 5, 3}, {2010, 8, 8});
    const TypedDate typed = enter_typed_date(state, r.text);
    EXPECT_EQ(typed.solar_term_listing, r.listing);
    EXPECT_TRUE(typed.refresh);
  }
  EntryWindow w;
  w.type("節気表示");
  EXPECT_EQ(western(w.slot()), "2000-05-03");
}

TEST(EntryTyped, UnreadableTextChangesNothing) {
  const std::string controls{"\x01\x02\x03\n\r\x7f", 6};
  const std::string rows[] = {
      "",
      "99999",
      "H99999.1.1",
      controls,
      std::string(10000, '1'),
      std::string(10000, '\x05'),
      [] {
        std::string s;
        for (int i = 0; i < 10000; ++i) s += "年";
        return s;
      }(),
      "\xff\xfe\x80",
  };
  for (const std::string& text : rows) {
    SCOPED_TRACE(text.substr(0, 20));
    EntryWindow w;
    w.type(text);
    EXPECT_EQ(western(w.slot()), "2000-05-03");
    EXPECT_EQ(w.slot().era_label(), "平成");
    for (const std::string& place : w.reporter.places()) EXPECT_EQ(place, "bnsk");
  }
}

// ---- Input history --------------------------------------------------------------------------

TEST(History, RecordsOnlyChangedPairs) {
  EntryWindow w;
  ASSERT_EQ(w.history.count(), 1u);
  EXPECT_EQ(w.history.rows[1],
            (std::array<std::string, 2>{"平成 12年 5月 3日", "平成 22年 8月 8日"}));
  w.refresh();
  EXPECT_EQ(w.history.count(), 1u);
  EXPECT_FALSE(w.history.undo_enabled());
  w.type("H13.5.3");
  EXPECT_EQ(w.history.count(), 2u);
  EXPECT_TRUE(w.history.undo_enabled());
}

TEST(History, UndoRestoresTheEarlierPair) {
  EntryWindow w;
  w.type("S50.1.2");
  w.state.entering_slot = 1;
  w.type("R2.3.4");
  ASSERT_EQ(w.history.count(), 3u);

  ASSERT_TRUE(riremodos_Click(w.state, w.history));
  w.refresh();
  EXPECT_EQ(western(w.slot(0)), "1975-01-02");
  EXPECT_EQ(western(w.slot(1)), "2010-08-08");
  EXPECT_EQ(w.history.count(), 2u);

  ASSERT_TRUE(riremodos_Click(w.state, w.history));
  w.refresh();
  EXPECT_EQ(western(w.slot(0)), "2000-05-03");
  EXPECT_EQ(western(w.slot(1)), "2010-08-08");
  EXPECT_EQ(w.history.count(), 1u);
  EXPECT_FALSE(w.history.undo_enabled());
  EXPECT_TRUE(w.reporter.empty());
}

TEST(History, EmptyRowChangesNothing) {
  EntryWindow w;
  ASSERT_TRUE(riremodos_Click(w.state, w.history));  // reads row 0
  EXPECT_EQ(w.history.count(), 0u);
  EXPECT_EQ(western(w.slot(0)), "2000-05-03");
  EXPECT_EQ(w.slot(0).era_label(), "平成");
  EXPECT_EQ(western(w.slot(1)), "2010-08-08");

  EXPECT_FALSE(riremodos_Click(w.state, w.history));  // row 0 itself stays
  EXPECT_EQ(w.history.rows.size(), 1u);
  w.refresh();
  EXPECT_EQ(w.history.count(), 1u);
  EXPECT_TRUE(w.reporter.empty());
}

}  // namespace
}  // namespace pelmira
