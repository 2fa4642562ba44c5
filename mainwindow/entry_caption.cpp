#include "almanac/names.h"
#include "almanac/nine_star.h"
#include "almanac/six_star.h"
#include "core/age.h"
#include "core/trap.h"
#include "listings/selector.h"
#include "mainwindow/age_report.h"

namespace pelmira {
namespace {

// The date of a slot as the entry frame shows it: the Western text when exactly one of
// "Western only" and "this is the slot being entered" holds, else the era text.
const std::string& shown_date_text(const ProgramState& state, int slot) {
  const DateSlot& s = state.slots[static_cast<std::size_t>(slot)];
  const bool western = (state.western_only == 1) != (state.entering_slot == slot);
  return western ? s.western_text : s.era_text;
}

}  // namespace

std::string nyurhyouzi(const ProgramState& state, const ReportTotals& totals, i16 listing_kind,
                       int item) {
  return trap("nyurhyouzi", [&]() -> std::string {
    const ModeLabels labels = TanMeiKH(listing_kind);
    const DateSlot& birth = state.slots[0];
    const DateSlot& now = state.slots[1];
    const DateSlot& difference = state.slots[2];
    switch (item) {
      case 1:
        return labels.elapsed + "  " + difference.texts[0] + " " + labels.unit + "　 " +
               difference.texts[1] + "ヶ月　" + difference.texts[2] + "日";
      case 2:
        return " 日数　　 " + std::to_string(totals.total_days) + "日";
      case 3:
        return " 数え年   " +
               kazoe(now.year, now.month, now.day, birth.year, birth.month, birth.day) + " 歳";
      case 4: {
        std::string animal, stem, branch;
        return " 干支   　" + eto(birth.year, animal, stem, branch);
      }
      case 5:
        return " 星座     " + sza(birth.month, birth.day);
      case 6:
        return " 誕生石   " + tseki(birth.month);
      case 7:
        return labels.side_name + " " + shown_date_text(state, 0) + " " + birth.weekday + "曜";
      case 8:
        return "現 " + shown_date_text(state, 1) + " " + now.weekday + "曜";
      case 9: {
        const LocalDateTime today = state.now();
        return std::to_string(today.year) + "/" + std::to_string(today.month) + "/" +
               std::to_string(today.day) + " ";
      }
      case 10:
        return kigaku(birth.year, birth.month, birth.day, 0);
      case 11:
      case 12:
      case 13:
        return rokusei(state, birth.year, birth.month, birth.day, item - 9);
      case 14: {
        std::string reading;
        return "動物占い " +
               animalFortune(state.calendar_mode, birth.year, birth.month, birth.day, reading);
      }
      default:
        return "       入力        ";
    }
  });
}

}  // namespace pelmira
