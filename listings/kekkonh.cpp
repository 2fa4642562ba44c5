#include <array>
#include <string_view>

#include "core/formatting.h"
#include "core/text.h"
#include "listings/builders.h"
#include "listings/ceremony_sides.h"
#include "listings/list_text.h"

namespace pelmira {
namespace {

constexpr std::array<std::string_view, 15> kFirstYears{"紙",   "綿", "革",     "書籍", "木",
                                                       "鉄",   "銅", "青銅",   "陶器", "錫",
                                                       "鋼鉄", "絹", "レース", "象牙", "水晶"};
// Years 20, 25, ..., 60.
constexpr std::array<std::string_view, 9> kFifthYears{
    "陶磁器", "銀", "真珠", "珊瑚", "ルビー", "サファイア", "金", "エメラルド", "ダイヤモンド"};

}  // namespace

Listing kekkonh(const ProgramState& state, ListingSession& session) {
  return build_trapped("kekkonh", [&](Listing& out) {
    const CeremonySides sides = ceremony_sides(state, session);
    out.lines.push_back(session.side == 0 ? std::string(kThreeTabs) + "祝年"
                                          : std::string(kTwoTabs) + "結婚した年");
    out.lines.emplace_back();
    const auto add = [&](i16 n, std::string_view material) {
      const i16 year = add16(sides.from.year, mul16(n, sides.direction));
      // The name right-aligned in eight characters with ideographic spaces.
      const std::string name = char_right("　　　　　" + std::string(material) + "婚式", 8);
      out.lines.push_back(keta(std::to_string(n)) + "年目　" + name + "  " +
                          era_year_text(state, year, sides.from.month, sides.from.day) + "年");
      if (year == sides.other.year) out.selected = static_cast<int>(out.lines.size()) - 1;
    };
    for (i16 n = 1; n <= 15; ++n) add(n, kFirstYears[static_cast<std::size_t>(n - 1)]);
    for (i16 d = 1; d <= 9; ++d)
      add(static_cast<i16>(5 * d + 15), kFifthYears[static_cast<std::size_t>(d - 1)]);
  });
}

}  // namespace pelmira
