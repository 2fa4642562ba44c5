#include "core/age.h"
#include "core/calendar.h"
#include "listings/builders.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

// "平成12/5/3": the normalised date with the era form of its year.
std::string period_end(const ProgramState& state, i16 year, i16 month, i16 day) {
  hiteisei(state.calendar_mode, year, month, day);
  return era_year_text(state, year, month, day) + "/" + std::to_string(month) + "/" +
         std::to_string(day);
}

}  // namespace

Listing nenreih(const ProgramState& state, ListingSession& session) {
  // A row just taken into the dates leaves the listing as it stands.
  Listing kept = session.shown;
  bool skipped = false;
  Listing built = build_trapped("nenreih", [&](Listing& out) {
    const DateSlot& birth = state.slots[0];
    const DateSlot& now = state.slots[1];
    const i16 rule = state.age_shift;
    i16 months = 0, days = 0;
    const i16 base = nrei(state.calendar_mode, now.year, now.month, now.day, birth.year,
                          birth.month, birth.day, months, days, rule);
    session.age_row_base = base;
    if (session.skip_once) {
      session.skip_once = false;
      skipped = true;
      return;
    }

    out.lines.push_back(session.side == 0 ? "誕生からの年齢　　年齢に対する期間"
                                          : "現在の年齢　　　　誕生期間");
    out.lines.emplace_back();
    for (i16 c = 0; c <= 130; ++c) {
      std::string line = right_align(std::to_string(c), 3) + " 歳" + std::string(kTab);
      if (session.side == 0) {
        const i16 from_year = add16(birth.year, c);
        line +=
            period_end(state, from_year, birth.month, sub16(birth.day, rule)) + "～" +
            period_end(state, add16(from_year, 1), birth.month, sub16(sub16(birth.day, rule), 1));
      } else {
        const i16 to_year = sub16(now.year, c);
        line += period_end(state, sub16(to_year, 1), now.month, add16(add16(now.day, rule), 1)) +
                "～" + period_end(state, to_year, now.month, add16(now.day, rule));
      }
      out.lines.push_back(std::move(line));
    }
    if (base >= 0 && base <= 130) out.selected = base + 2;
  });
  return skipped ? kept : built;
}

}  // namespace pelmira
