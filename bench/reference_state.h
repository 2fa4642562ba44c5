#pragma once
// The program state the benchmarks' lists are computed against: 2024-05-03 on both sides.

#include "core/state.h"

namespace pelmira::bench {

inline ProgramState reference_state() {
  ProgramState state;
  DateSlot& now = state.slots[1];
  now.year = 2024;
  now.month = 5;
  now.day = 3;
  state.slots[0] = now;
  return state;
}

}  // namespace pelmira::bench
