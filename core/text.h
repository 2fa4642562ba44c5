#pragma once
// UTF-8 text helpers. Texts are UTF-8 std::string throughout; "characters" are Unicode code
// points. Invalid byte sequences decode to U+FFFD, one per offending byte, so no input can
// make a helper fail or read out of bounds.

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmira {

// Decodes the character at byte `pos` and moves `pos` past it; a malformed byte reads as
// U+FFFD and moves `pos` by one. `pos` must be before the end.
char32_t next_char(std::string_view utf8, std::size_t& pos);

// Whether every byte of the text belongs to a well-formed character.
bool is_valid_utf8(std::string_view utf8);

std::u32string to_u32(std::string_view utf8);
std::string to_utf8(std::u32string_view text);

// The UTF-8 text of UTF-8 bytes or of decoded characters, for code written for either.
inline std::string utf8_text(std::string_view bytes) {
  return std::string(bytes);
}
std::string utf8_text(std::u32string_view chars);
void append_utf8(std::string& out, char32_t c);

// Number of characters.
std::size_t char_count(std::string_view utf8);

// Up to `count` characters starting at character `start` (0-based).
std::string char_substr(std::string_view utf8, std::size_t start,
                        std::size_t count = std::string_view::npos);

// The first / last `count` characters.
std::string char_left(std::string_view utf8, std::size_t count);
std::string char_right(std::string_view utf8, std::size_t count);

// `count` copies of a text.
std::string repeat(std::string_view text, std::size_t count);

}  // namespace pelmira
