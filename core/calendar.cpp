#include "core/calendar.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "core/trap.h"

namespace pelmira {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayChars{"日", "月", "火", "水", "木", "金", "土"};

// Offsets that turn the day count from year -4799 into the day number.
constexpr i32 kGregorianOffset = 31740;
constexpr i32 kJulianOffset = 31778;

// Automatic mode for a civil date: after 1582-10-14 is Gregorian, the rest Julian.
i16 resolve_date_mode(i16 year, i16 month, i16 day, i16 mode) {
  if (mode != kModeAutomatic) return mode;
  return daisyou(year, month, day, 1582, 10, 14) == -1 ? kModeGregorian : kModeJulian;
}

i16 resolve_day_number_mode(i32 day_number, i16 mode) {
  if (mode != kModeAutomatic) return mode;
  return day_number > kFirstGregorianDay - 1 ? kModeGregorian : kModeJulian;
}

bool is_leap(i16 year, i16 resolved_mode) {
  // Years of 0 and below are shifted by 20000, a multiple of 400, before the remainders.
  const i32 y = year <= 0 ? year + 20000 : year;
  if (resolved_mode == kModeGregorian) return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (resolved_mode == kModeJulian) return y % 4 == 0;
  return false;
}

// A month length of 0 or less would make the stepping loops run for ever.
i16 checked_length(i16 length) {
  if (length <= 0) raise_overflow();
  return length;
}

i32 year_length(i16 year, i16 resolved_mode) {
  return is_leap(year, resolved_mode) ? 366 : 365;
}

i16 sign_of(i16 value) {
  return static_cast<i16>((value > 0) - (value < 0));
}

}  // namespace

i16 nyou2(i16 year, i16 month, i16 day, i16 mode) {
  return trap("nyou2", [&]() -> i16 {
    const i16 resolved = resolve_date_mode(year, month, day, mode);
    // k = |month - 7.5| + 0.5, a whole number; the parity of k gives 31 or 30.
    const i32 k = (std::abs(2 * i32{month} - 15) + 1) / 2;
    i32 length = k % 2 + 2 + 28;
    if (month == 2) length -= 2 - (is_leap(year, resolved) ? 1 : 0);
    if (month == 0) length += 1;
    return to_i16(length);
  });
}

i32 guleyulibi(i16 year, i16 month, i16 day, i16 mode) {
  return trap("guleyulibi", [&]() -> i32 {
    const i16 resolved = resolve_date_mode(year, month, day, mode);
    // c = year + 4799 keeps every intermediate positive for years >= -4799.
    const i32 c = add32(year, 4799);
    i32 base = 0;
    if (resolved == kModeGregorian)
      base = add32(sub32(add32(mul32(365, c), c / 4), c / 100), c / 400);
    else if (resolved == kModeJulian)
      base = add32(mul32(365, c), c / 4);
    else
      return 0;
    for (i32 i = 1; i < month; ++i)
      base = add32(base, nyou2(year, static_cast<i16>(i), 1, resolved));
    const i32 offset = resolved == kModeGregorian ? kGregorianOffset : kJulianOffset;
    return sub32(add32(base, day), offset);
  });
}

i16 yulibigule(i32 day_number, i16& month, i16& day, i16 mode) {
  return trap("yulibigule", [&]() -> i16 {
    const i16 resolved = resolve_day_number_mode(day_number, mode);
    const bool gregorian = resolved == kModeGregorian;
    const i32 d = add32(day_number, gregorian ? kGregorianOffset : kJulianOffset);
    // e: the working year (year + 4800), never above the true one; q: day of that year.
    i16 e = to_i16(d / 366);
    const i32 f = sub16(e, 1);
    i32 q = gregorian ? sub32(d, i64{365} * f + f / 4 - f / 100 + f / 400)
                      : sub32(d, i64{365} * f + f / 4);
    // Whole years first (e starts up to ~90 years low for far-future dates); this subtracts
    // exactly what walking the twelve months of each such year would.
    for (i32 length; (length = year_length(e, resolved)) < q;) {
      q -= length;
      e = add16(e, 1);
    }
    i16 m = 1;
    for (i16 length; (length = checked_length(nyou2(e, m, 1, resolved))) < q;) {
      q -= length;
      if (++m > 12) {
        m = 1;
        e = add16(e, 1);
      }
    }
    month = m;
    day = to_i16(q);
    return sub16(e, 4800);
  });
}

i16 yulibiyous(i32 day_number) {
  return trap("yulibiyous", [&]() -> i16 { return to_i16(add32(day_number, 2) % 7); });
}

std::string yulibiyoub(i32 day_number) {
  return trap("yulibiyoub", [&]() -> std::string {
    const i32 w = add32(day_number, 2) % 7;
    if (w < 0) return {};
    return std::string(kWeekdayChars[static_cast<std::size_t>(w)]);
  });
}

i16 hiteisei(i16 mode, i16& year, i16& month, i16& day) {
  return trap("hiteisei", [&]() -> i16 {
    if (month < 1) {
      year = to_i16(i64{year} + month / 12 - 1);
      month = sub16(12, to_i16(-i32{month}) % 12);
    }
    year = add16(year, (month - 1) / 12);
    month = static_cast<i16>((month - 1) % 12 + 1);
    for (i16 length; (length = checked_length(nyou2(year, month, day, mode))) < day;) {
      day = sub16(day, length);
      if (++month > 12) {
        month = 1;
        year = add16(year, 1);
      }
    }
    while (day < 1) {
      if (--month < 1) {
        month = 12;
        year = sub16(year, 1);
      }
      day = add16(day, checked_length(nyou2(year, month, day, mode)));
    }
    return year;
  });
}

i16 daisyou(i16 year1, i16 month1, i16 day1, i16 year2, i16 month2, i16 day2) {
  return trap("daisyou", [&]() -> i16 {
    if (const i16 s = sign_of(sub16(year2, year1)); s != 0) return s;
    if (const i16 s = sign_of(sub16(month2, month1)); s != 0) return s;
    return sign_of(sub16(day2, day1));
  });
}

}  // namespace pelmira
