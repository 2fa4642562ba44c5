#include "almanac/solar_terms.h"
#include "core/formatting.h"
#include "listings/builders.h"
#include "listings/list_text.h"

namespace pelmira {

Listing sekkih(const ProgramState& state, ListingSession& session) {
  return build_trapped("sekkih", [&](Listing& out) {
    const DateSlot& date = state.slots[session.side == 1 ? 1 : 0];
    // In longitude order: 春分 to 冬至, then 小寒 to 啓蟄 of the same calendar year.
    for (i16 longitude = 0; longitude < 360; longitude = static_cast<i16>(longitude + 15)) {
      i16 month = 0, day = 0;
      i32 hour = 0, minute = 0;
      const std::string name = sekki24(date.year, month, day, longitude, &hour, &minute);
      out.lines.push_back(name + " " + era_year_text(state, date.year, month, day) + "年" +
                          keta(std::to_string(month)) + "月" + keta(std::to_string(day)) + "日 " +
                          keta(std::to_string(hour)) + "時" + keta(std::to_string(minute)) + "分 " +
                          right_align(std::to_string(longitude), 3) + "度");
      if (month == date.month && day == date.day)
        out.selected = static_cast<int>(out.lines.size()) - 1;
    }
  });
}

}  // namespace pelmira
