#include "cli/calendar_commands.h"

#include <limits>
#include <memory>

#include "cli/cli_errors.h"
#include "cli/date_arguments.h"
#include "cli/options.h"
#include "core/calendar.h"
#include "core/eras.h"

namespace pelmira::cli {
namespace {

// Day numbers and dates agree in both directions from -4798-01-01 on; below it the
// truncating divisions of the conversion no longer count leap days correctly.
constexpr i16 kFirstExactYear = -4798;

// The weekday repeats every 7 days; 5000 weeks lift every supported day number above the
// -2 below which yulibiyoub has no answer.
i32 same_weekday_non_negative(i32 day_number) {
  return day_number < 0 ? add32(day_number, 7 * 5000) : day_number;
}

}  // namespace

std::string dayno_command(RunContext& run, const DaynoOptions& options) {
  run.state.calendar_mode = options.mode;
  set_slot_to_today(run, kNowSlot);
  read_date_argument(run, options.date, kBirthSlot);
  const DateSlot& date = run.state.slots[kBirthSlot];
  const i32 day_number = guleyulibi(date.year, date.month, date.day, options.mode);
  run.stop_if_reported();
  return std::to_string(day_number) + "\n";
}

std::string date_command(RunContext& run, const DateOptions& options) {
  run.state.calendar_mode = options.mode;
  const i32 first = guleyulibi(kFirstExactYear, 1, 1, options.mode);
  run.stop_if_reported();
  if (options.day_number < first) {
    throw UsageError("N " + std::to_string(options.day_number) + " is before day " +
                     std::to_string(first) + " (" + std::to_string(kFirstExactYear) +
                     "-1-1), the first day supported in this calendar mode");
  }
  i16 month = 0;
  i16 day = 0;
  const i16 year = yulibigule(options.day_number, month, day, options.mode);
  run.stop_if_reported();
  const std::string weekday = yulibiyoub(same_weekday_non_negative(options.day_number));
  run.stop_if_reported();
  return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day) + "\t" +
         weekday + "\n";
}

std::string era_command(RunContext& run, const EraOptions& options) {
  set_slot_to_today(run, kNowSlot);
  read_date_argument(run, options.date, kBirthSlot);
  const DateSlot& date = run.state.slots[kBirthSlot];
  i16 era_year = 0;
  std::string main_text;
  std::string second_text;
  const std::string era = nneng(date.year, date.month, date.day, era_year, main_text, second_text);
  run.stop_if_reported();
  return era + "\t" + std::to_string(era_year) + "\t" + main_text + "\t" + second_text + "\n";
}

void register_calendar_commands(CLI::App& app, CommandAction& chosen) {
  {
    auto options = std::make_shared<DaynoOptions>();
    CLI::App* sub = app.add_subcommand("dayno", "Print the day number of a date");
    add_mode_option(*sub, options->mode);
    add_date_argument(*sub, "DATE", options->date,
                      "The date as typed in the date box: H8.10.1, 1996/10/1, \"1996 10 1\", "
                      "平成8年10月1日, R8.12.7");
    run_when_chosen(*sub, chosen,
                    [options](RunContext& run) { return dayno_command(run, *options); });
  }
  {
    auto options = std::make_shared<DateOptions>();
    CLI::App* sub = app.add_subcommand("date", "Print the date and weekday of a day number");
    add_mode_option(*sub, options->mode);
    sub->add_option("N", options->day_number, "Day number (Julian Day Number - 1)")
        ->required()
        ->transform(whole_number(std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()));
    run_when_chosen(*sub, chosen,
                    [options](RunContext& run) { return date_command(run, *options); });
  }
  {
    auto options = std::make_shared<EraOptions>();
    CLI::App* sub = app.add_subcommand(
        "era", "Print the modern era and era year, and the historical era texts, of a date");
    add_date_argument(*sub, "DATE", options->date, "The date as typed in the date box");
    run_when_chosen(*sub, chosen,
                    [options](RunContext& run) { return era_command(run, *options); });
  }
}

}  // namespace pelmira::cli
