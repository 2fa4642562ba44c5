#include "cli/holidays_command.h"

#include <memory>

#include "cli/options.h"
#include "holidays/holiday_rules.h"

namespace pelmira::cli {

std::string holidays_command(RunContext& run, const HolidaysOptions& options) {
  const i16 first = options.month.value_or(1);
  const i16 last = options.month.value_or(12);
  std::string out;
  for (i16 month = first; month <= last; ++month) {
    const MonthHolidays table = Ssaijitu(options.year, month);
    run.stop_if_reported();
    for (std::size_t slot = 1; slot <= table.entries() && slot <= kLastHolidaySlot; ++slot) {
      out += std::to_string(options.year) + "-" + std::to_string(month) + "-" +
             std::to_string(table.holidayDays[slot]) + "\t" + table.holidayNames[slot] + "\t" +
             std::to_string(table.holidayKinds[slot]) + "\n";
    }
  }
  return out;
}

void register_holidays_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<HolidaysOptions>();
  CLI::App* sub =
      app.add_subcommand("holidays", "Print the holiday tables of a year or of one month");
  add_i16(*sub, "YEAR", options->year, "Year, 1 to 32767", 1, 32767)->required();
  sub->add_option("MONTH", options->month, "Month, 1 to 12 (default: every month)")
      ->transform(whole_number(1, 12));
  run_when_chosen(*sub, chosen,
                  [options](RunContext& run) { return holidays_command(run, *options); });
}

}  // namespace pelmira::cli
