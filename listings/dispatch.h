#pragma once
// Building the listing of a kind, and choosing a kind from the listing menu.

#include <string_view>

#include "core/state.h"
#include "listings/listing.h"
#include "listings/selector.h"

namespace pelmira {

// The single line the same-date listing shows while the person list is not available.
inline constexpr std::string_view kSameDateNeedsPersons =
    "月日が一致する人の表示には氏名リストが必要です。";

// Runs the builder of `kind` (0-11) and stores its result as the listing the pane shows
// (session.shown); a builder that honours the skip flag hands the shown listing back. A
// kind outside 0..11 is reported as "build_listing" and gives an empty listing.
Listing build_listing(i16 kind, const ProgramState& state, ListingSession& session);

// What choosing a kind in the listing menu leaves for the window to do.
struct KindChoice {
  bool show_solar_term_notice = false;  // kind 7: every time it is chosen (kSolarTermNotice)
};

// Choosing a kind in the listing menu: sets the kind and the controls for it (mode labels,
// combo boxes, captions); the fortune view chosen anew drops the shown selection. The
// window refreshes afterwards. Reports as "itirank1_Click".
KindChoice itirank1_Click(const ProgramState& state, ListingSession& session,
                          ListingControls& controls, i16 kind);

}  // namespace pelmira
