#include "core/text.h"

namespace pelmira {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Whether the character just read from `from` to `to` stood for a malformed byte rather than
// a U+FFFD written in the text (which takes three bytes).
bool was_malformed(char32_t c, std::size_t from, std::size_t to) {
  return c == kReplacement && to - from == 1;
}

}  // namespace

char32_t next_char(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(pos);
  int length = 0;
  char32_t c = 0;
  if (b0 < 0x80) {
    ++pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    c = b0 & 0x07;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + length > s.size()) {
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    c = (c << 6) | (b & 0x3F);
  }
  const bool overlong =
      (length == 2 && c < 0x80) || (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += length;
  return c;
}

void append_utf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool is_valid_utf8(std::string_view bytes) {
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  while (i < bytes.size()) {
    const unsigned char b = at(i);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) low = 0xA0;   // no overlong forms
      if (b == 0xED) high = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    if (at(i + 1) < low || at(i + 1) > high) return false;
    for (std::size_t k = 2; k < length; ++k)
      if ((at(i + k) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

std::u32string to_u32(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) out += next_char(utf8, pos);
  return out;
}

std::string to_utf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char32_t c : text) append_utf8(out, c);
  return out;
}

std::string utf8_text(std::u32string_view chars) {
  return to_utf8(chars);
}

std::size_t char_count(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++n) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80)
      ++pos;
    else
      next_char(utf8, pos);
  }
  return n;
}

std::string char_substr(std::string_view utf8, std::size_t start, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < start && pos < utf8.size(); ++n) next_char(utf8, pos);
  if (pos >= utf8.size()) return {};
  // Well-formed characters are copied as they stand; a malformed byte becomes U+FFFD.
  const std::size_t from = pos;
  bool well_formed = true;
  for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) {
    const std::size_t at = pos;
    const char32_t c = next_char(utf8, pos);  // moves pos: read it only afterwards
    if (was_malformed(c, at, pos)) well_formed = false;
  }
  const std::string_view part = utf8.substr(from, pos - from);
  if (well_formed) return std::string(part);
  std::string out;
  for (std::size_t at = 0; at < part.size();) append_utf8(out, next_char(part, at));
  return out;
}

std::string char_left(std::string_view utf8, std::size_t count) {
  return char_substr(utf8, 0, count);
}

std::string char_right(std::string_view utf8, std::size_t count) {
  const std::size_t n = char_count(utf8);
  return count >= n ? std::string(utf8) : char_substr(utf8, n - count);
}

std::string repeat(std::string_view text, std::size_t count) {
  std::string out;
  out.reserve(text.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += text;
  return out;
}

}  // namespace pelmira
