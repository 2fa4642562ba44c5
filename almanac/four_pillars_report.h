#pragma once
// The four-pillars report of the birth-side date (slot 0) shown by the fortune view.

#include <string>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// The report, lines joined by CR LF: for each of 年 月 日 時 a header, the stem, branch and
// hidden stem with their ten-god stars, the twelve-phase star and the wrapped star list,
// then the void branches with the strength score, the day's special stars and a note on the
// 節 used. The birth time comes from the hour and minute boxes' list indexes (0 = not
// given). Reports errors as "etohg" and then returns the empty text.
std::string etohg(const ProgramState& state, i16 hour_choice, i16 minute_choice);

}  // namespace pelmira
