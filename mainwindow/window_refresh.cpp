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
    if (panel_items_[kNotificationPanel]) describe_rule();
    nyuryokurireki(history_, state_);
    if (year_calendar_) view_.year_calendar = formcalnder(year_calendar_year_);
    if (persons_.personCount > 0 && list_inputs() != list_inputs_) refresh_person_lines();
  });
}

// What the list's lines and its average age depend on besides the persons: the reference
// date, the calendar and ageing rules, the listing's wording and the columns.
std::vector<int> MainSession::list_inputs() const {
  const DateSlot& now = state_.slots[1];
  std::vector<int> inputs{now.year,          now.month,
                          now.day,           state_.calendar_mode,
                          state_.age_shift,  display_.listing_code,
                          display_.name_tabs};
  for (const bool column : display_.columns) inputs.push_back(column ? 1 : 0);
  return inputs;
}

// The lines again for the same rows, with the summary: the reference date or a rule changed.
void MainSession::refresh_person_lines() {
  view_.list = refresh_rows(persons_, state_, display_);
  ++view_.list_lines_version;
  list_inputs_ = list_inputs();
  view_.list_header = list_header(display_);
  view_.status_text = view_.list.summary.summary;
}

void MainSession::refresh_person_list() {
  refresh_person_lines();
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
