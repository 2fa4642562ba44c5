#include "people/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/runtime_error.h"
#include "people/data_file.h"
#include "people/file_errors.h"

namespace pelmira {

void FileDescriptor::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FileDescriptor open_regular_file(const std::string& path, std::size_t& size) {
  // Non-blocking, so that opening a named pipe returns at once.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) throw file_error(errno, FileAction::kRead);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) throw file_error(errno, FileAction::kRead);
  if (S_ISDIR(info.st_mode)) throw file_error(EISDIR, FileAction::kRead);
  if (!S_ISREG(info.st_mode))
    throw RuntimeError(err::kPathFileAccess, "通常のファイルではありません。");
  size = static_cast<std::size_t>(info.st_size);
  return fd;
}

void read_more(int fd, std::string& bytes, std::size_t limit) {
  constexpr std::size_t kChunk = 65536;
  while (bytes.size() < limit) {
    const std::size_t old = bytes.size();
    std::size_t room = bytes.capacity() - old;  // what the buffer holds already, else more
    if (room == 0) room = kChunk;
    room = std::min(room, limit - old);
    bytes.resize(old + room);
    const ssize_t got = ::read(fd, bytes.data() + old, room);
    bytes.resize(old + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got < 0) {
      if (errno == EINTR) continue;
      throw file_error(errno, FileAction::kRead);
    }
    if (got == 0) return;
    if (bytes.size() > kMaxDataFileBytes)
      throw RuntimeError(err::kBadFileFormat, "ファイルが大き過ぎます。");
  }
}

}  // namespace pelmira
