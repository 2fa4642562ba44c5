#pragma once
// The whole iCalendar export of data files, for the command line and the main window: the
// persons read as the notifier reads them, their due days over whole years from a first
// day, and the calendar text. A read that stops gives no text at all, so no caller can
// write a calendar that lacks persons.

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "notifier/data_files.h"
#include "notifier/notification_rule.h"
#include "notifier/notifier_session.h"

namespace pelmira {

// The years an export may span, and the last day it may reach: iCalendar years have four
// digits.
inline constexpr int kMostExportYears = 100;
inline constexpr CalendarDate kLastExportDay{9999, 12, 31};

// Two years, as the command line's default.
inline constexpr int kDefaultExportYears = 2;

struct IcalExport {
  std::string text;  // empty when the read stopped
  std::size_t events = 0;
  std::vector<DateReaderAlert> alerts;  // the date reader's boxes, in order
  std::optional<ReadFailure> failure;
};

// The number of days of `years` years from `first_day` (to the day before the same date
// `years` later), or nullopt when `years` is outside 1-kMostExportYears or the span passes
// kLastExportDay.
std::optional<i32> export_days(const CalendarDate& first_day, int years);

IcalExport export_ical(const std::vector<std::string>& paths, const CalendarDate& first_day,
                       i32 days, LeapDayMove leap_day, std::time_t stamp);

}  // namespace pelmira
