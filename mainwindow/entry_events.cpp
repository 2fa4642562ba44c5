// The events of the input panel, the month calendar and the listing pane: each hands the
// event to the date entry, the calendar or the listing logic, and refreshes the window once
// when a date or a choice changed.

#include "core/trap.h"
#include "mainwindow/main_session.h"
#include "people/same_date.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"

namespace pelmira {

void MainSession::Command7_Click(int digit) {
  pelmira::Command7_Click(keypad_, digit);
}

void MainSession::Command8_Click(int unit) {
  if (pelmira::Command8_Click(state_, keypad_, unit)) mein1();
}

void MainSession::Command4_Click(int era) {
  if (pelmira::Command4_Click(state_, keypad_, era)) mein1();
}

void MainSession::Command10_Click(int sign) {
  pelmira::Command10_Click(keypad_, sign);
}

void MainSession::Command9_Clear() {
  clear_keypad(keypad_);
}

void MainSession::Command9_Enter(std::string_view text) {
  const TypedDate typed = enter_typed_date(state_, text);
  if (typed.solar_term_listing)
    write_number(store_, setting::kSolarTermListing, *typed.solar_term_listing);
  if (typed.refresh) mein1();
}

void MainSession::Text2_GotFocus() {
  pelmira::Text2_GotFocus(keypad_);
}

void MainSession::step_pressed() {
  pelmira::step_pressed(keypad_);
}

void MainSession::step_released() {
  pelmira::step_released(keypad_);
}

TimerTick MainSession::Timer1_Timer() {
  const TimerTick tick = pelmira::Timer1_Timer(state_, keypad_);
  if (tick.refresh) mein1();
  return tick;
}

void MainSession::riremodos_Click() {
  if (pelmira::riremodos_Click(state_, history_)) mein1();
}

void MainSession::Option4_Click(int slot) {
  state_.entering_slot = slot == 0 ? 0 : 1;
  mein1();
}

void MainSession::Option2_Click(int slot) {
  calendar_slot_ = slot == 0 ? 0 : 1;
  mein1();
}

void MainSession::Label7_Click(int cell) {
  if (pelmira::Label7_Click(state_, calendar_slot_, cell)) mein1();
}

void MainSession::Option6_Click(int side) {
  listing_.side = side == 0 ? 0 : 1;
  listing_controls_.side_selected = listing_.side;
  mein1();
}

void MainSession::Combo1_Click(int index, int chosen) {
  if (index < 0 || index > 1) return;
  listing_controls_.combos[static_cast<std::size_t>(index)].selected = chosen;
  if (pelmira::Combo1_Click(state_, listing_, listing_controls_, index)) mein1();
}

int MainSession::List3_MouseDown(int row) {
  if (listing_.kind == kListingSameDate) {
    // The person of the row is selected in the person list, as a click there would.
    const SameDateClick click =
        same_date_row_click(persons_, display_, state_, listing_, row, pane_);
    refill_person_list();
    if (click.refresh) mein1();
    return click.list_row;
  }
  const RowClick click =
      pelmira::List3_MouseDown(state_, listing_, row, person_year_lookup(persons_));
  if (click.refresh) mein1();
  return click.person >= 0 ? row_of_person(persons_, display_, static_cast<i16>(click.person)) : -1;
}

}  // namespace pelmira
