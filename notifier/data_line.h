#pragma once
// One line of a data file as the notifier reads it. Lines stay in their file's encoding
// (CP932 or UTF-8) while they are split: positions count characters of that encoding, so a
// CP932 double-byte character whose second byte is "^" never splits a field.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "notifier/kpelmirahm.h"
#include "notifier/notification_rule.h"
#include "people/person_table.h"

namespace pelmira {

// Byte length of the character starting at `pos` (1 for a malformed byte).
std::size_t char_length(std::string_view bytes, std::size_t pos, FileEncoding encoding);

enum class LineKind { kComment, kNoSeparator, kRecord };

struct NotifierRecord {
  bool unterminated_date = false;  // a single separator: reading the date is an error
  std::string_view name;
  std::string_view date;
  bool has_rule = false;        // a third separator: notice days and code follow
  std::string_view days;        // between the second and third separators
  std::string_view code_chars;  // from after the third separator to the end of the line
};

// Splits a line at its "^" separators (a leading "^n^" gives the name's length n, so a name
// may hold "^"). More than five separators or a bad length prefix raise a run-time error; a
// record with a single separator is marked, as reading its date fails (person_of).
LineKind split_data_line(std::string_view line, FileEncoding encoding, NotifierRecord& out);

// The person of a record: its date through readDateText (year, month and day must all be
// non-zero, else error 5), its notice days and the 14 code digits, or the defaults without
// a rule.
NoticePerson person_of(const NotifierRecord& line, FileEncoding encoding,
                       std::vector<DateReaderAlert>& alerts);

// Text of the line's encoding as UTF-8; what is not valid becomes U+FFFD.
std::string to_display_text(std::string_view bytes, FileEncoding encoding);

}  // namespace pelmira
