#include <array>
#include <string_view>

#include "core/formatting.h"
#include "listings/builders.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

struct Stage {
  std::string_view name;
  i16 years;
  i16 years_before;  // school years of the earlier stages
};

constexpr std::array<Stage, 4> kStages{{
    {"小学", 6, 0},
    {"中学", 3, 6},
    {"高校", 3, 9},
    {"大学", 4, 12},
}};

i16 flag(bool holds) {
  return holds ? 1 : 0;
}

}  // namespace

Listing gakkou(const ProgramState& state, ListingSession& session) {
  return build_trapped("gakkou", [&](Listing& out) {
    const DateSlot& birth = state.slots[0];
    const DateSlot& now = state.slots[1];
    // Born on 1 April: the school year of those born in March.
    const i16 birth_month = birth.month == 4 && birth.day == 1 ? i16{3} : birth.month;
    const i16 start_delay = birth_month < 4 ? 5 : 6;
    // The school year the "現在" date falls in starts in April.
    const i16 now_school_year = sub16(now.year, flag(now.month < 4));
    const i16 base = sub16(add16(sub16(now_school_year, birth.year), flag(birth_month < 4)), 6);
    session.school_row_base = base;

    out.lines.push_back(session.side == 0 ? "学年　　　　就学期間　　　　　年齢"
                                          : "現在の学年  誕生期間　　　　　年齢");
    out.lines.emplace_back();
    for (const Stage& stage : kStages) {
      out.lines.push_back("** " + std::string(stage.name) + " **");
      for (i16 j = 1; j <= stage.years; ++j) {
        const i16 k = add16(j, stage.years_before);
        std::string period;
        if (session.side == 0) {
          const i16 start = add16(add16(birth.year, k), start_delay);
          const i16 end = add16(start, 1);
          period = era_year_text(state, start, 4, 1) + "/4/1～" + era_year_text(state, end, 3, 31) +
                   "/3/31";
        } else {
          const i16 born = sub16(sub16(now_school_year, 6), k);
          const i16 until = add16(born, 1);
          period = era_year_text(state, born, 4, 2) + "/4/2～" + era_year_text(state, until, 4, 1) +
                   "/4/1";
        }
        out.lines.push_back(" " + std::to_string(j) + "年 " + period + " " +
                            keta(std::to_string(k + 5)) + "～" + keta(std::to_string(k + 6)) +
                            "歳");
      }
    }
    const int row = base + 2 + flag(base > 6) + flag(base > 9) + flag(base > 12);
    if (row >= 3 && row <= 21) out.selected = row;
  });
}

}  // namespace pelmira
