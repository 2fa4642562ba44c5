#pragma once
// The error trap of a procedure: runs its body; on a run-time error it calls the error report
// with the procedure's own name and returns the procedure's empty result (0 for a number,
// the empty text for a text). Out parameters keep what the body wrote before the error.

#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>

#include "core/error_report.h"
#include "core/runtime_error.h"

namespace pelmira {

// Maps the library exceptions a body may let through onto run-time errors.
inline RuntimeError as_runtime_error(const std::exception& e) {
  if (const auto* runtime = dynamic_cast<const RuntimeError*>(&e)) return *runtime;
  if (dynamic_cast<const std::out_of_range*>(&e)) return RuntimeError(err::kSubscript);
  if (dynamic_cast<const std::bad_alloc*>(&e)) return RuntimeError(7, "メモリが不足しています。");
  return RuntimeError(err::kInvalidCall, e.what());
}

template <class Body, class Result = std::invoke_result_t<Body>>
Result trap(std::string_view place, std::optional<std::string_view> file_name, Body&& body) {
  try {
    return body();
  } catch (const std::exception& e) {
    report_error(as_runtime_error(e), place, file_name);
    if constexpr (!std::is_void_v<Result>) return Result{};
  }
}

template <class Body, class Result = std::invoke_result_t<Body>>
Result trap(std::string_view place, Body&& body) {
  return trap(place, std::nullopt, std::forward<Body>(body));
}

}  // namespace pelmira
