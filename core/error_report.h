#pragma once
// The error report: the one place every trapped run-time error is explained to the user.
// It builds the report text, hands it to an injectable reporter (a message box in the
// programs, stderr in the command-line tool, a recorder in tests) and acts on the answer.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/runtime_error.h"

namespace pelmira {

enum class ReportButtons { kOkCancel, kYesNoCancel };
enum class ReportAnswer { kOk, kCancel, kYes, kNo };

struct ErrorReport {
  std::array<std::string, 11> lines;
  std::string title;
  ReportButtons buttons = ReportButtons::kOkCancel;
  bool unexpected = false;  // the unexpected-error form (place, version and folder shown)
  std::int32_t number = 0;  // the error reported
  std::string place;        // the procedure that trapped it

  // The eleven lines in order, each followed by CR LF.
  std::string message() const;
  // The text put on the clipboard when the user chooses Yes.
  std::string clipboard_text() const;
};

// What the report says about the running program.
struct ReportEnvironment {
  bool started = false;  // set when the main window has finished starting
  std::string version = default_version();
  std::string program_folder;

  static std::string default_version();
};

inline constexpr std::string_view kNoFileName = "---------------";
inline constexpr std::string_view kApologySuffix =
    "　　　　　(　エラー表示が大げさでごめんなさい。)";
inline constexpr std::string_view kSaveWarning =
    "データ保存時にエラーが発生しました。\r\nデータは正常に保存されていません。";

ErrorReport build_error_report(const RuntimeError& error, std::string_view place,
                               std::optional<std::string_view> file_name,
                               const ReportEnvironment& environment);

// Shows a report and returns the user's answer; shows the plain save warning.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual ReportAnswer show_report(const ErrorReport& report) = 0;
  virtual void show_save_warning(std::string_view title, std::string_view text) = 0;
};

// Writes reports to standard error and answers OK: the default, and the command-line tool's.
class StderrReporter : public ErrorReporter {
 public:
  ReportAnswer show_report(const ErrorReport& report) override;
  void show_save_warning(std::string_view title, std::string_view text) override;
  int reports_shown() const { return reports_; }

 private:
  int reports_ = 0;
};

// What the windows let the report do once the user has answered.
struct ReportActions {
  std::function<void(const std::string&)> set_clipboard;
  std::function<void()> end_program;
  std::function<void()> stop_timer;
  std::function<void()> close_all_files;  // may throw RuntimeError
};

// The process-wide report channel. The programs are single-threaded; tests swap the
// reporter with ScopedReporter.
struct ErrorChannel {
  ErrorReporter* reporter = nullptr;  // nullptr: a StderrReporter
  ReportEnvironment environment;
  std::uint8_t dialog_cancel_flag = 0;
  ReportActions actions;
};

ErrorChannel& error_channel();

// Reports a trapped error under the trapping procedure's name (and the file worked on).
void report_error(const RuntimeError& error, std::string_view place,
                  std::optional<std::string_view> file_name = std::nullopt);

// Shows a report built earlier and acts on the answer as report_error does: for a report a
// reporter collected while no box could open (a list line built during a paint).
void show_error_report(const ErrorReport& report);

// After a failed save: closes every open file; if that fails too, shows the save warning.
void report_save_error();

// Installs a reporter for the lifetime of the object and restores the previous one.
class ScopedReporter {
 public:
  explicit ScopedReporter(ErrorReporter& reporter);
  ~ScopedReporter();
  ScopedReporter(const ScopedReporter&) = delete;
  ScopedReporter& operator=(const ScopedReporter&) = delete;

 private:
  ErrorReporter* previous_;
};

}  // namespace pelmira
