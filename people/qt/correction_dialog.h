#pragma once
// The correction window "不正なデータの修正" as the user sees it: a modal dialog over the main
// window with the line in the edit box Text1, the validator's report in the label Label1_0 and
// the five buttons Command1_0..4 (再チェック, 強制, 無効, 戻す, 中止). The dialog only shows the
// state of a CorrectionWindow and forwards the buttons to it; what a button does is the
// window's own press().
//
// A hostile file can hold a line of many megabytes, and the report repeats the line and its
// fields. Laying such a text out would freeze the window, so the dialog shows a bounded part:
// the edit box at most kShownLineChars characters of the line (a longer line is shown cut,
// read-only, with a note, and the buttons then act on the whole line as read), the report at
// most kShownReportLines lines of kShownReportLineChars characters each.

#include <QDialog>
#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

#include "people/line_check.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pelmira {

inline constexpr std::size_t kShownLineChars = 4096;
inline constexpr std::size_t kShownReportLineChars = 1024;
inline constexpr std::size_t kShownReportLines = 200;

// What the edit box shows of a line: its first kShownLineChars characters.
struct ShownLine {
  QString text;
  bool cut = false;       // the line is longer than what is shown
  std::size_t chars = 0;  // characters of the whole line when cut
};
ShownLine shown_line(std::string_view line);

// The report as the label shows it: CR LF, a lone CR and a lone LF each break the line; a
// line longer than kShownReportLineChars characters is cut with a note of what was left out,
// and the lines after the first kShownReportLines give way to one closing note.
QString shown_report(std::string_view report);

class CorrectionDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows `window` as it is; the window must outlive the dialog.
  explicit CorrectionDialog(CorrectionWindow& window, QWidget* parent = nullptr);

  // Acts on a button: the edit box goes into the window's edit text when the user changed it,
  // then the window takes the press; the dialog closes when the window does, otherwise it
  // shows the window's state again.
  void press(CorrectionButton button);

 private:
  void show_state();

  CorrectionWindow& window_;
  QLineEdit* edit_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* report_ = nullptr;
  std::array<QPushButton*, 5> buttons_{};
  QString shown_edit_;  // the edit box's text as last shown, to tell an edit from none
  bool edit_cut_ = false;
};

// Runs the correction dialog modally over `parent` (the main window) and returns when it
// closes. The busy state's hourglass gives way to the arrow pointer while it is open. Closing
// by the title bar's close box (or Esc) presses no button: the window's line and verdict stay
// as they were.
void show_correction_dialog(CorrectionWindow& window, QWidget* parent);

}  // namespace pelmira
