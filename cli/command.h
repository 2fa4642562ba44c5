#pragma once
// How subcommands plug into pelmira-cli. Each subcommand file offers one registration
// function: it adds its subcommand, with its options, to the app and, when that subcommand
// is chosen on the command line, stores the action to run in `chosen`. The action computes
// the whole output text (UTF-8, lines ended by LF) or throws UsageError / ReportRan.

#include <CLI/CLI.hpp>

#include <functional>
#include <string>

#include "cli/run_context.h"

namespace pelmira::cli {

using CommandAction = std::function<std::string(RunContext&)>;

using CommandRegistration = void (*)(CLI::App& app, CommandAction& chosen);

// Makes `action` the one to run when `subcommand` is chosen.
inline void run_when_chosen(CLI::App& subcommand, CommandAction& chosen, CommandAction action) {
  subcommand.callback([&chosen, action = std::move(action)] { chosen = action; });
}

}  // namespace pelmira::cli
