#pragma once
// The two ways a subcommand of pelmira-cli fails. Both become exit codes in one place
// (dispatch.cpp): a usage error exits with 2 after its message on stderr; a run in which the
// error report ran exits with 1, the report's lines being already on stderr.

#include <stdexcept>
#include <string>

namespace pelmira::cli {

// The arguments cannot be used: a DATE without a year, a year below 1, a malformed number.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// A calculation trapped a run-time error and the error report ran; the run ends here.
class ReportRan : public std::runtime_error {
 public:
  ReportRan() : std::runtime_error("the error report ran") {}
};

}  // namespace pelmira::cli
