#include "holidays/date_info.h"

#include <string>
#include <vector>

#include "almanac/names.h"
#include "core/calendar.h"
#include "core/date_text.h"
#include "core/trap.h"
#include "holidays/holiday_rules.h"

namespace pelmira {
namespace {

std::string mode_name(i16 mode) {
  switch (mode) {
    case kModeAutomatic:
      return "自動";
    case kModeGregorian:
      return "グレゴリオ暦";
    case kModeJulian:
      return "ユリウス暦";
    default:
      return {};
  }
}

// The century of a year: 1..100 is the 1st, 1901..2000 the 20th (floored below year 1).
i64 century_of(i16 year) {
  const i64 y = i64{year} - 1;
  return (y >= 0 ? y / 100 : -((-y + 99) / 100)) + 1;
}

std::string date_of_day(i32 day_number, i16 mode) {
  i16 month = 0, day = 0;
  const i16 year = yulibigule(day_number, month, day, mode);
  return std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
}

void build(const ProgramState& state, int side, std::vector<std::string>& lines) {
  if (side != 0 && side != 1) raise_error(err::kSubscript);
  const DateSlot& slot = state.slots[static_cast<std::size_t>(side)];
  // The refresh leaves normalised dates; anything else would print a wrong day.
  if (slot.month < 1 || slot.month > 12 || slot.day < 1 || slot.day > 31)
    raise_error(err::kSubscript);
  const i16 julian = calendar_in_force(state, side);

  lines.push_back("暦の設定　　　" + mode_name(state.calendar_mode));
  lines.push_back(std::string(julian == 1 ? "ユリウス暦" : "グレゴリオ暦") + "で表示しています。");
  lines.push_back("");
  lines.push_back("世紀　　　　　" + std::to_string(century_of(slot.year)) + "世紀");
  lines.push_back("西暦　　　　　" + slot.texts[0] + "年");
  lines.push_back("和暦　　　　　" + slot.historical_main);
  lines.push_back("　　　　　　　" + slot.historical_second);
  lines.push_back("");
  lines.push_back("月日　　　　　" + slot.month_day_text);
  lines.push_back("曜日　　　　　" + slot.weekday + "曜日");

  // The day in the calendar the slot is shown in; the holiday is looked up on the same day,
  // which is its Gregorian date.
  const i32 day_number =
      guleyulibi(slot.year, slot.month, slot.day, julian == 1 ? kModeJulian : kModeGregorian);
  lines.push_back("祝祭日　　　　" + holiday_name_of_day(day_number));
  lines.push_back("");
  lines.push_back("ユリウス暦　　" + date_of_day(day_number, kModeJulian));
  lines.push_back("グレゴリオ暦　" + date_of_day(day_number, kModeGregorian));
  lines.push_back("ユリウス日　　" + std::to_string(day_number));
  lines.push_back("");

  std::string animal_sentence, stem_text, branch_text;
  eto(slot.year, animal_sentence, stem_text, branch_text);
  lines.push_back("十干　　　　　" + stem_text);
  lines.push_back("十二支　　　　" + branch_text);
  lines.push_back("");
  lines.push_back("和風月名　　　" + monthOldName(slot.month));
  lines.push_back("花札　　　　　" + flowerCardOfMonth(slot.month));
  lines.push_back("四季　　　　　" + seasonOfMonth(slot.month));
  lines.insert(lines.end(), 3, "");
}

}  // namespace

Listing NGHJouhou(const ProgramState& state, ListingSession& session, const Listing& previous) {
  if (session.skip_once) {
    session.skip_once = false;
    return previous;
  }
  Listing listing;
  trap("NGHJouhou", [&] { build(state, session.side, listing.lines); });
  return listing;
}

}  // namespace pelmira
