#include <array>
#include <string_view>

#include "core/text.h"
#include "listings/builders.h"
#include "listings/ceremony_sides.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

struct UnluckyYear {
  std::string_view name;
  i16 offset;  // counted age - 1
};

constexpr std::array<UnluckyYear, 5> kWomen{{
    {"厄年(　十九歳)", 18},
    {"前厄(三十二歳)", 31},
    {"大厄(三十三歳)", 32},
    {"後厄(三十四歳)", 33},
    {"厄年(三十七歳)", 36},
}};

constexpr std::array<UnluckyYear, 5> kMen{{
    {"厄年(二十五歳)", 24},
    {"前厄(四十一歳)", 40},
    {"大厄(四十二歳)", 41},
    {"後厄(四十三歳)", 42},
    {"厄年(六十一歳)", 60},
}};

}  // namespace

Listing yakudoshi(const ProgramState& state, ListingSession& session) {
  return build_trapped("yakudoshi", [&](Listing& out) {
    const CeremonySides sides = ceremony_sides(state, session);
    // The era of a year is read just after 節分, when the unlucky year begins.
    const auto add = [&](const UnluckyYear& u) {
      const i16 year = add16(sides.from.year, mul16(u.offset, sides.direction));
      out.lines.push_back(std::string(u.name) + "　　　" +
                          era_year_text(state, year, 2, 22, false) + "年");
      if (year == sides.other.year) out.selected = static_cast<int>(out.lines.size()) - 1;
    };
    out.lines.push_back(repeat("　", 11) + (session.side == 0 ? "該当年" : "生年"));
    out.lines.emplace_back();
    out.lines.push_back("** 女性 **");
    for (const UnluckyYear& u : kWomen) add(u);
    out.lines.emplace_back();
    out.lines.push_back("** 男性 **");
    for (const UnluckyYear& u : kMen) add(u);
    out.lines.emplace_back();
    out.lines.push_back("(年齢は全て数え年)");
  });
}

}  // namespace pelmira
