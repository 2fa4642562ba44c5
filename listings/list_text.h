#pragma once
// Text pieces shared by the listing builders: the TAB runs, the era form of a year as the
// listings show it, and right alignment of numbers.

#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/state.h"
#include "core/trap.h"
#include "listings/listing.h"

namespace pelmira {

inline constexpr std::string_view kTab = "\t";
inline constexpr std::string_view kTwoTabs = "\t\t";
inline constexpr std::string_view kThreeTabs = "\t\t\t";

// The era name to show for the date (empty for Western years) followed by the year it
// shows: padded to two characters when `padded` ("平成 8", "2150"), else as it is.
std::string era_year_text(const ProgramState& state, i16 year, i16 month, i16 day,
                          bool padded = true);

// The text padded with blanks on the left to `width` characters; a longer text is kept
// whole rather than cut.
std::string right_align(std::string_view text, std::size_t width);

// Runs a builder body under the error trap of `place`: on a run-time error the report
// names the builder and the listing keeps the lines added before the error.
template <class Body>
Listing build_trapped(std::string_view place, Body&& body) {
  Listing listing;
  trap(place, [&] { body(listing); });
  return listing;
}

}  // namespace pelmira
