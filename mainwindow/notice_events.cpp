// The notification entry pane: the name, the notice days and the rule boxes, the rule's
// description as the fields change, adding or rewriting a person from the pane, and starting
// the notifier for the "現在" date.

#include <unistd.h>

#include <sys/stat.h>

#include "core/trap.h"
#include "mainwindow/main_session.h"
#include "people/editing.h"
#include "people/numeric_text.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

constexpr std::string_view kTitle = "Pelmira";
constexpr std::string_view kNotifierMissing =
    "Lunoka.exeが見つかりません。\r\n\r\n設定で「Lunoka.exe」の場所を指定して下さい。";
constexpr i16 kLargestNoticeDays = 32767;

// A program the notifier's path may start: an executable regular file.
bool is_program(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

RuleDate rule_date(const DateSlot& birth) {
  RuleDate date;
  date.year = birth.year;
  date.month = birth.month;
  date.day = birth.day;
  date.era = birth.era_label();
  date.era_year = birth.entered_year;
  date.weekday = birth.weekday;
  return date;
}

}  // namespace

void MainSession::describe_rule() {
  view_.rule_boxes = bhh01(pane_.rule);
  if (const std::optional<std::string> text = noticeRuleText(pane_, rule_date(state_.slots[0])))
    view_.rule_description = *text;
}

void MainSession::Text1_Change(std::string_view name) {
  pane_.name = std::string(name);
  describe_rule();
}

void MainSession::Text3_Change(std::string_view days) {
  pane_.days_text = std::string(days);
  // A number beyond 16 bits is stored as the largest one (the box then shows it).
  if (numeric_value(narrow_text(days)) > kLargestNoticeDays)
    pane_.days_text = std::to_string(kLargestNoticeDays);
  describe_rule();
}

void MainSession::option5_Click(i16 kind) {
  pane_.rule.kind = kind;
  describe_rule();
}

void MainSession::rule_box_Click(RuleBox box, int index, bool ticked) {
  trap("rule_box_Click", [&] {
    NoticeRule& rule = pane_.rule;
    switch (box) {
      case RuleBox::kShowAge:
        rule.show_age = ticked;
        break;
      case RuleBox::kMonthEnd:
        rule.month_end = ticked;
        break;
      case RuleBox::kBirthMonth:
        rule.birth_month_only = ticked;
        break;
      case RuleBox::kWeek:
        if (index == 0)
          rule.every_week = ticked;
        else
          rule.weeks.at(static_cast<std::size_t>(index - 1)) = ticked;
        break;
      case RuleBox::kMoveOn:
        rule.move_on.at(static_cast<std::size_t>(index)) = ticked;
        break;
      case RuleBox::kMoveTo:
        rule.move_to.at(static_cast<std::size_t>(index)) = ticked;
        Check4_Click(rule, index);
        break;
    }
  });
  describe_rule();
}

bool MainSession::add_enabled() const {
  return !trimmed_name(pane_.name).empty();
}

bool MainSession::rewrite_enabled() const {
  return add_enabled() && persons_.selected_person > 0;
}

void MainSession::Command2_Click(int index) {
  trap("Command2_Click", [&] {
    if (index == 0 ? !add_enabled() : !rewrite_enabled()) return;
    // A person the data file could not hold is refused whole, before anything is stored.
    if (const std::optional<std::string> refusal = entry_refusal(state_, pane_)) {
      dialogs_.message(kTitle, *refusal, BoxIcon::kExclamation);
      return;
    }
    if (index == 0) {
      list06(persons_, display_, state_, pane_);
      refill_person_list();
      if (!panel_items_[kListPanel]) refresh_person_list();
    } else if (overwrite_selected_person(persons_, state_, pane_)) {
      // The rewritten person's line is built anew.
      refresh_person_lines();
    }
  });
}

void MainSession::lunokas2_Click() {
  trap("lunokas2_Click", [&] {
    const DateSlot& now = state_.slots[1];
    const std::string question = full_date_text(rule_date(now)) +
                                 "で「Lunoka.exe」を実行します。\r\n\r\n" +
                                 "該当するデータが無い場合でも、設定に関係無く表示されます。";
    if (!dialogs_.ask_ok_cancel(kTitle, question, BoxIcon::kNone)) return;
    std::string path = read_text(store_, setting::kNotifierPath);
    if (path.empty()) path = default_notifier_path(info_.program_folder);
    if (!is_program(path)) {
      dialogs_.message(kTitle, kNotifierMissing, BoxIcon::kExclamation);
      return;
    }
    write_number(store_, setting::kTestYear, now.year);
    write_number(store_, setting::kTestMonth, now.month);
    write_number(store_, setting::kTestDay, now.day);
    // The notifier reads the data files of its working folder: the open data file's.
    if (!window_.start_program(path, persons_.current_folder)) {
      write_text(store_, setting::kTestYear, "0");
      dialogs_.message(kTitle, kNotifierMissing, BoxIcon::kExclamation);
    }
  });
}

}  // namespace pelmira
