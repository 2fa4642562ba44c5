#pragma once
// Entering the two dates of the report: the typed date of the date box, the on-screen keypad
// (digits, units 年 月 日, era buttons, signs, 消す↑, Enter and the step button ＝ with its
// repeat timer), and the input history that "戻す(入力)" walks back. Everything acts on the
// slot being entered (ProgramState::entering_slot); a handler that answers true wants the
// window refreshed (mein1), which turns entered era years into Western years and builds the
// display texts.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// Keypad states of cHyouji: which unit and action buttons are enabled.
inline constexpr int kKeypadNumber = 0;   // a number without era or sign: 年 月 日
inline constexpr int kKeypadEraYear = 1;  // an era and a number: 年
inline constexpr int kKeypadTyping = 2;   // the date box has the focus: Enter
inline constexpr int kKeypadIdle = 3;     // nothing
inline constexpr int kKeypadStep = 4;     // a sign and a number: 年 月 日 and ＝

struct KeypadButtons {
  bool year = false;   // Command8(0) "年"
  bool month = false;  // Command8(1) "月"
  bool day = false;    // Command8(2) "日"
  bool enter = false;  // Command9(2) "Enter"
  bool step = false;   // Command9(4) "＝"
  bool operator==(const KeypadButtons&) const = default;
};

// The buttons enabled in a keypad state (0 to 4). Reports as "cHyouji".
KeypadButtons cHyouji(int state);

// The era buttons Command4(0..5), in this order; 令和 is the era added after 平成.
inline constexpr std::array<std::string_view, 6> kEraButtons{"西暦", "平成", "昭和",
                                                             "大正", "明治", "令和"};
// The units Command8(0..2) and the signs Command10(0..1).
inline constexpr std::array<std::string_view, 3> kUnitButtons{"年", "月", "日"};
inline constexpr std::array<std::string_view, 2> kSignButtons{"＋", "－"};

// The step button's timer intervals: the first repeats, then as fast as the timer goes.
inline constexpr int kStepFirstInterval = 400;  // milliseconds
inline constexpr int kStepFastInterval = 1;
inline constexpr int kStepSlowRepeats = 5;

struct Keypad {
  std::string number;      // the digits pressed
  std::string unit;        // "年", "月", "日" or empty
  i16 sign_value = 0;      // +1, -1, or 0 for none
  std::string sign_text;   // "＋", "－" or empty
  std::string era;         // the era chosen, or empty
  bool composing = false;  // the next digit extends the number
  bool held = false;       // the step button is pressed
  int repeat_count = 0;
  int timer_interval = kStepFastInterval;  // the interval the timer runs at next
  std::string display;                     // the keypad display Text2(1)
  int state = kKeypadIdle;
};

// Digit d (Command7_Click). Reports as "Command7_Click".
void Command7_Click(Keypad& keypad, int digit);

// Sign 0 "＋" or 1 "－" (Command10_Click). Reports as "Command10_Click".
void Command10_Click(Keypad& keypad, int index);

// Unit 0 "年", 1 "月", 2 "日" (Command8_Click), only when the number is not 0. With a sign it
// completes the step amount; without one it sets the entered year (with the era chosen),
// the month or the day of the slot being entered and answers true. A number that does not
// fit with 4800 added is an overflow. Reports as "Command8_Click".
bool Command8_Click(ProgramState& state, Keypad& keypad, int index);

// Era button 0..5 (Command4_Click). A new era is remembered; the same era pressed again
// re-reads the slot's year in that era (西暦: the Western year, and the Western-only switch
// on; another era: the nearest era year whose date falls in that era, and the switch off)
// and answers true. Reports as "Command4_Click".
bool Command4_Click(ProgramState& state, Keypad& keypad, int index);

// "消す↑" (Command9(1)): clears the display, the number, the unit, the era and the sign.
void clear_keypad(Keypad& keypad);

// The date box gets the focus: state 2.
void Text2_GotFocus(Keypad& keypad);

// One step of the slot being entered by sign × number in the unit (skl1): years are added
// to the year, months to the month, days through the day number; the result is normalised.
// A year below 1 raises error -1 and leaves the slot as it was; an overflow raises 6. On
// success the slot's era label becomes "西暦" and its entered year, month and day the new
// date. Reports as "skl1"; returns whether the slot changed.
bool skl1(ProgramState& state, const Keypad& keypad);

// The step button pressed (held on, timer started at its current interval) and released.
// A click also stops composing.
void step_pressed(Keypad& keypad);
void step_released(Keypad& keypad);

// One tick of Timer1. While held: a step, a refresh, and the repeat count up; after more
// than five repeats the interval becomes 1 ms (and the count 10), else 400 ms. When not held:
// the timer stops, the interval returns to 1 ms and the count to 0. A step that fails clears
// the held flag. Reports as "Timer1_Timer".
struct TimerTick {
  bool refresh = false;
  bool stop_timer = false;
  int interval = kStepFastInterval;
};
TimerTick Timer1_Timer(ProgramState& state, Keypad& keypad);

// A typed date confirmed with Enter (Command9(2) or the Enter key). "節気表示" and
// "節気非表示" set the solar-term listing switch (1 or 0) to be stored; the text is then read
// with bnsk into the entered year, month and day of the slot being entered, whose era label
// becomes the one bnsk returns (when it returns one). Reports as "Command9_Click".
struct TypedDate {
  std::optional<int> solar_term_listing;  // the value to store under "sekki"
  bool refresh = true;
};
TypedDate enter_typed_date(ProgramState& state, std::string_view text);

// The input history: pairs of the two slots' era texts. Row 0 is an empty pair; the rows
// recorded are rows 1 to count().
struct InputHistory {
  std::vector<std::array<std::string, 2>> rows{{"", ""}};
  std::size_t count() const { return rows.size() - 1; }
  // "戻す(入力)" is enabled while more than one pair is recorded.
  bool undo_enabled() const { return count() > 1; }
};

// Records the current pair when it differs from the last row (nyuryokurireki). Reports as
// "nyuryokurireki".
void nyuryokurireki(InputHistory& history, const ProgramState& state);

// "戻す(入力)" (riremodos_Click): drops the last row and reads the row now last back into
// slots 0 and 1 with bnsk; answers true (the window refreshes). Row 0 is an empty pair and
// changes nothing. Reports as "riremodos_Click".
bool riremodos_Click(ProgramState& state, InputHistory& history);

}  // namespace pelmira
