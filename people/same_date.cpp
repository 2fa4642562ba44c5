#include "people/same_date.h"

#include "listings/list_text.h"
#include "listings/selector.h"
#include "people/editing.h"
#include "people/list_view.h"

namespace pelmira {
namespace {

bool present(const PersonTable& table, std::size_t p) {
  return table.deletedMark.at(p) == 0;
}

}  // namespace

Listing caleTan(const PersonTable& table, const ProgramState& state, ListingSession& session) {
  if (session.skip_once) {
    session.skip_once = false;
    return session.shown;
  }
  return build_trapped("caleTan", [&](Listing& out) {
    const DateSlot& side = state.slots[session.side == 1 ? 1 : 0];
    bool any_person = false;
    for (i16 person = 1; person <= table.personCount; ++person) {
      const auto p = static_cast<std::size_t>(person);
      if (!present(table, p)) continue;
      any_person = true;
      const PersonDate& date = table.personDate.at(p);
      if (date[1] != side.month || date[2] != side.day) continue;
      if (person == table.selected_person) out.selected = static_cast<int>(out.lines.size());
      out.lines.push_back(trimmed_name(table.personName.at(p)));
      out.row_map.push_back(person);
    }
    if (!out.lines.empty()) return;
    out.lines.emplace_back(kNoSameDate);
    out.row_map.assign(1, -1);
    if (any_person) return;
    out.lines.emplace_back();
    out.lines.emplace_back(kNoDataHint1);
    out.lines.emplace_back(kNoDataHint2);
  });
}

std::function<std::optional<i16>(int)> person_year_lookup(const PersonTable& table) {
  return [&table](int person) -> std::optional<i16> {
    if (person < 1 || person > table.personCount) return std::nullopt;
    return table.personDate.at(static_cast<std::size_t>(person))[0];
  };
}

SameDateClick same_date_row_click(PersonTable& table, const ListDisplay& display,
                                  ProgramState& state, ListingSession& session, int row,
                                  NoticePane& pane) {
  SameDateClick click;
  const Listing& shown = session.shown;
  const bool person_row = row >= 0 && static_cast<std::size_t>(row) < shown.row_map.size() &&
                          !shown.row_map.empty() && shown.row_map[0] != -1;
  if (person_row) {
    const auto person = static_cast<i16>(shown.row_map[static_cast<std::size_t>(row)]);
    click.list_row = row_of_person(table, display, person);
    list1c(table, display, state, click.list_row, pane);
  }
  click.refresh = List3_MouseDown(state, session, row, person_year_lookup(table)).refresh;
  return click;
}

}  // namespace pelmira
