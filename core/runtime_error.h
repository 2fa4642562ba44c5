#pragma once
// Run-time errors: the one failure type of the calculation procedures. An error carries the
// number the error report chooses its hint by, and a description shown to the user.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pelmira {

// Error numbers the error report knows (see error_report.h for the hints).
namespace err {
inline constexpr std::int32_t kYearBelowOne = -1;  // date stepping went below year 1
inline constexpr std::int32_t kInvalidCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kSubscript = 9;
inline constexpr std::int32_t kDivisionByZero = 11;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kBadFileName = 52;
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kDiskFull = 61;
inline constexpr std::int32_t kInputPastEnd = 62;
inline constexpr std::int32_t kPermissionDenied = 70;
inline constexpr std::int32_t kDiskNotReady = 71;
inline constexpr std::int32_t kPathFileAccess = 75;
inline constexpr std::int32_t kPathNotFound = 76;
inline constexpr std::int32_t kBadFileFormat = 321;
inline constexpr std::int32_t kRuntimeVersion = 20476;
inline constexpr std::int32_t kDialogCancelled = 32755;
}  // namespace err

// The description the system uses for an error number ("" for numbers it does not name).
std::string_view error_description(std::int32_t number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(std::int32_t number);
  RuntimeError(std::int32_t number, std::string description);

  std::int32_t number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  std::int32_t number_;
  std::string description_;
};

[[noreturn]] void raise_error(std::int32_t number);
[[noreturn]] void raise_overflow();

}  // namespace pelmira
