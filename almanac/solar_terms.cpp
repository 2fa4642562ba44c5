#include "almanac/solar_terms.h"

#include <array>
#include <cmath>
#include <string_view>

#include "core/calendar.h"
#include "core/state.h"
#include "core/trap.h"

namespace pelmira {
namespace {

struct TermRow {
  std::string_view name;
  i16 year, month, day;
  i16 hour, minute;
  double year_length;
};

// One row per 15 degrees of solar longitude, from 0 (春分).
constexpr std::array<TermRow, 24> kTerms{{
    {"春分", 1998, 3, 21, 4, 51, 365.24238},    {"清明", 1999, 4, 5, 14, 45, 365.242231},
    {"穀雨", 1999, 4, 20, 21, 46, 365.242083},  {"立夏", 1999, 5, 6, 8, 1, 365.241945},
    {"小満", 1999, 5, 21, 20, 52, 365.241825},  {"芒種", 1999, 6, 6, 12, 9, 365.241731},
    {"夏至", 1999, 6, 22, 4, 49, 365.241669},   {"小暑", 1999, 7, 7, 22, 25, 365.241642},
    {"大暑", 1999, 7, 23, 15, 44, 365.241654},  {"立秋", 1999, 8, 8, 8, 14, 365.241703},
    {"処暑", 1999, 8, 23, 22, 51, 365.241786},  {"白露", 1999, 9, 8, 11, 10, 365.241898},
    {"秋分", 1998, 9, 23, 14, 37, 365.242},     {"寒露", 1999, 10, 9, 2, 48, 365.242179},
    {"霜降", 1999, 10, 24, 5, 52, 365.242328},  {"立冬", 1998, 11, 8, 0, 3, 365.242469},
    {"小雪", 1999, 11, 23, 3, 25, 365.242592},  {"大雪", 1998, 12, 7, 16, 53, 365.242689},
    {"冬至", 1999, 12, 22, 16, 44, 365.242752}, {"小寒", 1999, 1, 6, 4, 17, 365.242778},
    {"大寒", 1999, 1, 20, 21, 37, 365.242765},  {"立春", 1999, 2, 4, 15, 57, 365.242713},
    {"雨水", 1999, 2, 19, 11, 47, 365.242627},  {"啓蟄", 1999, 3, 6, 9, 58, 365.242512},
}};

const TermRow* row_of(i16 longitude) {
  if (longitude == 360) longitude = 0;
  if (longitude < 0 || longitude > 345 || longitude % 15 != 0) return nullptr;
  return &kTerms[static_cast<std::size_t>(longitude / 15)];
}

// The reference clock time as a day fraction, held in single precision.
float reference_fraction(const TermRow& row) {
  return static_cast<float>((60.0 * row.hour + row.minute) / 1440.0);
}

}  // namespace

std::string sekki24(i16 year, i16& month, i16& day, i16 longitude, i32* hour, i32* minute) {
  return trap("sekki24", [&]() -> std::string {
    const TermRow* row = row_of(longitude);
    if (!row) return {};
    // The correction repeats every 18.4 years; b takes the sign of the dividend.
    const i32 b = mul32(10, add32(year, 9)) % 184;
    const double correction = std::sin(std::atan(1.0) * (b / 23.0)) / 200.0;
    const double v = (i32{year} - row->year) * row->year_length +
                     static_cast<double>(reference_fraction(*row)) + correction;
    const double whole = std::floor(v);
    const i32 n = round_to_i32(whole);
    const i32 reference_day = guleyulibi(row->year, row->month, row->day, kModeGregorian);
    yulibigule(add32(reference_day, n), month, day, kModeGregorian);
    const double f = v - whole;
    const double h = std::floor(24.0 * f);
    if (hour) *hour = round_to_i32(h);
    if (minute) *minute = round_to_i32(std::floor(1440.0 * (f - h / 24.0)));
    return std::string(row->name);
  });
}

i16 setun(i32 year, i16& time) {
  return trap("setun", [&]() -> i16 {
    i16 month = 0, day = 0;
    i32 hour = 0, minute = 0;
    sekki24(to_i16(year), month, day, 315, &hour, &minute);
    time = to_i16(i64{100} * hour + minute);
    return add16(200, day);
  });
}

i16 setut(i32 year, i16 month, i16& time) {
  return trap("setut", [&]() -> i16 {
    i16 term_month = 0, day = 0;
    i32 hour = 0, minute = 0;
    sekki24(to_i16(year), term_month, day, first_term_longitude(month), &hour, &minute);
    time = to_i16(i64{100} * hour + minute);
    return day;
  });
}

}  // namespace pelmira
