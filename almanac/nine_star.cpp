#include "almanac/nine_star.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "almanac/names.h"
#include "almanac/solar_terms.h"
#include "core/calendar.h"
#include "core/runtime_error.h"
#include "core/trap.h"

namespace pelmira {
namespace {

constexpr i16 kRisshunLongitude = 315;

// Readings of `nineStarNames`, slot by slot (written with full-size つ and ゆ).
constexpr std::array<std::string_view, 9> kNineStarReadings{
    "いつぱくすいせい", "じこくどせい",     "さんぺきもくせい", "しろくもくせい", "ごおうどせい",
    "ろつぱくきんせい", "しちせききんせい", "はつぱくどせい",   "きゆうしかせい"};

struct Animal {
  std::string_view name;
  std::string_view reading;
};

constexpr std::array<Animal, 12> kAnimals{{
    {"チータ", ""},
    {"たぬき", ""},
    {"猿", "サル"},
    {"子守熊(コアラ)", ""},
    {"黒ひょう", "くろひょう"},
    {"虎", "トラ"},
    {"こじか", ""},
    {"ゾウ", ""},
    {"狼", "オオカミ"},
    {"ひつじ", ""},
    {"ペガサス", ""},
    {"ライオン", ""},
}};

enum AnimalIndex : std::uint8_t {
  kCheetah,
  kRaccoonDog,
  kMonkey,
  kKoala,
  kBlackPanther,
  kTiger,
  kFawn,
  kElephant,
  kWolf,
  kSheep,
  kPegasus,
  kLion,
};

// The animal of each day sexagenary number 1..60 (slot 0 unused).
constexpr std::array<AnimalIndex, 61> kAnimalOfNumber{
    kCheetah,                                                                // unused
    kCheetah,  kRaccoonDog,   kMonkey,  kKoala,   kBlackPanther, kTiger,     // 1-6
    kCheetah,  kRaccoonDog,   kMonkey,  kKoala,   kFawn,         kElephant,  // 7-12
    kWolf,     kSheep,        kMonkey,  kKoala,   kFawn,         kElephant,  // 13-18
    kWolf,     kSheep,        kPegasus, kPegasus, kSheep,        kWolf,      // 19-24
    kWolf,     kSheep,        kPegasus, kPegasus, kSheep,        kWolf,      // 25-30
    kElephant, kFawn,         kKoala,   kMonkey,  kSheep,        kWolf,      // 31-36
    kElephant, kFawn,         kKoala,   kMonkey,  kRaccoonDog,   kCheetah,   // 37-42
    kTiger,    kBlackPanther, kKoala,   kMonkey,  kRaccoonDog,   kCheetah,   // 43-48
    kTiger,    kBlackPanther, kLion,    kLion,    kBlackPanther, kTiger,     // 49-54
    kTiger,    kBlackPanther, kLion,    kLion,    kBlackPanther, kTiger,     // 55-60
};

constexpr std::array<std::string_view, 31> kNacchinNames{
    "",         "海中の金", "炉中の火", "大林の木", "路傍の土", "剣鋒の金", "山頭の火", "澗下の水",
    "城頭の土", "白鑞の金", "楊柳の木", "井泉の水", "屋上の土", "霹靂の火", "松柏の木", "長流の水",
    "沙中の金", "山下の火", "平地の木", "壁上の土", "金箔の金", "覆燈の火", "天河の水", "大駅の土",
    "釵釧の金", "桑柘の木", "大溪の水", "砂中の土", "天上の火", "柘榴の木", "大海の水"};

}  // namespace

i16 year_from_risshun(i16 year, i16 month, i16 day) {
  i16 term_month = 0, term_day = 0;
  // sekki24 reports its own failure (a year it cannot convert); stop here as well rather
  // than compare against a day that was never computed.
  if (sekki24(year, term_month, term_day, kRisshunLongitude).empty()) raise_overflow();
  const i16 key = add16(mul16(100, month), day);
  return key < add16(200, term_day) ? sub16(year, 1) : year;
}

i16 day_sexagenary_number(i32 day_number) {
  return static_cast<i16>(floor_mod(i64{day_number} + 50, 60) + 1);
}

std::string kigaku(i16 year, i16 month, i16 day, int style) {
  return trap("kigaku", [&]() -> std::string {
    if (style != 0 && style != 1) return {};
    check_month_and_day(month, day);
    const i16 reading_year = year_from_risshun(year, month, day);
    const i16 r = add16(reading_year, 7) % 9;
    if (r < 0) raise_error(err::kSubscript);  // reading years before -7 have no slot
    const auto k = static_cast<std::size_t>(8 - r);
    std::string text(nineStarNames[k]);
    if (style == 0) text.append("(").append(kNineStarReadings[k]).append(")");
    return text;
  });
}

std::string animalFortune(i16 mode, i16 year, i16 month, i16 day, std::string& reading) {
  check_month_and_day(month, day);
  const i16 n = day_sexagenary_number(guleyulibi(year, month, day, mode));
  const Animal& animal = kAnimals[kAnimalOfNumber[static_cast<std::size_t>(n)]];
  reading = std::string(animal.reading);
  return std::string(animal.name);
}

std::string nacchin(i16 year, i16 month, i16 day) {
  check_month_and_day(month, day);
  const i16 reading_year = year_from_risshun(year, month, day);
  const i16 index = add16(reading_year / 2, 28) % 30 + 1;
  if (index < 1) raise_error(err::kSubscript);  // reading years before -57 have no slot
  return std::string(kNacchinNames[static_cast<std::size_t>(index)]);
}

}  // namespace pelmira
