#include "cli/listing_command.h"

#include <memory>
#include <nlohmann/json.hpp>

#include "cli/cli_errors.h"
#include "cli/date_arguments.h"
#include "cli/options.h"
#include "listings/dispatch.h"
#include "listings/selector.h"
#include "mainwindow/age_report.h"

namespace pelmira::cli {
namespace {

std::string as_json(const ListingControls& controls, const Listing& listing) {
  const nlohmann::json object = {
      {"caption", controls.pane_caption},
      {"lines", listing.lines},
      {"selected", listing.selected},
  };
  return object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string listing_command(RunContext& run, const ListingOptions& options) {
  if (options.kind == kListingSameDate)
    throw UsageError("listing 8 (same-date people) is not available yet: it needs the person list");
  ProgramState& state = run.state;
  state.calendar_mode = options.mode;
  state.age_shift = options.shift;
  read_birth_and_now(run, options.birth, options.now);
  mein0(state);
  run.stop_if_reported();

  ListingSession session;
  session.kind = options.kind;
  session.side = options.side;
  ListingControls controls;
  itiranHKoum(state, session, controls);
  run.stop_if_reported();
  // The boxes as the options give them, rather than as the window preselects them.
  session.branch_choice = options.branch.value_or(0);
  session.stem_choice = options.stem.value_or(0);
  session.hour_choice = options.hour ? static_cast<i16>(*options.hour + 1) : i16{0};
  session.minute_choice = options.minute ? static_cast<i16>(*options.minute + 1) : i16{0};

  const Listing listing = build_listing(options.kind, state, session);
  run.stop_if_reported();
  if (options.json) return as_json(controls, listing);
  std::string out;
  for (const std::string& line : listing.lines) out += line + "\n";
  return out;
}

void register_listing_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<ListingOptions>();
  CLI::App* sub = app.add_subcommand("listing", "Print the lines of one listing kind (0-11)");
  sub->add_option("--now", options->now, "The 現在 date (default: today)");
  add_i16(*sub, "--side", options->side,
          "Calculation side: 0 from the birth side, 1 from the 現在 side", 0, 1);
  sub->add_option("--hour", options->hour, "Fortune view: the birth hour, 0-23")
      ->transform(whole_number(0, 23));
  sub->add_option("--minute", options->minute, "Fortune view: the birth minute, 0-59")
      ->transform(whole_number(0, 59));
  sub->add_option("--branch", options->branch, "Zodiac years: the branch, 1-12 from 子")
      ->transform(whole_number(1, 12));
  sub->add_option("--stem", options->stem, "Zodiac years: the stem, 1-10 from 甲")
      ->transform(whole_number(1, 10));
  add_mode_option(*sub, options->mode);
  add_i16(*sub, "--shift", options->shift,
          "Ageing rule: 0 on the birthday, 1 on the day before the birthday", 0, 1);
  sub->add_option("--data", options->data_files,
                  "A data file of persons (for the same-date listing, kind 8)");
  sub->add_flag("--json", options->json, "Print caption, lines and selected row as JSON");
  add_i16(*sub, "KIND", options->kind,
          "Listing kind: 0 学校, 1 年齢, 2 干支, 3 結婚記念, 4 七五三と算賀, 5 命日, 6 厄年, "
          "7 ２４節気, 8 月日が一致する人, 9 占い, 10 年月日の情報, 11 日数の計算",
          0, 11)
      ->required();
  add_date_argument(*sub, "BIRTH", options->birth, "The birth-side date as typed in the date box");
  run_when_chosen(*sub, chosen,
                  [options](RunContext& run) { return listing_command(run, *options); });
}

}  // namespace pelmira::cli
