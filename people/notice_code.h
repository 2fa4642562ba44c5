#pragma once
// The notification rule of a person: notice days and a 14-digit code telling the notifier
// on which days to list the person. Digits, leftmost first (position 1 is index 0):
//   1      show the age on the birthday itself (kind 2)
//   2      kind: 1 a day of every month, 2 month and day every year, 3 one exact date,
//          4 a weekday
//   3      kind 1: the last day of every month instead of the stored day
//   4      kind 4: only in the birth month
//   5-8    kind 4: the first to fourth occurrence of the weekday
//   9-11   kinds 1-3: move the day when it falls on a Saturday, a Sunday, a holiday
//   12-13  kinds 1-3: move to the day before / to the day after
//   14     kind 4: every week
// Digits that do not apply to the kind are kept but ignored.
//
// This file also holds the rule side of the input pane as plain data: which control shows
// which digit, the pane's visibility rules and the rule's description.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "people/person_table.h"

namespace pelmira {

// Kinds of rule (digit 2).
inline constexpr i16 kRuleDayOfMonth = 1;
inline constexpr i16 kRuleMonthDay = 2;
inline constexpr i16 kRuleExactDate = 3;
inline constexpr i16 kRuleWeekday = 4;

// The code of a new person: 1 2 0 0 1 1 1 1 0 0 0 0 0 0 (with notice days 0): show the age
// on the day, every year on the birthday, weeks one to four ticked, no moves.
inline constexpr NoticeCode kDefaultNoticeCode{1, 2, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
NoticeCode default_notice_code();

// Completes a code of an old data file: a code shorter than 3 characters gets
// "00111100000" appended, and one that is then still shorter than 14 gets one "0".
std::string widen_notice_code(std::string_view code);

// The stored digits of a code text: the numeric value of each character (a non-digit gives
// 0). A text longer than the 16 stored digits raises the overflow error.
NoticeCode notice_code_from_text(std::string_view code);

// Digits 1..14 as text ("12001111000000").
std::string notice_code_text(const NoticeCode& code);

// Whether a data file needs the days and the code of a person: they are left out when the
// rule is the default in every digit the notifier reads for kind 2 (digits 1, 2 and 9-12,
// and notice days 0).
bool notice_rule_written(i16 notice_days, const NoticeCode& code);

// The code as the input pane's controls hold it.
struct NoticeRule {
  bool show_age = true;                               // Check1 "誕生日の表示", digit 1
  i16 kind = kRuleMonthDay;                           // option5(1..4), digit 2; 0: none selected
  bool month_end = false;                             // Check2 "毎月の末日", digit 3
  bool birth_month_only = false;                      // Check6 "月を指定", digit 4
  std::array<bool, 4> weeks{true, true, true, true};  // Check5(1..4) "第一".."第四", 5-8
  std::array<bool, 3> move_on{};  // Check3(0..2) "土曜", "日曜", "祝祭日", digits 9-11
  std::array<bool, 2> move_to{};  // Check4(0..1) "前日へ移動", "後日へ移動", 12-13
  bool every_week = false;        // Check5(0) "毎週", digit 14
};

// A ticked box stands for a non-zero digit; a kind outside 1..4 selects no option.
NoticeRule decode_notice_code(const NoticeCode& code);
NoticeCode encode_notice_rule(const NoticeRule& rule);

// The rule part of the input pane "　入力　リスト　「Lunoka」".
struct NoticePane {
  std::string name;             // Text1
  std::string days_text = "0";  // Text3: notice days as typed
  NoticeRule rule;
};

// Fills the pane from person i's stored rule and sets the name; with i below 1 only the
// name is set. Traps as "nyu01".
void nyu01(const PersonTable& table, i16 i, std::string_view name, NoticePane& pane);

// The pane's rule as stored in a person: the days text with full-width digits narrowed,
// rounded half to even to 16 bits (a non-numeric text gives 0; a value beyond 16 bits raises
// the overflow error for the caller's trap), and the code from the boxes.
void store_pane_rule(const NoticePane& pane, i16& notice_days, NoticeCode& code);

// Which rule controls the pane shows (bhh01): by the selected kind.
struct NoticePaneVisibility {
  bool month_end = false;          // Check2: kind 1 only
  bool show_age = false;           // Check1: kind 2 only
  bool weekday_boxes = false;      // Check6 and Check5(0..4): kind 4 only
  bool move_boxes = false;         // Label1(6) "なら", Check3(0..2), Check4(0..1): not kind 4
  bool week_boxes_enabled = true;  // Check5(1..4): only while "毎週" is not ticked
};
NoticePaneVisibility bhh01(const NoticeRule& rule);

// A move box was clicked: when box `index` (0 the day before, 1 the day after) is now
// ticked, the other one is cleared. The window then rewrites the description.
void Check4_Click(NoticeRule& rule, int index);

// The birth-side date as the description shows it.
struct RuleDate {
  i16 year = 0, month = 0, day = 0;
  std::string era;  // the era name of the date; "西暦" (or empty) for none
  i16 era_year = 0;
  std::string weekday;  // 日 月 火 水 木 金 土
};

// "5月 3日".
std::string month_day_text(const RuleDate& date);
// "2000(平成12)年 5月 3日"; the parenthesis only when the date has an era.
std::string full_date_text(const RuleDate& date);

// The one- or two-line description of the pane's rule (Label1(3)); nullopt when no kind is
// selected, which leaves the description as it was. Traps as "noticeRuleText".
std::optional<std::string> noticeRuleText(const NoticePane& pane, const RuleDate& date);

}  // namespace pelmira
