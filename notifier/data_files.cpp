#include "notifier/data_files.h"

#include <algorithm>
#include <filesystem>

#include "notifier/data_line.h"
#include "people/data_file.h"
#include "people/file_errors.h"
#include "people/regular_file.h"

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

bool header_ends_at(std::string_view bytes, std::size_t at) {
  return at == bytes.size() || bytes[at] == '\r' || bytes[at] == '\n';
}

// The encoding of a data file whose first line is the header, and where its next line starts.
std::optional<FileEncoding> data_file_encoding(std::string_view start, std::size_t& body) {
  std::string_view text = start;
  std::size_t offset = 0;
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) offset = kUtf8Bom.size();
  const std::string_view after_bom = text.substr(offset);
  std::optional<FileEncoding> encoding;
  std::size_t end = 0;
  if (after_bom.substr(0, kDataFileHeader.size()) == kDataFileHeader &&
      header_ends_at(text, offset + kDataFileHeader.size())) {
    encoding = FileEncoding::kUtf8;
    end = offset + kDataFileHeader.size();
  } else if (offset == 0 && text.substr(0, kCp932Header.size()) == kCp932Header &&
             header_ends_at(text, kCp932Header.size())) {
    encoding = FileEncoding::kCp932;
    end = kCp932Header.size();
  }
  if (!encoding) return std::nullopt;
  if (end < text.size() && text[end] == '\r') ++end;
  if (end < text.size() && text[end] == '\n') ++end;
  body = end;
  return encoding;
}

// The next line from `pos`, as the main program cuts them: CR and CR LF end a line and a
// lone LF stays in it, unless the file ends its header with a lone LF (an LF file): then LF
// and CR LF end a line.
std::string_view next_line(std::string_view bytes, std::size_t& pos, bool lf_line_ends) {
  const char line_end = lf_line_ends ? '\n' : '\r';
  std::size_t end = bytes.find(line_end, pos);
  if (end == std::string_view::npos) end = bytes.size();
  std::string_view line = bytes.substr(pos, end - pos);
  if (lf_line_ends && !line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos = end;
  if (pos < bytes.size()) ++pos;
  if (!lf_line_ends && pos < bytes.size() && bytes[pos] == '\n') ++pos;
  return line;
}

class FolderReader {
 public:
  FolderReader(const PersonVisitor& visit, HitCollection& into) : visit_(visit), into_(into) {}

  void read_file(const std::string& path) {
    std::size_t size = 0;
    FileDescriptor file = open_regular_file(path, size);
    // One buffer for every file: its pages are reused instead of faulted in anew.
    std::string& bytes = buffer_;
    bytes.clear();
    read_more(file.get(), bytes, kProbeBytes);
    std::size_t pos = 0;
    const std::optional<FileEncoding> encoding = data_file_encoding(bytes, pos);
    if (!encoding) return;  // empty, or not a data file
    ++into_.counts.data_files;
    bytes.reserve(std::min(size, kMaxDataFileBytes) + 1);
    read_more(file.get(), bytes, static_cast<std::size_t>(-1));
    file.close();
    encoding_ = *encoding;
    const bool lf_line_ends =
        pos > 0 && bytes[pos - 1] == '\n' && (pos < 2 || bytes[pos - 2] != '\r');
    while (pos < bytes.size()) {
      line_ = next_line(bytes, pos, lf_line_ends);
      try {
        read_line();
      } catch (...) {
        // The line's bytes go with this file's buffer: keep its text for the error box.
        failed_line_ = to_display_text(line_, encoding_);
        throw;
      }
    }
    line_ = {};
  }

  // The line a read stopped at (empty when it stopped outside a line).
  const std::string& failed_line() const { return failed_line_; }

 private:
  void read_line() {
    NotifierRecord fields;
    if (split_data_line(line_, encoding_, fields) != LineKind::kRecord) return;
    ++into_.counts.data_lines;
    const NoticePerson person = person_of(fields, encoding_, into_.alerts);
    visit_(fields.name, encoding_, person);
  }

  const PersonVisitor& visit_;
  HitCollection& into_;
  std::string_view line_;
  FileEncoding encoding_ = FileEncoding::kCp932;
  std::string failed_line_;
  std::string buffer_;
};

// Runs a read, turning an error that stops it into the box of `into.failure`.
// `file_name` and `failed_line` name the place in the box.
template <typename Read>
void guarded_read(HitCollection& into, const std::string& file_name, const std::string& failed_line,
                  Read read) {
  try {
    read();
  } catch (const RuntimeError& e) {
    into.failure = ReadFailure{read_error_text(e, file_name, failed_line), false};
  } catch (const DateReaderAbort&) {
    into.failure = ReadFailure{into.alerts.empty() ? std::string() : into.alerts.back().text, true};
  } catch (const std::bad_alloc&) {
    into.failure = ReadFailure{
        read_error_text(RuntimeError(7, "メモリが不足しています。"), file_name, ""), false};
  }
}

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

void read_persons(const std::vector<std::string>& paths, const PersonVisitor& visit,
                  HitCollection& into) {
  std::string file_name;
  FolderReader reader(visit, into);
  guarded_read(into, file_name, reader.failed_line(), [&] {
    for (const std::string& path : paths) {
      file_name = fs::path(path).filename().string();
      reader.read_file(path);
    }
  });
}

void read_data_files(const std::string& folder, const NotifierToday& today,
                     const HolidayTable& holidays, LeapDayMove leap_day, HitCollection& into) {
  std::vector<std::string> paths;
  guarded_read(into, std::string(), std::string(), [&] {
    const std::vector<std::string> names = text_file_names(folder);
    into.counts.text_files = static_cast<int>(names.size());
    const std::string prefix = folder.empty() ? std::string() : folder + "/";
    for (const std::string& name : names) paths.push_back(prefix + name);
  });
  if (into.failure) return;
  const PersonVisitor add_hit = [&](std::string_view name, FileEncoding encoding,
                                    const NoticePerson& person) {
    const std::optional<DueDate> due = evaluate_rule(person, today, holidays, leap_day);
    if (!due) return;
    into.hits.push_back(
        {due->distance, hit_line(to_display_text(name, encoding), person, *due, today.year)});
    ++into.counts.hits;
  };
  read_persons(paths, add_hit, into);
}

std::optional<HolidayTable> holidays_for_reading(i16 year, HitCollection& into) {
  try {
    return saijitu(year);
  } catch (const RuntimeError& e) {
    into.failure = ReadFailure{read_error_text(e, "", ""), false};
    return std::nullopt;
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
