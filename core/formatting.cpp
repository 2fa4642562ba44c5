#include "core/formatting.h"

#include <algorithm>

#include "core/text.h"
#include "core/trap.h"

namespace pelmira {

std::string keta(std::string_view text) {
  return trap("keta", [&]() -> std::string {
    std::string padded = char_count(text) == 1 ? " " : "";
    padded.append(text);
    return padded;
  });
}

std::string binx(i16 number) {
  return trap("binx", [&]() -> std::string {
    std::string digits;
    i32 n = number;
    do {
      digits += n % 2 != 0 ? '1' : '0';  // the lowest bit, for negative numbers too
      n /= 2;
    } while (n != 0);
    return digits;
  });
}

std::string mojisyu(std::string_view text, i16 kind) {
  return trap("mojisyu", [&]() -> std::string {
    switch (kind) {
      case 0:
        return char_left(text, 6);
      case 1:
        return char_right(text, 10);
      case 2:
        return char_substr(text, 2, 15);
      default:
        return {};
    }
  });
}

std::string two_line_split(std::string_view text) {
  std::string first;
  std::string second;
  int spaces = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    (spaces >= 2 ? second : first) += c;
    if (c == ' ') ++spaces;
  }
  // Eight or more spaces would ask for a negative run: such a text gets no indentation.
  const int run = std::max(0, spaces > 4 ? 16 - 5 * (spaces - 4) : 16);
  return first + "\r\n" + std::string(static_cast<std::size_t>(run), ' ') + second;
}

void folder_of_path(std::string_view path, std::string& folder) {
  const std::size_t slash = path.rfind('/');
  if (slash != std::string_view::npos) folder = std::string(path.substr(0, slash));
}

}  // namespace pelmira
