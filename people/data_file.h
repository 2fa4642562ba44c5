#pragma once
// The text of a data file as the reader sees it: the header decides the encoding (the header
// in UTF-8, with or without a byte-order mark, makes a UTF-8 file; otherwise the file is
// Shift-JIS, CP932), and the rest is cut into lines at CR or CR LF (a lone LF stays in its
// line) and decoded to UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include "people/person_table.h"

namespace pelmira {

// The first line of every data file.
inline constexpr std::string_view kDataFileHeader = "Pelmira年齢計算用リスト";

// Files above this size are not data files (a list of the most persons is a few MB).
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{256} << 20;

struct DataLine {
  std::string text;      // UTF-8; when !readable, the bytes with each bad one as U+FFFD
  bool readable = true;  // false: the bytes are not valid in the file's encoding, or hold NUL
};

struct DataFileText {
  FileEncoding encoding = FileEncoding::kCp932;
  std::vector<DataLine> lines;  // the lines after the header: lines[k] is file line k + 2
};

// The bytes of a regular file. Raises the run-time error of a failed read: 53 not found,
// 75 a folder or other non-regular file, 70 no permission, 321 a file too large for a list.
std::string read_file_bytes(const std::string& path);

// Whether a data file ends its lines with LF: its first line break is a lone LF, as editors on
// this platform write them. Other files end their lines at CR or CR LF, and a lone LF stays
// inside its line.
bool uses_lf_line_ends(std::string_view bytes);

// Cuts bytes into lines: at CR or CR LF, or, in a file that uses LF line ends, at LF or CR LF.
// A last line without an end counts when not empty.
std::vector<std::string_view> split_lines(std::string_view bytes);

// Decodes a file's bytes: 62 for an empty file, 321 when the first line is not the header.
DataFileText decode_data_file(std::string_view bytes);

// read_file_bytes and decode_data_file.
DataFileText load_data_file(const std::string& path);

}  // namespace pelmira
