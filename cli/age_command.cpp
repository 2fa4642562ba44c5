#include "cli/age_command.h"

#include <memory>

#include "cli/date_arguments.h"
#include "cli/options.h"
#include "core/age.h"
#include "core/calendar.h"

namespace pelmira::cli {
namespace {

// tanmade's label when every memorial day lies in the past; its day count is then empty.

}  // namespace

std::string age_command(RunContext& run, const AgeOptions& options) {
  ProgramState& state = run.state;
  state.calendar_mode = options.mode;
  state.age_shift = options.shift;
  read_birth_and_now(run, options.birth, options.now);
  const DateSlot& b = state.slots[0];
  const DateSlot& n = state.slots[1];

  i16 months = 0;
  i16 days = 0;
  const i16 years = nrei(state.calendar_mode, n.year, n.month, n.day, b.year, b.month, b.day,
                         months, days, state.age_shift);
  run.stop_if_reported();
  const i32 total_months = add32(mul32(years, 12), months);
  const i32 birth_day_number = guleyulibi(b.year, b.month, b.day, state.calendar_mode);
  const i32 now_day_number = guleyulibi(n.year, n.month, n.day, state.calendar_mode);
  run.stop_if_reported();
  const i32 total_days = add32(sub32(now_day_number, birth_day_number), state.age_shift);

  const std::string counted = kazoe(n.year, n.month, n.day, b.year, b.month, b.day);
  const std::string counted_by_risshun = kazoe2(n.year, n.month, n.day, b.year, b.month, b.day);
  std::string label;
  const i32 to_next = tanmade(state, b.year, b.month, b.day, options.kind, label);
  run.stop_if_reported();

  const std::string to_next_text = label == kNoMemorialLeft ? "" : std::to_string(to_next);
  return std::to_string(years) + "\t" + std::to_string(months) + "\t" + std::to_string(days) +
         "\t" + std::to_string(total_months) + "\t" + std::to_string(total_days) + "\t" + counted +
         "\t" + counted_by_risshun + "\t" + to_next_text + "\t" + label + "\n";
}

void register_age_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<AgeOptions>();
  CLI::App* sub = app.add_subcommand(
      "age", "Print the age, day counts, counted ages and the days to the next birthday");
  add_mode_option(*sub, options->mode);
  add_i16(*sub, "--shift", options->shift,
          "Ageing rule: 0 on the birthday, 1 on the day before the birthday", 0, 1);
  add_i16(*sub, "--kind", options->kind,
          "Kind of BIRTH for the next recurrence: 3 wedding, 5 death, any other a birth", -32768,
          32767);
  sub->add_option("--now", options->now, "The 現在 date (default: today)");
  add_date_argument(*sub, "BIRTH", options->birth, "The birth-side date as typed in the date box");
  run_when_chosen(*sub, chosen, [options](RunContext& run) { return age_command(run, *options); });
}

}  // namespace pelmira::cli
