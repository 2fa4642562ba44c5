// The panel menu, the panels' close buttons, the year-calendar switch, the listing menu and
// the window's resize event: each changes what is shown and lays the panels out again.

#include "core/trap.h"
#include "listings/builders.h"
#include "listings/dispatch.h"
#include "mainwindow/main_session.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"

namespace pelmira {

void MainSession::m1_Click(int panel) {
  trap("m1_Click", [&] {
    bool& item = panel_items_.at(static_cast<std::size_t>(panel));
    item = !item;
    if (panel == kListingPanel && listing_.kind == kListingFortune) {
      // The fortune listing's birth time starts at the current hour and minute.
      const LocalDateTime now = state_.now();
      listing_.hour_choice = add16(now.hour, 1);
      listing_.minute_choice = add16(now.minute, 1);
      listing_controls_.combos[0].selected = listing_.hour_choice;
      listing_controls_.combos[1].selected = listing_.minute_choice;
    }
    check_list_panel_coupling(panel);
    layout_panels(kCausePanels);
    mein1();
  });
}

// The notification entry writes into the person list: it is shown only with the list.
void MainSession::check_list_panel_coupling(int panel) {
  if (panel == kListPanel && !panel_items_[kListPanel]) panel_items_[kNotificationPanel] = false;
  if (panel == kNotificationPanel && panel_items_[kNotificationPanel])
    panel_items_[kListPanel] = true;
}

void MainSession::msg2_Click(int index) {
  trap("msg2_Click", [&] {
    panel_items_.fill(index == 0);
    layout_panels(kCausePanels);
    mein1();
  });
}

void MainSession::Command6_Click(int panel) {
  trap("Command6_Click", [&] {
    panel_items_.at(static_cast<std::size_t>(panel)) = false;
    check_list_panel_coupling(panel);
    layout_panels(kCausePanels);
  });
}

void MainSession::fnc01_Click() {
  trap("fnc01_Click", [&] {
    year_calendar_ = !year_calendar_;
    if (year_calendar_) {
      panel_items_.fill(false);
      HScroll1_Change(state_.slots[1].year);
    } else {
      view_.year_calendar.reset();
      read_panel_items_from_setting();
    }
    layout_panels(kCausePanels, true);
    // Panels coming back show the dates as they are now.
    if (!year_calendar_) mein1();
  });
}

void MainSession::HScroll1_Change(i16 year) {
  year_calendar_year_ = year;
  view_.year_calendar = formcalnder(year);
}

void MainSession::itirank1_Click(i16 kind) {
  const KindChoice choice = pelmira::itirank1_Click(state_, listing_, listing_controls_, kind);
  display_.listing_code = listing_.kind;
  mein1();
  if (choice.show_solar_term_notice) dialogs_.message("Pelmira", kSolarTermNotice, BoxIcon::kNone);
}

OptionsContext MainSession::options_context() const {
  OptionsContext context;
  context.labels = TanMeiKH(listing_.kind);
  context.program_folder = info_.program_folder;
  context.birth_date_text = state_.slots[0].western_text;
  context.state = state_;
  return context;
}

void MainSession::apply_options(const OptionsChanges& changes) {
  if (changes.input_item) entry_display_item_ = *changes.input_item;
  if (changes.columns) display_.columns = *changes.columns;
  if (changes.name_tabs) display_.name_tabs = *changes.name_tabs;
  if (changes.ageing_rule) state_.age_shift = *changes.ageing_rule;
  if (changes.calendar_mode) state_.calendar_mode = *changes.calendar_mode;
  // The refresh rebuilds the list's lines when what they depend on changed.
  mein1();
}

void MainSession::Form_Resize() {
  if (classify_resize(tracker_, window_.window_state(), window_.window_height(),
                      window_.window_width(), year_calendar_))
    layout_panels(tracker_.cause);
}

void MainSession::layout_panels(std::uint8_t cause, bool follows_year_calendar_switch) {
  trap("layout_panels", [&] {
    tracker_.cause = cause;
    LayoutInput input;
    input.cause = cause;
    input.state = window_.window_state();
    input.window_width = window_.window_width();
    input.window_height = window_.window_height();
    input.screen_vertical_pixels = window_.screen_vertical_pixels();
    input.shown = panel_items_;
    input.sizes = panel_sizes_;
    input.year_calendar_shown = year_calendar_;
    input.follows_year_calendar_switch = follows_year_calendar_switch;
    const LayoutPlan plan = plan_panel_layout(input);
    if (!plan.runs) {
      tracker_.cause = kCauseIdle;
      return;
    }
    if (plan.list) panel_sizes_[kListPanel] = PanelSize{plan.list->width, plan.list->height};
    if (plan.panels_setting) write_text(store_, setting::kPanes, *plan.panels_setting);
    tracker_.cause = kCauseOwnResize;
    window_.place_panels(plan);
    window_.resize_window(plan.new_width, plan.new_height);
    // What the window's own resize event stores, also when the window is not yet shown and
    // so gets no event.
    tracker_.last_state = window_.window_state();
    tracker_.last_height = window_.window_height();
    tracker_.last_width = window_.window_width();
    tracker_.cause = kCauseIdle;
  });
  tracker_.cause = kCauseIdle;
}

}  // namespace pelmira
