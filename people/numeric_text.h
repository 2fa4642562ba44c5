#pragma once
// Reading numbers out of the texts of data files and input boxes the way the list has always
// read them: leading digits only, blanks ignored, a non-number reading as 0.

#include <string>
#include <string_view>

namespace pelmira {

// Full-width ASCII forms (！ to ～), the ideographic space and the typographic quotes ’ “ ”
// become their narrow forms; every other character stays.
std::string narrow_text(std::string_view text);

// The numeric value of the start of a text: blanks, tabs and line feeds are skipped anywhere,
// then an optional sign, digits, a decimal point with digits and an exponent (E or D) are
// read up to the first other character. No number reads as 0; a value too large for a
// double reads as infinity. Only ASCII digits count (narrow full-width ones first).
double numeric_value(std::string_view text);

// The value of one character as a code digit: 0..9 for "0".."9", 0 for anything else.
int digit_value(char32_t c);

}  // namespace pelmira
