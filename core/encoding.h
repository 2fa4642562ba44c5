#pragma once
// Conversions between UTF-8 (the program's text) and CP932 (Shift-JIS, the data files'
// encoding), through iconv, and the display width of a text in a CP932 column layout.

#include <optional>
#include <string>
#include <string_view>

namespace pelmira {

// CP932 bytes to UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> cp932_to_utf8(std::string_view bytes);

// UTF-8 to CP932 bytes; nullopt when a character has no CP932 form (its characters are
// appended to `unencodable` when given).
std::optional<std::string> utf8_to_cp932(std::string_view utf8,
                                         std::u32string* unencodable = nullptr);

// Display columns: a character that is one byte in CP932 counts 1, any other 2.
int cp932_display_width(std::string_view utf8);

}  // namespace pelmira
