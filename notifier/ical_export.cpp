#include "notifier/ical_export.h"

#include "notifier/calendar_events.h"
#include "notifier/ical_writer.h"
#include "notifier/kpelmirahm.h"

namespace pelmira {

std::optional<i32> export_days(const CalendarDate& first_day, int years) {
  if (years < 1 || years > kMostExportYears || first_day.year < 1 ||
      first_day.year > kLastExportDay.year)
    return std::nullopt;
  // A day past the month's end counts on: 29 February plus a year is 1 March.
  const i32 first = dayNumber(first_day.year, first_day.month, first_day.day);
  const i32 end = dayNumber(add16(first_day.year, to_i16(years)), first_day.month, first_day.day);
  const i32 last_allowed = dayNumber(kLastExportDay.year, kLastExportDay.month, kLastExportDay.day);
  if (end - 1 > last_allowed) return std::nullopt;
  return end - first;
}

IcalExport export_ical(const std::vector<std::string>& paths, const CalendarDate& first_day,
                       i32 days, LeapDayMove leap_day, std::time_t stamp) {
  IcalExport result;
  HitCollection status;
  const std::vector<CalendarPerson> persons =
      read_calendar_persons(paths, first_day, leap_day, status);
  result.alerts = std::move(status.alerts);
  result.failure = std::move(status.failure);
  if (result.failure) return result;
  try {
    const std::vector<CalendarEvent> events = due_events(persons, first_day, days, leap_day);
    result.events = events.size();
    result.text = ical_text(events, stamp);
  } catch (const RuntimeError& e) {
    result.failure = ReadFailure{read_error_text(e, "", ""), false};
  }
  return result;
}

}  // namespace pelmira
