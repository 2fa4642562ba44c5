#pragma once
// Subcommand check: validates data files line by line as the list's reader does, without
// changing them.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/command.h"

namespace pelmira::cli {

inline constexpr int kExitFindings = 3;  // check: at least one line has errors

// For every line the validator rejects: "<file>:<line>:" and the correction window's report,
// each of its lines indented by two blanks. Last "<N> lines checked, <K> with errors" (N the
// lines after the headers). A file that cannot be read or has no header gets the error
// report on `err`. Returns 1 after such a file, else 3 when K > 0, else 0.
int run_check(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

void register_check_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
