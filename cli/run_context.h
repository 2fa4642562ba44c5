#pragma once
// What one run of a subcommand works with: its own program state (calendar mode, ageing
// rule, date slots, clock) and the error report, which writes its lines to stderr and is
// counted, so that a run in which it ran ends with exit code 1.

#include "core/error_report.h"
#include "core/state.h"

namespace pelmira::cli {

class RunContext {
 public:
  explicit RunContext(Clock clock = system_now);
  RunContext(const RunContext&) = delete;
  RunContext& operator=(const RunContext&) = delete;

  ProgramState state;
  // The exit code after the output was printed, for a subcommand that reports findings
  // through it (check: 3).
  int exit_code = 0;

  bool report_ran() const { return reporter_.reports_shown() > 0; }

  // Ends the run with ReportRan once the error report has run: the values the trapping
  // procedure returned are empty and must not be printed as results.
  void stop_if_reported() const;

 private:
  StderrReporter reporter_;
  ScopedReporter installed_;
};

}  // namespace pelmira::cli
