#include "listings/dispatch.h"

#include "almanac/fortune_view.h"
#include "core/trap.h"
#include "holidays/date_info.h"
#include "holidays/day_counts.h"
#include "listings/builders.h"

namespace pelmira {
namespace {

// The same-date listing needs the person list, which the listing session does not hold.
Listing same_date_placeholder(ListingSession& session) {
  if (session.skip_once) {
    session.skip_once = false;
    return session.shown;
  }
  Listing listing;
  listing.lines.emplace_back(kSameDateNeedsPersons);
  listing.row_map.push_back(-1);
  return listing;
}

Listing run_builder(i16 kind, const ProgramState& state, ListingSession& session) {
  switch (kind) {
    case kListingSchool:
      return gakkou(state, session);
    case kListingAges:
      return nenreih(state, session);
    case kListingZodiacYears:
      return etoh(state, session);
    case kListingWedding:
      return kekkonh(state, session);
    case kListingCeremonies:
      return sangah(state, session);
    case kListingMemorial:
      return meinithih(state, session);
    case kListingUnluckyYears:
      return yakudoshi(state, session);
    case kListingSolarTerms:
      return sekkih(state, session);
    case kListingSameDate:
      return same_date_placeholder(session);
    case kListingFortune:
      return uranai(state, session, session.shown);
    case kListingDateInfo:
      return NGHJouhou(state, session, session.shown);
    case kListingDayCounts:
      return HsKeisan(state, session, session.shown);
    default:
      raise_error(err::kSubscript);
  }
}

}  // namespace

Listing build_listing(i16 kind, const ProgramState& state, ListingSession& session) {
  Listing built = trap("build_listing", [&] { return run_builder(kind, state, session); });
  session.shown = built;
  return built;
}

KindChoice itirank1_Click(const ProgramState& state, ListingSession& session,
                          ListingControls& controls, i16 kind) {
  return trap("itirank1_Click", [&]() -> KindChoice {
    if (kind < 0 || kind >= kListingKindCount) raise_error(err::kSubscript);
    const i16 previous = session.kind;
    session.kind = kind;
    itiranHKoum(state, session, controls);
    if (kind == kListingFortune && previous != kind) session.shown.selected = -1;
    return KindChoice{kind == kListingSolarTerms};
  });
}

}  // namespace pelmira
