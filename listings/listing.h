#pragma once
// What a listing builder produces for the listing pane, and the main-window state the
// builders read: the calculation side, the combo-box choices and the one-shot skip flag.

#include <string>
#include <vector>

#include "core/checked.h"

namespace pelmira {

// Listing kinds, in the order of the listing menu.
enum ListingKind : i16 {
  kListingSchool = 0,
  kListingAges = 1,
  kListingZodiacYears = 2,
  kListingWedding = 3,
  kListingCeremonies = 4,
  kListingMemorial = 5,
  kListingUnluckyYears = 6,
  kListingSolarTerms = 7,
  kListingSameDate = 8,
  kListingFortune = 9,
  kListingDateInfo = 10,
  kListingDayCounts = 11,
};

struct Listing {
  std::vector<std::string> lines;
  int selected = -1;         // the row to select, -1 for none
  std::vector<int> row_map;  // what a row click needs per row (person index for kind 8)
};

// Main-window state read (and partly written) by the listing builders.
struct ListingSession {
  i16 kind = kListingFortune;
  i16 side = 0;             // calculation side: 0 birth side, 1 the "現在" side
  bool skip_once = false;   // set by a row click: the next build leaves the listing as it is
  i16 hour_choice = 0;      // fortune view: list index of the hour box, 0 = not given
  i16 minute_choice = 0;    // fortune view: list index of the minute box, 0 = not given
  i16 branch_choice = 0;    // zodiac years: 1..12 from 子, 0 = none
  i16 stem_choice = 0;      // zodiac years: 1..10 from 甲, 0 = none
  i16 year_choice = 0;      // day counts: index of the year box, 0 = not given
  i16 month_choice = 0;     // day counts: index of the month box, 0 = not given
  i16 school_row_base = 1;  // recorded by the school listing for the row click
  i16 age_row_base = 1;     // recorded by the age listing for the row click
  Listing shown;            // the listing as the pane shows it (what a skipped build keeps)
};

}  // namespace pelmira
