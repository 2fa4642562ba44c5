#pragma once
// The six-star reading (六星占術): the star type of a birth date (土星人 ... 水星人), plus or
// minus by the birth year, the 霊合星人 case, and the fortune phase, out of a twelve-phase
// cycle, for the year, the month and the day of the "現在" side (date slot 1).

#include <string>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// Output styles of rokusei.
enum SixStarStyle : int {
  kSixStarReport = 0,  // four lines, each ended by CR LF (the fortune view)
  kSixStarColumn = 1,  // four fixed-width fields (the person list)
  kSixStarYear = 2,    // one line for the year, month or day fortune (the input summary)
  kSixStarMonth = 3,
  kSixStarDay = 4,
};

// The six-star reading of a birth date against slot 1 of the state, in the calendar mode of
// the state; any style but 0..4 gives the empty text. Reports errors as "rokusei".
std::string rokusei(const ProgramState& state, i16 year, i16 month, i16 day, int style);

}  // namespace pelmira
