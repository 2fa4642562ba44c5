#pragma once
// The fortune view: the listing of the readings of the birth-side date (slot 0) - western
// zodiac, animal fortune, six-star reading, nine star, nacchin and four pillars.

#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"
#include "listings/listing.h"

namespace pelmira {

// Builds the fortune listing. When the session's one-shot skip flag is set it is cleared and
// `previous` comes back unchanged. Otherwise the lines are rebuilt and `previous.selected`
// is kept when it is below the new line count. The birth time comes from the session's hour
// and minute choices. Reports errors as "uranai"; the listing then holds the lines added so
// far, with nothing selected.
Listing uranai(const ProgramState& state, ListingSession& session, const Listing& previous);

// Adds one listing line per line of a text: CR ends a line, LF is skipped, and the last line
// is added even when it is empty.
void uraLi3Kaki(std::string_view text, std::vector<std::string>& lines);

}  // namespace pelmira
