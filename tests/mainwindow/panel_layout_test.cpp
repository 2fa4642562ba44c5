// The main window's panel layout: resize classification, the available height per cause,
// column packing, the list panel's place, the targets and the window's new size. Expected
// figures are worked out by hand from the design sizes (heights: input 3300, report 3600,
// month calendar 2250, listing 4500, list 4000, notification entry 3000; all 4800 wide).

#include "mainwindow/panel_layout.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace pelmira {
namespace {

// ---- Inputs -------------------------------------------------------------------------------

// Check marks from text in the "kidougamen" form: character i is panel i.
std::array<bool, kPanelCount> shown_panels(const char* marks) {
  std::array<bool, kPanelCount> shown{};
  for (int i = 0; i < kPanelCount; ++i) shown[i] = marks[i] == '1';
  return shown;
}

// Cause 6 in the normal state, as at start-up: a 1024-pixel screen gives 13312, capped to 8000.
LayoutInput panels_changed(const char* marks, int screen_pixels = 1024) {
  LayoutInput input;
  input.cause = kCausePanels;
  input.window_height = 6000;
  input.window_width = 9000;
  input.screen_vertical_pixels = screen_pixels;
  input.shown = shown_panels(marks);
  return input;
}

LayoutInput user_resize(std::uint8_t cause, const char* marks, int window_height,
                        int window_width = 9000) {
  LayoutInput input = panels_changed(marks);
  input.cause = cause;
  input.window_height = window_height;
  input.window_width = window_width;
  return input;
}

// The cause left as it is: a maximised window is laid out as cause 1 whatever it is.
LayoutInput maximised(const char* marks, int window_height) {
  LayoutInput input = user_resize(kCausePanels, marks, window_height);
  input.state = WindowState::kMaximised;
  return input;
}

LayoutInput on_screen(LayoutInput input, int screen_pixels) {
  input.screen_vertical_pixels = screen_pixels;
  return input;
}

LayoutInput in_state(LayoutInput input, WindowState state) {
  input.state = state;
  return input;
}

// Heights of panels 0, 1, ... in order; the rest keep their design heights.
LayoutInput with_heights(LayoutInput input, std::initializer_list<int> heights) {
  int panel = 0;
  for (int h : heights) input.sizes[panel++].height = h;
  return input;
}

LayoutInput with_size(LayoutInput input, int panel, PanelSize size) {
  input.sizes[panel] = size;
  return input;
}

LayoutInput with_year_calendar(LayoutInput input, bool follows_switch = false) {
  input.year_calendar_shown = true;
  input.follows_year_calendar_switch = follows_switch;
  return input;
}

// ---- Plans as text, so that a row states a whole layout on one line ----------------------

// "left:panels=height_sum" for each column, e.g. "50:0,3=7800 4900:1,2=5850".
std::string columns_text(const LayoutPlan& plan) {
  std::string text;
  for (const LayoutColumn& column : plan.columns) {
    if (!text.empty()) text += ' ';
    text += std::to_string(column.left) + ':';
    for (std::size_t k = 0; k < column.panels.size(); ++k) {
      if (k > 0) text += ',';
      text += std::to_string(column.panels[k]);
    }
    text += '=' + std::to_string(column.height_sum);
  }
  return text;
}

// "panel@left,top" for each placed panel, in panel order.
std::string places_text(const LayoutPlan& plan) {
  std::string text;
  for (int i = 0; i < kPanelCount; ++i) {
    if (!plan.places[i]) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(i) + '@' + std::to_string(plan.places[i]->left) + ',' +
            std::to_string(plan.places[i]->top);
  }
  return text;
}

// "left,top widthxheight", or "none".
std::string list_text(const LayoutPlan& plan) {
  if (!plan.list) return "none";
  const ListPanelPlace& l = *plan.list;
  return std::to_string(l.left) + ',' + std::to_string(l.top) + ' ' + std::to_string(l.width) +
         'x' + std::to_string(l.height);
}

// "widthxheight" of the window's new size, "-" for a side left as it is.
std::string new_size_text(const LayoutPlan& plan) {
  const auto side = [](const std::optional<int>& v) { return v ? std::to_string(*v) : "-"; };
  return side(plan.new_width) + 'x' + side(plan.new_height);
}

// ---- Resize classification ----------------------------------------------------------------

TEST(ResizeClassification, CausesAndBoundaries) {
  // The last size seen is 6000 high and 9000 wide in the normal state unless a row says not.
  struct Row {
    const char* name;
    std::uint8_t cause_before;
    WindowState last_state;
    WindowState state;
    int height, width;
    bool year_calendar;
    std::uint8_t cause_after;
    bool runs;
  };
  constexpr WindowState kNormal = WindowState::kNormal;
  constexpr WindowState kMin = WindowState::kMinimised;
  constexpr WindowState kMax = WindowState::kMaximised;
  const Row rows[] = {
      {"minimised_gives_7_set_back_to_0", 0, kNormal, kMin, 6000, 9000, false, 0, false},
      {"maximised_gives_1", 0, kNormal, kMax, 16000, 28000, false, 1, true},
      {"from_maximised_gives_5", 0, kMax, kNormal, 6000, 9000, false, 5, true},
      {"from_minimised_gives_5", 0, kMin, kNormal, 6100, 9100, false, 5, true},
      {"restored_before_year_calendar", 0, kMax, kNormal, 6000, 9000, true, 5, true},
      {"year_calendar_gives_8", 0, kNormal, kNormal, 6100, 9000, true, 8, false},
      // Cause 2 unless dH >= 500 or dW in 1..500.
      {"no_change_gives_2", 0, kNormal, kNormal, 6000, 9000, false, 2, true},
      {"dw_501_gives_2", 0, kNormal, kNormal, 6000, 9501, false, 2, true},
      {"dh_499_alone_gives_2", 0, kNormal, kNormal, 5501, 9000, false, 2, true},
      {"dh_300_dw_501_gives_2", 0, kNormal, kNormal, 6300, 8499, false, 2, true},
      // Then cause 3 unless dW >= 500 or dH in 1..300.
      {"dh_500_alone_gives_3", 0, kNormal, kNormal, 6500, 9000, false, 3, true},
      {"dw_499_alone_gives_3", 0, kNormal, kNormal, 6000, 8501, false, 3, true},
      {"dh_301_dw_100_gives_3", 0, kNormal, kNormal, 5699, 9100, false, 3, true},
      {"dh_600_dw_100_gives_3", 0, kNormal, kNormal, 6600, 8900, false, 3, true},
      // Then cause 4 while both are below 500: dH in 1..300 with dW in 1..499.
      {"dh_300_dw_100_gives_4", 0, kNormal, kNormal, 5700, 9100, false, 4, true},
      {"dh_1_dw_499_gives_4", 0, kNormal, kNormal, 6001, 8501, false, 4, true},
      // Else it stays 0, and the layout runs to do nothing.
      {"dw_500_alone_stays_0", 0, kNormal, kNormal, 6000, 9500, false, 0, true},
      {"dh_300_dw_500_stays_0", 0, kNormal, kNormal, 6300, 8500, false, 0, true},
      {"both_500_stays_0", 0, kNormal, kNormal, 5500, 9500, false, 0, true},
      {"both_large_stays_0", 0, kNormal, kNormal, 9000, 15000, false, 0, true},
      // A cause in force is not classified.
      {"panels_in_force_kept", 6, kNormal, kMax, 16000, 28000, false, 6, false},
      {"year_calendar_in_force_kept", 8, kNormal, kNormal, 6000, 9000, false, 8, false},
      {"own_resize_in_force_kept", 10, kNormal, kMin, 6000, 9000, false, 10, false},
      {"height_in_force_runs", 3, kNormal, kMax, 16000, 28000, false, 3, true},
      {"minimised_in_force_back_to_0", 7, kNormal, kNormal, 6000, 9000, false, 0, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ResizeTracker tracker{r.cause_before, r.last_state, 6000, 9000};
    EXPECT_EQ(classify_resize(tracker, r.state, r.height, r.width, r.year_calendar), r.runs);
    EXPECT_EQ(tracker.cause, r.cause_after);
    EXPECT_EQ(tracker.last_state, r.state);
    EXPECT_EQ(tracker.last_height, r.height);
    EXPECT_EQ(tracker.last_width, r.width);
  }
}

TEST(ResizeClassification, MeasuresFromTheLastSizeSeen) {
  // The second event compares with the first one's size, not the one before it.
  ResizeTracker tracker{0, WindowState::kNormal, 6000, 9000};
  classify_resize(tracker, WindowState::kNormal, 6000, 12000, false);  // dW 3000: cause 2
  tracker.cause = kCauseIdle;
  classify_resize(tracker, WindowState::kNormal, 6200, 12100, false);  // dH 200, dW 100
  EXPECT_EQ(tracker.cause, kCauseSmallChange);
}

// ---- Available height ---------------------------------------------------------------------

TEST(PanelLayout, AvailableHeightPerCause) {
  struct Row {
    const char* name;
    LayoutInput input;
    std::uint8_t cause;
    int available;
  };
  const Row rows[] = {
      // 13 x 768 = 9984, capped to 8000 in the normal state.
      {"panels_capped_in_normal_state", panels_changed("000000", 768), 6, 8000},
      {"panels_under_the_cap", panels_changed("000000", 600), 6, 7800},  // 13 x 600
      {"panels_minimised_uncapped",
       in_state(panels_changed("000000", 768), WindowState::kMinimised), 6, 9984},
      // Maximised on a 1080-pixel screen: cause 1, 16200 - 850.
      {"panels_maximised_lay_out_as_1", on_screen(maximised("000000", 16200), 1080), 1, 15350},
      {"maximised_window_less_chrome", maximised("000000", 9000), 1, 8150},
      {"width_window_less_chrome", user_resize(2, "000000", 9000), 2, 8150},
      // Listing 4500 + 850 = 5350 exceeds the window's 5000.
      {"height_listing_taller_than_window", user_resize(3, "000000", 5000), 3, 5350},
      {"small_change_listing_just_fits", user_resize(4, "000000", 5350), 4, 4500},
      {"restored_listing_one_over", user_resize(5, "000000", 5349), 5, 5350},
      {"restored_tall_listing",
       with_heights(user_resize(5, "000000", 6000), {3300, 3600, 2250, 6000}), 5, 6850},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const LayoutPlan plan = plan_panel_layout(r.input);
    EXPECT_TRUE(plan.runs);
    EXPECT_EQ(plan.cause, r.cause);
    EXPECT_EQ(plan.available_height, r.available);
  }
}

TEST(PanelLayout, IdleMinimisedYearCalendarAndOwnResizeDoNotRun) {
  for (std::uint8_t cause : {kCauseIdle, kCauseMinimised, kCauseYearCalendar, kCauseOwnResize}) {
    SCOPED_TRACE(static_cast<int>(cause));
    const LayoutPlan plan = plan_panel_layout(user_resize(cause, "111111", 6000));
    EXPECT_FALSE(plan.runs);
    EXPECT_EQ(plan.cause, kCauseIdle);
    EXPECT_TRUE(plan.columns.empty());
    EXPECT_EQ(list_text(plan), "none");
    EXPECT_EQ(new_size_text(plan), "-x-");
    EXPECT_FALSE(plan.panels_setting);
  }
}

// ---- Packing ------------------------------------------------------------------------------

TEST(PanelLayout, ColumnsPlacesAndTargets) {
  struct Row {
    const char* name;
    LayoutInput input;
    const char* columns;
    const char* places;
    int target_width, target_height;
  };
  const Row rows[] = {
      // Available 8000. Fitting pairs of {0,1,2,3}: 01 6900, 02 5550, 03 7800, 12 5850,
      // 23 6750 (13 is 8100, every triple more); {0,3} first, then {1,2}.
      // Panel 3 at 50 + 3300 + 50 = 3400, panel 2 at 50 + 3600 + 50 = 3700; second column
      // at 50 + 4800 + 50 = 4900; next edge 9750, so width 9850; height 7800 + 850.
      {"start_with_design_sizes", panels_changed("111100"), "50:0,3=7800 4900:1,2=5850",
       "0@50,50 1@4900,50 2@4900,3700 3@50,3400", 9850, 8650},
      // Panel 5 (3000) joins: every triple is over 8000; {0,3} 7800, then of {1,2,5}
      // 15 6600 beats 12 5850, then {2} alone at 9750. Width 14600 + 100.
      {"all_six_shown", panels_changed("111111"), "50:0,3=7800 4900:1,5=6600 9750:2=2250",
       "0@50,50 1@4900,50 2@9750,50 3@50,3400 5@4900,3700", 14700, 8650},
      // Available 9000 - 850 = 8150 lets {1,3} 8100 beat {0,3} 7800.
      {"restored_taller_window", user_resize(5, "111100", 9000), "50:1,3=8100 4900:0,2=5550",
       "0@4900,50 1@50,50 2@4900,3400 3@50,3700", 9850, 8950},
      // Maximised, 16200 - 850 = 15350: all five are 16650; of the fours, leaving out the
      // month calendar gives 14400. Tops 50, 3400, 7050 (3400 + 3600 + 50), 11600.
      {"maximised_four_in_one_column", maximised("111101", 16200), "50:0,1,3,5=14400 4900:2=2250",
       "0@50,50 1@50,3400 2@4900,50 3@50,7050 5@50,11600", 9850, 15250},
      // Available 3850 - 850 = 3000: {0,1} (number 3) and {2} (number 4) both sum to 3000.
      {"tie_lower_number_wins", with_heights(maximised("111000", 3850), {1000, 2000, 3000}),
       "50:0,1=3000 4900:2=3000", "0@50,50 1@50,1100 2@4900,50", 9850, 3850},
      // Listing 9000 > 8000: {0,1} 6900 packed, the listing after it in a column of its own.
      {"too_tall_panel_own_column",
       with_heights(panels_changed("110100"), {3300, 3600, 2250, 9000}), "50:0,1=6900 4900:3=9000",
       "0@50,50 1@50,3400 3@4900,50", 9850, 7750},
      // Panels 1 (8500) and 5 (8200) too tall: {0} packed, then 1 and 5 in panel order.
      {"too_tall_panels_in_panel_order",
       with_heights(panels_changed("110001"), {3300, 8500, 2250, 4500, 4000, 8200}),
       "50:0=3300 4900:1=8500 9750:5=8200", "0@50,50 1@4900,50 5@9750,50", 14700, 4150},
      // Nothing fits a window 1000 high: every panel in a column of its own, none lost.
      {"nothing_fits", maximised("101000", 1000), "50:0=3300 4900:2=2250", "0@50,50 2@4900,50",
       9850, 4150},
      // No column: height 0 + 850, width 50 + 100.
      {"no_panel_shown", panels_changed("000000"), "", "", 150, 850},
      // The list alone keeps its old 4800 x 4000 at 50,50, and the window grows to hold it:
      // 50 + 4800 + 150 wide, 50 + 4000 + 850 high.
      {"list_alone_is_not_packed", maximised("000010", 16200), "", "", 5000, 4900},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const LayoutPlan plan = plan_panel_layout(r.input);
    EXPECT_EQ(columns_text(plan), r.columns);
    EXPECT_EQ(places_text(plan), r.places);
    EXPECT_EQ(plan.target_width, r.target_width);
    EXPECT_EQ(plan.target_height, r.target_height);
  }
}

// ---- The list panel -----------------------------------------------------------------------

TEST(PanelLayout, ListPlaceAndTargets) {
  struct Row {
    const char* name;
    LayoutInput input;
    const char* list;
    int target_width, target_height;
  };
  const Row rows[] = {
      // Columns {0,3} {1,5} {2}; 8000 - 2250 leaves room below; target height 8650 is not
      // short. Below {2}: top 50 + 2250 + 50 = 2350, area 4950 x 6300 beats right of the
      // columns, 100 x 8600. Height 8650 - 2350 - 850 = 5450, width 14700 - 9750 - 150.
      {"all_six_below_last_column", panels_changed("111111"), "9750,2350 4800x5450", 14700, 8650},
      // Columns {0,3} {1,2}: below panel 2, top 3700 + 2250 + 50 = 6000; 4950 x 2650 beats
      // 100 x 8600. Height 8650 - 6000 - 850 = 1800.
      {"start_with_list_below", panels_changed("111110"), "4900,6000 4800x1800", 9850, 8650},
      // {0,3} leaves 8000 - 7800 = 200 < 1800: width 4900 + 4800 + 150 = 9850. Below: top
      // 7950, 9800 x 700; right: left 4900, 4950 x 8600 is larger. Height 8650 - 50 - 850.
      {"full_column_puts_list_right", panels_changed("100110"), "4900,50 4800x7750", 9850, 8650},
      // No column; 8000 left; height 850 is short, so 8000. Both places are 50,50: below.
      // Height 8000 - 50 - 850 = 7100; width 150 - 50 - 150 < 4800 keeps 4800, so the
      // window widens to hold it: 50 + 4800 + 150.
      {"list_alone", panels_changed("000010"), "50,50 4800x7100", 5000, 8000},
      // Panel 0 400 wide, 3325 high; window 8850 high, not short. Width 500 + 100 = 600,
      // height 3325 + 850 = 4175. Below: top 3425, 550 x 750 = 412500; right: left 500,
      // 100 x 4125 = 412500. Equal: below. Height -100 keeps 4000; width 600 - 200 = 400.
      // The window grows to hold the kept height: 3425 + 4000 + 850.
      {"equal_areas_keep_below", with_size(maximised("100010", 8850), 0, {400, 3325}),
       "50,3425 400x4000", 600, 8275},
      // One twip taller: right 100 x 4126 = 412600 beats 412500. Height 4176 - 900 = 3276;
      // width 600 - 500 - 150 < 400 keeps 4800; the window widens to 500 + 4800 + 150.
      {"larger_right_area_wins", with_size(maximised("100010", 8850), 0, {400, 3326}),
       "500,50 4800x3276", 5450, 4176},
      // Available 1700 leaves 850 under panel 0 (850 high): width 9850, height 1700. Right,
      // 4950 x 1650 against 9800 x 750. Height 1700 - 50 - 850 = 800 is not more than 800;
      // the kept 4000 makes the window 50 + 4000 + 850 high.
      {"height_800_keeps_old", with_heights(maximised("100010", 2550), {850}), "4900,50 4800x4000",
       9850, 4900},
      {"height_801_taken", with_heights(maximised("100010", 2550), {851}), "4900,50 4800x801", 9850,
       1701},
      // Window 5949: available 5099 leaves 1799 under panel 0: a column for the list, width
      // 9850. Right 4950 x 4100 beats below 9800 x 750; height 4150 - 900 = 3250.
      {"room_1799_list_column", user_resize(2, "100010", 5949), "4900,50 4800x3250", 9850, 4150},
      // Window 5950: 1800 left is enough; the window (5950) is short: height 5100. Below,
      // 4950 x 1700 against 100 x 5050; height 5100 - 3400 - 850 = 850.
      {"room_1800_short_window", user_resize(2, "100010", 5950), "50,3400 4800x850", 5000, 5100},
      // Window 7850 (available 7000) is not short for cause 2, which measures the window...
      // (The kept height 4000 asks for 3400 + 4000 + 850.)
      {"width_change_measures_window", user_resize(2, "100010", 7850), "50,3400 4800x4000", 5000,
       8250},
      // ...while cause 5 measures its target height, 4150: height 7000, list 7000 - 4250.
      {"restored_measures_target", user_resize(5, "100010", 7850), "50,3400 4800x2750", 5000, 7000},
      // Minimised: available 13 x 768 = 9984, height stretched to it; the list is not placed.
      {"minimised_no_list", in_state(panels_changed("100010", 768), WindowState::kMinimised),
       "none", 5000, 9984},
      // Placed within 5000 x 8000, before the year calendar's 10500 x 8500.
      {"placed_before_year_calendar_minimum", with_year_calendar(panels_changed("100010")),
       "50,3400 4800x3750", 10500, 8500},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const LayoutPlan plan = plan_panel_layout(r.input);
    EXPECT_EQ(list_text(plan), r.list);
    EXPECT_EQ(plan.target_width, r.target_width);
    EXPECT_EQ(plan.target_height, r.target_height);
  }
}

// ---- The window's new size ----------------------------------------------------------------

TEST(PanelLayout, NewWindowSizePerCause) {
  struct Row {
    const char* name;
    LayoutInput input;
    const char* new_size;
  };
  const Row rows[] = {
      {"start_both_targets", panels_changed("111100"), "9850x8650"},
      {"panels_minimised_unchanged", in_state(panels_changed("111100"), WindowState::kMinimised),
       "-x-"},
      // Available 8150: columns {1,3} 8100 and {0,2}.
      {"restored_both_targets", user_resize(5, "111100", 9000), "9850x8950"},
      {"restored_with_list_final_targets", user_resize(5, "100010", 7850), "5000x7000"},
      {"width_change_takes_width", user_resize(2, "111100", 9000, 20000), "9850x-"},
      // Target width 5000; with the list the window keeps a larger width.
      {"width_with_list_narrow_window", user_resize(2, "100010", 6000, 3000), "5000x-"},
      {"width_with_list_wide_window", user_resize(2, "100010", 6000, 12000), "12000x-"},
      // Available 5150 leaves 1850; target 4150 is short, stretched to 5150; the window
      // takes the columns' 4150.
      {"height_change_takes_column_height", user_resize(3, "100010", 6000), "-x4150"},
      {"height_change_year_calendar_minimum", with_year_calendar(user_resize(3, "100000", 6000)),
       "-x8500"},
      {"small_change_unchanged", user_resize(4, "111100", 6000), "-x-"},
      {"maximised_unchanged", maximised("111100", 16200), "-x-"},
      // The year calendar alone: 150 x 850 raised to its minimum.
      {"year_calendar_switch", with_year_calendar(panels_changed("000000"), true), "10500x8500"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(new_size_text(plan_panel_layout(r.input)), r.new_size);
  }
}

// ---- The stored check marks ---------------------------------------------------------------

TEST(PanelLayout, CheckMarksText) {
  struct Row {
    const char* name;
    const char* marks;
  };
  const Row rows[] = {
      {"none", "000000"},           {"all", "111111"},
      {"start", "111100"},          {"first_and_last", "100001"},
      {"list_and_entry", "000011"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(panels_setting_text(shown_panels(r.marks)), r.marks);
    EXPECT_EQ(plan_panel_layout(panels_changed(r.marks)).panels_setting, r.marks);
  }
}

TEST(PanelLayout, YearCalendarSwitchStoresNoCheckMarks) {
  EXPECT_FALSE(
      plan_panel_layout(with_year_calendar(panels_changed("000000"), true)).panels_setting);
  // Resized while the year calendar stays shown, the marks are stored as usual.
  EXPECT_EQ(plan_panel_layout(with_year_calendar(user_resize(5, "000000", 6000))).panels_setting,
            "000000");
}

}  // namespace
}  // namespace pelmira
