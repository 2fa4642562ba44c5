#include "mainwindow/panel_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace pelmira {
namespace {

// Resize classification: a change of at least this much is a large one in either direction;
// a height change up to kSmallHeightChange (and a width change up to kLargeChange) is small.
constexpr int kLargeChange = 500;
constexpr int kSmallHeightChange = 300;

// Twips per screen pixel the start-up layout reckons with for the display's height.
constexpr int kTwipsPerScreenPixel = 13;

// Combinations of panels are 6-bit numbers, bit i for panel i; 0 is the empty one.
constexpr int kCombinationCount = 1 << kPanelCount;

// Beyond the next column's left edge the window leaves this much to its right border.
constexpr int kRightBorder = 100;
// Beside the list panel: its own margin and the window's right border.
constexpr int kListRightRoom = 150;
// The list gets a column of its own when less height than this is left under the last column.
constexpr int kListMinRoomBelow = 1800;
// Below this window height the list stretches the window to the available height.
constexpr int kShortWindowHeight = 7000;
// The list panel takes a new height only when it is more than this.
constexpr int kListMinHeight = 800;

bool has_panel(int combination, int panel) {
  return ((combination >> panel) & 1) != 0;
}

// Causes 2 to 5 of a user's resize in the normal state, or 0 when both sides changed a lot.
std::uint8_t classify_size_change(int height_change, int width_change) {
  const int dh = height_change;
  const int dw = width_change;
  if (!(dh >= kLargeChange || (dw != 0 && dw <= kLargeChange))) return kCauseWidth;
  if (!(dw >= kLargeChange || (dh != 0 && dh <= kSmallHeightChange))) return kCauseHeight;
  if (dh < kLargeChange && dw < kLargeChange) return kCauseSmallChange;
  return kCauseIdle;
}

std::uint8_t classify_user_resize(const ResizeTracker& tracker, WindowState state, int height,
                                  int width, bool year_calendar_shown) {
  if (state == WindowState::kMinimised) return kCauseMinimised;
  if (state == WindowState::kMaximised) return kCauseMaximised;
  if (tracker.last_state != WindowState::kNormal) return kCauseRestored;
  if (year_calendar_shown) return kCauseYearCalendar;
  return classify_size_change(std::abs(tracker.last_height - height),
                              std::abs(tracker.last_width - width));
}

// The height the panels of one column may fill, or nothing for a cause that lays nothing out.
std::optional<int> available_height(std::uint8_t cause, const LayoutInput& input) {
  switch (cause) {
    case kCauseMaximised:
      return input.window_height - kWindowChrome;
    case kCauseWidth:
    case kCauseHeight:
    case kCauseSmallChange:
    case kCauseRestored: {
      // Never so short that the listing panel, the tallest by design, finds no room.
      const int listing_room = input.sizes[kListingPanel].height + kWindowChrome;
      if (listing_room > input.window_height) return listing_room;
      return input.window_height - kWindowChrome;
    }
    case kCausePanels: {
      const int screen = kTwipsPerScreenPixel * input.screen_vertical_pixels;
      if (input.state == WindowState::kNormal) return std::min(screen, kNormalStateMaxHeight);
      return screen;
    }
    default:
      return std::nullopt;
  }
}

// The panels the packing places: the shown ones except the list, as a combination.
int packed_panels(const std::array<bool, kPanelCount>& shown) {
  int panels = 0;
  for (int i = 0; i < kPanelCount; ++i) {
    if (shown[i] && i != kListPanel) panels |= 1 << i;
  }
  return panels;
}

std::array<int, kCombinationCount> combination_heights(
    const std::array<PanelSize, kPanelCount>& sizes) {
  std::array<int, kCombinationCount> heights{};
  for (int c = 1; c < kCombinationCount; ++c) {
    for (int i = 0; i < kPanelCount; ++i) {
      if (has_panel(c, i)) heights[c] += sizes[i].height;
    }
  }
  return heights;
}

// The fitting combination of unplaced panels with the greatest height, the lowest number on
// a tie; 0 when none fits. A combination already used holds placed panels, so it is never
// made only of unplaced ones and needs no mark of its own.
int tallest_fitting_combination(const std::array<int, kCombinationCount>& heights, int unplaced,
                                int available) {
  int best = 0;
  for (int c = 1; c < kCombinationCount; ++c) {
    if ((c & ~unplaced) != 0 || heights[c] > available) continue;
    if (best == 0 || heights[c] > heights[best]) best = c;
  }
  return best;
}

int column_left(std::size_t index, int panel_width) {
  return kPanelMargin + static_cast<int>(index) * (panel_width + kPanelMargin);
}

// Stacks the combination's panels, in panel order, as the next column of the plan.
void add_column(LayoutPlan& plan, int combination,
                const std::array<PanelSize, kPanelCount>& sizes) {
  LayoutColumn column;
  column.left = column_left(plan.columns.size(), sizes[kInputPanel].width);
  int top = kPanelMargin;
  for (int i = 0; i < kPanelCount; ++i) {
    if (!has_panel(combination, i)) continue;
    column.panels.push_back(i);
    column.height_sum += sizes[i].height;
    plan.places[i] = PanelPlace{column.left, top};
    top += sizes[i].height + kPanelMargin;
  }
  plan.columns.push_back(std::move(column));
}

// Columns from the left, each the tallest combination that fits; then each panel too tall
// for any column gets one of its own, so that it stays reachable.
void pack_columns(LayoutPlan& plan, const LayoutInput& input) {
  const std::array<int, kCombinationCount> heights = combination_heights(input.sizes);
  int unplaced = packed_panels(input.shown);
  while (unplaced != 0) {
    const int combination = tallest_fitting_combination(heights, unplaced, plan.available_height);
    if (combination == 0) break;
    add_column(plan, combination, input.sizes);
    unplaced &= ~combination;
  }
  for (int i = 0; i < kPanelCount; ++i) {
    if (has_panel(unplaced, i)) add_column(plan, 1 << i, input.sizes);
  }
}

int next_column_left(const LayoutPlan& plan, const LayoutInput& input) {
  return column_left(plan.columns.size(), input.sizes[kInputPanel].width);
}

// The list's corner below the last column, or at the first column's place when there is none.
PanelPlace below_last_column(const LayoutPlan& plan, const LayoutInput& input) {
  if (plan.columns.empty()) return {kPanelMargin, kPanelMargin};
  const LayoutColumn& last = plan.columns.back();
  const int bottom_panel = last.panels.back();
  const int bottom = plan.places[bottom_panel]->top + input.sizes[bottom_panel].height;
  return {last.left, bottom + kPanelMargin};
}

std::int64_t free_area(PanelPlace corner, int width, int height) {
  return std::int64_t{width - corner.left} * (height - corner.top);
}

// The list goes below the last column or right of the columns, where it has more room; it
// takes the room's height and width only when they are large enough for it.
ListPanelPlace place_list(const LayoutPlan& plan, const LayoutInput& input) {
  const int w = plan.target_width;
  const int h = plan.target_height;
  const PanelPlace below = below_last_column(plan, input);
  const PanelPlace right{next_column_left(plan, input), kPanelMargin};
  const PanelPlace corner = free_area(right, w, h) > free_area(below, w, h) ? right : below;

  ListPanelPlace list{corner.left, corner.top, input.sizes[kListPanel].width,
                      input.sizes[kListPanel].height};
  const int room_height = h - corner.top - kWindowChrome;
  const int room_width = w - corner.left - kListRightRoom;
  if (room_height > kListMinHeight) list.height = room_height;
  if (room_width >= input.sizes[kInputPanel].width) list.width = room_width;
  return list;
}

// Makes room for the shown list: a column of its own when the last column leaves too little
// height under it, else the full available height for a short window.
void make_room_for_list(LayoutPlan& plan, const LayoutInput& input) {
  const int last_height = plan.columns.empty() ? 0 : plan.columns.back().height_sum;
  if (plan.available_height - last_height < kListMinRoomBelow) {
    plan.target_width =
        next_column_left(plan, input) + input.sizes[kInputPanel].width + kListRightRoom;
    return;
  }
  const bool sized_to_target =
      plan.cause == kCauseHeight || plan.cause == kCauseRestored || plan.cause == kCausePanels;
  const int height_in_use = sized_to_target ? plan.target_height : input.window_height;
  if (height_in_use < kShortWindowHeight) plan.target_height = plan.available_height;
}

// A list that kept its old width or height, because the targets left it too little room,
// would stand out of the window (with no other panel shown the targets are next to nothing):
// the targets grow to hold it.
void hold_list(LayoutPlan& plan) {
  plan.target_width =
      std::max(plan.target_width, plan.list->left + plan.list->width + kListRightRoom);
  plan.target_height =
      std::max(plan.target_height, plan.list->top + plan.list->height + kWindowChrome);
}

int at_least_for_year_calendar(int length, int minimum, bool year_calendar_shown) {
  return year_calendar_shown ? std::max(length, minimum) : length;
}

// The window's new size: the width for a width change, the height the columns need for a
// height change, both when restored or when the panels changed in the normal state.
void size_window(LayoutPlan& plan, const LayoutInput& input, int column_target_height) {
  switch (plan.cause) {
    case kCauseWidth:
      plan.new_width = input.shown[kListPanel] ? std::max(input.window_width, plan.target_width)
                                               : plan.target_width;
      break;
    case kCauseHeight:
      plan.new_height = at_least_for_year_calendar(column_target_height, kYearCalendarMinHeight,
                                                   input.year_calendar_shown);
      break;
    case kCauseRestored:
    case kCausePanels:
      if (input.state == WindowState::kNormal) {
        plan.new_width = plan.target_width;
        plan.new_height = plan.target_height;
      }
      break;
    default:
      break;
  }
}

}  // namespace

bool classify_resize(ResizeTracker& tracker, WindowState state, int height, int width,
                     bool year_calendar_shown) {
  if (tracker.cause == kCauseIdle) {
    tracker.cause = classify_user_resize(tracker, state, height, width, year_calendar_shown);
  }
  tracker.last_state = state;
  tracker.last_height = height;
  tracker.last_width = width;
  if (tracker.cause < kCausePanels) return true;
  if (tracker.cause == kCauseMinimised) tracker.cause = kCauseIdle;
  return false;
}

LayoutPlan plan_panel_layout(const LayoutInput& input) {
  LayoutPlan plan;
  const std::uint8_t cause =
      input.state == WindowState::kMaximised ? std::uint8_t{kCauseMaximised} : input.cause;
  const std::optional<int> available = available_height(cause, input);
  if (!available) return plan;
  plan.runs = true;
  plan.cause = cause;
  plan.available_height = *available;

  pack_columns(plan, input);
  const int first_height = plan.columns.empty() ? 0 : plan.columns.front().height_sum;
  const int column_target_height = first_height + kWindowChrome;
  plan.target_height = column_target_height;
  plan.target_width = next_column_left(plan, input) + kRightBorder;

  if (input.shown[kListPanel]) {
    make_room_for_list(plan, input);
    if (input.state != WindowState::kMinimised) {
      plan.list = place_list(plan, input);
      hold_list(plan);
    }
  }
  plan.target_height = at_least_for_year_calendar(plan.target_height, kYearCalendarMinHeight,
                                                  input.year_calendar_shown);
  plan.target_width = at_least_for_year_calendar(plan.target_width, kYearCalendarMinWidth,
                                                 input.year_calendar_shown);
  if (!input.follows_year_calendar_switch) plan.panels_setting = panels_setting_text(input.shown);
  size_window(plan, input, column_target_height);
  return plan;
}

std::string panels_setting_text(const std::array<bool, kPanelCount>& shown) {
  std::string text;
  for (bool checked : shown) text += checked ? '1' : '0';
  return text;
}

}  // namespace pelmira
