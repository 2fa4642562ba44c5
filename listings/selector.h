#pragma once
// The listing selector: the twelve listing kinds with their menu captions, the mode labels
// that follow the kind, the controls above the list that each kind uses (as data a window
// renders), the combo-box clicks and the click on a listing row.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"
#include "listings/listing.h"

namespace pelmira {

inline constexpr int kListingKindCount = 12;

// Menu caption of each kind ("学校", ..., "日数の計算").
std::string_view listing_menu_caption(i16 kind);
// The word the listing pane's caption names the kind by ("結婚記念日" for kind 3).
std::string_view listing_title_word(i16 kind);

// The four mode labels: side name, elapsed label, unit, day name.
struct ModeLabels {
  std::string side_name;  // "誕生", "結婚", "死去"
  std::string elapsed;    // "満年齢", "結婚後", "死去後"
  std::string unit;       // "歳", "年"
  std::string day_name;   // "誕生日", "記念日", "命日"
};

// The mode labels of a kind: wedding (3), memorial (5) or birth (any other).
ModeLabels TanMeiKH(i16 kind);

struct ComboBox {
  std::vector<std::string> items;
  int selected = -1;  // list index, -1 for none
  std::string tooltip;
};

// The controls of the listing pane and the captions that follow the kind. Controls a kind
// does not set keep what they held before.
struct ListingControls {
  std::array<ComboBox, 2> combos;            // Combo1(0..1)
  bool combos_visible = false;               // kinds 2, 9 and 11
  std::array<std::string, 2> side_tooltips;  // Option6(0..1)
  bool sides_visible = true;                 // all kinds but 2, 9 and 11
  int side_selected = 0;                     // the selected Option6
  std::string pane_caption;                  // Frame1(3)
  std::string side_caption;                  // Option6(0): "誕生から計算"
  std::string calendar_month_caption;        // the month calendar's Option2(0)
  std::string entry_side_caption;            // the date entry's Option4(0)
  std::string today_menu_caption;            // menu m2(0)
  std::string sort_menu_caption;             // sort menu ls36(4)
};

// The pane's caption for a kind: " 　一覧表示   " + the title word + five blanks.
std::string listing_pane_caption(i16 kind);

// Sets up the controls for the session's kind: combo items and selections (the zodiac
// listing preselects the birth year's branch and records it in the session; the fortune
// view shows the session's hour and minute; the day counts reset the year and month
// choices), tooltips, visibility and captions. Reports as "itiranHKoum".
void itiranHKoum(const ProgramState& state, ListingSession& session, ListingControls& controls);

// A choice made in Combo1(index): the caller has set that combo's `selected`. Kind 2
// takes the branch and stem, kind 9 the hour and minute; kind 11 sets both dates to the chosen year
// or to the chosen month (the whole year for "1/1～12/31"). Returns whether the window refreshes.
bool Combo1_Click(ProgramState& state, ListingSession& session, ListingControls& controls,
                  int index);

// The session a window starts with: the stored kind ("ithiran"; values above 11 count as
// 11, below 0 as the default 9) and the fortune view's boxes on the current hour and minute.
ListingSession initial_listing_session(const ProgramState& state, int stored_kind);

// The clock values of the fortune view's boxes: nullopt for "not given" (index 0).
std::optional<i16> chosen_hour(const ListingSession& session);
std::optional<i16> chosen_minute(const ListingSession& session);

struct RowClick {
  bool refresh = true;  // a left click always refreshes the window
  int person = -1;      // kind 8: the person to select in the person list
};

// A left click on listing row `row` of the listing the pane shows (session.shown): takes
// the row into the dates as the kind prescribes; headings, empty rows and rows past the
// end change nothing. Kind 8 looks the person up with `person_year`. Sets the skip flag
// for kinds 1, 8 and 9-11. Reports as "List3_MouseDown".
RowClick List3_MouseDown(ProgramState& state, ListingSession& session, int row,
                         const std::function<std::optional<i16>(int)>& person_year = {});

}  // namespace pelmira
