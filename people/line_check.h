#pragma once
// Validation of one data-file line and the correction loop around it. The validator reads a
// record the way the reader will (name, date, notice days, code, each ended by "^"), lists
// every fault it finds and builds the report the correction window "不正なデータの修正"
// shows. The window itself is the main window's; here it is a plain state (the edit box,
// the report, the verdict) and the five buttons as operations on that state.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"

namespace pelmira {

// What the validator found in one line.
struct LineCheck {
  i16 result = 0;  // 1: a record with errors, to be shown in the correction window
  std::array<std::string, 21> slots;       // the error texts by slot (slot 0 is never used)
  int field_count = 0;                     // fields ended by "^" (5 when a fifth one was found)
  std::array<std::string, 4> fields;       // name, date, days, code as found
  std::array<std::string, 3> date_groups;  // the digit groups of the date, as read
  std::string message;                     // "　" + text + CR LF for each error, in slot order
  std::string report;                      // the window's report; empty without errors

  bool has_errors() const { return !message.empty(); }
};

// Validates a line (datachekku). A comment line ("'" first) has no errors. A line with
// errors but no field at all gives result 0 (it is skipped without a window). Traps as
// "datachekku"; an error there gives result 0, so the line is read unchecked.
LineCheck datachekku(std::string_view line);

// Verdicts the correction window leaves for the reader.
inline constexpr i16 kVerdictGoOn = 0;
inline constexpr i16 kVerdictCheckAgain = 1;
inline constexpr i16 kVerdictStop = 2;

// The buttons of the correction window, in the order of its button array Command1.
enum class CorrectionButton { kRecheck, kForce, kSkip, kRevert, kStop };

inline constexpr std::string_view kCorrectionTitle = "不正なデータの修正";
inline constexpr std::array<std::string_view, 5> kCorrectionCaptions{"再チェック", "強制", "無効",
                                                                     "戻す", "中止"};
inline constexpr std::array<std::string_view, 5> kCorrectionTooltips{
    "書き換えたデータをもう一度チェックして読込みます。",
    "チェックしないで読込みます。Pelmiraが強制終了する可能性があります。",
    "このデータを読み込まずに次のデータへ移ります。",
    "修正を元に戻します。",
    "このデータ以降の読込みを中止します。",
};

// The correction window's state while it is shown.
struct CorrectionWindow {
  std::string line_under_correction;
  std::string edit_text;  // the edit box Text1, which the user may change
  std::string report;     // the first label of Label1
  i16 verdict = kVerdictGoOn;

  // Acts on a button; returns true when the window closes. Closing by the close box is no
  // button: it leaves the line and the verdict as they are.
  bool press(CorrectionButton button);
};

// Shows the correction window modally; the window calls press() until it closes.
class CorrectionHandler {
 public:
  virtual ~CorrectionHandler() = default;
  virtual void show_correction(CorrectionWindow& window) = 0;
};

// The correction loop (datashyusei): validates the line and, while it is a record with
// errors, shows the window and takes its line and verdict; a re-check (verdict 1) validates
// the new line again. `verdict` carries over from line to line within one read. Traps as
// "datashyusei".
void datashyusei(std::string& line, i16& verdict, CorrectionHandler& handler);

}  // namespace pelmira
