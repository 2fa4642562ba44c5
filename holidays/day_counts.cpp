#include "holidays/day_counts.h"

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "core/trap.h"
#include "holidays/holiday_rules.h"

namespace pelmira {
namespace {

constexpr i32 kMaxYears = 200;
constexpr std::array<std::string_view, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};

std::string days(i64 count) {
  return std::to_string(count) + "日";
}

// Weekday 0 (Sunday) .. 6 of a day number, for any day number.
int weekday_of(i32 day_number) {
  return static_cast<int>(((i64{day_number} + 2) % 7 + 7) % 7);
}

void build(const ProgramState& state, std::vector<std::string>& lines) {
  const DateSlot& from = state.slots[0];
  const DateSlot& to = state.slots[1];
  lines.push_back(from.western_text + "～");
  lines.push_back(to.western_text + "までの日数");
  if (std::abs(i32{from.year} - i32{to.year}) > kMaxYears) {
    lines.insert(lines.end(), {"", "　この日数計算の表示は計算に時間が",
                               "かかるので、200年以内の期間で使用し", "てください。"});
    return;
  }

  i32 first = guleyulibi(from.year, from.month, from.day, state.calendar_mode);
  i32 last = guleyulibi(to.year, to.month, to.day, state.calendar_mode);
  if (first > last) std::swap(first, last);
  const i32 n = add32(sub32(last, first), 1);
  std::array<i32, 7> per_weekday{};
  const int w = weekday_of(first);
  for (int i = 0; i < 7; ++i) per_weekday[static_cast<std::size_t>(i)] = n / 7;
  for (int i = 0; i < n % 7; ++i) ++per_weekday[static_cast<std::size_t>((w + i) % 7)];

  i32 h = 0, q = 0, r = 0, s = 0, t = 0;
  SNKeisan(state, h, q, r, s, t);
  const i64 sun = per_weekday[0];
  const i64 sat = per_weekday[6];
  const i64 sundays_and_holidays = sun + h + q - r - s;
  const i64 days_off = sat + sun + h + q - r - s - t;

  lines.insert(lines.end(), {"", "日数　　　" + days(n), ""});
  for (std::size_t i = 0; i < 7; ++i)
    lines.push_back(std::string(kWeekdays[i]) + "曜日の日数　" + days(per_weekday[i]));
  lines.insert(lines.end(),
               {"", "祝祭日の日数　　" + days(h), "振替休日の日数　" + days(i64{q} - r),
                "損した振替休日　" + days(r), ""});
  lines.push_back("　　　日曜　　　＋祝祭日　" + days(sundays_and_holidays));
  lines.push_back("　　　日曜＋土曜＋祝祭日　" + days(days_off));
  lines.push_back("日数－日曜　　　　　　　　" + days(n - sun));
  lines.push_back("日数－日曜－土曜　　　　　" + days(n - sat - sun));
  lines.push_back("日数－日曜　　　－祝祭日　" + days(n - sundays_and_holidays));
  lines.push_back("日数－日曜－土曜－祝祭日　" + days(n - days_off));
  lines.push_back("日数　　　　　　－祝祭日　" + days(n - (i64{h} + q - r)));
  lines.push_back("※祝祭日は振替休日を含みます。");
}

}  // namespace

Listing HsKeisan(const ProgramState& state, ListingSession& session, const Listing& previous) {
  if (session.skip_once) {
    session.skip_once = false;
    return previous;
  }
  Listing listing;
  trap("HsKeisan", [&] { build(state, listing.lines); });
  return listing;
}

}  // namespace pelmira
