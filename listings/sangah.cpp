#include <array>
#include <string_view>

#include "listings/builders.h"
#include "listings/ceremony_sides.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

struct Celebration {
  std::string_view name;
  i16 offset;  // counted age - 1
};

constexpr std::array<Celebration, 3> kShichiGoSan{{
    {"髪置(三歳)", 2},
    {"袴着(五歳男)", 4},
    {"帯解(七歳女)", 6},
}};

constexpr std::array<Celebration, 8> kLongevity{{
    {"還暦(六一歳)", 60},
    {"古希(七十歳)", 69},
    {"喜寿(七七歳)", 76},
    {"傘寿(八十歳)", 79},
    {"米寿(八八歳)", 87},
    {"卒寿(九十歳)", 89},
    {"白寿(九九歳)", 98},
    {"紀寿(百歳)", 99},
}};

}  // namespace

Listing sangah(const ProgramState& state, ListingSession& session) {
  return build_trapped("sangah", [&](Listing& out) {
    const CeremonySides sides = ceremony_sides(state, session);
    // The era of a year is read on the day of the celebration: 15 November for 七五三,
    // New Year for the longevity celebrations.
    const auto add = [&](const Celebration& c, i16 month, i16 day) {
      const i16 year = add16(sides.from.year, mul16(c.offset, sides.direction));
      out.lines.push_back(std::string(c.name) + std::string(kTab) +
                          era_year_text(state, year, month, day, false) + "年");
      if (year == sides.other.year) out.selected = static_cast<int>(out.lines.size()) - 1;
    };
    out.lines.push_back(std::string(kTwoTabs) + (session.side == 0 ? "祝年" : "生年"));
    out.lines.emplace_back();
    out.lines.push_back("** 七五三 **");
    for (const Celebration& c : kShichiGoSan) add(c, 11, 15);
    out.lines.emplace_back();
    out.lines.push_back("** 算賀 **");
    for (const Celebration& c : kLongevity) add(c, 1, 1);
    out.lines.emplace_back();
    out.lines.push_back("(年齢は全て数え年)");
  });
}

}  // namespace pelmira
