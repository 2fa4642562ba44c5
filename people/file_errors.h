#pragma once
// Run-time errors for failed file operations, by the system error code, so that the error
// report can give its hint (not found, folder given, read-only, disk full).

#include <string_view>

#include "core/runtime_error.h"

namespace pelmira {

enum class FileAction { kRead, kWrite };

RuntimeError file_error(int system_error, FileAction action);

}  // namespace pelmira
