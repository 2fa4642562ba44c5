#pragma once
// The day-count listing (日数の計算): for the days between date slots 0 and 1, both
// included, the number of days, of each weekday, of holidays and substitute holidays, and
// the working days and days off derived from them.

#include "core/state.h"
#include "listings/listing.h"

namespace pelmira {

// Builds the listing from the slots' Western texts and dates, with nothing selected. When
// the session's one-shot skip flag is set it is cleared and `previous` comes back
// unchanged. Periods whose Western years differ by more than 200 are refused with a
// message, since the holiday totals walk every month. Errors are reported as "HsKeisan";
// the listing then holds the lines added so far.
Listing HsKeisan(const ProgramState& state, ListingSession& session, const Listing& previous);

}  // namespace pelmira
