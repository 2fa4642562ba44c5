// "iCalendar形式で書き出し…" of the ファイル menu: the persons of the list as it stands (unsaved
// edits included) as an iCalendar file, each person's days evaluated by the notifier's rules
// with the stored 29 February choice, written through the atomic save.

#include <ctime>
#include <map>
#include <tuple>

#include "core/trap.h"
#include "mainwindow/main_session.h"
#include "notifier/calendar_events.h"
#include "notifier/ical_export.h"
#include "notifier/ical_writer.h"
#include "notifier/leap_day_setting.h"
#include "people/data_writer.h"

namespace pelmira {
namespace {

constexpr std::string_view kCalendarFilter = "iCalendar(*.ics)|*.ics";
constexpr std::string_view kCalendarFileName = "Pelmira誕生日.ics";
constexpr std::string_view kNothingToExport = "リストにデータがありません。";

// The persons of the list in its order, as the notifier reads their lines.
std::vector<CalendarPerson> calendar_persons_of(const PersonTable& table) {
  std::vector<CalendarPerson> persons;
  std::map<std::tuple<std::string, i16, i16, i16>, int> seen;
  const i16 rows = order_length(table.viewOrder[0]);
  for (i16 r = 1; r <= rows; ++r) {
    const std::size_t p = static_cast<std::size_t>(table.viewOrder[0][static_cast<std::size_t>(r)]);
    CalendarPerson entry;
    entry.name = trimmed_name(table.personName[p]);
    const PersonDate& date = table.personDate[p];
    entry.person.year = date[0];
    entry.person.month = date[1];
    entry.person.day = date[2];
    entry.person.notice_days = table.noticeDays[p];
    for (std::size_t k = 0; k < entry.person.code.size(); ++k)
      entry.person.code[k] = table.noticeCode[p][k];
    entry.occurrence = ++seen[{entry.name, date[0], date[1], date[2]}];
    persons.push_back(std::move(entry));
  }
  return persons;
}

// The save dialog until the user settles on a file: a file there is replaced only when the
// user says so, and never a data file.
std::optional<std::string> choose_calendar_target(SaveHost& host, std::string file_name) {
  while (true) {
    const std::optional<std::string> chosen = host.choose_save_path(file_name, kCalendarFilter);
    if (!chosen) return std::nullopt;
    file_name = *chosen;
    if (!path_exists(file_name)) return file_name;
    if (!host.ask_yes_no(overwrite_question(file_name), MessageIcon::kWarning)) continue;
    if (is_data_file(file_name)) {
      host.show_message(kExportOverDataRefusal, MessageIcon::kError);
      continue;
    }
    return file_name;
  }
}

}  // namespace

void MainSession::icalout_Click() {
  trap("icalout", [&] {
    const std::vector<CalendarPerson> persons = calendar_persons_of(persons_);
    if (persons.empty()) {
      save_host_.show_message(kNothingToExport, MessageIcon::kWarning);
      return;
    }
    const std::string folder = persons_.current_folder;
    const std::optional<std::string> path =
        choose_calendar_target(save_host_, (folder.empty() ? std::string() : folder + "/") +
                                               std::string(kCalendarFileName));
    if (!path) return;
    const LocalDateTime now = state_.clock();
    const CalendarDate today{now.year, now.month, now.day};
    const std::optional<i32> days = export_days(today, kDefaultExportYears);
    if (!days) raise_error(err::kInvalidCall);
    const std::string text =
        ical_text(due_events(persons, today, *days, leap_day_move(store_)), std::time(nullptr));
    save_host_.set_busy(true);
    try {
      write_file_atomically(*path, text);
    } catch (...) {
      save_host_.set_busy(false);
      throw;
    }
    save_host_.set_busy(false);
  });
}

}  // namespace pelmira
