#include "people/numeric_text.h"

#include <cmath>

#include "core/text.h"

namespace pelmira {

std::string narrow_text(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      out += text[pos++];
      continue;
    }
    char32_t c = next_char(text, pos);
    if (c >= U'\uFF01' && c <= U'\uFF5E') c = c - 0xFF01 + 0x21;
    if (c == U'\u3000') c = U' ';
    // The typographic quotes an input method types for ' and ".
    if (c == U'\u2019') c = U'\'';
    if (c == U'\u201C' || c == U'\u201D') c = U'"';
    append_utf8(out, c);
  }
  return out;
}

double numeric_value(std::string_view text) {
  std::size_t pos = 0;
  // Skips the blanks the reader ignores and returns the next byte, or 0 at the end.
  const auto peek = [&]() -> char {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n')) ++pos;
    return pos < text.size() ? text[pos] : '\0';
  };
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };

  double sign = 1;
  if (peek() == '-' || peek() == '+') {
    sign = text[pos] == '-' ? -1 : 1;
    ++pos;
  }
  // Digits are summed in long double: exact for every value a 16- or 32-bit field can take,
  // and linear in the length of the text however long it is.
  long double value = 0;
  bool any_digit = false;
  for (char c; is_digit(c = peek()); ++pos) {
    value = value * 10 + (c - '0');
    any_digit = true;
  }
  if (peek() == '.') {
    ++pos;
    long double scale = 1;
    for (char c; is_digit(c = peek()); ++pos) {
      scale /= 10;
      value += (c - '0') * scale;
      any_digit = true;
    }
  }
  if (!any_digit) return 0;
  const char e = peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    const std::size_t mark = ++pos;
    int exponent_sign = 1;
    if (peek() == '-' || peek() == '+') {
      exponent_sign = text[pos] == '-' ? -1 : 1;
      ++pos;
    }
    long exponent = 0;
    bool any = false;
    for (char c; is_digit(c = peek()); ++pos) {
      if (exponent < 100000) exponent = exponent * 10 + (c - '0');
      any = true;
    }
    if (any) {
      value *= std::pow(10.0L, static_cast<long double>(exponent_sign * exponent));
    } else {
      pos = mark;
    }
  }
  const long double result = sign * value;
  if (!std::isfinite(static_cast<double>(result))) return sign * HUGE_VAL;
  return static_cast<double>(result);
}

int digit_value(char32_t c) {
  return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : 0;
}

}  // namespace pelmira
