// Checked arithmetic in the system's two widths: overflow is an error, never a wrap.

#include "core/checked.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace pelmira {
namespace {

// The error number a computation raises, or 0 when it succeeds.
int error_of(const std::function<void()>& computation) {
  try {
    computation();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

struct LimitRow {
  const char* name;
  std::function<void()> computation;
  int error;
};

TEST(Checked, SixteenBitLimits) {
  const LimitRow rows[] = {
      {"add_to_max", [] { EXPECT_EQ(add16(32766, 1), 32767); }, 0},
      {"add_past_max", [] { add16(32767, 1); }, err::kOverflow},
      {"sub_to_min", [] { EXPECT_EQ(sub16(-32767, 1), -32768); }, 0},
      {"sub_past_min", [] { sub16(-32768, 1); }, err::kOverflow},
      {"negate_min", [] { sub16(0, -32768); }, err::kOverflow},
      {"mul_to_max", [] { EXPECT_EQ(mul16(181, 181), 32761); }, 0},
      {"mul_past_max", [] { mul16(182, 181); }, err::kOverflow},
      {"mul_past_min", [] { mul16(-182, 181); }, err::kOverflow},
      {"narrow_min", [] { EXPECT_EQ(to_i16(-32768), -32768); }, 0},
      {"narrow_below_min", [] { to_i16(-32769); }, err::kOverflow},
      {"narrow_above_max", [] { to_i16(32768); }, err::kOverflow},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(error_of(r.computation), r.error);
  }
}

constexpr i64 kMax = std::numeric_limits<i32>::max();
constexpr i64 kMin = std::numeric_limits<i32>::min();

TEST(Checked, ThirtyTwoBitLimits) {
  const LimitRow rows[] = {
      {"add_to_max", [] { EXPECT_EQ(add32(kMax - 1, 1), kMax); }, 0},
      {"add_past_max", [] { add32(kMax, 1); }, err::kOverflow},
      {"sub_to_min", [] { EXPECT_EQ(sub32(kMin + 1, 1), kMin); }, 0},
      {"sub_past_min", [] { sub32(kMin, 1); }, err::kOverflow},
      {"mul_to_max", [] { EXPECT_EQ(mul32(46340, 46340), 2147395600); }, 0},
      {"mul_past_max", [] { mul32(46341, 46341); }, err::kOverflow},
      {"narrow_above_max", [] { to_i32(kMax + 1); }, err::kOverflow},
      {"narrow_below_min", [] { to_i32(kMin - 1); }, err::kOverflow},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(error_of(r.computation), r.error);
  }
}

TEST(Checked, DivisionTruncatesTowardZero) {
  struct Row {
    i64 a, b, quotient, remainder;
  };
  const Row rows[] = {
      {7, 2, 3, 1}, {-7, 2, -3, -1}, {7, -2, -3, 1}, {-7, -2, 3, -1}, {0, 5, 0, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.a << " / " << r.b);
    EXPECT_EQ(div_trunc(r.a, r.b), r.quotient);
    EXPECT_EQ(mod_trunc(r.a, r.b), r.remainder);
  }
  EXPECT_EQ(error_of([] { div_trunc(1, 0); }), err::kDivisionByZero);
  EXPECT_EQ(error_of([] { mod_trunc(1, 0); }), err::kDivisionByZero);
}

TEST(Checked, RoundingIsHalfToEven) {
  struct Row {
    const char* name;
    double value;
    i16 rounded;
  };
  const Row rows[] = {
      {"half_down_to_even", 2.5, 2},
      {"half_up_to_even", 3.5, 4},
      {"negative_half", -2.5, -2},
      {"minus_half_is_zero", -0.5, 0},
      {"below_half", 2.49, 2},
      {"above_half", 2.51, 3},
      {"just_inside_max", 32767.4, 32767},
      {"min_half_to_even", -32768.5, -32768},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(round_to_i16(r.value), r.rounded);
  }
  EXPECT_EQ(round_to_i32(1.5), 2);
  EXPECT_EQ(round_to_i32(-1.5), -2);
  EXPECT_EQ(round_to_i32(2147483646.5), 2147483646);
}

TEST(Checked, RoundingOutOfRangeOverflows) {
  const LimitRow rows[] = {
      {"i16_half_rounds_up_past_max", [] { round_to_i16(32767.5); }, err::kOverflow},
      {"i16_below_min", [] { round_to_i16(-32769.0); }, err::kOverflow},
      {"i32_half_rounds_up_past_max", [] { round_to_i32(2147483647.5); }, err::kOverflow},
      {"nan", [] { round_to_i16(std::nan("")); }, err::kOverflow},
      {"infinity", [] { round_to_i32(std::numeric_limits<double>::infinity()); }, err::kOverflow},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(error_of(r.computation), r.error);
  }
}

TEST(Checked, ErrorsCarryTheirDescription) {
  try {
    raise_overflow();
    FAIL() << "raise_overflow returned";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::kOverflow);
    EXPECT_EQ(e.description(), error_description(err::kOverflow));
  }
  const RuntimeError unnamed(12345);
  EXPECT_EQ(unnamed.description(), "");
  EXPECT_STREQ(unnamed.what(), "error 12345");
}

}  // namespace
}  // namespace pelmira
