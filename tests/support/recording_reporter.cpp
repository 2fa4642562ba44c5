#include "support/recording_reporter.h"

namespace pelmira::testing {

RecordingReporter::RecordingReporter(ReportAnswer answer)
    : answer_(answer), previous_(error_channel().reporter) {
  error_channel().reporter = this;
}

RecordingReporter::~RecordingReporter() {
  error_channel().reporter = previous_;
}

ReportAnswer RecordingReporter::show_report(const ErrorReport& report) {
  reports_.push_back(report);
  return answer_;
}

void RecordingReporter::show_save_warning(std::string_view title, std::string_view text) {
  warnings_.push_back(std::string(title) + "|" + std::string(text));
}

std::vector<std::string> RecordingReporter::places() const {
  std::vector<std::string> out;
  for (const ErrorReport& report : reports_) out.push_back(report.place);
  return out;
}

void RecordingReporter::clear() {
  reports_.clear();
  warnings_.clear();
}

}  // namespace pelmira::testing
