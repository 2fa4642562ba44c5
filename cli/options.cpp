#include "cli/options.h"

#include "core/calendar.h"

namespace pelmira::cli {

void add_mode_option(CLI::App& subcommand, i16& mode) {
  add_i16(subcommand, "--mode", mode,
          "Calendar mode: 0 automatic (Julian up to 1582-10-14), 1 Gregorian, 2 Julian",
          kModeAutomatic, kModeJulian);
}

void add_date_argument(CLI::App& subcommand, const std::string& name, std::string& text,
                       const std::string& description) {
  subcommand.add_option(name, text, description)->required();
}

CLI::Option* add_i16(CLI::App& subcommand, const std::string& name, i16& value,
                     const std::string& description, i16 low, i16 high) {
  // The range check runs on the text before conversion, so a number too large for 16 bits
  // gets the same clear message as one outside the range.
  return subcommand.add_option(name, value, description)
      ->check(CLI::Range(static_cast<long long>(low), static_cast<long long>(high)))
      ->capture_default_str();
}

}  // namespace pelmira::cli
