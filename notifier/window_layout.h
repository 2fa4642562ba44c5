#pragma once
// Size and place of the notifier window, in twips (15 twips to a pixel): placed at the
// stored position, shifted right by 3390 twips per window number, with a list tall enough
// for its lines within fixed bounds and a font that follows the list's width.

#include <cstddef>

#include "core/checked.h"
#include "core/twips.h"

namespace pelmira {

inline constexpr double kWindowNumberShift = 3390;
// The list's width when the window is too narrow to size it (the window's design width 6690
// less its 150 twips of border).
inline constexpr double kDesignListWidth = 6540;

struct NotifierLayout {
  double left = 0, top = 0, width = 0, height = 0;
  double list_width = 0;
  double list_height = 0;
  int font_size = 0;  // points
};

// List font size for a list width: the whole part of width / 480, kept between 1 and 200 so
// that no stored width can make the list unreadable or the font unusable.
int list_font_size(double list_width);

// The window for `lines` list lines, from the stored "top", "left" and "width". The list is
// lines x font size x 24 + 240 twips high, kept within 960-8000 however many lines there are.
NotifierLayout notifier_layout(std::size_t lines, double top, double left, double width,
                               i32 window_number);

}  // namespace pelmira
