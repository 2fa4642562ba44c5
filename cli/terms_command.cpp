#include "cli/terms_command.h"

#include <memory>

#include "almanac/solar_terms.h"
#include "cli/options.h"

namespace pelmira::cli {
namespace {

std::string two_digits(i32 value) {
  return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string terms_command(RunContext& run, const TermsOptions& options) {
  std::string out;
  for (i16 longitude = 0; longitude < 360; longitude = static_cast<i16>(longitude + 15)) {
    i16 month = 0;
    i16 day = 0;
    i32 hour = 0;
    i32 minute = 0;
    const std::string name = sekki24(options.year, month, day, longitude, &hour, &minute);
    run.stop_if_reported();
    out += std::to_string(longitude) + "\t" + name + "\t" + std::to_string(month) + "-" +
           std::to_string(day) + "\t" + two_digits(hour) + ":" + two_digits(minute) + "\n";
  }
  return out;
}

void register_terms_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<TermsOptions>();
  CLI::App* sub = app.add_subcommand("terms", "Print the 24 solar terms of a year");
  // Like the dates, years start at 1; from 27968 on the report of an overflow answers.
  add_i16(*sub, "YEAR", options->year, "Year, 1 to 32767", 1, 32767)->required();
  run_when_chosen(*sub, chosen,
                  [options](RunContext& run) { return terms_command(run, *options); });
}

}  // namespace pelmira::cli
