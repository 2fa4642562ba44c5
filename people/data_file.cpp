#include "people/data_file.h"

#include "core/encoding.h"
#include "core/runtime_error.h"
#include "core/text.h"
#include "people/file_errors.h"
#include "people/regular_file.h"

namespace pelmira {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// CP932 with every byte that starts no valid character shown as U+FFFD.
std::string decode_cp932_leniently(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const bool single = b < 0x80 || (b >= 0xA1 && b <= 0xDF);
    const std::size_t length = single || i + 1 >= bytes.size() ? 1 : 2;
    if (const auto text = cp932_to_utf8(bytes.substr(i, length))) {
      out += *text;
      i += length;
    } else {
      append_utf8(out, U'\uFFFD');
      ++i;
    }
  }
  return out;
}

DataLine decode_line(std::string_view bytes, FileEncoding encoding) {
  const bool has_nul = bytes.find('\0') != std::string_view::npos;
  if (encoding == FileEncoding::kUtf8) {
    if (!has_nul && is_valid_utf8(bytes)) return {std::string(bytes), true};
    return {to_utf8(to_u32(bytes)), false};
  }
  if (!has_nul) {
    if (auto text = cp932_to_utf8(bytes)) return {std::move(*text), true};
  }
  return {decode_cp932_leniently(bytes), false};
}

}  // namespace

std::string read_file_bytes(const std::string& path) {
  std::size_t size = 0;
  const FileDescriptor fd = open_regular_file(path, size);
  if (size > kMaxDataFileBytes) throw RuntimeError(err::kBadFileFormat, "ファイルが大き過ぎます。");
  std::string bytes;
  bytes.reserve(size + 1);  // the file may have grown since it was measured
  read_more(fd.get(), bytes, static_cast<std::size_t>(-1));
  return bytes;
}

bool uses_lf_line_ends(std::string_view bytes) {
  const std::size_t first_break = bytes.find_first_of("\r\n");
  return first_break != std::string_view::npos && bytes[first_break] == '\n';
}

namespace {

// The lines of a text whose lines end with `line_end` ('\n', also taking "\r\n", or '\r',
// also taking "\r\n").
std::vector<std::string_view> split_lines_at(std::string_view bytes, char line_end) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find(line_end, start);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    std::string_view line = bytes.substr(start, end - start);
    if (line_end == '\n' && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
    if (line_end == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

// The lines after the header of a Shift-JIS file converted in one go, which costs far less
// than line by line; nullopt when some line does not convert (each is then taken alone). A
// line end is the same byte in both encodings and never part of a Shift-JIS character.
std::optional<std::vector<DataLine>> decode_cp932_body(std::string_view bytes,
                                                       const std::vector<std::string_view>& lines,
                                                       char line_end) {
  if (lines.size() < 2) return std::vector<DataLine>{};
  const std::string_view body =
      bytes.substr(static_cast<std::size_t>(lines[1].data() - bytes.data()));
  if (body.find('\0') != std::string_view::npos) return std::nullopt;
  const std::optional<std::string> text = cp932_to_utf8(body);
  if (!text) return std::nullopt;
  const std::vector<std::string_view> decoded = split_lines_at(*text, line_end);
  if (decoded.size() != lines.size() - 1) return std::nullopt;
  std::vector<DataLine> out;
  out.reserve(decoded.size());
  for (const std::string_view line : decoded) out.push_back({std::string(line), true});
  return out;
}

char line_end_of(std::string_view bytes) {
  return uses_lf_line_ends(bytes) ? '\n' : '\r';
}

}  // namespace

std::vector<std::string_view> split_lines(std::string_view bytes) {
  return split_lines_at(bytes, line_end_of(bytes));
}

DataFileText decode_data_file(std::string_view bytes) {
  if (bytes.empty()) raise_error(err::kInputPastEnd);
  const char line_end = line_end_of(bytes);
  std::vector<std::string_view> lines = split_lines_at(bytes, line_end);
  DataFileText file;
  std::string_view header = lines.front();
  if (header.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    header.remove_prefix(kByteOrderMark.size());
    if (header != kDataFileHeader) raise_error(err::kBadFileFormat);
    file.encoding = FileEncoding::kUtf8;
  } else if (header == kDataFileHeader) {
    file.encoding = FileEncoding::kUtf8;
  } else {
    // The header is short; a long first line is no header and need not be converted.
    const auto decoded = header.size() <= 2 * kDataFileHeader.size() ? cp932_to_utf8(header)
                                                                     : std::optional<std::string>();
    if (!decoded || *decoded != kDataFileHeader) raise_error(err::kBadFileFormat);
    file.encoding = FileEncoding::kCp932;
  }
  if (file.encoding == FileEncoding::kCp932) {
    if (auto body = decode_cp932_body(bytes, lines, line_end)) {
      file.lines = std::move(*body);
      return file;
    }
  }
  file.lines.reserve(lines.size() - 1);
  for (std::size_t k = 1; k < lines.size(); ++k)
    file.lines.push_back(decode_line(lines[k], file.encoding));
  return file;
}

DataFileText load_data_file(const std::string& path) {
  return decode_data_file(read_file_bytes(path));
}

}  // namespace pelmira
