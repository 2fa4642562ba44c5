#pragma once
// The 24 solar terms (二十四節気). Each term has a reference instant in 1998 or 1999 and its
// own mean year length; a small periodic correction is added. Dates are Gregorian whatever
// the program's calendar mode.

#include <string>

#include "core/checked.h"

namespace pelmira {

// Name of the term at `longitude` (a multiple of 15; 360 is 0) and its month and day in
// `year`; hour and minute go to the optional outputs. An unknown longitude gives "".
std::string sekki24(i16 year, i16& month, i16& day, i16 longitude, i32* hour = nullptr,
                    i32* minute = nullptr);

// 立春 of the year: returns 200 + its day of February; `time` gets 100 * hour + minute.
i16 setun(i32 year, i16& time);

// The first term (節) of a month: returns its day; `time` gets 100 * hour + minute.
i16 setut(i32 year, i16 month, i16& time);

// The longitude of the 節 that opens calendar month m (285 for January, 315 for February...).
// month + 8 is 16-bit: a month above 32759 is an overflow for the caller's trap.
constexpr i16 first_term_longitude(i16 month) {
  return static_cast<i16>(add16(month, 8) % 12 * 30 + 15);
}

}  // namespace pelmira
