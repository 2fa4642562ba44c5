// The window refresh: after every change of a date, the listing kind or a panel, the report
// and the visible panels are rebuilt from the date slots into the session's view.

#include "core/trap.h"
#include "listings/dispatch.h"
#include "mainwindow/main_session.h"
#include "people/same_date.h"

namespace pelmira {

void MainSession::mein1() {
  trap("mein1", [&] {
    view_.totals = mein0(state_);
    view_.report = hyouzi(state_, view_.totals, listing_.kind);
    const DateSlot& entering = state_.slots[static_cast<std::size_t>(state_.entering_slot)];
    view_.date_box = state_.western_only == 1 ? entering.western_text : entering.era_text;
    if (panel_items_[kListingPanel]) {
      if (listing_.kind == kListingSameDate) {
        view_.listing = caleTan(persons_, state_, listing_);
        listing_.shown = view_.listing;
      } else {
        view_.listing = build_listing(listing_.kind, state_, listing_);
      }
    }
    if (panel_items_[kCalendarPanel]) view_.month = karenda(state_, calendar_slot_);
    view_.entry_caption = nyurhyouzi(state_, view_.totals, listing_.kind, entry_display_item_);
    nyuryokurireki(history_, state_);
    if (year_calendar_) view_.year_calendar = formcalnder(year_calendar_year_);
  });
}

void MainSession::refresh_person_list() {
  view_.list = rist04(persons_, state_, display_, hooks_.set_busy);
  view_.list_header = list_header(display_);
  view_.status_text = view_.list.summary.summary;
  if (view_.list.same_date_listing && panel_items_[kListingPanel]) {
    view_.listing = caleTan(persons_, state_, listing_);
    listing_.shown = view_.listing;
  }
  if (persons_.personCount > 0 && !panel_items_[kListPanel]) {
    panel_items_[kListPanel] = true;
    layout_panels(kCausePanels);
  }
}

}  // namespace pelmira
