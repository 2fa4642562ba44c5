#pragma once
// The program-wide values the calculation procedures read: calendar mode, ageing rule,
// Western-only switch and the three date slots, plus the clock "today" comes from.
// One object per running window (or command-line call, or test) is passed in explicitly.

#include <array>
#include <functional>
#include <string>

#include "core/calendar.h"
#include "core/checked.h"

namespace pelmira {

struct LocalDateTime {
  i16 year = 0, month = 0, day = 0;
  i16 hour = 0, minute = 0, second = 0;
};

using Clock = std::function<LocalDateTime()>;

// The system's local date and time.
LocalDateTime system_now();

// A clock that always answers the given instant (tests, the command line's --now).
Clock fixed_clock(LocalDateTime at);

// One date slot: 0 the birth side, 1 the "現在" side, 2 the difference.
struct DateSlot {
  // Numeric fields 0 to 4: Western year, month, day, (unused), entered year.
  i16 year = 0;
  i16 month = 0;
  i16 day = 0;
  i16 entered_year = 0;  // as typed: an era year when era_label names an era

  // Text twins of fields 0 to 4; field 3 holds the era label ("西暦", "平成", ...).
  std::array<std::string, 5> texts{"", "", "", "西暦", ""};
  std::string& era_label() { return texts[3]; }
  const std::string& era_label() const { return texts[3]; }

  // Display texts built by the refresh (slots 0 and 1).
  std::string weekday;            // 日 月 火 水 木 金 土
  std::string month_day_text;     // "5月 3日"
  std::string western_text;       // "西暦 2000年 5月 3日"
  std::string era_text;           // "平成 12年 5月 3日"
  std::string historical_main;    // "平成12年", empty before 大化 and from 2118
  std::string historical_second;  // the northern court's era in 1332-1392
};

struct ProgramState {
  i16 calendar_mode = kModeAutomatic;  // "rekihou"
  i16 age_shift = 0;                   // "kareihou": 1 ages on the day before the birthday
  i16 western_only = 0;                // 1: years are shown without an era
  i16 entering_slot = 0;               // the slot the date box writes to
  std::array<DateSlot, 3> slots;
  Clock clock = system_now;

  LocalDateTime now() const { return clock(); }
};

}  // namespace pelmira
