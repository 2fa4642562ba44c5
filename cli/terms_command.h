#pragma once
// Subcommand terms: the 24 solar terms of a year.

#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct TermsOptions {
  i16 year = 0;
};

// 24 lines "<longitude>\t<name>\t<month>-<day>\t<HH>:<MM>" for longitudes 0, 15, ..., 345.
std::string terms_command(RunContext& run, const TermsOptions& options);

void register_terms_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
