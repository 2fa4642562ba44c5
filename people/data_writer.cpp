#include "people/data_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/encoding.h"
#include "core/error_report.h"
#include "core/text.h"
#include "people/data_file.h"
#include "people/file_errors.h"
#include "people/notice_code.h"

namespace pelmira {
namespace {

// A number as the list has always printed it: a leading blank for a positive value or zero.
std::string blank_signed(i16 n) {
  return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

[[noreturn]] void raise_file_error(FileAction action = FileAction::kWrite) {
  throw file_error(errno, action);
}

// Removes the temporary file unless the write got as far as renaming it.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string pattern) : path_(std::move(pattern)) {
    fd_ = ::mkstemp(path_.data());
    if (fd_ < 0) raise_file_error();
  }
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  void close_checked() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) raise_file_error();
  }
  void mark_renamed() { renamed_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool renamed_ = false;
};

void write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      raise_file_error();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// The file a save replaces: a symbolic link is followed to the file it names.
std::string resolve_target(const std::string& path) {
  struct stat link_info {};
  if (::lstat(path.c_str(), &link_info) != 0 || !S_ISLNK(link_info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
  return path;
}

mode_t default_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

void sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename has happened; syncing the folder is only a safeguard
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string record_line(const PersonTable& table, i16 p) {
  const auto person = static_cast<std::size_t>(p);
  std::string name = trimmed_name(table.personName.at(person));
  // A name of blanks alone (a forced line) is written as one blank with its length, so that
  // the line reads back as the same person instead of a record without a name.
  if (name.empty()) name = " ";
  std::string line;
  if (name.find('^') != std::string::npos || name.front() == '\'' || name == " ")
    line = "^" + std::to_string(char_count(name)) + "^";
  const PersonDate& date = table.personDate.at(person);
  line +=
      name + "^" + std::to_string(date[0]) + blank_signed(date[1]) + blank_signed(date[2]) + "^";
  const i16 days = table.noticeDays.at(person);
  const NoticeCode& code = table.noticeCode.at(person);
  if (notice_rule_written(days, code))
    line += std::to_string(days) + "^" + notice_code_text(code) + "^";
  return line;
}

std::vector<std::string> data_file_lines(const PersonTable& table) {
  std::vector<std::string> lines{std::string(kDataFileHeader)};
  const i16 rows = order_length(table.viewOrder[0]);
  lines.reserve(static_cast<std::size_t>(rows) + 1);
  for (i16 r = 1; r <= rows; ++r)
    lines.push_back(record_line(table, table.viewOrder[0][static_cast<std::size_t>(r)]));
  return lines;
}

std::vector<std::string> footer_lines() {
  return {"", "'PelmiraVer" + ReportEnvironment::default_version() + "より出力。"};
}

std::optional<std::string> encode_lines(const std::vector<std::string>& lines,
                                        FileEncoding encoding, bool single_line_records,
                                        std::vector<UnwritableText>* unwritable) {
  std::string bytes;
  bool refused = false;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::u32string bad;
    if (single_line_records && lines[k].find('\r') != std::string::npos) bad += U'\r';
    std::optional<std::string> encoded;
    if (encoding == FileEncoding::kUtf8) {
      // Text that is not valid UTF-8 would be read back with replacement characters.
      const std::string clean = to_utf8(to_u32(lines[k]));
      if (clean == lines[k]) {
        encoded = lines[k];
      } else {
        bad += U'\uFFFD';
      }
    } else {
      encoded = utf8_to_cp932(lines[k], &bad);
    }
    if (!encoded || !bad.empty()) {
      refused = true;
      if (unwritable) unwritable->push_back({k, bad});
      continue;
    }
    if (!refused) {
      bytes += *encoded;
      bytes += "\r\n";
    }
  }
  if (refused) return std::nullopt;
  return bytes;
}

void write_file_atomically(const std::string& path, std::string_view bytes) {
  const std::string target = resolve_target(path);
  mode_t mode = default_file_mode();
  struct stat info {};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (exists) {
    if (S_ISDIR(info.st_mode)) throw file_error(EISDIR, FileAction::kWrite);
    if (!S_ISREG(info.st_mode))
      throw RuntimeError(err::kPathFileAccess, "通常のファイルではありません。");
    // A read-only file is not replaced, although its folder would allow the rename.
    if (::access(target.c_str(), W_OK) != 0) raise_file_error();
    mode = info.st_mode & 07777;
  } else if (errno != ENOENT) {
    raise_file_error();
  }

  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  if (base.empty()) throw file_error(EISDIR, FileAction::kWrite);

  TemporaryFile temporary(folder + "." + base + ".XXXXXX");
  if (::fchmod(temporary.fd(), mode) != 0) raise_file_error();
  // Keep the owner of a replaced file where the system allows it (a save by root).
  if (exists && (info.st_uid != ::geteuid() || info.st_gid != ::getegid()))
    (void)::fchown(temporary.fd(), info.st_uid, info.st_gid);
  write_all(temporary.fd(), bytes);
  if (::fsync(temporary.fd()) != 0) raise_file_error();
  temporary.close_checked();
  if (::rename(temporary.path().c_str(), target.c_str()) != 0) raise_file_error();
  temporary.mark_renamed();
  sync_folder(folder);
}

bool is_data_file(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  std::string start(64, '\0');
  ssize_t got = -1;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
    got = ::read(fd, start.data(), start.size());
  ::close(fd);
  if (got <= 0) return false;
  start.resize(static_cast<std::size_t>(got));
  try {
    decode_data_file(start.substr(0, start.find('\r')));
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

bool path_exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace pelmira
