#include "almanac/six_star.h"

#include <array>
#include <string_view>

#include "almanac/names.h"
#include "almanac/nine_star.h"
#include "core/calendar.h"
#include "core/text.h"
#include "core/trap.h"

namespace pelmira {
namespace {

struct Phase {
  std::string_view name;
  std::string_view short_name;
  std::string_view mark;  // 殺界 mark, or three full-width spaces
  std::string_view strength;
};

constexpr std::array<Phase, 12> kPhases{{
    {"種子", "種", "　　　", "+4"},
    {"緑生", "緑", "　　　", "+2"},
    {"立花", "立", "　　　", "+4"},
    {"健弱", "健", "小殺界", "-4"},
    {"達成", "達", "　　　", "+a"},
    {"乱気", "乱", "中殺界", "-6"},
    {"再会", "再", "　　　", "+6"},
    {"財政", "財", "　　　", "+4"},
    {"安定", "安", "　　　", "+6"},
    {"陰影", "陰", "大殺界", "-8"},
    {"停止", "停", "大殺界", "-a"},
    {"減退", "減", "大殺界", "-8"},
}};

// One-character initials of `sixStarTypes`, for the compact column.
constexpr std::array<std::string_view, 7> kTypeInitials{"", "土", "金", "火", "天", "木", "水"};

// Sign of the birth year: 0 for an even year (陽), 1 for an odd one (陰).
constexpr std::array<std::string_view, 2> kSignLong{"陽(+)", "陰(-)"};
constexpr std::array<std::string_view, 2> kSignShort{"陽", "陰"};
constexpr std::array<std::string_view, 2> kSignChar{"+", "-"};

// Labels of the year, month and day fortunes.
constexpr std::array<std::string_view, 3> kFortuneLabels{"　年運　", "　月運　", "　日運　"};

constexpr std::size_t mod12(i64 value) {
  return static_cast<std::size_t>(floor_mod(value, 12));
}

std::string str(std::string_view text) {
  return std::string(text);
}

// The fortune of one of year, month or day: its primary phase and, for 霊合星人, the
// secondary phase six steps before it.
struct Fortune {
  const Phase* primary;
  const Phase* secondary;  // nullptr unless 霊合星人
};

std::string report_style(const std::string& heading, const std::array<Fortune, 3>& fortunes) {
  std::string text = heading + "\r\n";
  for (std::size_t i = 0; i < 3; ++i) {
    const Fortune& f = fortunes[i];
    text += str(kFortuneLabels[i]) + str(f.primary->name) + "　" + str(f.primary->mark);
    if (f.secondary) text += "　(" + str(f.secondary->name) + "　" + str(f.secondary->mark) + ")";
    text += "\r\n";
  }
  return text;
}

std::string column_style(std::string_view sign, std::string_view initial, std::string_view tag,
                         const std::array<Fortune, 3>& fortunes) {
  std::string text = char_left(str(sign) + str(initial) + str(tag) + " 　  ", 5);
  for (const Fortune& f : fortunes) {
    std::string field = str(f.primary->short_name) + str(f.primary->strength);
    if (f.secondary) field += str(f.secondary->short_name) + str(f.secondary->strength);
    text += char_left(field + "　   ", 6);
  }
  return text;
}

}  // namespace

std::string rokusei(const ProgramState& state, i16 year, i16 month, i16 day, int style) {
  return trap("rokusei", [&]() -> std::string {
    if (style < kSixStarReport || style > kSixStarDay) return {};
    check_month_and_day(month, day);
    const DateSlot& now = state.slots[1];
    check_month_and_day(now.month, now.day);

    const i16 number = day_sexagenary_number(guleyulibi(year, month, day, state.calendar_mode));
    const auto type = static_cast<std::size_t>((number - 1) / 10 + 1);  // 1..6
    const std::size_t sign = year % 2 == 0 ? 0 : 1;
    const i64 base = 12 - 2 * static_cast<i64>(type) + static_cast<i64>(sign);    // 0..11
    const bool spirit = mod12(add16(year, 8)) == static_cast<std::size_t>(base);  // 霊合星人

    const i32 now_day = guleyulibi(now.year, now.month, now.day, state.calendar_mode);
    const std::array<i64, 3> primary{add16(sub16(now.year, base), 18),
                                     add16(sub16(now.month, base), 22),
                                     add32(sub32(now_day, base), 24)};
    std::array<Fortune, 3> fortunes{};
    for (std::size_t i = 0; i < 3; ++i) {
      fortunes[i].primary = &kPhases[mod12(primary[i])];
      fortunes[i].secondary = spirit ? &kPhases[mod12(primary[i] - 6)] : nullptr;
    }
    const std::string_view long_tag = spirit ? "(霊合星人)" : "";
    const std::string_view short_tag = spirit ? "(霊)" : "";

    switch (style) {
      case kSixStarReport:
        return report_style(
            "　" + str(kSignLong[sign]) + "の" + str(sixStarTypes[type]) + str(long_tag), fortunes);
      case kSixStarColumn:
        return column_style(kSignChar[sign], kTypeInitials[type], short_tag, fortunes);
      default: {
        const auto which = static_cast<std::size_t>(style - kSixStarYear);
        const Fortune& f = fortunes[which];
        return str(kSignShort[sign]) + "の" + str(sixStarTypes[type]) + str(short_tag) +
               str(kFortuneLabels[which]) + str(f.primary->name) + " " +
               (f.secondary ? str(f.secondary->short_name) : std::string());
      }
    }
  });
}

}  // namespace pelmira
