#include "cli/date_arguments.h"

#include <charconv>
#include <cstddef>
#include <string>

#include "cli/cli_errors.h"
#include "core/age.h"
#include "core/calendar.h"
#include "core/date_text.h"
#include "core/eras.h"
#include "core/text.h"

namespace pelmira::cli {
namespace {

// One signed 16-bit number filling the whole text.
std::optional<i16> parse_i16(std::string_view text) {
  i16 value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::string quoted(std::string_view text) {
  return "\"" + to_utf8(to_u32(text)) + "\"";
}

void set_slot_to_today(RunContext& run, int slot) {
  kyou(run.state, slot);
  run.stop_if_reported();
  DateSlot& target = run.state.slots[static_cast<std::size_t>(slot)];
  target.year = target.entered_year;  // kyou enters a Western year
}

void read_date_argument(RunContext& run, std::string_view text, int slot) {
  i16 entered_year = 0;
  i16 month = 1;
  i16 day = 1;
  const std::string era_label =
      bnsk(run.state, text, entered_year, month, day, static_cast<i16>(slot));
  run.stop_if_reported();
  if (era_label.empty()) throw UsageError("DATE " + quoted(text) + " has no year");

  i16 year = nnen(era_label, entered_year);
  run.stop_if_reported();
  hiteisei(run.state.calendar_mode, year, month, day);
  run.stop_if_reported();
  if (year < 1) {
    throw UsageError("DATE " + quoted(text) + " falls before year 1 (" + std::to_string(year) +
                     "-" + std::to_string(month) + "-" + std::to_string(day) +
                     "); dates from year 1 on are supported");
  }

  DateSlot& target = run.state.slots[static_cast<std::size_t>(slot)];
  target.year = year;
  target.month = month;
  target.day = day;
  target.entered_year = entered_year;
  target.era_label() = era_label;
}

void read_birth_and_now(RunContext& run, std::string_view birth,
                        const std::optional<std::string>& now) {
  set_slot_to_today(run, kNowSlot);
  read_date_argument(run, birth, kBirthSlot);
  if (!now) return;
  read_date_argument(run, *now, kNowSlot);
  // Again, now that NOW is known: a short year of BIRTH belongs with NOW, not with today.
  read_date_argument(run, birth, kBirthSlot);
}

YearMonthDay parse_year_month_day(std::string_view text) {
  // The year may carry a minus sign, so the first separator is searched from position 1.
  const std::size_t first = text.find('-', 1);
  const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 2);
  if (first != std::string_view::npos && second != std::string_view::npos) {
    const auto year = parse_i16(text.substr(0, first));
    const auto month = parse_i16(text.substr(first + 1, second - first - 1));
    const auto day = parse_i16(text.substr(second + 1));
    if (year && month && day) return {*year, *month, *day};
  }
  throw UsageError(quoted(text) +
                   " is not a date Y-M-D of three whole numbers from -32768 to 32767");
}

}  // namespace pelmira::cli
