#include "cli/check_command.h"

#include <memory>
#include <ostream>
#include <sstream>

#include "core/error_report.h"
#include "core/text.h"
#include "people/data_file.h"
#include "people/data_reader.h"
#include "people/line_check.h"

namespace pelmira::cli {
namespace {

// The error report as lines on a stream (CR LF inside a report line becomes a line break).
class StreamReporter : public ErrorReporter {
 public:
  explicit StreamReporter(std::ostream& out) : out_(out) {}
  ReportAnswer show_report(const ErrorReport& report) override {
    out_ << report.title << "\n";
    for (const std::string& line : report.lines)
      if (!line.empty()) out_ << lf_lines(line) << "\n";
    return ReportAnswer::kOk;
  }
  void show_save_warning(std::string_view title, std::string_view text) override {
    out_ << title << "\n" << lf_lines(text) << "\n";
  }

 private:
  static std::string lf_lines(std::string_view text) {
    std::string out(text);
    for (std::size_t at; (at = out.find("\r\n")) != std::string::npos;) out.replace(at, 2, "\n");
    return out;
  }
  std::ostream& out_;
};

// A text of CR LF lines, each line indented by two blanks (a lone LF inside a line too).
void print_indented(std::ostream& out, std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    std::string line(text.substr(0, end));
    for (std::size_t at = 0; (at = line.find('\n', at)) != std::string::npos; at += 3)
      line.replace(at, 1, "\n  ");
    out << "  " << line << "\n";
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
}

bool is_record(std::string_view text) {
  return !(text.size() > 0 && text.front() == '\'') && cut_record(text).has_value();
}

struct Counts {
  std::size_t lines = 0;
  std::size_t with_errors = 0;
};

// "<file>:<line>:" and the report of a line with errors.
void print_finding(std::ostream& out, const std::string& path, std::size_t line_number,
                   std::string_view report) {
  out << path << ':' << line_number << ":\n";
  print_indented(out, report);
}

void check_file(const std::string& path, const DataFileText& file, std::ostream& out,
                Counts& counts) {
  for (std::size_t k = 0; k < file.lines.size(); ++k) {
    const DataLine& line = file.lines[k];
    ++counts.lines;
    if (!line.readable) {
      // The reader leaves such a record out; other lines it would skip anyway.
      if (!is_record(line.text)) continue;
      ++counts.with_errors;
      print_finding(out, path, k + 2, "文字コードが正しくないため読み込めない行です。\r\n");
      continue;
    }
    const LineCheck check = datachekku(line.text);
    if (check.result != 1) continue;
    ++counts.with_errors;
    print_finding(out, path, k + 2, check.report);
  }
}

}  // namespace

int run_check(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  StreamReporter reporter(err);
  const ScopedReporter installed(reporter);
  Counts counts;
  bool failed = false;
  for (const std::string& path : files) {
    try {
      check_file(path, load_data_file(path), out, counts);
    } catch (const RuntimeError& e) {
      report_error(e, "rist02", path);
      failed = true;
    }
  }
  out << counts.lines << " lines checked, " << counts.with_errors << " with errors\n";
  if (failed) return 1;
  return counts.with_errors > 0 ? kExitFindings : 0;
}

void register_check_command(CLI::App& app, CommandAction& chosen) {
  auto files = std::make_shared<std::vector<std::string>>();
  CLI::App* sub = app.add_subcommand(
      "check",
      "Validate data files line by line as the list reads them; the files stay as they are");
  sub->add_option("FILE", *files, "Data files")->required();
  run_when_chosen(*sub, chosen, [files](RunContext& run) {
    std::ostringstream out;
    run.exit_code = run_check(*files, out, std::cerr);
    return out.str();
  });
}

}  // namespace pelmira::cli
