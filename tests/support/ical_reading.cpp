#include "support/ical_reading.h"

#include <libical/ical.h>

#include <memory>
#include <sstream>

#include "support/process_runner.h"

namespace pelmira::testing {
namespace {

std::string date_text(icaltimetype time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", time.year, time.month, time.day);
  return text;
}

std::string text_of(icalcomponent* component, icalproperty_kind kind) {
  icalproperty* property = icalcomponent_get_first_property(component, kind);
  if (!property) return "";
  const char* value = icalproperty_get_value_as_string(property);
  // The value as written is escaped; the text property's own value is not.
  if (kind == ICAL_SUMMARY_PROPERTY) value = icalproperty_get_summary(property);
  return value ? value : "";
}

// Prints one line per event: date, end, uid, trigger and summary separated by US (0x1f), the
// summary's newlines as they are, the events separated by RS (0x1e).
constexpr const char* kPythonReader = R"(
import sys
try:
    import icalendar
except ImportError:
    sys.exit(3)
with open(sys.argv[1], 'rb') as f:
    calendar = icalendar.Calendar.from_ical(f.read())
out = []
for event in calendar.walk('VEVENT'):
    alarms = event.walk('VALARM')
    trigger = alarms[0].get('TRIGGER').to_ical().decode() if alarms else ''
    out.append('\x1f'.join([event.decoded('DTSTART').strftime('%Y%m%d'),
                            event.decoded('DTEND').strftime('%Y%m%d'),
                            str(event.get('UID')), trigger, str(event.get('SUMMARY'))]))
sys.stdout.buffer.write('\x1e'.join(out).encode('utf-8'))
)";

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

std::vector<ReadBackEvent> libical_events(const std::string& text) {
  const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
      icalparser_parse_string(text.c_str()), icalcomponent_free);
  std::vector<ReadBackEvent> events;
  if (!calendar) return events;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
       e; e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
    ReadBackEvent event;
    event.date = date_text(icalcomponent_get_dtstart(e));
    event.end = date_text(icalcomponent_get_dtend(e));
    event.summary = text_of(e, ICAL_SUMMARY_PROPERTY);
    event.uid = text_of(e, ICAL_UID_PROPERTY);
    if (icalcomponent* alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT))
      event.trigger = text_of(alarm, ICAL_TRIGGER_PROPERTY);
    events.push_back(std::move(event));
  }
  return events;
}

std::optional<std::vector<ReadBackEvent>> python_icalendar_events(const std::string& path,
                                                                  std::string& why) {
  const ProcessResult run = run_process(PELMIRA_SYSTEM_PYTHON, {"-c", kPythonReader, path});
  if (run.exit_code == 3 || run.exit_code == 127 || run.exit_code < 0) {
    why = std::string("Python's icalendar module is not installed for ") + PELMIRA_SYSTEM_PYTHON +
          " (Debian package python3-icalendar)";
    return std::nullopt;
  }
  std::vector<ReadBackEvent> events;
  if (run.exit_code != 0) {
    why = run.err;
    return events;
  }
  if (run.out.empty()) return events;
  for (const std::string& record : split(run.out, '\x1e')) {
    const std::vector<std::string> f = split(record, '\x1f');
    if (f.size() != 5) continue;
    events.push_back({f[0], f[1], f[4], f[2], f[3]});
  }
  return events;
}

}  // namespace pelmira::testing
