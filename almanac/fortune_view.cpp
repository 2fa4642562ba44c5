#include "almanac/fortune_view.h"

#include "almanac/four_pillars_report.h"
#include "almanac/names.h"
#include "almanac/nine_star.h"
#include "almanac/six_star.h"
#include "core/trap.h"

namespace pelmira {

Listing uranai(const ProgramState& state, ListingSession& session, const Listing& previous) {
  if (session.skip_once) {
    session.skip_once = false;
    return previous;
  }
  Listing listing;
  std::vector<std::string>& lines = listing.lines;
  trap("uranai", [&] {
    const DateSlot& birth = state.slots[0];
    lines.push_back("　" + birth.era_text + "生まれを表示");
    lines.emplace_back();
    lines.push_back("【 星　座 】" + sza(birth.month, birth.day));
    lines.emplace_back();
    std::string reading;
    lines.push_back("【動物占い】" + animalFortune(state.calendar_mode, birth.year, birth.month,
                                                   birth.day, reading));
    lines.emplace_back();
    lines.push_back("【六星占術】　　(運は[現在]から計算)");
    uraLi3Kaki(rokusei(state, birth.year, birth.month, birth.day, kSixStarReport), lines);
    lines.push_back("【 九　星 】" + kigaku(birth.year, birth.month, birth.day, 0));
    lines.emplace_back();
    lines.push_back("【 納　音 】" + nacchin(birth.year, birth.month, birth.day));
    lines.emplace_back();
    lines.push_back("【四柱推命】");
    uraLi3Kaki(etohg(state, session.hour_choice, session.minute_choice), lines);
    if (previous.selected >= 0 && previous.selected < static_cast<int>(lines.size()))
      listing.selected = previous.selected;
  });
  return listing;
}

void uraLi3Kaki(std::string_view text, std::vector<std::string>& lines) {
  std::string line;
  for (const char c : text) {
    if (c == '\r') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\n') {
      line += c;
    }
  }
  lines.push_back(line);
}

}  // namespace pelmira
