#pragma once
// Reading typed dates and the date-slot text helpers.

#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// Reads a typed date ("H12.5.3", "2000/5/3", "平成12年5月3日", "5月3日", "'98", full-width
// forms) for slot 0 or 1. Writes back only the fields that were typed, as typed (an era
// year when an era letter was typed); returns the era label of the typed year ("西暦"
// without an era letter) or the empty text when no year was typed. Short years ("'05")
// take the century of the other slot's Western year.
std::string bnsk(const ProgramState& state, std::string_view text, i16& year, i16& month, i16& day,
                 i16 slot);

// 0 when the slot's date is Gregorian under the program-wide mode, 1 when Julian.
i16 calendar_in_force(const ProgramState& state, int slot);

// The modern era name to show before a year (empty for Western years or when the
// Western-only switch is set); `shown_year` becomes the era year or the Western year.
std::string swhkiri(const ProgramState& state, i16 year, i16 month, i16 day, i16& shown_year);

// Copies the slots' numbers into their text twins (the era labels of slots 0 and 1 stay).
void ahenkan(ProgramState& state);

}  // namespace pelmira
