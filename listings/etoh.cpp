#include "core/age.h"
#include "listings/builders.h"
#include "listings/list_text.h"

namespace pelmira {

Listing etoh(const ProgramState& state, ListingSession& session) {
  return build_trapped("etoh", [&](Listing& out) {
    const DateSlot& birth = state.slots[0];
    const DateSlot& now = state.slots[1];
    const i16 branch = session.branch_choice;
    const i16 stem = session.stem_choice;
    const i16 top = add16(now.year, 100);

    if (branch < 0 || branch > 12 || stem < 0 || stem > 10) {
      out.lines.push_back("　無効な選択です。");
      return;
    }
    if (branch == 0 && stem == 0) {
      out.lines.push_back("　干支が選択されていません。");
      return;
    }
    // A stem and a branch meet only when their indexes are both odd or both even.
    if (branch != 0 && stem != 0 && (branch + stem) % 2 != 0) {
      out.lines.push_back("　無効な選択です。");
      return;
    }
    i16 step = 0, offset = 0, last = 22;
    if (stem == 0) {
      step = 12;
      offset = branch;
    } else if (branch == 0) {
      step = 10;
      offset = stem;
    } else {
      step = 60;
      offset = add16(stem, mul16(mod_trunc(stem - branch + 12, 12), 5));
      last = 4;
    }

    out.lines.push_back("生年" + std::string(kTwoTabs) + "現在の年齢");
    out.lines.emplace_back();
    for (i16 t = 0; t <= last; ++t) {
      // Descending years of the sign; the year 4 is 甲子.
      const i16 year =
          add16(sub16(add16(sub16(top, mul16(step, t)), offset), mod_trunc(top, step)), 3);
      i16 months = 0, days = 0;
      const i16 age = nrei(state.calendar_mode, now.year, now.month, now.day, year, birth.month,
                           birth.day, months, days, state.age_shift);
      out.lines.push_back(era_year_text(state, year, 1, 1) + "年　　　" + std::string(kTab) +
                          right_align(std::to_string(age), 4) + " 歳");
      if (out.selected < 0 && year == birth.year) out.selected = t + 2;
    }
  });
}

}  // namespace pelmira
