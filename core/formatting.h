#pragma once
// Small formatting helpers used wherever dates and numbers go into list columns.

#include <string>
#include <string_view>

#include "core/checked.h"

namespace pelmira {

// The text with one space in front when it is exactly one character long ("5" -> " 5").
std::string keta(std::string_view text);

// Binary digits of a number, lowest bit first (6 -> "011", 0 -> "0").
std::string binx(i16 number);

// Fixed cuts of a list line: the first 6 characters (kind 0), the last 10 (kind 1), or 15
// characters from the 3rd (kind 2).
std::string mojisyu(std::string_view text, i16 kind);

// Breaks a long reading into two lines after its second space: first part, CR LF, a run of
// 16 spaces (5 fewer for every space beyond the fourth, none from the eighth space on) and
// the rest. No trap of its own.
std::string two_line_split(std::string_view text);

// Sets `folder` to what precedes the last "/" of `path`; a path without one leaves it.
void folder_of_path(std::string_view path, std::string& folder);

}  // namespace pelmira
