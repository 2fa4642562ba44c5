#pragma once
// The notifier's due days over a span of days, for a calendar program: on each day, every
// person the notifier shows as due that very day, found by evaluating the rules with that
// day as today, just as the notifier does when it runs on that day.

#include <string>
#include <vector>

#include "notifier/data_files.h"
#include "notifier/notification_rule.h"
#include "notifier/notifier_session.h"

namespace pelmira {

struct CalendarPerson {
  std::string name;  // UTF-8
  NoticePerson person;
  // 1 for the first person of a name and birth date, 2 for the second, ...: keeps the event
  // ids of identical lines apart.
  int occurrence = 1;
};

struct CalendarEvent {
  CalendarDate date;
  std::string summary;  // the name, and "<age>歳の誕生日" where the rule shows the age
  i16 notice_days = 0;
  std::string uid;  // the same for the same person and date in every export
};

// The persons of the data files among `paths`, read as the notifier reads a folder. Each
// rule is tried once against `first_day`, so a rule the calendar routines refuse stops the
// read with the box of its line. The counts, the date reader's boxes and a failure go to
// `status`.
std::vector<CalendarPerson> read_calendar_persons(const std::vector<std::string>& paths,
                                                  const CalendarDate& first_day,
                                                  LeapDayMove leap_day, HitCollection& status);

// The events of `days` days from `first_day` on, by date, each day's events in the order of
// the persons. Raises the calendar routines' errors.
std::vector<CalendarEvent> due_events(const std::vector<CalendarPerson>& persons,
                                      const CalendarDate& first_day, i32 days,
                                      LeapDayMove leap_day);

// What the notifier shows for a person due today, without the list's padding.
std::string due_day_text(const CalendarPerson& person, const DueDate& due, i16 year);

// "<YYYYMMDD>-<16 hex digits>[-<occurrence>]@pelmira": the date and a hash of the name and
// birth date.
std::string event_uid(const CalendarPerson& person, const CalendarDate& date);

}  // namespace pelmira
