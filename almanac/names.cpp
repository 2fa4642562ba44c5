#include "almanac/names.h"

#include "core/runtime_error.h"
#include "core/trap.h"

namespace pelmira {
namespace {

// A month used as a table slot: 1..12, anything else is a subscript error.
std::size_t month_slot(i16 month) {
  if (month < 1 || month > 12) raise_error(err::kSubscript);
  return static_cast<std::size_t>(month);
}

std::string name_with_reading(const NameAndReading& entry) {
  return std::string(entry.name) + "(" + std::string(entry.reading) + ")";
}

}  // namespace

std::size_t stem_slot(i16 stem) {
  if (stem < 1 || stem > 10) raise_error(err::kSubscript);
  return static_cast<std::size_t>(stem);
}

std::size_t branch_slot(i16 branch) {
  if (branch < 1 || branch > 12) raise_error(err::kSubscript);
  return static_cast<std::size_t>(branch);
}

void check_month_and_day(i16 month, i16 day) {
  if (month < 1 || month > 12 || day < 1 || day > 31) raise_error(err::kSubscript);
}

std::string eto(i16 year, std::string& animal_sentence, std::string& stem_text,
                std::string& branch_text) {
  return trap("eto", [&]() -> std::string {
    if (year <= 0) return {};
    const auto b = static_cast<std::size_t>(add16(year, 8) % 12 + 1);
    const auto s = static_cast<std::size_t>(add16(year, 6) % 10 + 1);
    const std::string branch(branchNames[b]);
    const std::string stem(stemNames[s]);
    const std::string animal(branch_animals[b]);
    animal_sentence = branch + "が十二支で、" + animal + "年になります。";
    stem_text = stem + "(" + std::string(stemReadings[s]) + ")";
    branch_text = branch + "(" + std::string(branchReadings[b]) + ") 　　" + animal;
    return stem + branch + " (" + std::string(stemReadings[s]) + " " +
           std::string(branchReadings[b]) + ")";
  });
}

std::string sza(i16 month, i16 day) {
  return trap("sza", [&]() -> std::string {
    check_month_and_day(month, day);
    const i16 key = add16(mul16(100, month), day);
    std::size_t slot = 1;
    while (key >= zodiac_bounds[slot]) ++slot;  // the last bound, 1232, exceeds every key
    return std::string(zodiacNames[slot]) + "座 (" + std::string(zodiacReadings[slot]) + "座)";
  });
}

std::string tseki(i16 month) {
  return trap("tseki", [&]() -> std::string {
    if (month < 1 || month > 12) return {};
    return std::string(birthstones[static_cast<std::size_t>(month)]);
  });
}

std::string monthOldName(i16 month) {
  return name_with_reading(old_month_names[month_slot(month)]);
}

std::string seasonOfMonth(i16 month) {
  month_slot(month);
  return std::string(seasons[static_cast<std::size_t>(month % 12 / 3)]);
}

std::string flowerCardOfMonth(i16 month) {
  return name_with_reading(flower_cards[month_slot(month)]);
}

}  // namespace pelmira
