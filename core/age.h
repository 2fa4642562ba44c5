#pragma once
// Age reckoning: the exact age in years, months and days, the counted age (数え年) by New
// Year and by 立春, the days to the next birthday, anniversary or memorial day, and today.

#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// Date kinds of tanmade: the listing kinds whose date is a wedding or a death.
inline constexpr i16 kKindWedding = 3;
inline constexpr i16 kKindDeath = 5;

// Exact age of a birth (b) at a reference date (r) with the reference moved `shift` days
// on: returns whole years, writes the remaining months and days; all negative when the
// reference is before the birth.
i16 nrei(i16 mode, i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd, i16& months, i16& days,
         i16 shift);

// Counted age by New Year, as text ("0" before the birth).
std::string kazoe(i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd);

// Counted age by 立春, as text ("0" before the birth).
std::string kazoe2(i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd);

// The label of `tanmade` for a death past every memorial day; its day count is then empty.
inline constexpr std::string_view kNoMemorialLeft = "命日対象外";

// Days from today (slot 1) to the next recurrence of the event and the label naming it:
// "誕生日まで", "記念日まで" (kind 3), or the nearest memorial day (kind 5, "命日対象外"
// when none is left).
i32 tanmade(const ProgramState& state, i16 year, i16 month, i16 day, i16 kind, std::string& label);

// Sets slot 0, 1 or 2 to today's date with the era label "西暦" (the entered fields only).
void kyou(ProgramState& state, int slot);

}  // namespace pelmira
