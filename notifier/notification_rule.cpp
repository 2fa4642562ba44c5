#include "notifier/notification_rule.h"

#include <utility>

#include "core/encoding.h"
#include "notifier/kpelmirahm.h"

namespace pelmira {
namespace {

constexpr int kNameColumns = 24;
// Enough candidates to reach every day that exists: a day of the month recurs within three
// months, 29 February within eight years; a day that never exists gives no hit.
constexpr int kMonthCandidates = 26;
constexpr int kYearCandidates = 10;
constexpr int kWeekSteps = 30;

bool digit_is_one(const NoticePerson& p, int position) {
  return p.code[static_cast<std::size_t>(position - 1)] == 1;
}

// The due date moved as the code's day flags (digits 9-11) and direction (12-13) say,
// as a distance from today.
i32 moved_distance(const NoticePerson& p, const NotifierToday& today, const HolidayTable& holidays,
                   i16 year, i16 month, i16 day) {
  frikae01(holidays, year, month, day, digit_is_one(p, 9), digit_is_one(p, 10), digit_is_one(p, 11),
           digit_is_one(p, 12), digit_is_one(p, 13));
  return sub32(dayNumber(year, month, day), today.day_number);
}

// Only a move to the day after can carry a date of an earlier month or year into today;
// without one such candidates are skipped, as they could never be due.
bool moves_later(const NoticePerson& p) {
  return digit_is_one(p, 13);
}

// Kind 1: a day of every month (or its last day), from the month before today's on.
std::optional<i32> every_month(const NoticePerson& p, const NotifierToday& today,
                               const HolidayTable& holidays) {
  i16 year = today.year;
  i16 month = moves_later(p) ? sub16(today.month, 1) : today.month;
  if (month < 1) {
    month = 12;
    year = sub16(year, 1);
  }
  for (int step = 0; step < kMonthCandidates; ++step) {
    const i16 length = monthLength(year, month);
    const i16 day = digit_is_one(p, 3) ? length : p.day;
    if (day <= length) {
      const i32 distance = moved_distance(p, today, holidays, year, month, day);
      if (distance >= 0) return distance;
    }
    if (++month > 12) {
      month = 1;
      year = add16(year, 1);
    }
  }
  return std::nullopt;
}

// The yearly date of a person in `year`, when it exists there: a 29 February in a common
// year is skipped or becomes 28 February or 1 March, as `leap_day` says.
std::optional<std::pair<i16, i16>> yearly_date(const NoticePerson& p, i16 year,
                                               LeapDayMove leap_day) {
  if (p.day <= monthLength(year, p.month)) return std::pair{p.month, p.day};
  if (p.month != 2 || p.day != 29) return std::nullopt;
  switch (leap_day) {
    case LeapDayMove::kFebruary28:
      return std::pair<i16, i16>{2, 28};
    case LeapDayMove::kMarch1:
      return std::pair<i16, i16>{3, 1};
    case LeapDayMove::kLeapYearsOnly:
      break;
  }
  return std::nullopt;
}

// Kind 2: the person's month and day every year, from the year before today's on.
std::optional<i32> every_year(const NoticePerson& p, const NotifierToday& today,
                              const HolidayTable& holidays, LeapDayMove leap_day) {
  i16 year = moves_later(p) ? sub16(today.year, 1) : today.year;
  for (int step = 0; step < kYearCandidates; ++step, year = add16(year, 1)) {
    const std::optional<std::pair<i16, i16>> date = yearly_date(p, year, leap_day);
    if (!date) continue;
    const i32 distance = moved_distance(p, today, holidays, year, date->first, date->second);
    if (distance >= 0) return distance;
  }
  return std::nullopt;
}

// Kind 4: the weeks ticked of the person's weekday, in every month or in the birth month.
std::optional<i32> weekday_rule(const NoticePerson& p, const NotifierToday& today) {
  const i16 weekday = weekdayNumber(p.year, p.month, p.day);
  const bool birth_month_only = digit_is_one(p, 4);
  std::optional<i32> nearest;
  for (int week = 1; week <= 5; ++week) {
    const bool takes_part = (week <= 4 && digit_is_one(p, 4 + week)) || digit_is_one(p, 14);
    if (!takes_part) continue;
    i16 year = today.year;
    i16 month = birth_month_only ? p.month : today.month;
    i32 distance = -1;
    for (int step = 0; step < kWeekSteps; ++step) {
      const i16 first = weekdayNumber(year, month, 1);
      // A fifth week past the month's end counts on into the next month.
      const i16 day = to_i16((weekday - first + 7) % 7 + 1 + 7 * (week - 1));
      distance = sub32(dayNumber(year, month, day), today.day_number);
      if (distance >= 0) break;
      if (birth_month_only) {
        year = add16(year, 1);
      } else if (++month > 12) {
        month = 1;
        year = add16(year, 1);
      }
    }
    if (distance >= 0 && (!nearest || distance < *nearest)) nearest = distance;
  }
  return nearest;
}

}  // namespace

NotifierToday NotifierToday::of(i16 year, i16 month, i16 day) {
  return NotifierToday{year, month, day, dayNumber(year, month, day)};
}

std::optional<DueDate> evaluate_rule(const NoticePerson& person, const NotifierToday& today,
                                     const HolidayTable& holidays, LeapDayMove leap_day) {
  std::optional<i32> distance;
  bool with_age = false;
  switch (person.code[1]) {
    case 1:
      distance = every_month(person, today, holidays);
      break;
    case 2:
      distance = every_year(person, today, holidays, leap_day);
      with_age = digit_is_one(person, 1);
      break;
    case 3: {
      const i32 d = moved_distance(person, today, holidays, person.year, person.month, person.day);
      if (d >= 0) distance = d;
      break;
    }
    case 4:
      distance = weekday_rule(person, today);
      break;
    default:
      break;
  }
  if (!distance || *distance > person.notice_days) return std::nullopt;
  return DueDate{*distance, with_age};
}

std::string right_aligned6(std::string_view text) {
  const std::string padded = "      " + std::string(text);
  return padded.substr(padded.size() - 6);
}

std::string hit_line(std::string_view name, const NoticePerson& person, const DueDate& due,
                     i16 today_year) {
  std::string padded_name(name);
  if (due.with_age) {
    const int width = cp932_display_width(name);
    if (width < kNameColumns)
      padded_name.append(static_cast<std::size_t>(kNameColumns - width), ' ');
  }
  if (due.distance == 0) {
    if (!due.with_age) return std::string(name);
    const i16 age = sub16(today_year, person.year);
    // The age as number text with its sign place: a blank before a positive number.
    const std::string age_text = (age >= 0 ? " " : "") + std::to_string(age);
    return padded_name + right_aligned6(age_text) + "歳の誕生日";
  }
  std::string line = right_aligned6(std::to_string(due.distance)) + "日後  " + padded_name;
  if (due.with_age) line += "誕生日";
  return line;
}

}  // namespace pelmira
