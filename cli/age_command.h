#pragma once
// Subcommand age: the age report's figures for a birth-side date and a "現在" date.

#include <optional>
#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct AgeOptions {
  i16 mode = 0;
  i16 shift = 0;  // 1: the age grows on the day before the birthday
  i16 kind = 0;   // date kind of the next recurrence: 3 wedding, 5 death, other birth
  std::optional<std::string> now;
  std::string birth;
};

// One line, TAB-separated: years, months, days (nrei); total months; total days (day number
// of NOW - day number of BIRTH + shift); kazoe; kazoe2; days to the next recurrence (empty
// when no memorial day is left) and its label (tanmade, NOW being today).
std::string age_command(RunContext& run, const AgeOptions& options);

void register_age_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
