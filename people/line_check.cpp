#include "people/line_check.h"

#include <type_traits>

#include "core/text.h"
#include "core/trap.h"
#include "people/numeric_text.h"

namespace pelmira {
namespace {

constexpr char32_t kSeparator = U'^';
constexpr double kLargestValue = 20000;
constexpr std::string_view kCrLf = "\r\n";

// Characters `from`..`from + count` of the line: decoded characters, or the bytes of a
// well-formed UTF-8 line, where every "^" is one byte and a field between two of them is
// the same text either way.
template <class Text>
std::string slice(const Text& chars, std::size_t from, std::size_t count) {
  if (from >= chars.size()) return {};
  return utf8_text(std::basic_string_view<typename Text::value_type>(chars).substr(from, count));
}

// The length prefix "^n^" (n of one or two characters). Sets the name field and returns
// the index of the character that ends the name, which counts as the last separator.
std::size_t read_prefix(const std::u32string& chars, LineCheck& check) {
  // k is the 1-based position of the prefix's closing "^", looked for at 2, 3 and 4.
  std::size_t k = 2;
  double n = 0;
  for (; k <= chars.size(); ++k) {
    if (k > 4) {
      check.slots[16] = "文字数の指定数が大き過ぎます。";
      break;
    }
    if (chars[k - 1] == kSeparator) {
      n = std::nearbyint(numeric_value(slice(chars, 1, k - 2)));
      // A negative count cannot name a name: it is as good as none.
      if (n <= 0) {
        n = 0;
        check.slots[1] = "文字数の指定が有りません。";
      }
      break;
    }
  }
  const auto count = static_cast<std::size_t>(n);
  check.fields[0] = slice(chars, k, count);
  check.field_count = 1;
  const std::size_t end = k + count;  // 0-based index of the character after the name
  if (end >= chars.size() || chars[end] != kSeparator)
    check.slots[2] = "指定した文字数と氏名データが合いません。";
  return end;
}

// The fields ended by "^" from `start` on; a fifth field is an error and ends the scan.
template <class Text>
void read_fields(const Text& chars, std::size_t start, std::size_t last_separator,
                 bool after_prefix, LineCheck& check) {
  std::size_t field_start = after_prefix ? last_separator + 1 : 0;
  for (std::size_t at = start; at < chars.size(); ++at) {
    if (chars[at] != kSeparator) continue;
    ++check.field_count;
    if (check.field_count > 4) {
      check.slots[3] = "データの区切り記号 ^ の使い方か間違ってます。";
      return;
    }
    check.fields[static_cast<std::size_t>(check.field_count - 1)] =
        slice(chars, field_start, at - field_start);
    field_start = at + 1;
  }
}

// The value of a group of ASCII digits, saturating far above any limit checked here.
double group_value(std::string_view digits) {
  double value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value > 1e12) return value;
  }
  return value;
}

void check_date(LineCheck& check) {
  int group = 0;
  const std::string date = narrow_text(check.fields[1]);
  for (std::size_t at = 0; at < date.size();) {
    const char32_t c = next_char(date, at);
    if (c >= U'0' && c <= U'9') {
      check.date_groups[static_cast<std::size_t>(group)] += static_cast<char>(c);
      continue;
    }
    ++group;
    if (group > 2) {
      check.slots[5] = "年月日のデータに余分なデータが有ります。";
      break;
    }
  }
  if (group < 2) check.slots[6] = "年月日のデータが足りません。";
  for (const std::string& digits : check.date_groups) {
    const double value = group_value(digits);
    if (value > kLargestValue)
      check.slots[7] = "年月日のデータの中にオーバーフローするデータが有ります。";
    if (value == 0) check.slots[8] = "年月日のデータの中に０のデータが有ります。";
  }
}

void check_days_and_code(LineCheck& check) {
  if (check.field_count <= 2) return;
  const std::string& days = check.fields[2];
  if (numeric_value(days) > kLargestValue) check.slots[10] = "日数がオーバーフローします。";
  if (char_count(days) == 14) check.slots[11] = "日数のデータが有りません。";
  if (check.field_count == 3) {
    check.slots[9] = "日数 か「Lunoka」用データが有りません。";
    return;
  }
  const std::u32string code = to_u32(check.fields[3]);
  if (code.size() != 14) check.slots[12] = "「Lunoka」用のデータ数は１４桁です。";
  for (std::size_t j = 1; j <= code.size(); ++j) {
    if (j != 2 && digit_value(code[j - 1]) > 1)
      check.slots[13] =
          "「Lunoka」用データの左から" + std::to_string(j) + "番目のデータが不正です。(０か１)";
  }
  const int kind = code.size() >= 2 ? digit_value(code[1]) : 0;
  if (kind < 1 || kind > 4)
    check.slots[14] = "「Lunoka」用データの左から２番目のデータが不正です。(１～４)";
}

std::string build_report(std::string_view line, const LineCheck& check) {
  std::string report;
  const auto add = [&report](std::string_view text) {
    report += text;
    report += kCrLf;
  };
  add(line);
  add("のデータにエラーを見つけました。");
  add("");
  add("調査結果(以下のように認識しています。)");
  add("　氏名　　　　　　" + check.fields[0]);
  add("　生年月日　　　　" + check.date_groups[0] + "年 " + check.date_groups[1] + "月 " +
      check.date_groups[2] + "日");
  add("　日数　　　　　　" + check.fields[2]);
  add("　Lunoka用　" + check.fields[3]);
  add("");
  add("エラー内容(一つの原因からでも複数の表示をしています。)");
  return report + check.message;
}

// The checks of one line, given as its decoded characters or, when it is well-formed UTF-8
// without a length prefix, as its bytes.
template <class Text>
LineCheck check_line(const Text& chars, std::string_view line) {
  LineCheck check;
  if (!chars.empty() && chars.front() == U'\'') return check;
  if (chars.empty() || chars.back() != kSeparator)
    check.slots[15] = "データの最後に ^ が有りません。";

  if constexpr (std::is_same_v<Text, std::u32string>) {
    if (!chars.empty() && chars.front() == kSeparator) {
      const std::size_t end = read_prefix(chars, check);
      read_fields(chars, end + 1, end, true, check);
    } else {
      read_fields(chars, 0, 0, false, check);
    }
  } else {
    read_fields(chars, 0, 0, false, check);
  }
  if (check.fields[0].empty()) check.slots[4] = "氏名のデータが有りません。";
  check_date(check);
  check_days_and_code(check);

  for (const std::string& text : check.slots) {
    if (text.empty()) continue;
    check.message += "　" + text;
    check.message += kCrLf;
  }
  if (check.message.empty()) return check;
  check.report = build_report(line, check);
  check.result = check.field_count > 0 ? 1 : 0;
  return check;
}

}  // namespace

LineCheck datachekku(std::string_view line) {
  return trap("datachekku", [&]() -> LineCheck {
    // Decoding costs more than every check together: most lines are checked as bytes.
    const bool as_bytes = !line.empty() && line.front() != '^' && is_valid_utf8(line);
    return as_bytes ? check_line(line, line) : check_line(to_u32(line), line);
  });
}

bool CorrectionWindow::press(CorrectionButton button) {
  switch (button) {
    case CorrectionButton::kRecheck:
      line_under_correction = edit_text;
      verdict = kVerdictCheckAgain;
      return true;
    case CorrectionButton::kForce:
      line_under_correction = edit_text;
      verdict = kVerdictGoOn;
      return true;
    case CorrectionButton::kSkip:
      line_under_correction = "'" + line_under_correction;
      verdict = kVerdictGoOn;
      return true;
    case CorrectionButton::kRevert:
      edit_text = line_under_correction;
      return false;
    case CorrectionButton::kStop:
      verdict = kVerdictStop;
      return true;
  }
  return false;
}

void datashyusei(std::string& line, i16& verdict, CorrectionHandler& handler) {
  trap("datashyusei", [&] {
    while (true) {
      const LineCheck check = datachekku(line);
      if (check.result != 1) return;
      CorrectionWindow window;
      window.line_under_correction = line;
      window.edit_text = line;
      window.report = check.report;
      window.verdict = verdict;
      handler.show_correction(window);
      line = window.line_under_correction;
      verdict = window.verdict;
      if (verdict != kVerdictCheckAgain) return;
    }
  });
}

}  // namespace pelmira
