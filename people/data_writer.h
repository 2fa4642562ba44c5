#pragma once
// Writing data files and text exports: the record line of a person, the encoding check that
// refuses a save instead of losing characters, and the atomic replacement of the target
// (a temporary file in the same folder, flushed to disk, renamed over the target), so that a
// failed save leaves the old file as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "people/person_table.h"

namespace pelmira {

// The record line of person p: an optional length prefix "^n^" (when the name holds "^",
// starts with "'", which would make the line a comment, or is blank, written "^1^ "), the
// name, "^", the date "1990 1 2", "^", and the notice days and code with their "^" when
// they are not the default.
std::string record_line(const PersonTable& table, i16 p);

// The header and one record per row of order list 0 (the persons listed, in ascending order).
std::vector<std::string> data_file_lines(const PersonTable& table);

// The last two lines of every file written: an empty line and the version comment.
std::vector<std::string> footer_lines();

// A text of the lines to write that the target encoding cannot hold, and those characters.
struct UnwritableText {
  std::size_t line = 0;  // index into the lines
  std::u32string characters;
};

// The lines joined with CR LF (each line ends with CR LF) in the encoding. Characters that
// Shift-JIS cannot hold are not replaced: the result is nullopt and `unwritable` lists them.
// In a data file a CR inside a line would split the record on reading; with
// `single_line_records` it is refused the same way.
std::optional<std::string> encode_lines(const std::vector<std::string>& lines,
                                        FileEncoding encoding, bool single_line_records,
                                        std::vector<UnwritableText>* unwritable);

// Replaces `path` by `bytes` atomically. Raises the run-time error of the failed step (75 for
// a folder or a read-only file, 61 for a full disk, 76 for a missing folder, ...); the target
// is then unchanged and no temporary file is left behind. A symbolic link is written through.
void write_file_atomically(const std::string& path, std::string_view bytes);

// Whether the file at `path` starts with the data-file header (in Shift-JIS or UTF-8).
bool is_data_file(const std::string& path);

// Whether anything exists at `path`.
bool path_exists(const std::string& path);

}  // namespace pelmira
