#pragma once
// Options and arguments shared by several subcommands.

#include <CLI/CLI.hpp>

#include <string>

#include "core/checked.h"

namespace pelmira::cli {

// --mode M: the calendar mode, 0 automatic (Julian up to 1582-10-14), 1 Gregorian, 2 Julian.
void add_mode_option(CLI::App& subcommand, i16& mode);

// A required positional DATE, read later by read_date_argument.
void add_date_argument(CLI::App& subcommand, const std::string& name, std::string& text,
                       const std::string& description);

// Accepts a decimal whole number from low to high (leading zeros allowed, no other base, no
// blanks) and hands it on in plain form, so that "010" reads as 10 and "0x10" is refused.
CLI::Validator whole_number(long long low, long long high);

// A 16-bit option or argument limited to [low, high], with a message naming the range.
CLI::Option* add_i16(CLI::App& subcommand, const std::string& name, i16& value,
                     const std::string& description, i16 low, i16 high);

}  // namespace pelmira::cli
