// Cost of the main window's panel layout: one sweep plans every set of shown panels (all 64)
// as the panel items would lay them out, with the design sizes on a 1024-pixel screen.

#include <benchmark/benchmark.h>

#include <array>

#include "mainwindow/panel_layout.h"

namespace pelmira {
namespace {

std::array<LayoutInput, 1 << kPanelCount> every_shown_set() {
  std::array<LayoutInput, 1 << kPanelCount> inputs{};
  for (int set = 0; set < (1 << kPanelCount); ++set) {
    LayoutInput& input = inputs[set];
    input.cause = kCausePanels;
    input.window_width = 9850;
    input.window_height = 8650;
    input.screen_vertical_pixels = 1024;
    for (int i = 0; i < kPanelCount; ++i) input.shown[i] = ((set >> i) & 1) != 0;
  }
  return inputs;
}

void BM_PanelLayoutEveryShownSet(benchmark::State& state) {
  const auto inputs = every_shown_set();
  for (auto _ : state) {
    for (const LayoutInput& input : inputs) {
      LayoutPlan plan = plan_panel_layout(input);
      benchmark::DoNotOptimize(plan);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.size()));
}
BENCHMARK(BM_PanelLayoutEveryShownSet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pelmira
