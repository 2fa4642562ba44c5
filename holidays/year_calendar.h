#pragma once
// The year calendar drawn on the main window's surface: all twelve months of one year as
// printed text, in four columns of three months, the weekday column running on from one
// month to the next. Always Gregorian, whatever the calendar setting.

#include <array>
#include <string>
#include <vector>

#include "core/checked.h"

namespace pelmira {

enum class PrintInk { kWhite, kRed };

// One printed text with its top-left position in twips.
struct PrintedItem {
  int x = 0;
  int y = 0;
  std::string text;
  PrintInk ink = PrintInk::kWhite;
};

struct YearCalendar {
  std::vector<PrintedItem> items;  // in printing order: title, then month by month
};

// The year calendar of `year` (the "現在" side's year, or the scroll bar's value).
// Sundays and holidays are red, every other day white. Errors are reported as
// "formcalnder"; the items then are those printed so far.
YearCalendar formcalnder(i16 year);

// Which days 1..31 of a Gregorian month are holidays (the year calendar's marking);
// errors are reported as "saijitu".
std::array<bool, 32> holiday_flags(i16 year, i16 month);

}  // namespace pelmira
