#pragma once
// Reading DATE arguments the way the date box of the main window reads typed text:
// `bnsk` for the slot being entered (slot 0 the birth side, slot 1 the "現在" side; a short
// year such as '98 takes its century from the other slot), the typed era year turned into a
// Western year with `nnen`, then `hiteisei` in the run's calendar mode, so that month 13 or
// day 40 roll over into the next year or month as they do in the window.
//
// Rules of the tool where the date box has a slot to fall back on:
// - a month or day the text does not give reads as 1 ("1996" is 1996-01-01);
// - a text in which the reader finds no year is a usage error;
// - a date that falls before year 1 after normalisation is a usage error: like the window,
//   the tool takes dates from year 1 on (only `date` prints astronomical years below 1).

#include <optional>
#include <string>
#include <string_view>

#include "cli/run_context.h"
#include "core/checked.h"

namespace pelmira::cli {

// The two date slots: the birth side and the "現在" side.
inline constexpr int kBirthSlot = 0;
inline constexpr int kNowSlot = 1;

struct YearMonthDay {
  i16 year = 0, month = 0, day = 0;
};

// Sets the slot's date to today (Western year, month and day, era label "西暦").
void set_slot_to_today(RunContext& run, int slot);

// Reads one DATE into the slot: Western year, month, day, entered year and era label.
// Short years are read against the other slot as it stands. Throws UsageError or ReportRan.
void read_date_argument(RunContext& run, std::string_view text, int slot);

// Reads BIRTH into slot 0 and NOW (today when absent) into slot 1. Each short year is read
// against the other date, so the date with a full year is settled first: "'05" against a
// NOW of 1998 is 1905; with no NOW, against today.
void read_birth_and_now(RunContext& run, std::string_view birth,
                        const std::optional<std::string>& now);

// Three 16-bit numbers written Y-M-D ("0-0-0", "2000-5-3", "-5-1-1"). Throws UsageError.
YearMonthDay parse_year_month_day(std::string_view text);

// The text quoted for a message, with invalid UTF-8 bytes shown as U+FFFD.
std::string quoted(std::string_view text);

}  // namespace pelmira::cli
