#pragma once
// The two sides the ceremony tables count between: the calculation side they count from
// (forwards from the first date, backwards from the "現在" date) and the other side,
// whose year (or date) picks the row to select.

#include "core/state.h"
#include "listings/listing.h"

namespace pelmira {

struct CeremonySides {
  const DateSlot& from;   // the calculation side
  const DateSlot& other;  // the opposite side
  i16 direction;          // +1 counting forwards, -1 backwards
};

inline CeremonySides ceremony_sides(const ProgramState& state, const ListingSession& session) {
  const bool from_now = session.side == 1;
  return CeremonySides{state.slots[from_now ? 1 : 0], state.slots[from_now ? 0 : 1],
                       static_cast<i16>(from_now ? -1 : 1)};
}

}  // namespace pelmira
