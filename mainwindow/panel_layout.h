#pragma once
// The panel layout of the main window, without a window: how a resize is classified into a
// layout cause, and where the six panels go for a cause. Panels are packed into columns from
// the left, each column taking the combination of panels with the greatest height that fits
// the available height; the person list (panel 4) then takes the larger free area, below the
// last column or right of the columns; the window is then sized to the columns.
//
// Every length is in twips (see core/twips.h); the window converts at its edge. The window's
// width and height are its outer size, as the window system reports it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmira {

inline constexpr int kPanelCount = 6;
inline constexpr int kInputPanel = 0;         // "入力"
inline constexpr int kReportPanel = 1;        // "表示"
inline constexpr int kCalendarPanel = 2;      // "カレンダー"
inline constexpr int kListingPanel = 3;       // "一覧表示"
inline constexpr int kListPanel = 4;          // "リスト": placed apart from the packing
inline constexpr int kNotificationPanel = 5;  // "リスト　「Lunoka」用入力"

// Layout causes: why the panels are being laid out.
enum LayoutCause : std::uint8_t {
  kCauseIdle = 0,
  kCauseMaximised = 1,
  kCauseWidth = 2,        // the user changed the width
  kCauseHeight = 3,       // the user changed the height
  kCauseSmallChange = 4,  // both changed a little
  kCauseRestored = 5,     // back to the normal state
  kCausePanels = 6,       // panels shown or hidden, start-up, the year-calendar switch
  kCauseMinimised = 7,
  kCauseYearCalendar = 8,  // resized while the year calendar is shown
  kCauseOwnResize = 10,    // the layout's own resize is in progress
};

enum class WindowState : std::uint8_t { kNormal, kMinimised, kMaximised };

struct PanelSize {
  int width = 0;
  int height = 0;
};

// The panels' sizes as designed. Every panel is as wide as panel 0, so that columns line up;
// the list panel's size is only its start: the layout sizes it to the room it gets.
inline constexpr std::array<PanelSize, kPanelCount> kDesignPanelSizes{{
    {4800, 3300},  // input: date box, keypad display and buttons
    {4800, 3600},  // report: dates, age, totals, counted ages, birthstone
    {4800, 2250},  // month calendar: captions and six weeks of day cells
    {4800, 4500},  // listing: selection boxes and the listing
    {4800, 4000},  // person list
    {4800, 3000},  // notification entry
}};

// Room the layout leaves: above and beside the panels, between them, and for the window's
// title bar, menu bar and borders.
inline constexpr int kPanelMargin = 50;
inline constexpr int kWindowChrome = 850;
// The available height of cause 6 in the normal state: at most this much.
inline constexpr int kNormalStateMaxHeight = 8000;
// While the year calendar is shown the window is at least this large.
inline constexpr int kYearCalendarMinHeight = 8500;
inline constexpr int kYearCalendarMinWidth = 10500;

// What a resize event leaves: the cause in force and the last state and size seen.
struct ResizeTracker {
  std::uint8_t cause = kCauseIdle;
  WindowState last_state = WindowState::kNormal;
  int last_height = 0;
  int last_width = 0;
};

// The resize event of the main window: classifies a resize the user made (cause 0) into
// causes 1 to 5, 7 or 8, remembers the state and size, and answers whether the panel layout
// runs now (causes below 6; cause 0 makes the layout do nothing). A minimised window's
// cause 7 returns to 0. Causes 6, 8 and 10 in force are left as they are.
bool classify_resize(ResizeTracker& tracker, WindowState state, int height, int width,
                     bool year_calendar_shown);

struct LayoutInput {
  std::uint8_t cause = kCauseIdle;
  WindowState state = WindowState::kNormal;
  int window_width = 0;
  int window_height = 0;
  int screen_vertical_pixels = 0;         // the display's vertical resolution
  std::array<bool, kPanelCount> shown{};  // the panel items' check marks
  // Current sizes; the list panel keeps its width or height when the room is too small.
  std::array<PanelSize, kPanelCount> sizes = kDesignPanelSizes;
  bool year_calendar_shown = false;
  // The layout that follows the year-calendar switch does not store the check marks.
  bool follows_year_calendar_switch = false;
};

struct PanelPlace {
  int left = 0;
  int top = 0;
};

struct LayoutColumn {
  int left = 0;
  std::vector<int> panels;  // top to bottom, in ascending panel order
  int height_sum = 0;       // the panels' heights, without the gaps between them
};

struct ListPanelPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct LayoutPlan {
  bool runs = false;  // false for causes 0, 7, 8 and 10: nothing changes but the cause
  std::uint8_t cause = kCauseIdle;  // the cause laid out (1 whenever the window is maximised)
  int available_height = 0;
  std::vector<LayoutColumn> columns;  // left to right
  // Top-left corner of each packed panel; empty for hidden panels and the list panel.
  std::array<std::optional<PanelPlace>, kPanelCount> places{};
  int target_width = 0;
  int target_height = 0;
  // The window's new width and height, where the cause resizes it.
  std::optional<int> new_width;
  std::optional<int> new_height;
  // The list panel's place and size, when it is shown and the window is not minimised.
  std::optional<ListPanelPlace> list;
  // The text to store under "kidougamen" ("1" for each checked panel item, else "0").
  std::optional<std::string> panels_setting;
};

// The panel layout for a cause. A panel taller than the available height belongs to no
// combination; it is put in a column of its own, after the packed columns, so that it is
// never lost. Pure: the caller applies the plan (with cause 10 in force while it resizes
// the window) and sets the cause back to 0.
LayoutPlan plan_panel_layout(const LayoutInput& input);

// The "kidougamen" text of six check marks.
std::string panels_setting_text(const std::array<bool, kPanelCount>& shown);

}  // namespace pelmira
