#include "cli/run_context.h"

#include <filesystem>
#include <system_error>

#include "cli/cli_errors.h"

namespace pelmira::cli {
namespace {

// The folder of the running executable, which the unexpected-error form of the report names.
std::string executable_folder() {
  std::error_code ignored;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ignored);
  return exe.parent_path().string();
}

}  // namespace

RunContext::RunContext(Clock clock) : installed_(reporter_) {
  state.clock = std::move(clock);
  // The tool has no start-up phase: the report's start-up line (about the settings) would
  // only mislead.
  ReportEnvironment& environment = error_channel().environment;
  environment.started = true;
  environment.program_folder = executable_folder();
}

void RunContext::stop_if_reported() const {
  if (report_ran()) throw ReportRan();
}

}  // namespace pelmira::cli
