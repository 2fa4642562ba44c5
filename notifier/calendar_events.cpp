#include "notifier/calendar_events.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <tuple>

#include "notifier/data_line.h"
#include "notifier/kpelmirahm.h"

namespace pelmira {
namespace {

// 64-bit FNV-1a: a stable hash that needs no table and no library state.
std::uint64_t fnv1a(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

// The holiday tables of the years a span of days passes through, built once per year.
class HolidayYears {
 public:
  const HolidayTable& of(i16 year) {
    auto found = tables_.find(year);
    if (found == tables_.end()) found = tables_.emplace(year, saijitu(year)).first;
    return found->second;
  }

 private:
  std::map<i16, HolidayTable> tables_;
};

}  // namespace

std::vector<CalendarPerson> read_calendar_persons(const std::vector<std::string>& paths,
                                                  const CalendarDate& first_day,
                                                  LeapDayMove leap_day, HitCollection& status) {
  std::vector<CalendarPerson> persons;
  std::map<std::tuple<std::string, i16, i16, i16>, int> seen;
  const NotifierToday today = NotifierToday::of(first_day.year, first_day.month, first_day.day);
  const std::optional<HolidayTable> holidays = holidays_for_reading(today.year, status);
  if (!holidays) return persons;
  const PersonVisitor keep = [&](std::string_view name, FileEncoding encoding,
                                 const NoticePerson& person) {
    evaluate_rule(person, today, *holidays, leap_day);
    CalendarPerson entry{to_display_text(name, encoding), person};
    entry.occurrence = ++seen[{entry.name, person.year, person.month, person.day}];
    persons.push_back(std::move(entry));
  };
  read_persons(paths, keep, status);
  return persons;
}

std::vector<CalendarEvent> due_events(const std::vector<CalendarPerson>& persons,
                                      const CalendarDate& first_day, i32 days,
                                      LeapDayMove leap_day) {
  std::vector<CalendarEvent> events;
  HolidayYears holidays;
  const i32 first = dayNumber(first_day.year, first_day.month, first_day.day);
  for (i32 n = first; n < first + days; ++n) {
    CalendarDate date;
    dateOfDayNumber(n, date.year, date.month, date.day);
    const NotifierToday today{date.year, date.month, date.day, n};
    const HolidayTable& table = holidays.of(date.year);
    for (const CalendarPerson& p : persons) {
      const std::optional<DueDate> due = evaluate_rule(p.person, today, table, leap_day);
      if (!due || due->distance != 0) continue;
      events.push_back(CalendarEvent{date, due_day_text(p, *due, date.year), p.person.notice_days,
                                     event_uid(p, date)});
    }
  }
  return events;
}

std::string due_day_text(const CalendarPerson& person, const DueDate& due, i16 year) {
  if (!due.with_age) return person.name;
  return person.name + " " + std::to_string(sub16(year, person.person.year)) + "歳の誕生日";
}

std::string event_uid(const CalendarPerson& person, const CalendarDate& date) {
  const NoticePerson& p = person.person;
  std::string key = person.name;
  key += '\0';
  key += std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day);
  char text[64];
  std::snprintf(text, sizeof text, "%04d%02d%02d-%016llx", date.year, date.month, date.day,
                static_cast<unsigned long long>(fnv1a(key)));
  std::string uid = text;
  if (person.occurrence > 1) uid += "-" + std::to_string(person.occurrence);
  return uid + "@pelmira";
}

}  // namespace pelmira
