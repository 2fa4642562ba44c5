#pragma once
// Running the built pelmira-cli from the end-to-end tests: its exit codes, one run, and a
// table of runs with their exact output.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/process_runner.h"

namespace pelmira::testing {

inline constexpr int kSuccess = 0;
inline constexpr int kReport = 1;
inline constexpr int kUsage = 2;

// Runs the tool; every run must end on its own, and its texts use LF line ends only.
inline ProcessResult cli(const std::vector<std::string>& arguments) {
  ProcessResult result = run_process(PELMIRA_CLI_PATH, arguments);
  EXPECT_FALSE(result.timed_out);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  EXPECT_EQ(result.err.find('\r'), std::string::npos);
  return result;
}

// A successful run and its exact output.
struct OutputRow {
  const char* name;
  std::vector<std::string> arguments;
  std::string out;
};

inline void expect_outputs(const std::vector<OutputRow>& rows) {
  for (const OutputRow& row : rows) {
    SCOPED_TRACE(row.name);
    const ProcessResult result = cli(row.arguments);
    EXPECT_EQ(result.exit_code, kSuccess) << result.err;
    EXPECT_EQ(result.out, row.out);
    EXPECT_EQ(result.err, "");
  }
}

}  // namespace pelmira::testing
