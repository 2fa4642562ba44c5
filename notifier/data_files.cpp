#include "notifier/data_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "notifier/data_line.h"

namespace pelmira {
namespace {

namespace fs = std::filesystem;

// The header in CP932 bytes.
constexpr std::string_view kCp932Header =
    "Pelmira\x94\x4e\x97\xee\x8c\x76\x8e\x5a\x97\x70\x83\x8a\x83\x58\x83\x67";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Enough of a file's start to decide whether its first line is a header.
constexpr std::size_t kProbeBytes = 64;

char fold_case(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool has_text_extension(const std::string& name) {
  constexpr std::string_view kExtension = ".txt";
  if (name.size() <= kExtension.size()) return false;
  for (std::size_t i = 0; i < kExtension.size(); ++i)
    if (fold_case(name[name.size() - kExtension.size() + i]) != kExtension[i]) return false;
  return true;
}

bool file_list_order(const std::string& a, const std::string& b) {
  const auto folded_less = [](char x, char y) {
    return static_cast<unsigned char>(fold_case(x)) < static_cast<unsigned char>(fold_case(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded_less))
    return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded_less))
    return false;
  return a < b;
}

std::int32_t error_of_errno(int code) {
  switch (code) {
    case ENOENT:
      return err::kFileNotFound;
    case EACCES:
    case EPERM:
      return err::kPermissionDenied;
    default:
      return err::kPathFileAccess;
  }
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void read_more(std::FILE* f, std::string& bytes, std::size_t limit) {
  char buffer[65536];
  while (bytes.size() < limit) {
    const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
    const std::size_t got = std::fread(buffer, 1, want, f);
    bytes.append(buffer, got);
    if (got < want) break;
  }
  if (std::ferror(f)) raise_error(err::kPathFileAccess);
}

bool header_ends_at(std::string_view bytes, std::size_t at, TextEncoding encoding) {
  if (at == bytes.size()) return true;
  return bytes[at] == '\r' || (encoding == TextEncoding::kUtf8 && bytes[at] == '\n');
}

// The encoding of a data file whose first line is the header, and where its next line starts.
std::optional<TextEncoding> data_file_encoding(std::string_view start, std::size_t& body) {
  std::string_view text = start;
  std::size_t offset = 0;
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) offset = kUtf8Bom.size();
  const std::string_view after_bom = text.substr(offset);
  std::optional<TextEncoding> encoding;
  std::size_t end = 0;
  if (after_bom.substr(0, kDataFileHeader.size()) == kDataFileHeader &&
      header_ends_at(text, offset + kDataFileHeader.size(), TextEncoding::kUtf8)) {
    encoding = TextEncoding::kUtf8;
    end = offset + kDataFileHeader.size();
  } else if (offset == 0 && text.substr(0, kCp932Header.size()) == kCp932Header &&
             header_ends_at(text, kCp932Header.size(), TextEncoding::kCp932)) {
    encoding = TextEncoding::kCp932;
    end = kCp932Header.size();
  }
  if (!encoding) return std::nullopt;
  if (end < text.size() && text[end] == '\r') ++end;
  if (end < text.size() && text[end] == '\n') ++end;
  body = end;
  return encoding;
}

// The next line from `pos`: CR and CR LF end a line; in UTF-8 files a lone LF does too.
std::string_view next_line(std::string_view bytes, std::size_t& pos, TextEncoding encoding) {
  const std::string_view ends = encoding == TextEncoding::kUtf8 ? "\r\n" : "\r";
  std::size_t end = bytes.find_first_of(ends, pos);
  if (end == std::string_view::npos) end = bytes.size();
  const std::string_view line = bytes.substr(pos, end - pos);
  pos = end;
  if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
  if (pos < bytes.size() && bytes[pos] == '\n' && (encoding == TextEncoding::kUtf8 ||
                                                   (pos > 0 && bytes[pos - 1] == '\r')))
    ++pos;
  return line;
}

class FolderReader {
 public:
  FolderReader(const NotifierToday& today, const HolidayTable& holidays, HitCollection& into)
      : today_(today), holidays_(holidays), into_(into) {}

  void read_file(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) raise_error(error_of_errno(errno));
    std::string bytes;
    read_more(file.get(), bytes, kProbeBytes);
    std::size_t pos = 0;
    const std::optional<TextEncoding> encoding = data_file_encoding(bytes, pos);
    if (!encoding) return;  // empty, or not a data file
    ++into_.counts.data_files;
    read_more(file.get(), bytes, static_cast<std::size_t>(-1));
    file.reset();
    while (pos < bytes.size()) {
      line_ = next_line(bytes, pos, *encoding);
      encoding_ = *encoding;
      read_line();
    }
    line_ = {};
  }

  std::string current_line() const { return to_display_text(line_, encoding_); }

 private:
  void read_line() {
    DataLine fields;
    if (split_data_line(line_, encoding_, fields) != LineKind::kRecord) return;
    ++into_.counts.data_lines;
    const NoticePerson person = person_of(fields, encoding_, into_.alerts);
    const std::optional<DueDate> due = evaluate_rule(person, today_, holidays_);
    if (!due) return;
    const std::string name = to_display_text(fields.name, encoding_);
    into_.hits.push_back({due->distance, hit_line(name, person, *due, today_.year)});
    ++into_.counts.hits;
  }

  const NotifierToday& today_;
  const HolidayTable& holidays_;
  HitCollection& into_;
  std::string_view line_;
  TextEncoding encoding_ = TextEncoding::kCp932;
};

}  // namespace

std::vector<std::string> text_file_names(const std::string& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  if (ec) raise_error(err::kPathNotFound);
  std::vector<std::string> names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) raise_error(err::kPathNotFound);
    std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.' || !has_text_extension(name)) continue;
    std::error_code type_error;
    if (!it->is_regular_file(type_error)) continue;
    names.push_back(std::move(name));
  }
  if (ec) raise_error(err::kPathNotFound);
  std::sort(names.begin(), names.end(), file_list_order);
  return names;
}

void read_data_files(const std::string& folder, const NotifierToday& today,
                     const HolidayTable& holidays, HitCollection& into) {
  std::string file_name;
  FolderReader reader(today, holidays, into);
  try {
    const std::vector<std::string> names = text_file_names(folder);
    into.counts.text_files = static_cast<int>(names.size());
    const std::string prefix = folder.empty() ? std::string() : folder + "/";
    for (const std::string& name : names) {
      file_name = name;
      reader.read_file(prefix + name);
    }
  } catch (const RuntimeError& e) {
    into.failure = ReadFailure{read_error_text(e, file_name, reader.current_line()), false};
  } catch (const DateReaderAbort&) {
    into.failure = ReadFailure{into.alerts.empty() ? std::string() : into.alerts.back().text, true};
  } catch (const std::bad_alloc&) {
    into.failure = ReadFailure{
        read_error_text(RuntimeError(7, "メモリが不足しています。"), file_name, ""), false};
  }
}

std::string read_error_text(const RuntimeError& error, std::string_view file_name,
                            std::string_view line) {
  std::string text;
  const auto add = [&](std::string_view part) {
    text += part;
    text += '\r';
  };
  add("データを読込中にエラーが発生しました。");
  add("");
  add("エラー番号　" + std::to_string(error.number()));
  add("エラー内容　" + error.description());
  add("発生場所　　Lunoka(a02)");
  add("");
  add("ファイル名 " + std::string(file_name));
  add("データ内容 " + std::string(line));
  add("");
  add("データの内容を確認して下さい。");
  add("このエラーが回避出来ない時には、作者に聞いて下さい。");
  add("強制終了します。");
  return text;
}

}  // namespace pelmira
