#pragma once
// Opening and reading data files safely: only regular files are read (a named pipe or a
// device named *.txt cannot hold the program), and a file larger than any data file can be
// is refused. Failures raise the run-time errors of people/file_errors.h.

#include <cstddef>
#include <string>

namespace pelmira {

// An open descriptor, closed on every path out of the reader.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { close(); }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor& operator=(FileDescriptor&&) = delete;

  int get() const { return fd_; }
  void close();

 private:
  int fd_;
};

// Opens a regular file for reading; `size` receives its size as the system reports it.
// Raises 53 (not found), 70 (no permission), 75 (a folder or other non-regular file).
FileDescriptor open_regular_file(const std::string& path, std::size_t& size);

// Reads on until `limit` bytes are in `bytes` or the file ends, straight into the text's own
// storage; more than a data file can hold raises 321.
void read_more(int fd, std::string& bytes, std::size_t limit);

}  // namespace pelmira
