#include "mainwindow/date_entry.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "core/calendar.h"
#include "core/date_text.h"
#include "core/eras.h"
#include "core/trap.h"

namespace pelmira {
namespace {

constexpr std::string_view kWestern = "西暦";
constexpr std::string_view kYearUnit = "年";
constexpr std::string_view kMonthUnit = "月";
constexpr std::string_view kDayUnit = "日";

// The working year of the calendar procedures is year + 4800 in 16 bits.
constexpr i16 kWorkingYearOffset = 4800;
constexpr i16 kLastWorkingYear = std::numeric_limits<i16>::max() - kWorkingYearOffset;  // 27967

// The era search walks down to this era year before it turns upwards.
constexpr i32 kLowestEraCandidate = -3;

// The value of the keypad's digit text. The text may be any number of digits; the value is
// capped just past 16 bits, which keeps the "not 0" and "above 0" tests true for it while
// every 16-bit conversion of it still overflows.
i32 number_value(std::string_view digits) {
  constexpr i32 kCap = 100000;
  i32 value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') continue;
    value = value * 10 + (c - '0');
    if (value >= kCap) return kCap;
  }
  return value;
}

// An index into a control array; outside it is a subscript error.
std::size_t button_index(int index, std::size_t count) {
  if (index < 0 || static_cast<std::size_t>(index) >= count) raise_error(err::kSubscript);
  return static_cast<std::size_t>(index);
}

DateSlot& entering_slot(ProgramState& state) {
  if (state.entering_slot != 0 && state.entering_slot != 1) raise_error(err::kSubscript);
  return state.slots[static_cast<std::size_t>(state.entering_slot)];
}

// The display of the step amount: sign, number and unit.
void show_amount(Keypad& keypad) {
  keypad.display = keypad.sign_text + keypad.number + keypad.unit;
}

bool is_in_era(std::string_view era, i16 era_year, const DateSlot& slot) {
  i16 year_in_era = 0;
  std::string main_text, second_text;
  return nneng(nnen(era, era_year), slot.month, slot.day, year_in_era, main_text, second_text) ==
         era;
}

// The era year nearest below (or else above) the slot's entered year whose date, with the
// slot's month and day, falls in the era. The walk goes down to year -3 and then upwards from
// the start, up to the last era year whose Western year fits 16 bits, so it always ends.
std::optional<i16> era_year_for(std::string_view era, const DateSlot& slot) {
  const i32 era_offset = nnen(era, 0);
  const i32 highest = std::numeric_limits<i16>::max() - era_offset;
  const i32 start = std::min<i32>(slot.entered_year, highest);
  i32 candidate = start;
  if (is_in_era(era, static_cast<i16>(candidate), slot)) return static_cast<i16>(candidate);
  while (candidate > kLowestEraCandidate) {
    --candidate;
    if (is_in_era(era, static_cast<i16>(candidate), slot)) return static_cast<i16>(candidate);
  }
  for (candidate = std::max(start, candidate) + 1; candidate <= highest; ++candidate)
    if (is_in_era(era, static_cast<i16>(candidate), slot)) return static_cast<i16>(candidate);
  return std::nullopt;
}

// The step of skl1 without its trap: computes the new date on copies and writes the slot
// only when the whole step succeeded.
bool step_slot(ProgramState& state, const Keypad& keypad) {
  DateSlot& slot = entering_slot(state);
  if (keypad.unit.empty() || keypad.sign_value == 0) return false;
  const i16 amount = mul16(keypad.sign_value, to_i16(number_value(keypad.number)));
  const i16 mode = state.calendar_mode;
  i16 year = slot.year;
  i16 month = slot.month;
  i16 day = slot.day;
  if (keypad.unit == kYearUnit) {
    year = add16(year, amount);
    add16(year, kWorkingYearOffset);
  } else if (keypad.unit == kMonthUnit) {
    add16(add16(year, kWorkingYearOffset), div_trunc(amount, 12));
    month = add16(month, amount);
  } else if (keypad.unit == kDayUnit) {
    add16(add16(year, kWorkingYearOffset), div_trunc(amount, 365));
    const i32 day_number = add32(guleyulibi(year, month, day, mode), amount);
    // The rough check above lets a step end a few days past the last year the day-number
    // conversion can hold; such a step is an overflow too, not a date of year 0.
    if (day_number > guleyulibi(kLastWorkingYear, 12, 31, mode)) raise_overflow();
    year = yulibigule(day_number, month, day, mode);
  } else {
    return false;
  }
  hiteisei(mode, year, month, day);
  if (year < 1) raise_error(err::kYearBelowOne);

  slot.era_label() = std::string(kWestern);
  slot.year = year;
  slot.entered_year = year;
  slot.month = month;
  slot.day = day;
  return true;
}

}  // namespace

KeypadButtons cHyouji(int state) {
  return trap("cHyouji", [&]() -> KeypadButtons {
    KeypadButtons buttons;
    buttons.year = state == kKeypadNumber || state == kKeypadEraYear || state == kKeypadStep;
    buttons.month = state == kKeypadNumber || state == kKeypadStep;
    buttons.day = buttons.month;
    buttons.enter = state == kKeypadTyping;
    buttons.step = state == kKeypadStep;
    return buttons;
  });
}

void Command7_Click(Keypad& keypad, int digit) {
  trap("Command7_Click", [&] {
    const char c = static_cast<char>('0' + button_index(digit, 10));
    if (keypad.composing) {
      keypad.number += c;
    } else {
      keypad.number = std::string(1, c);
      keypad.composing = true;
    }
    if (keypad.sign_value != 0) {
      show_amount(keypad);
      keypad.state = keypad.unit.empty() ? kKeypadNumber : kKeypadStep;
    } else {
      keypad.display = keypad.era + keypad.number;
      keypad.state = keypad.era.empty() ? kKeypadNumber : kKeypadEraYear;
    }
  });
}

void Command10_Click(Keypad& keypad, int index) {
  trap("Command10_Click", [&] {
    const std::size_t i = button_index(index, kSignButtons.size());
    keypad.sign_value = i == 0 ? i16{1} : i16{-1};
    keypad.sign_text = std::string(kSignButtons[i]);
    keypad.era.clear();
    show_amount(keypad);
    if (number_value(keypad.number) > 0) keypad.state = kKeypadStep;
    keypad.composing = false;
  });
}

bool Command8_Click(ProgramState& state, Keypad& keypad, int index) {
  return trap("Command8_Click", [&]() -> bool {
    const std::size_t i = button_index(index, kUnitButtons.size());
    const i32 number = number_value(keypad.number);
    if (number == 0) return false;
    if (keypad.sign_value != 0) {
      keypad.unit = std::string(kUnitButtons[i]);
      show_amount(keypad);
      keypad.state = kKeypadStep;
      keypad.composing = false;
      return false;
    }
    add16(number, kWorkingYearOffset);
    DateSlot& slot = entering_slot(state);
    const i16 value = to_i16(number);
    if (i == 0) {
      slot.entered_year = value;
      // Without an era the label is the era text as it stands, empty: the refresh reads an
      // entered year under an empty label as a Western year, as under "西暦".
      slot.era_label() =
          keypad.era.empty() && state.western_only == 1 ? std::string(kWestern) : keypad.era;
    } else if (i == 1) {
      slot.month = value;
    } else {
      slot.day = value;
    }
    keypad.number.clear();
    keypad.unit.clear();
    keypad.era.clear();
    keypad.display.clear();
    keypad.state = kKeypadIdle;
    return true;
  });
}

bool Command4_Click(ProgramState& state, Keypad& keypad, int index) {
  return trap("Command4_Click", [&]() -> bool {
    const std::string_view era = kEraButtons[button_index(index, kEraButtons.size())];
    const std::string previous = keypad.era;
    keypad.era = std::string(era);
    const bool has_number = number_value(keypad.number) > 0;
    if (previous != era) {
      keypad.display = keypad.era + keypad.number;
      if (has_number) keypad.state = kKeypadEraYear;
      keypad.composing = false;
      return false;
    }

    DateSlot& slot = entering_slot(state);
    if (era == kWestern) {
      slot.entered_year = slot.year;
      state.western_only = 1;
    } else {
      const std::optional<i16> era_year = era_year_for(era, slot);
      // Every era button names an era that holds each month and day in some year, so the
      // search always finds one; should it not, the slot is left as it was.
      if (!era_year) return false;
      slot.entered_year = *era_year;
      state.western_only = 0;
    }
    slot.era_label() = std::string(era);
    keypad.display.clear();
    keypad.era.clear();
    if (has_number) keypad.state = kKeypadEraYear;
    keypad.composing = false;
    return true;
  });
}

void clear_keypad(Keypad& keypad) {
  keypad.display.clear();
  keypad.number.clear();
  keypad.unit.clear();
  keypad.era.clear();
  // The sign goes too: nothing else takes it back, and while it is set every unit completes
  // a step amount, so the keypad could never enter a date again.
  keypad.sign_value = 0;
  keypad.sign_text.clear();
  keypad.state = kKeypadIdle;
}

void Text2_GotFocus(Keypad& keypad) {
  trap("Text2_GotFocus", [&] { keypad.state = kKeypadTyping; });
}

bool skl1(ProgramState& state, const Keypad& keypad) {
  return trap("skl1", [&]() -> bool { return step_slot(state, keypad); });
}

void step_pressed(Keypad& keypad) {
  keypad.held = true;
}

void step_released(Keypad& keypad) {
  keypad.held = false;
  keypad.composing = false;
}

TimerTick Timer1_Timer(ProgramState& state, Keypad& keypad) {
  TimerTick tick;
  trap("Timer1_Timer", [&] {
    if (!keypad.held) {
      keypad.timer_interval = kStepFastInterval;
      keypad.repeat_count = 0;
      tick.stop_timer = true;
      tick.interval = keypad.timer_interval;
      return;
    }
    // The step reports its own error; a failed step lets go of the button, so the next tick
    // stops the timer on the last good date.
    bool failed = true;
    trap("skl1", [&] {
      step_slot(state, keypad);
      failed = false;
    });
    if (failed) keypad.held = false;
    tick.refresh = true;
    ++keypad.repeat_count;
    if (keypad.repeat_count > kStepSlowRepeats) {
      keypad.timer_interval = kStepFastInterval;
      keypad.repeat_count = 10;
    } else {
      keypad.timer_interval = kStepFirstInterval;
    }
    tick.interval = keypad.timer_interval;
  });
  return tick;
}

TypedDate enter_typed_date(ProgramState& state, std::string_view text) {
  TypedDate typed;
  trap("Command9_Click", [&] {
    if (text == "節気表示") typed.solar_term_listing = 1;
    if (text == "節気非表示") typed.solar_term_listing = 0;
    DateSlot& slot = entering_slot(state);
    const std::string label =
        bnsk(state, text, slot.entered_year, slot.month, slot.day, state.entering_slot);
    if (!label.empty()) slot.era_label() = label;
  });
  return typed;
}

void nyuryokurireki(InputHistory& history, const ProgramState& state) {
  trap("nyuryokurireki", [&] {
    const std::array<std::string, 2> pair{state.slots[0].era_text, state.slots[1].era_text};
    if (history.rows.back() != pair) history.rows.push_back(pair);
  });
}

bool riremodos_Click(ProgramState& state, InputHistory& history) {
  return trap("riremodos_Click", [&]() -> bool {
    // Row 0 stays: it is the empty pair there is nothing before.
    if (history.count() == 0) return false;
    history.rows.pop_back();
    const std::array<std::string, 2>& pair = history.rows.back();
    for (std::size_t i = 0; i < pair.size(); ++i) {
      DateSlot& slot = state.slots[i];
      const std::string label =
          bnsk(state, pair[i], slot.entered_year, slot.month, slot.day, static_cast<i16>(i));
      if (!label.empty()) slot.era_label() = label;
    }
    return true;
  });
}

}  // namespace pelmira
