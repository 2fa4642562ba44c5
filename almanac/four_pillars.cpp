#include "almanac/four_pillars.h"

#include <array>
#include <string_view>

#include "almanac/names.h"
#include "almanac/solar_terms.h"
#include "core/calendar.h"
#include "core/runtime_error.h"

namespace pelmira {
namespace {

// A solar term as day of month and clock time (100 * hour + minute).
struct TermInstant {
  i16 day;
  i16 time;
};

// The solar-term routines report their own failures and leave the day unset (0); stop here
// as well rather than compare against a day that was never computed.
TermInstant risshun_of(i16 year) {
  i16 time = 0;
  const i16 month_day = setun(year, time);
  if (month_day <= 200) raise_overflow();
  return {static_cast<i16>(month_day - 200), time};
}

TermInstant first_term_of(i16 year, i16 month) {
  i16 time = 0;
  const i16 day = setut(year, month, time);
  if (day < 1) raise_overflow();
  return {day, time};
}

// Instants within a month as exact integers: day * 10000 + hour * 100 + minute. A time that
// is not given (24:60) sorts after every clock time of its day.
constexpr i64 instant_key(i64 day, i64 clock_time) {
  return day * 10000 + clock_time;
}

struct TenGod {
  std::string_view name;
  i16 sign;
};

constexpr std::array<TenGod, 11> kTenGods{{
    {"", 0},
    {"比肩", +1},
    {"劫財", +1},
    {"食神", -1},
    {"傷官", -1},
    {"偏財", -1},
    {"正財", -1},
    {"偏官", -1},
    {"正官", -1},
    {"偏印", +1},
    {"印綬", +1},
}};

constexpr std::array<std::string_view, 13> kTwelvePhases{
    "", "長生", "沐浴", "冠帯", "建禄", "帝旺", "衰", "病", "死", "墓", "絶", "胎", "養"};

// Offsets of the twelve phases by day stem: yang stems count forward from their 長生 branch
// (甲 亥, 丙 and 戊 寅, 庚 巳, 壬 申), yin stems backward (乙 午, 丁 and 己 酉, 辛 子, 癸 卯).
constexpr std::array<i16, 11> kPhaseOffsets{0, 0, 7, 9, 10, 9, 10, 6, 13, 3, 4};

// The hidden stems of a branch: the first up to `first_until` days after the 節, the second
// up to `second_until` days, the third after that.
struct HiddenStems {
  i16 first_until;
  i16 second_until;
  std::string_view stems;  // three stem names
};

constexpr std::array<HiddenStems, 13> kHiddenStems{{
    {0, 0, ""},
    {10, 10, "壬癸癸"},  // 子
    {9, 12, "癸辛己"},   // 丑
    {7, 14, "戊丙甲"},   // 寅
    {10, 10, "甲乙乙"},  // 卯
    {9, 12, "乙癸戊"},   // 辰
    {7, 14, "戊庚丙"},   // 巳
    {10, 20, "丙己丁"},  // 午
    {9, 12, "丁乙己"},   // 未
    {7, 14, "戊壬庚"},   // 申
    {10, 10, "庚辛辛"},  // 酉
    {9, 12, "辛丁戊"},   // 戌
    {7, 14, "戊甲壬"},   // 亥
}};

}  // namespace

BirthTime birth_time_from_choices(i16 hour_choice, i16 minute_choice) {
  BirthTime time;
  if (hour_choice >= 1 && hour_choice <= 24) time.hour = static_cast<i16>(hour_choice - 1);
  if (minute_choice >= 1 && minute_choice <= 60) time.minute = static_cast<i16>(minute_choice - 1);
  return time;
}

FourPillars four_pillars_of(i16 mode, i16 year, i16 month, i16 day, BirthTime time) {
  FourPillars p;
  const i64 clock_time = i64{time.hour} * 100 + time.minute;

  const TermInstant risshun = risshun_of(year);
  const i64 birth_key = instant_key(i64{100} * month + day, clock_time);
  const i16 pillar_year =
      instant_key(200 + risshun.day, risshun.time) > birth_key ? sub16(year, 1) : year;
  p.year.branch = static_cast<i16>(floor_mod(add16(pillar_year, 8), 12) + 1);
  p.year.stem = static_cast<i16>(floor_mod(add16(pillar_year, 6), 10) + 1);

  const TermInstant term = first_term_of(year, month);
  const i16 adj = instant_key(term.day, term.time) > instant_key(day, clock_time) ? -1 : 0;
  p.month.branch = static_cast<i16>(floor_mod(i64{month} + adj, 12) + 1);
  p.month.stem = static_cast<i16>(floor_mod(12 * (i64{year} + 59) + month + adj + 4, 10) + 1);

  const i32 t = guleyulibi(year, month, day, mode);
  p.day.branch = static_cast<i16>(floor_mod(i64{t} + 2, 12) + 1);
  p.day.stem = static_cast<i16>(floor_mod(t, 10) + 1);

  hourPillar(time.hour, p.day.stem, p.hour.stem, p.hour.branch);
  return p;
}

void hourPillar(i16 hour, i16 day_stem, i16& hour_stem, i16& hour_branch) {
  if (hour == 24 || day_stem == 0) {
    hour_stem = 0;
    hour_branch = 0;
    return;
  }
  stem_slot(day_stem);
  const i64 k = floor_mod(add16(hour, 1) / 2, 12);
  hour_branch = static_cast<i16>(k + 1);
  hour_stem = static_cast<i16>(floor_mod(k + 12 * ((day_stem - 1) % 5), 10) + 1);
}

i16 daysSinceSetsuiri(i16 mode, i16 year, i16 month, i16 day, i16 hour, i16 minute) {
  const TermInstant term = first_term_of(year, month);
  const i16 clock_time = add16(mul16(100, hour), minute);
  if (day > term.day || (day == term.day && clock_time >= term.time)) return sub16(day, term.day);
  i16 previous_year = year;
  i16 previous_month = sub16(month, 1);
  if (previous_month < 1) {
    previous_month = 12;
    previous_year = sub16(year, 1);
  }
  const TermInstant previous = first_term_of(previous_year, previous_month);
  return sub16(add16(day, nyou2(previous_year, previous_month, 1, mode)), previous.day);
}

i16 hiddenStem(i16 days, i16 branch) {
  if (branch == 0) return 0;
  const HiddenStems& row = kHiddenStems[branch_slot(branch)];
  const std::size_t which = days <= row.first_until ? 0 : days <= row.second_until ? 1 : 2;
  return stem_number(row.stems.substr(which * kNameBytes, kNameBytes));
}

std::string tsuhensei(i16 day_stem, i16 other_stem, i16& sign) {
  sign = 0;
  if (day_stem == 0 || other_stem == 0) return {};
  const i64 a = static_cast<i64>(stem_slot(day_stem));
  const i64 x = static_cast<i64>(stem_slot(other_stem));
  const i64 parity = (x % 2 == 1 && a % 2 == 0) ? 2 : 0;
  const TenGod& god = kTenGods[static_cast<std::size_t>((x - a + 10 + parity) % 10 + 1)];
  sign = god.sign;
  return std::string(god.name);
}

std::string juniun(i16 day_stem, i16 branch) {
  if (day_stem == 0 || branch == 0) return {};
  const std::size_t s = stem_slot(day_stem);
  const i64 r = static_cast<i64>(branch_slot(branch));
  const i64 offset = kPhaseOffsets[s];
  const i64 index = (s % 2 == 1 ? r + offset : 12 - r + offset) % 12 + 1;
  return std::string(kTwelvePhases[static_cast<std::size_t>(index)]);
}

i16 seasonSupport(i16 day_stem, i16 month_branch) {
  if (day_stem == 0 || month_branch == 0) return 0;
  const i64 stem = static_cast<i64>(stem_slot(day_stem));
  const i64 branch = static_cast<i64>(branch_slot(month_branch));
  const i64 element = (stem - 1) / 2 - (stem > 4 ? 1 : 0);  // 甲乙 0, 丙丁戊己 1, 庚辛 2, 壬癸 3
  const i64 season = (branch + 9) % 12 / 3;                 // 寅卯辰 0 ... 亥子丑 3
  if (element != season) return 0;
  return branch % 3 == 2 ? 2 : 3;  // 丑 辰 未 戌 give 2
}

i16 branchSupport(i16 day_stem, i16 branch, i16 weight) {
  if (day_stem == 0 || branch == 0) return 0;
  const i64 stem_group = (static_cast<i64>(stem_slot(day_stem)) - 1) / 2;  // 木 火 土 金 水
  const i64 r = static_cast<i64>(branch_slot(branch));
  // 丑 辰 未 戌 are 土; 寅卯 0, 巳午 1, 申酉 3, 亥 4, and 子 is counted with 金 (3).
  const i64 branch_group = r % 3 == 2 ? 2 : (r + 9) % 12 / 3 + (r > 8 ? 1 : 0);
  return stem_group == branch_group ? weight : 0;
}

std::string strengthText(i16 score) {
  if (score < 0) return "身弱(" + std::to_string(score) + "点)";
  if (score == 0) return "中間(0点)";
  return "身旺(+" + std::to_string(score) + "点)";
}

i16 strength_score(const FourPillars& p, i16 days) {
  const i16 me = p.day.stem;
  i16 score = 0;
  for (const i16 other : {p.year.stem, hiddenStem(days, p.year.branch), p.month.stem,
                          hiddenStem(days, p.month.branch), hiddenStem(days, p.day.branch),
                          p.hour.stem, hiddenStem(days, p.hour.branch)}) {
    i16 sign = 0;
    tsuhensei(me, other, sign);
    score = add16(score, sign);
  }
  score = add16(score, seasonSupport(me, p.month.branch));
  score = add16(score, branchSupport(me, p.year.branch, 1));
  score = add16(score, branchSupport(me, p.day.branch, 2));
  return add16(score, branchSupport(me, p.hour.branch, 2));
}

std::string void_branches(const Pillar& day) {
  if (day.stem == 0 || day.branch == 0) return {};
  const auto v = static_cast<std::size_t>(floor_mod(
      static_cast<i64>(branch_slot(day.branch)) + 11 - static_cast<i64>(stem_slot(day.stem)), 12));
  return std::string(branchNames[v]) + std::string(branchNames[v + 1]);
}

}  // namespace pelmira
