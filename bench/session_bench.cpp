// The main window's session without widgets: its start-up on a fresh settings store, and one
// window refresh (mein1) with every panel shown, as a change of a date pays it.

#include <benchmark/benchmark.h>

#include "mainwindow/main_session.h"

namespace pelmira {
namespace {

// Boxes nobody sees, answered Yes.
class SilentDialogs : public MainDialogs {
 public:
  void message(std::string_view, std::string_view, BoxIcon) override {}
  bool ask_yes_no(std::string_view, std::string_view, BoxIcon, bool) override { return true; }
  bool ask_ok_cancel(std::string_view, std::string_view, BoxIcon) override { return true; }
  Answer ask_yes_no_cancel(std::string_view, std::string_view, BoxIcon) override {
    return Answer::kYes;
  }
  std::optional<std::string> choose_open_path(std::string_view, std::string_view,
                                              std::string_view) override {
    return std::nullopt;
  }
  std::optional<std::string> choose_save_path(std::string_view, std::string_view,
                                              std::string_view) override {
    return std::nullopt;
  }
};

// A window of fixed size on a 1080-pixel screen.
class StillWindow : public WindowPort {
 public:
  WindowState window_state() const override { return WindowState::kNormal; }
  int window_width() const override { return 15000; }
  int window_height() const override { return 9000; }
  int window_left() const override { return 100; }
  int window_top() const override { return 100; }
  int screen_vertical_pixels() const override { return 1080; }
  void move_window(int, int) override {}
  void resize_window(std::optional<int>, std::optional<int>) override {}
  void show_normal() override {}
  void place_panels(const LayoutPlan&) override {}
  void request_close() override {}
  void set_busy(bool) override {}
  bool start_program(const std::string&, const std::string&) override { return false; }
};

const LocalDateTime kNow{2026, 12, 7, 9, 30, 0};

void BM_session_start(benchmark::State& bench) {
  SilentDialogs dialogs;
  StillWindow window;
  for (auto _ : bench) {
    MemorySettingsStore store;
    MainSession session(store, dialogs, window, ProgramInfo::this_build("/opt/pelmira", "/tmp"),
                        fixed_clock(kNow));
    session.Form_Load({});
    benchmark::DoNotOptimize(session.view());
  }
}
BENCHMARK(BM_session_start)->Unit(benchmark::kMicrosecond);

// The listing kind is the argument: 9 the fortune reading, 11 the day counts.
void BM_refresh_all_panels(benchmark::State& bench) {
  SilentDialogs dialogs;
  StillWindow window;
  MemorySettingsStore store;
  MainSession session(store, dialogs, window, ProgramInfo::this_build("/opt/pelmira", "/tmp"),
                      fixed_clock(kNow));
  session.Form_Load({});
  session.msg2_Click(0);
  session.itirank1_Click(static_cast<i16>(bench.range(0)));
  for (auto _ : bench) {
    session.mein1();
    benchmark::DoNotOptimize(session.view());
  }
}
BENCHMARK(BM_refresh_all_panels)
    ->Arg(kListingFortune)
    ->Arg(kListingDayCounts)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pelmira
