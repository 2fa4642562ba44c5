#pragma once
// The notifier's due days as an iCalendar file (RFC 5545), built and written by libical:
// one all-day event per due day, its notice days as a display alarm.

#include <ctime>
#include <string>
#include <vector>

#include "notifier/calendar_events.h"

namespace pelmira {

// The calendar text, lines ended by CR LF and folded, texts escaped. `stamp` is the time of
// the export (each event's DTSTAMP).
std::string ical_text(const std::vector<CalendarEvent>& events, std::time_t stamp);

}  // namespace pelmira
