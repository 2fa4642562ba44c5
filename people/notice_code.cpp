#include "people/notice_code.h"

#include "core/text.h"
#include "core/trap.h"
#include "people/numeric_text.h"

namespace pelmira {

NoticeCode default_notice_code() {
  return kDefaultNoticeCode;
}

std::string widen_notice_code(std::string_view code) {
  std::string widened(code);
  if (char_count(widened) < 3) widened += "00111100000";
  if (char_count(widened) < kCodeDigits) widened += "0";
  return widened;
}

NoticeCode notice_code_from_text(std::string_view code) {
  const std::u32string chars = to_u32(code);
  if (chars.size() > kCodeSlots) raise_overflow();
  NoticeCode digits{};
  for (std::size_t k = 0; k < chars.size(); ++k)
    digits[k] = static_cast<std::uint8_t>(digit_value(chars[k]));
  return digits;
}

std::string notice_code_text(const NoticeCode& code) {
  std::string text;
  for (std::size_t k = 0; k < kCodeDigits; ++k) text += std::to_string(code[k]);
  return text;
}

bool notice_rule_written(i16 notice_days, const NoticeCode& code) {
  // Each term is tested on its own: a plain sum would let a negative day count cancel a
  // ticked move box and drop both from the file.
  return code[0] != 1 || code[1] != 2 || notice_days != 0 || code[8] != 0 || code[9] != 0 ||
         code[10] != 0 || code[11] != 0;
}

NoticeRule decode_notice_code(const NoticeCode& code) {
  NoticeRule rule;
  rule.show_age = code[0] != 0;
  rule.kind = code[1] >= kRuleDayOfMonth && code[1] <= kRuleWeekday ? code[1] : 0;
  rule.month_end = code[2] != 0;
  rule.birth_month_only = code[3] != 0;
  for (std::size_t w = 0; w < 4; ++w) rule.weeks[w] = code[4 + w] != 0;
  for (std::size_t d = 0; d < 3; ++d) rule.move_on[d] = code[8 + d] != 0;
  for (std::size_t m = 0; m < 2; ++m) rule.move_to[m] = code[11 + m] != 0;
  rule.every_week = code[13] != 0;
  return rule;
}

NoticeCode encode_notice_rule(const NoticeRule& rule) {
  NoticeCode code{};
  const auto bit = [](bool ticked) { return static_cast<std::uint8_t>(ticked ? 1 : 0); };
  code[0] = bit(rule.show_age);
  code[1] = static_cast<std::uint8_t>(rule.kind >= 1 && rule.kind <= 4 ? rule.kind : 0);
  code[2] = bit(rule.month_end);
  code[3] = bit(rule.birth_month_only);
  for (std::size_t w = 0; w < 4; ++w) code[4 + w] = bit(rule.weeks[w]);
  for (std::size_t d = 0; d < 3; ++d) code[8 + d] = bit(rule.move_on[d]);
  for (std::size_t m = 0; m < 2; ++m) code[11 + m] = bit(rule.move_to[m]);
  code[13] = bit(rule.every_week);
  return code;
}

void nyu01(const PersonTable& table, i16 i, std::string_view name, NoticePane& pane) {
  trap("nyu01", [&] {
    if (i >= 1) {
      const auto person = static_cast<std::size_t>(i);
      pane.days_text = std::to_string(table.noticeDays.at(person));
      pane.rule = decode_notice_code(table.noticeCode.at(person));
    }
    pane.name = std::string(name);
  });
}

void store_pane_rule(const NoticePane& pane, i16& notice_days, NoticeCode& code) {
  notice_days = round_to_i16(numeric_value(narrow_text(pane.days_text)));
  code = encode_notice_rule(pane.rule);
}

NoticePaneVisibility bhh01(const NoticeRule& rule) {
  NoticePaneVisibility shown;
  const bool weekday = rule.kind == kRuleWeekday;
  shown.month_end = rule.kind == kRuleDayOfMonth;
  shown.show_age = rule.kind == kRuleMonthDay;
  shown.weekday_boxes = weekday;
  shown.move_boxes = !weekday;
  shown.week_boxes_enabled = !rule.every_week;
  return shown;
}

void Check4_Click(NoticeRule& rule, int index) {
  if (index != 0 && index != 1) return;
  if (rule.move_to[static_cast<std::size_t>(index)])
    rule.move_to[static_cast<std::size_t>(1 - index)] = false;
}

std::string month_day_text(const RuleDate& date) {
  return std::to_string(date.month) + "月 " + std::to_string(date.day) + "日";
}

std::string full_date_text(const RuleDate& date) {
  std::string text = std::to_string(date.year);
  if (!date.era.empty() && date.era != "西暦")
    text += "(" + date.era + std::to_string(date.era_year) + ")";
  return text + "年 " + month_day_text(date);
}

namespace {

// The second line of kinds 1-3: "但し 土曜 日曜 の場合前日とする".
std::string move_line(const NoticeRule& rule) {
  static constexpr std::array<std::string_view, 3> kDayCaptions{"土曜", "日曜", "祝祭日"};
  static constexpr std::array<std::string_view, 2> kMoveCaptions{"前日へ移動", "後日へ移動"};
  std::string move;
  for (std::size_t m = 0; m < 2; ++m)
    if (rule.move_to[m]) move = char_left(kMoveCaptions[m], 2);
  std::string days;
  for (std::size_t d = 0; d < 3; ++d)
    if (rule.move_on[d]) days += char_left(kDayCaptions[d], 3) + " ";
  if (days.empty() || move.empty()) return {};
  return "\r\n但し " + days + "の場合" + move + "とする";
}

std::string weekday_caption(const NoticeRule& rule, const RuleDate& date, const std::string& lead) {
  static constexpr std::array<std::string_view, 4> kWeekCaptions{"第一", "第二", "第三", "第四"};
  const std::string month_part =
      rule.birth_month_only ? std::to_string(date.month) + "月の" : std::string();
  std::string weeks;
  if (rule.every_week) {
    weeks = "毎週";
  } else {
    for (std::size_t w = 0; w < 4; ++w)
      if (rule.weeks[w]) weeks += std::string(kWeekCaptions[w]) + " ";
  }
  if (weeks.empty()) return "表示をしません。";
  return month_part + weeks + " " + date.weekday + "曜日" + lead + "表示";
}

}  // namespace

std::optional<std::string> noticeRuleText(const NoticePane& pane, const RuleDate& date) {
  return trap("noticeRuleText", [&]() -> std::optional<std::string> {
    const NoticeRule& rule = pane.rule;
    const double days = numeric_value(narrow_text(pane.days_text));
    const std::string lead = days > 0 ? "の " + pane.days_text + "日前から" : "に";
    std::string caption;
    switch (rule.kind) {
      case kRuleExactDate:
        caption = full_date_text(date) + "(" + date.weekday + "曜日)" + lead + "表示";
        break;
      case kRuleMonthDay:
        caption =
            "毎年 " + month_day_text(date) + lead + (rule.show_age ? " 誕生日の表示" : "表示");
        break;
      case kRuleDayOfMonth:
        caption = rule.month_end ? "毎月 末日" + lead + "表示"
                                 : "毎月 " + std::to_string(date.day) + "日" + lead + "表示";
        break;
      case kRuleWeekday:
        return weekday_caption(rule, date, lead);
      default:
        return std::nullopt;
    }
    return caption + move_line(rule);
  });
}

}  // namespace pelmira
