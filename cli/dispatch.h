#pragma once
// Parses the command line, runs the chosen subcommand and prints its output on stdout.
// This is the one place where failures become exit codes.

#include <CLI/CLI.hpp>

#include "cli/command.h"

namespace pelmira::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitReport = 1;  // the error report ran; its lines are on stderr
inline constexpr int kExitUsage = 2;   // the arguments cannot be used; the message is on stderr

// `chosen` is filled by the registration callbacks while the app parses.
int dispatch(CLI::App& app, const CommandAction& chosen, int argc, char** argv);

}  // namespace pelmira::cli
