#pragma once
// The listing builders of the listing pane. Each reads the two dates of the main window
// (slot 0 the birth side, slot 1 the "現在" side, as the refresh left them) and the
// listing session, and returns the lines, the row to select and what the row click needs.
// On a run-time error a builder reports under its own name and returns the lines it had.

#include <string_view>

#include "core/state.h"
#include "listings/listing.h"

namespace pelmira {

// Kind 0: the school years, with the period each is attended (side 0) or the birth
// period of those attending it now (side 1). Records the school row base.
Listing gakkou(const ProgramState& state, ListingSession& session);

// Kind 1: ages 0 to 130 with their periods. Records the age row base; honours the skip flag.
Listing nenreih(const ProgramState& state, ListingSession& session);

// Kind 2: the years of the chosen branch and/or stem, with the age of someone born then.
Listing etoh(const ProgramState& state, ListingSession& session);

// Kind 3: wedding anniversaries 1-15 and 20-60 with their materials.
Listing kekkonh(const ProgramState& state, ListingSession& session);

// Kind 4: 七五三 and the longevity celebrations (counted ages).
Listing sangah(const ProgramState& state, ListingSession& session);

// Kind 5: memorial days and years after a death.
Listing meinithih(const ProgramState& state, ListingSession& session);

// Kind 6: the unlucky years of women and men (counted ages).
Listing yakudoshi(const ProgramState& state, ListingSession& session);

// Kind 7: the 24 solar terms of the year of the calculation side's date; that date's term
// is selected.
Listing sekkih(const ProgramState& state, ListingSession& session);

// The notice shown whenever the solar-term listing is chosen.
inline constexpr std::string_view kSolarTermNotice =
    "２４節気の表示に付いての注意\r\n"
    "\r\n"
    " ここで表示している２４節気の日付と時間は\r\n"
    "「Pelmira」のプログラムで計算した値なので\r\n"
    "実際のデータとは異なります。\r\n"
    "\r\n"
    "　春分の日、秋分の日、節分、節入り等の日付は\r\n"
    "計算結果が午前０時前後に近い時間の場合に実際と\r\n"
    "は異なる日付になる場合が有ります。";

}  // namespace pelmira
