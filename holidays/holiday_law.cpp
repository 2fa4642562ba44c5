#include "holidays/holiday_law.h"

#include <algorithm>
#include <string_view>

#include "almanac/solar_terms.h"
#include "core/calendar.h"

namespace pelmira {
namespace {

constexpr i16 kSpringEquinox = 0;
constexpr i16 kAutumnEquinox = 180;

class MonthList {
 public:
  void add(i16 day, std::string_view name) { days_.push_back({day, std::string(name)}); }

  // The equinox of the year, named by `name`, or by the term's own name + "の日" when
  // `name` is empty.
  void add_equinox(i16 year, i16 longitude, std::string_view name) {
    i16 month = 0, day = 0;
    const std::string term = sekki24(year, month, day, longitude);
    if (term.empty() || day < 1) return;
    add(day, name.empty() ? term + "の日" : std::string(name));
  }

  std::vector<LawHoliday> take() {
    std::stable_sort(days_.begin(), days_.end(),
                     [](const LawHoliday& a, const LawHoliday& b) { return a.day < b.day; });
    return std::move(days_);
  }

 private:
  std::vector<LawHoliday> days_;
};

// November 1873 to August 1948; c = 100 * year + month.
void prewar_holidays(i16 year, i16 month, i32 c, MonthList& out) {
  switch (month) {
    case 1:
      out.add(1, "四方拝");
      if (c >= 190801) out.add(3, "元始祭");
      out.add(5, "新年宴会");
      if (c <= 191206) out.add(31, "孝明天皇祭");
      break;
    case 2:
      out.add(11, "紀元節");
      break;
    case 3:
      if (c >= 187801) out.add_equinox(year, kSpringEquinox, "春季皇霊祭");
      break;
    case 4:
      out.add(3, "神武天皇祭");
      if (c >= 192701) out.add(29, "天長節");
      break;
    case 7:
      if (c >= 191208 && c <= 192611) out.add(30, "明治天皇祭");
      break;
    case 8:
      if (c >= 191208 && c <= 192611) out.add(31, "天長節");
      break;
    case 9:
      if (c >= 187801) out.add_equinox(year, kAutumnEquinox, "秋季皇霊祭");
      break;
    case 10:
      out.add(17, "神嘗祭");
      if (c >= 191208 && c <= 192611) out.add(31, "天長節祝日");
      break;
    case 11:
      if (c >= 192701) out.add(3, "明治節");
      if (c <= 191206) out.add(3, "天長節");
      out.add(23, "新嘗祭");
      break;
    case 12:
      if (c >= 192701) out.add(25, "大正天皇祭");
      break;
    default:
      break;
  }
}

// From September 1948, with the amendments up to the present law and the one-off days.
void postwar_holidays(i16 year, i16 month, i32 c, MonthList& out) {
  const i16 w1 = yulibiyous(guleyulibi(year, month, 1, kModeAutomatic));
  switch (month) {
    case 1:
      out.add(1, "元日");
      out.add(year < 2000 ? 15 : nth_monday(w1, 2), "成人の日");
      break;
    case 2:
      if (c >= 196607) out.add(11, "建国記念日");
      if (year >= 2020) out.add(23, "天皇誕生日");
      if (year == 1989) out.add(24, "昭和天皇の大喪の礼");
      break;
    case 3:
      out.add_equinox(year, kSpringEquinox, "");
      break;
    case 4:
      if (year == 1959) out.add(10, "皇太子明仁親王の結婚の儀");
      out.add(29, year <= 1988 ? "天皇誕生日" : year <= 2006 ? "みどりの日" : "昭和の日");
      break;
    case 5:
      if (year == 2019) out.add(1, "天皇の即位の日");
      out.add(3, "憲法記念日");
      if (year >= 2007)
        out.add(4, "みどりの日");
      else if (year >= 1986)
        out.add(4, "国民の休日");
      out.add(5, "こどもの日");
      break;
    case 6:
      if (year == 1993) out.add(9, "皇太子徳仁親王の結婚の儀");
      break;
    case 7:
      // The Olympic years 2020 and 2021 moved 海の日 and スポーツの日 by special law.
      if (year >= 1996 && year <= 2002)
        out.add(20, "海の日");
      else if (year == 2020)
        out.add(23, "海の日");
      else if (year == 2021)
        out.add(22, "海の日");
      else if (year >= 2003)
        out.add(nth_monday(w1, 3), "海の日");
      if (year == 2020) out.add(24, "スポーツの日");
      if (year == 2021) out.add(23, "スポーツの日");
      break;
    case 8:
      if (year == 2020)
        out.add(10, "山の日");
      else if (year == 2021)
        out.add(8, "山の日");
      else if (year >= 2016)
        out.add(11, "山の日");
      break;
    case 9:
      if (c >= 196607) out.add(year <= 2002 ? 15 : nth_monday(w1, 3), "敬老の日");
      out.add_equinox(year, kAutumnEquinox, "");
      break;
    case 10:
      if (c >= 196607 && year <= 1999)
        out.add(10, "体育の日");
      else if (year >= 2000 && year <= 2019)
        out.add(nth_monday(w1, 2), "体育の日");
      else if (year >= 2022)
        out.add(nth_monday(w1, 2), "スポーツの日");
      if (year == 2019) out.add(22, "即位礼正殿の儀");
      break;
    case 11:
      out.add(3, "文化の日");
      if (year == 1990) out.add(12, "即位礼正殿の儀");
      out.add(23, "勤労感謝の日");
      break;
    case 12:
      if (year >= 1989 && year <= 2018) out.add(23, "天皇誕生日");
      break;
    default:
      break;
  }
}

}  // namespace

std::vector<LawHoliday> holidays_by_law(i16 year, i16 month) {
  const i32 c = add32(mul32(100, year), month);
  MonthList out;
  if (c >= kFirstHolidayMonthKey && c <= kLastPrewarMonthKey)
    prewar_holidays(year, month, c, out);
  else if (c > kLastPrewarMonthKey)
    postwar_holidays(year, month, c, out);
  return out.take();
}

}  // namespace pelmira
