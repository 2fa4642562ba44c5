#include "cli/person_files.h"

#include <ostream>
#include <string_view>

#include "people/data_reader.h"

namespace pelmira::cli {
namespace {

// The correction window of the tool: each bad line is reported and skipped.
class SkippingReadHost : public ReadHost {
 public:
  explicit SkippingReadHost(std::ostream& err) : err_(err) {}

  void set_file(const std::string& path) { path_ = path; }

  void show_correction(CorrectionWindow& window) override {
    err_ << path_ << ": 無効 (skipped):\n";
    std::string_view report = window.report;
    while (!report.empty()) {
      const std::size_t end = report.find("\r\n");
      err_ << "  " << report.substr(0, end) << "\n";
      if (end == std::string_view::npos) break;
      report.remove_prefix(end + 2);
    }
    window.press(CorrectionButton::kSkip);
  }

 private:
  std::ostream& err_;
  std::string path_;
};

}  // namespace

void read_person_files(RunContext& run, PersonTable& table, const std::vector<std::string>& files,
                       std::ostream& err) {
  SkippingReadHost host(err);
  table.append = 1;
  for (const std::string& path : files) {
    host.set_file(path);
    rist02(table, run.state, path, -1, host);
    run.stop_if_reported();
  }
}

}  // namespace pelmira::cli
