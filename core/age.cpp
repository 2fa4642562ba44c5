#include "core/age.h"

#include <array>
#include <string_view>

#include "almanac/solar_terms.h"
#include "core/calendar.h"
#include "core/trap.h"

namespace pelmira {
namespace {

struct Memorial {
  i16 offset;
  std::string_view name;
};

// Memorial years after a death (offset added to the year), nearest first.
constexpr std::array<Memorial, 10> kMemorialYears{{
    {1, "　　一周忌"},
    {2, "　　三回忌"},
    {6, "　　七回忌"},
    {12, "　十三回忌"},
    {16, "　十七回忌"},
    {22, "二十三回忌"},
    {26, "二十七回忌"},
    {32, "三十三回忌"},
    {49, "　五十回忌"},
    {99, "　　百回忌"},
}};

// Memorial days after a death (offset added to the day), nearest first.
constexpr std::array<Memorial, 4> kMemorialDays{{
    {0, "　　　死亡"},
    {6, "　　初七日"},
    {34, "　三十五日"},
    {48, "　四十九日"},
}};

struct Date {
  i16 y, m, d;
  // Nrei compares dates within a year through this 16-bit value.
  i16 month_day() const { return add16(mul16(m, 100), d); }
};

std::string counted_age_text(i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd, i64 value) {
  if (daisyou(ry, rm, rd, by, bm, bd) == 1) return "0";
  if (value < 0) return "0";
  return std::to_string(value);
}

}  // namespace

i16 nrei(i16 mode, i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd, i16& months, i16& days,
         i16 shift) {
  return trap("nrei", [&]() -> i16 {
    Date a{ry, rm, add16(rd, shift)};
    hiteisei(mode, a.y, a.m, a.d);
    const Date b{by, bm, bd};
    const bool shifted_earlier = daisyou(a.y, a.m, a.d, b.y, b.m, b.d) == 1;
    const Date later = shifted_earlier ? b : a;
    const Date earlier = shifted_earlier ? a : b;

    i16 years = sub16(later.y, earlier.y);
    if (later.month_day() < earlier.month_day()) years = sub16(years, 1);
    i16 m = static_cast<i16>(
        sub16(sub16(add16(later.m, 12), earlier.m), later.d < earlier.d ? 1 : 0) % 12);
    // The borrowing month is the one before L's; month 0 (January's) reads as 31 days.
    const i16 n = nyou2(later.y, sub16(later.m, 1), later.d, mode);
    i16 d;
    if (earlier.d <= later.d)
      d = sub16(later.d, earlier.d);
    else if (earlier.d >= n)
      d = later.d;  // the birth day does not exist in the borrowing month
    else
      d = add16(sub16(n, earlier.d), later.d);

    if (daisyou(ry, rm, rd, by, bm, bd) == 1) {
      years = sub16(0, years);
      m = sub16(0, m);
      d = sub16(0, d);
    }
    months = m;
    days = d;
    return years;
  });
}

std::string kazoe(i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd) {
  return trap("kazoe", [&]() -> std::string {
    const i16 value = add16(sub16(ry, by), 1);
    return counted_age_text(ry, rm, rd, by, bm, bd, value);
  });
}

std::string kazoe2(i16 ry, i16 rm, i16 rd, i16 by, i16 bm, i16 bd) {
  return trap("kazoe2", [&]() -> std::string {
    i16 time = 0;
    const i16 r1 = setun(ry, time);
    const i16 r2 = setun(by, time);
    i32 value = sub32(ry, by);
    if (i32{rm} * 100 + rd >= r1) value = add32(value, 1);
    if (i32{bm} * 100 + bd < r2) value = add32(value, 1);
    return counted_age_text(ry, rm, rd, by, bm, bd, value);
  });
}

i32 tanmade(const ProgramState& state, i16 year, i16 month, i16 day, i16 kind, std::string& label) {
  return trap("tanmade", [&]() -> i32 {
    const DateSlot& today = state.slots[1];
    const i16 mode = state.calendar_mode;
    const i32 today_number = guleyulibi(today.year, today.month, today.day, mode);
    if (kind != kKindDeath) {
      label = kind == kKindWedding ? "記念日まで" : "誕生日まで";
      const bool passed = i32{month} * 100 + day < i32{today.month} * 100 + today.day;
      const i16 recurrence_year = passed ? add16(today.year, 1) : today.year;
      return sub32(guleyulibi(recurrence_year, month, day, mode), today_number);
    }
    // Farthest first, so the label left is the nearest memorial day today or later.
    label.clear();
    i32 result = 0;
    const auto consider = [&](i32 number, std::string_view name) {
      if (number < today_number) return;
      result = sub32(number, today_number);
      label = std::string(name) + "まで";
    };
    for (auto it = kMemorialYears.rbegin(); it != kMemorialYears.rend(); ++it)
      consider(guleyulibi(add16(year, it->offset), month, day, mode), it->name);
    for (auto it = kMemorialDays.rbegin(); it != kMemorialDays.rend(); ++it)
      consider(guleyulibi(year, month, add16(day, it->offset), mode), it->name);
    if (label.empty()) label = kNoMemorialLeft;
    return result;
  });
}

void kyou(ProgramState& state, int slot) {
  trap("kyou", [&] {
    DateSlot& target = state.slots.at(static_cast<std::size_t>(slot));
    const LocalDateTime now = state.now();
    target.era_label() = "西暦";
    target.entered_year = now.year;
    target.month = now.month;
    target.day = now.day;
  });
}

}  // namespace pelmira
