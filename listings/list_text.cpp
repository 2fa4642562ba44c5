#include "listings/list_text.h"

#include "core/date_text.h"
#include "core/formatting.h"
#include "core/text.h"

namespace pelmira {

std::string era_year_text(const ProgramState& state, i16 year, i16 month, i16 day, bool padded) {
  i16 shown = year;
  const std::string era = swhkiri(state, year, month, day, shown);
  const std::string number = std::to_string(shown);
  return era + (padded ? keta(number) : number);
}

std::string right_align(std::string_view text, std::size_t width) {
  const std::size_t length = char_count(text);
  if (length >= width) return std::string(text);
  return std::string(width - length, ' ') + std::string(text);
}

}  // namespace pelmira
