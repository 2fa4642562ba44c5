#include "cli/dispatch.h"

#include <exception>
#include <iostream>
#include <string>

#include "cli/cli_errors.h"
#include "core/trap.h"

namespace pelmira::cli {
namespace {

std::string chosen_name(const CLI::App& app) {
  const auto chosen = app.get_subcommands();
  return chosen.empty() ? std::string() : chosen.front()->get_name();
}

int usage_failure(const std::string& message) {
  std::cerr << "pelmira-cli: " << message << "\nRun with --help for more information.\n";
  return kExitUsage;
}

}  // namespace

int dispatch(CLI::App& app, const CommandAction& chosen, int argc, char** argv) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help and --version end parsing with exit code 0 after printing on stdout.
    return app.exit(e) == 0 ? kExitSuccess : kExitUsage;
  }
  if (!chosen) return usage_failure("a subcommand is required");

  RunContext run;
  std::string output;
  try {
    output = chosen(run);
  } catch (const ReportRan&) {
    return kExitReport;
  } catch (const UsageError& e) {
    // A usage error that follows a report is only its consequence.
    return run.report_ran() ? kExitReport : usage_failure(e.what());
  } catch (const std::exception& e) {
    // A run-time error outside the trapped procedures (the tool's own checked arithmetic)
    // is reported like theirs, under the subcommand's name.
    report_error(as_runtime_error(e), "pelmira-cli " + chosen_name(app));
    return kExitReport;
  }
  if (run.report_ran()) return kExitReport;
  std::cout << output << std::flush;
  if (std::cout) return run.exit_code;
  std::cerr << "pelmira-cli: the output could not be written\n";
  return kExitReport;
}

}  // namespace pelmira::cli
