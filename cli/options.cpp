#include "cli/options.h"

#include <charconv>

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

CLI::Validator whole_number(long long low, long long high) {
  const std::string range = std::to_string(low) + " to " + std::to_string(high);
  return CLI::Validator(
      [low, high, range](std::string& text) -> std::string {
        long long value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
          return "\"" + text + "\" is not a whole number from " + range;
        text = std::to_string(value);
        return std::string();
      },
      "INT from " + range);
}

CLI::Option* add_i16(CLI::App& subcommand, const std::string& name, i16& value,
                     const std::string& description, i16 low, i16 high) {
  // The check runs on the text before CLI11 converts it (which would read "010" as octal),
  // so a number too large for 16 bits gets the same clear message as one outside the range.
  return subcommand.add_option(name, value, description)
      ->transform(whole_number(low, high))
      ->capture_default_str();
}

}  // namespace pelmira::cli
