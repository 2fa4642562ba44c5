#include <array>
#include <string_view>

#include "core/calendar.h"
#include "core/formatting.h"
#include "listings/builders.h"
#include "listings/ceremony_sides.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

struct Observance {
  std::string_view name;
  i16 offset;
};

// Days after the death (offset added to the day).
constexpr std::array<Observance, 3> kDays{{
    {"　　初七日", 6},
    {"　三十五日", 34},
    {"　四十九日", 48},
}};

// Years after the death (offset added to the year).
constexpr std::array<Observance, 10> kYears{{
    {"　　一周忌", 1},
    {"　　三回忌", 2},
    {"　　七回忌", 6},
    {"　十三回忌", 12},
    {"　十七回忌", 16},
    {"二十三回忌", 22},
    {"二十七回忌", 26},
    {"三十三回忌", 32},
    {"　五十回忌", 49},
    {"　　百回忌", 99},
}};

}  // namespace

Listing meinithih(const ProgramState& state, ListingSession& session) {
  return build_trapped("meinithih", [&](Listing& out) {
    const CeremonySides sides = ceremony_sides(state, session);
    const auto add = [&](std::string_view name, i16 year, i16 month, i16 day) {
      hiteisei(state.calendar_mode, year, month, day);
      out.lines.push_back(std::string(name) + std::string(kTab) +
                          era_year_text(state, year, month, day) + "/" +
                          keta(std::to_string(month)) + "/" + keta(std::to_string(day)));
      if (year == sides.other.year && month == sides.other.month && day == sides.other.day)
        out.selected = static_cast<int>(out.lines.size()) - 1;
    };
    out.lines.push_back(std::string(kTwoTabs) +
                        (session.side == 0 ? "命日の年月日" : "死去した年月日"));
    out.lines.emplace_back();
    for (const Observance& o : kDays)
      add(o.name, sides.from.year, sides.from.month,
          add16(sides.from.day, mul16(o.offset, sides.direction)));
    out.lines.emplace_back();
    for (const Observance& o : kYears)
      add(o.name, add16(sides.from.year, mul16(o.offset, sides.direction)), sides.from.month,
          sides.from.day);
  });
}

}  // namespace pelmira
