#include <algorithm>
#include <array>

#include "core/date_text.h"
#include "core/eras.h"
#include "core/text.h"
#include "core/trap.h"
#include "listings/selector.h"

namespace pelmira {
namespace {

bool is_digit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// The date part of a listing line, cut as `mojisyu` cuts it (mode 0 the first 6
// characters, 1 the last 10, 2 fifteen from the 3rd), widened so that the cut never splits
// a number: a five-digit year keeps all its digits.
std::string date_part(std::string_view line, i16 mode) {
  const std::u32string chars = to_u32(line);
  const std::size_t size = chars.size();
  std::size_t begin = 0;
  std::size_t end = size;
  switch (mode) {
    case 0:
      end = std::min<std::size_t>(6, size);
      break;
    case 1:
      begin = size > 10 ? size - 10 : 0;
      break;
    default:
      begin = std::min<std::size_t>(2, size);
      end = std::min<std::size_t>(17, size);
      break;
  }
  while (begin > 0 && is_digit(chars[begin - 1]) && is_digit(chars[begin])) --begin;
  while (end < size && end > 0 && is_digit(chars[end - 1]) && is_digit(chars[end])) ++end;
  return to_utf8(std::u32string_view(chars).substr(begin, end - begin));
}

// Rows of kinds 2 to 7 that hold no date: headings, separators and the closing note.
bool is_heading_row(i16 kind, int row) {
  switch (kind) {
    case kListingZodiacYears:
    case kListingWedding:
      return row <= 1;
    case kListingCeremonies:
      return row <= 2 || row == 6 || row == 7 || row >= 16;
    case kListingMemorial:
      return row <= 1 || row == 5 || row >= 16;
    case kListingUnluckyYears:
      return row <= 2 || row == 8 || row == 9 || row >= 15;
    default:
      return false;
  }
}

// Reads the date part of a row into a slot. The slot changes only when the row holds a
// year the dates can take (1 or later); its era label becomes the one the row shows.
void take_row_date(ProgramState& state, int slot, std::string_view text) {
  if (text.find('-') != std::string_view::npos) return;  // a year before 1
  DateSlot& target = state.slots[static_cast<std::size_t>(slot)];
  i16 year = target.entered_year, month = target.month, day = target.day;
  const std::string era = bnsk(state, text, year, month, day, static_cast<i16>(slot));
  if (era.empty() || nnen(era, year) < 1) return;
  target.era_label() = era;
  target.entered_year = year;
  target.month = month;
  target.day = day;
}

// Moves the year of a slot by a number of rows; the year is then read as a Western year.
void shift_year(ProgramState& state, int slot, i32 rows, i16 sign) {
  DateSlot& target = state.slots[static_cast<std::size_t>(slot)];
  target.entered_year = add16(target.year, mul16(rows, sign));
  target.era_label() = "";
}

bool usable_row(const Listing& shown, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < shown.lines.size() &&
         !shown.lines[static_cast<std::size_t>(row)].empty();
}

}  // namespace

RowClick List3_MouseDown(ProgramState& state, ListingSession& session, int row,
                         const std::function<std::optional<i16>(int)>& person_year) {
  RowClick click;
  trap("List3_MouseDown", [&] {
    const Listing& shown = session.shown;
    const int side = session.side == 1 ? 1 : 0;
    const int opposite = 1 - side;
    const i16 sign = side == 0 ? 1 : -1;
    const i16 kind = session.kind;
    switch (kind) {
      case kListingSchool: {
        if (!usable_row(shown, row) || row <= 2 || row == 9 || row == 13 || row == 17) return;
        const int offset = row - 2 - static_cast<int>(row > 9) - static_cast<int>(row > 13) -
                           static_cast<int>(row > 17);
        shift_year(state, opposite, offset - session.school_row_base, sign);
        return;
      }
      case kListingAges:
        if (!usable_row(shown, row) || row <= 1) return;
        shift_year(state, opposite, row - 2 - session.age_row_base, sign);
        session.skip_once = true;
        return;
      case kListingZodiacYears:
      case kListingWedding:
      case kListingCeremonies:
      case kListingMemorial:
      case kListingUnluckyYears:
      case kListingSolarTerms: {
        if (!usable_row(shown, row) || is_heading_row(kind, row)) return;
        const i16 mode = kind == kListingZodiacYears ? 0 : kind == kListingSolarTerms ? 2 : 1;
        const int target = kind == kListingZodiacYears  ? 0
                           : kind == kListingSolarTerms ? side
                                                        : opposite;
        take_row_date(state, target, date_part(shown.lines[static_cast<std::size_t>(row)], mode));
        return;
      }
      case kListingSameDate: {
        if (row < 0 || static_cast<std::size_t>(row) >= shown.row_map.size()) return;
        if (shown.row_map.empty() || shown.row_map[0] == -1) return;
        click.person = shown.row_map[static_cast<std::size_t>(row)];
        if (person_year) {
          if (const std::optional<i16> year = person_year(click.person)) {
            state.slots[0].era_label() = "";
            state.slots[0].entered_year = *year;
          }
        }
        session.skip_once = true;
        return;
      }
      default:
        session.skip_once = true;  // the fortune view, date information and day counts
        return;
    }
  });
  return click;
}

}  // namespace pelmira
