#pragma once
// Checked integer arithmetic in the system's two widths. A result outside the width raises
// the overflow error (6) instead of wrapping; division truncates toward zero and the
// remainder takes the sign of the dividend; doubles convert to integers rounding half to even.

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/runtime_error.h"

namespace pelmira {

using i16 = std::int16_t;
using i32 = std::int32_t;
using i64 = std::int64_t;

template <class T>
constexpr T narrow_checked(i64 value) {
  if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
    raise_overflow();
  return static_cast<T>(value);
}

constexpr i16 to_i16(i64 v) {
  return narrow_checked<i16>(v);
}
constexpr i32 to_i32(i64 v) {
  return narrow_checked<i32>(v);
}

constexpr i16 add16(i64 a, i64 b) {
  return to_i16(a + b);
}
constexpr i16 sub16(i64 a, i64 b) {
  return to_i16(a - b);
}
constexpr i16 mul16(i64 a, i64 b) {
  return to_i16(a * b);
}
constexpr i32 add32(i64 a, i64 b) {
  return to_i32(a + b);
}
constexpr i32 sub32(i64 a, i64 b) {
  return to_i32(a - b);
}
constexpr i32 mul32(i64 a, i64 b) {
  return to_i32(a * b);
}

// Truncating division and its remainder (the sign of the dividend), checked for a zero
// divisor (error 11). Operands are widened, so only the caller's narrowing can overflow.
constexpr i64 div_trunc(i64 a, i64 b) {
  if (b == 0) raise_error(err::kDivisionByZero);
  return a / b;
}
constexpr i64 mod_trunc(i64 a, i64 b) {
  if (b == 0) raise_error(err::kDivisionByZero);
  return a % b;
}

// A double rounded half to even into the width; NaN and out-of-range values overflow.
template <class T>
T round_checked(double value) {
  if (!std::isfinite(value)) raise_overflow();
  const double r = std::nearbyint(value);  // default rounding mode: half to even
  if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max()))
    raise_overflow();
  return static_cast<T>(r);
}

inline i16 round_to_i16(double v) {
  return round_checked<i16>(v);
}
inline i32 round_to_i32(double v) {
  return round_checked<i32>(v);
}

}  // namespace pelmira
