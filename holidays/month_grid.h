#pragma once
// The contents of the month calendar panel: the year and month captions, the 42 day cells
// (six weeks from Sunday) with their captions, ink, tooltips and highlights, and today's
// ring. A window only paints what this says.
//
// Cells keep the panel's numbering: 10..51, row r and column c (0 Sunday) at 10 + 7r + c;
// the cell just before day 1 is `first_cell`.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/state.h"

namespace pelmira {

inline constexpr int kFirstDayCell = 10;
inline constexpr int kLastDayCell = 51;
inline constexpr int kDayCells = kLastDayCell - kFirstDayCell + 1;

// Colours as the window design gives them, in the window system's 0xBBGGRR order.
inline constexpr std::uint32_t kColourRed = 0x0000FF;
inline constexpr std::uint32_t kColourWhite = 0xFFFFFF;
inline constexpr std::uint32_t kColourButtonText = 0x80000012;  // the system's button text
inline constexpr std::uint32_t kColourCell = 0xC0C0C0;
inline constexpr std::uint32_t kColourCaption = 0x80FFFF;

// The highlight of date slot 0 (yellow) or 1 (light cyan): slot * 16711617 + 65535.
constexpr std::uint32_t highlight_colour(int slot) {
  return static_cast<std::uint32_t>(slot) * 16711617u + 65535u;
}

enum class CellInk {
  kNormal,  // button text
  kRed,     // Sundays and holidays
  kWhite,   // days of the neighbouring months
};

struct GridCell {
  std::string caption;
  CellInk ink = CellInk::kNormal;
  std::string tooltip;      // holiday name and solar terms, each term after a space
  int highlight_slot = -1;  // -1 none, else painted in highlight_colour(slot)
};

struct MonthGrid {
  std::string year_caption;   // western year + "年", CR LF, era + " " + era year + "年"
  std::string month_caption;  // month + "  月"
  std::string panel_caption;  // names the Julian calendar when the shown date is Julian
  int shown_slot = 0;         // both captions take highlight_colour(shown_slot)
  int first_cell = kFirstDayCell;
  std::array<GridCell, kDayCells> cells{};
  std::optional<int> ringed_cell;  // today's cell, when today lies in the shown month

  GridCell& cell(int index) { return cells.at(static_cast<std::size_t>(index - kFirstDayCell)); }
  const GridCell& cell(int index) const {
    return cells.at(static_cast<std::size_t>(index - kFirstDayCell));
  }
};

// Cell geometry in twips: 180 x 180 cells; today's ring is 255 x 255, 30 twips above and
// left of its cell.
constexpr int cell_left(int index) {
  return 1200 + 360 * ((index - kFirstDayCell) % 7);
}
constexpr int cell_top(int index) {
  return 480 + 240 * ((index - kFirstDayCell) / 7);
}
inline constexpr int kRingOffset = 30;
inline constexpr int kRingSize = 255;

inline constexpr const char* kPanelCaption = "    カレンダー    ";
inline constexpr const char* kPanelCaptionJulian = "    カレンダー     ユリウス暦　　";

// The month of date slot `shown_slot` (0 birth side, 1 "現在" side) in the program's
// calendar mode. Errors are reported as "karenda" (or "saijitu" while holidays and terms
// are marked); the grid is then as far as it was built.
MonthGrid karenda(const ProgramState& state, int shown_slot);

// Marks the holidays (red, named in the tooltip) and the solar terms (appended to the
// tooltip after a space) of the grid's month. Days are matched through their day numbers,
// so a Julian month shows the holidays and terms on the days they really fall on.
void saijitu(const ProgramState& state, i16 year, i16 month, MonthGrid& grid);

}  // namespace pelmira
