#pragma once
// Runs a program with arguments (no shell: each argument is passed as it is) and captures
// its standard output, standard error and exit code. A program that outlives the time
// limit is killed, so a hanging program fails its test instead of stalling the run.

#include <chrono>
#include <string>
#include <vector>

namespace pelmira::testing {

struct ProcessResult {
  int exit_code = -1;  // 128 + signal number when the program died of a signal
  std::string out;
  std::string err;
  bool timed_out = false;
};

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          std::chrono::milliseconds limit = std::chrono::seconds(20));

}  // namespace pelmira::testing
