#include "notifier/ical_writer.h"

#include <libical/ical.h>

#include <memory>

namespace pelmira {
namespace {

struct ComponentFree {
  void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct BufferFree {
  void operator()(char* text) const { icalmemory_free_buffer(text); }
};

icaltimetype ical_date(const CalendarDate& date) {
  icaltimetype time = icaltime_null_date();
  time.year = date.year;
  time.month = date.month;
  time.day = date.day;
  return time;
}

// A reminder `days` days before the event's day, showing the event's summary.
icalcomponent* reminder(i16 days, const std::string& summary) {
  icaldurationtype before = icaldurationtype_null_duration();
  before.is_neg = 1;
  before.days = static_cast<unsigned int>(days);
  icaltriggertype trigger{};
  trigger.time = icaltime_null_time();
  trigger.duration = before;
  return icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                             icalproperty_new_trigger(trigger),
                             icalproperty_new_description(summary.c_str()), nullptr);
}

icalcomponent* event(const CalendarEvent& e, const icaltimetype& stamp) {
  icaltimetype end = ical_date(e.date);
  icaltime_adjust(&end, 1, 0, 0, 0);
  icalcomponent* component = icalcomponent_vanew(
      ICAL_VEVENT_COMPONENT, icalproperty_new_uid(e.uid.c_str()), icalproperty_new_dtstamp(stamp),
      icalproperty_new_dtstart(ical_date(e.date)), icalproperty_new_dtend(end),
      icalproperty_new_summary(e.summary.c_str()), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT),
      nullptr);
  if (e.notice_days > 0) icalcomponent_add_component(component, reminder(e.notice_days, e.summary));
  return component;
}

}  // namespace

std::string ical_text(const std::vector<CalendarEvent>& events, std::time_t stamp) {
  const icaltimetype stamp_time =
      icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
  Component calendar(
      icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                          icalproperty_new_prodid("-//Pelmira//Lunoka birthdays//JA"),
                          icalproperty_new_calscale("GREGORIAN"), nullptr));
  for (const CalendarEvent& e : events)
    icalcomponent_add_component(calendar.get(), event(e, stamp_time));
  const std::unique_ptr<char, BufferFree> text(icalcomponent_as_ical_string_r(calendar.get()));
  return text ? std::string(text.get()) : std::string();
}

}  // namespace pelmira
