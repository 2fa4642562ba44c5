#pragma once
// The date-information listing (年月日の情報): for the date of the calculation side, the
// calendar in use, century, Western and historical era year, weekday, holiday, the same day
// in the Julian and the Gregorian calendar, its day number, the year's stem and branch, and
// the old name, flower card and season of its month.

#include "core/state.h"
#include "listings/listing.h"

namespace pelmira {

// Builds the listing for date slot `session.side` (0 birth side, 1 the "現在" side) from the
// slot's numbers and the texts the refresh left in it, with nothing selected. When the
// session's one-shot skip flag is set it is cleared and `previous` comes back unchanged.
// Errors are reported as "NGHJouhou"; the listing then holds the lines added so far.
Listing NGHJouhou(const ProgramState& state, ListingSession& session, const Listing& previous);

}  // namespace pelmira
