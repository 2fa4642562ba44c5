#pragma once
// Test double for the error report: records every report and answers as told. While it
// lives it is the installed reporter, so reports of the code under test stay off stderr.

#include <string>
#include <vector>

#include "core/error_report.h"

namespace pelmira::testing {

class RecordingReporter : public ErrorReporter {
 public:
  explicit RecordingReporter(ReportAnswer answer = ReportAnswer::kOk);
  ~RecordingReporter() override;
  RecordingReporter(const RecordingReporter&) = delete;
  RecordingReporter& operator=(const RecordingReporter&) = delete;

  ReportAnswer show_report(const ErrorReport& report) override;
  void show_save_warning(std::string_view title, std::string_view text) override;

  const std::vector<ErrorReport>& reports() const { return reports_; }
  // The procedures that reported, in order.
  std::vector<std::string> places() const;
  const std::vector<std::string>& warnings() const { return warnings_; }
  bool empty() const { return reports_.empty(); }
  void clear();

 private:
  ReportAnswer answer_;
  ErrorReporter* previous_;
  std::vector<ErrorReport> reports_;
  std::vector<std::string> warnings_;
};

}  // namespace pelmira::testing
