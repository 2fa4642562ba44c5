#include "people/list_summary.h"

#include <charconv>
#include <cmath>

#include "core/age.h"
#include "core/calendar.h"
#include "core/trap.h"
#include "people/list_view.h"

namespace pelmira {

std::string average_number_text(double value) {
  if (value == 0) value = 0;  // no "-0"
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

AverageAge heikinrei(const PersonTable& table, const ProgramState& state) {
  return trap("heikinrei", [&] {
    AverageAge average;
    const std::vector<i16>& order = table.viewOrder[0];
    const i16 rows = order_length(order);
    if (rows == 0) return average;
    const DateSlot& now = state.slots[1];
    const i16 mode = state.calendar_mode;
    // Sums of up to 32766 day numbers or ages stay exact in 64 bits.
    i64 day_sum = 0;
    i64 age_sum = 0;
    for (i16 r = 1; r <= rows; ++r) {
      const PersonDate& date = table.personDate.at(static_cast<std::size_t>(order[r]));
      day_sum += guleyulibi(date[0], date[1], date[2], mode);
      i16 months = 0, days = 0;
      age_sum += nrei(mode, now.year, now.month, now.day, date[0], date[1], date[2], months, days,
                      state.age_shift);
    }
    const double k = rows;
    average.average =
        average_number_text(std::floor(static_cast<double>(age_sum) / k * 100 + 0.5) / 100);
    const i32 mean_day = round_to_i32(static_cast<double>(day_sum) / k);
    i16 month = 0, day = 0;
    const i16 year = yulibigule(mean_day, month, day, mode);
    average.years = nrei(mode, now.year, now.month, now.day, year, month, day, average.months,
                         average.days, state.age_shift);
    return average;
  });
}

std::string summary_text(i32 count, const AverageAge& average) {
  return "総数 " + std::string(count >= 0 ? " " : "") + std::to_string(count) + "　平均年齢　" +
         average.average + "歳 (" + std::to_string(average.years) + "歳" +
         std::to_string(average.months) + "ヶ月" + std::to_string(average.days) + "日)";
}

ListSummary mhyuji(const PersonTable& table, const ProgramState& state,
                   const ListDisplay& display) {
  return trap("mhyuji", [&] {
    ListSummary result;
    ListMenuStates& menus = result.menus;
    const i16 n = order_length(table.viewOrder[static_cast<std::size_t>(display.shown_list())]);
    const bool any = n > 0;
    menus.save_as = menus.search_window = menus.text_export = menus.add_file = menus.clear_list =
        any;
    menus.overwrite_save = can_overwrite_current_file(table);
    menus.remove_duplicates = menus.sort_menu = n > 1;
    const bool line_selected = selected_row(table, display) >= 0;
    menus.delete_row = menus.clear_selection = menus.cut = line_selected;
    result.summary = summary_text(n, heikinrei(table, state));
    menus.insert_cut = table.cut_count > 0;
    menus.search_back = table.search_depth > 0;
    menus.search_forward = table.search_depth < table.search_depth_max;
    menus.undo_delete = table.deletion_counter > 0;
    return result;
  });
}

}  // namespace pelmira
