#include "notifier/data_line.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/encoding.h"
#include "core/runtime_error.h"
#include "core/text.h"
#include "people/numeric_text.h"

namespace pelmira {
namespace {

constexpr std::size_t kMaxSeparators = 5;
constexpr std::size_t kNoticeCodeDigits = 14;

bool is_cp932_lead(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::size_t utf8_length(std::string_view s, std::size_t pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  std::size_t length = 1;
  if ((b0 & 0xE0) == 0xC0)
    length = 2;
  else if ((b0 & 0xF0) == 0xE0)
    length = 3;
  else if ((b0 & 0xF8) == 0xF0)
    length = 4;
  if (length == 1 || pos + length > s.size()) return 1;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
  return length;
}

// Byte offset just past `count` characters from `pos` (or the end of the text).
std::size_t skip_chars(std::string_view s, std::size_t pos, i64 count, FileEncoding encoding) {
  for (; count > 0 && pos < s.size(); --count) pos += char_length(s, pos, encoding);
  return pos;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// What a byte is to the separator scan: 0 anything, 1 "^", 2 the first byte of a CP932
// double-byte character (whose second byte may be a "^").
constexpr std::array<std::uint8_t, 256> kCp932ByteClass = [] {
  std::array<std::uint8_t, 256> classes{};
  for (int b = 0x81; b <= 0x9F; ++b) classes[static_cast<std::size_t>(b)] = 2;
  for (int b = 0xE0; b <= 0xFC; ++b) classes[static_cast<std::size_t>(b)] = 2;
  classes['^'] = 1;
  return classes;
}();

bool all_ascii(std::string_view s) {
  unsigned char any = 0;
  for (const char c : s) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

}  // namespace

std::size_t char_length(std::string_view bytes, std::size_t pos, FileEncoding encoding) {
  if (encoding == FileEncoding::kUtf8) return utf8_length(bytes, pos);
  return is_cp932_lead(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size() ? 2 : 1;
}

LineKind split_data_line(std::string_view line, FileEncoding encoding, NotifierRecord& out) {
  out = NotifierRecord{};
  if (!line.empty() && line.front() == '\'') return LineKind::kComment;

  // ends[k]: where the text after separator k begins. Separators found by the scan are one
  // "^" byte; the one a length prefix points at may be any character.
  std::array<std::size_t, kMaxSeparators> separators{};
  std::array<std::size_t, kMaxSeparators> ends{};
  std::size_t count = 0;
  std::size_t pos = 0;
  if (!line.empty() && line.front() == '^') {
    // "^n^": the name is the next n characters and the character after it is the first
    // separator, whatever it is.
    const std::size_t second = skip_chars(line, 0, 2, encoding);
    std::size_t k = second;
    while (k < line.size() && line[k] != '^') k += char_length(line, k, encoding);
    if (k >= line.size()) raise_error(err::kInvalidCall);
    const i16 name_end = round_to_i16(numeric_value(line.substr(1, k - 1)) + 1);
    if (name_end < 1) raise_error(err::kInvalidCall);
    line.remove_prefix(k + 1);
    const std::size_t sep = skip_chars(line, 0, name_end - 1, encoding);
    pos = sep < line.size() ? sep + char_length(line, sep, encoding) : line.size();
    separators[count] = sep;
    ends[count++] = pos;
  }
  // A "^" byte inside a UTF-8 character cannot occur; in CP932 it may be the second byte of
  // a double-byte character, which the scan steps over whole.
  const bool cp932 = encoding == FileEncoding::kCp932;
  const std::size_t size = line.size();
  for (std::size_t i = pos; i < size; ++i) {
    const std::uint8_t kind = kCp932ByteClass[static_cast<unsigned char>(line[i])];
    if (kind == 1) {
      if (count == kMaxSeparators) raise_error(err::kSubscript);
      separators[count] = i;
      ends[count++] = i + 1;
    } else if (kind == 2 && cp932) {
      ++i;  // the second byte (past the end for a lead byte at the end: the loop stops)
    }
  }
  if (count == 0) return LineKind::kNoSeparator;
  if (count == 1) {
    out.unterminated_date = true;
    return LineKind::kRecord;
  }
  const auto between = [&](std::size_t k) {
    return ends[k] < separators[k + 1] ? line.substr(ends[k], separators[k + 1] - ends[k])
                                       : std::string_view();
  };
  out.name = line.substr(0, std::min(separators[0], size));
  out.date = between(0);
  if (count >= 3) {
    out.has_rule = true;
    out.days = between(1);
    out.code_chars = line.substr(std::min(ends[2], size));
  }
  return LineKind::kRecord;
}

NoticePerson person_of(const NotifierRecord& line, FileEncoding encoding,
                       std::vector<DateReaderAlert>& alerts) {
  if (line.unterminated_date) raise_error(err::kInvalidCall);
  NoticePerson person;
  readDateText(line.date, person.year, person.month, person.day, alerts);
  if (person.year == 0 || person.month == 0 || person.day == 0) raise_error(err::kInvalidCall);
  if (!line.has_rule) return person;
  person.notice_days = round_to_i16(numeric_value(line.days));
  const std::string_view code = line.code_chars;
  const std::string_view first_digits = code.substr(0, kNoticeCodeDigits);
  if (all_ascii(first_digits)) {  // one byte a character
    for (std::size_t digit = 0; digit < kNoticeCodeDigits; ++digit)
      person.code[digit] = digit < code.size() && is_digit(code[digit]) ? code[digit] - '0' : 0;
    return person;
  }
  std::size_t pos = 0;
  for (std::size_t digit = 0; digit < kNoticeCodeDigits; ++digit) {
    if (pos >= code.size()) {
      person.code[digit] = 0;
      continue;
    }
    const std::size_t length = char_length(code, pos, encoding);
    person.code[digit] = (length == 1 && is_digit(code[pos])) ? code[pos] - '0' : 0;
    pos += length;
  }
  return person;
}

std::string to_display_text(std::string_view bytes, FileEncoding encoding) {
  if (encoding == FileEncoding::kUtf8) return to_utf8(to_u32(bytes));
  if (std::optional<std::string> text = cp932_to_utf8(bytes)) return std::move(*text);
  // Character by character, so one bad character does not take the rest with it.
  std::string text;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = char_length(bytes, pos, encoding);
    const std::optional<std::string> one = cp932_to_utf8(bytes.substr(pos, length));
    text += one ? *one : std::string("\xEF\xBF\xBD");
    pos += length;
  }
  return text;
}

}  // namespace pelmira
