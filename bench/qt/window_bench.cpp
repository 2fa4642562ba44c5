// The main window with its widgets on the offscreen platform: one full window refresh with
// every panel shown, first as the session and the widgets take it, then with the window
// painted as well.

#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QTemporaryDir>

#include "../generated_data_file.h"
#include "mainwindow/qt/pelmira_window.h"
#include "settings/qt/qsettings_store.h"

namespace pelmira {
namespace {

class ShownWindow {
 public:
  ShownWindow()
      : store_(folder_.path()),
        window_(store_, ProgramInfo::this_build("/opt/pelmira", folder_.path().toStdString())) {
    window_.load({});
    window_.session().msg2_Click(0);
    window_.render();
    window_.show();
  }
  PelmiraWindow& window() { return window_; }

 private:
  QTemporaryDir folder_;
  QSettingsStore store_;
  PelmiraWindow window_;
};

void BM_window_refresh(benchmark::State& bench) {
  ShownWindow shown;
  for (auto _ : bench) {
    shown.window().session().mein1();
    shown.window().render();
  }
}
BENCHMARK(BM_window_refresh)->Unit(benchmark::kMillisecond);

void BM_window_refresh_and_paint(benchmark::State& bench) {
  ShownWindow shown;
  for (auto _ : bench) {
    shown.window().session().mein1();
    shown.window().render();
    benchmark::DoNotOptimize(shown.window().grab());
  }
}
BENCHMARK(BM_window_refresh_and_paint)->Unit(benchmark::kMillisecond);

// Holding "＝" on ＋1日: each tick steps the date, refreshes every panel and repaints the
// window. Items per second are the steps per second the window reaches.
void BM_held_step_button(benchmark::State& bench) {
  ShownWindow shown;
  MainSession& session = shown.window().session();
  session.Command10_Click(0);
  session.Command7_Click(1);
  session.Command8_Click(2);
  session.step_pressed();
  for (auto _ : bench) {
    shown.window().Timer1_Timer();
    shown.window().repaint();
  }
  session.step_released();
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_held_step_button)->Unit(benchmark::kMillisecond);

// The year calendar of a year built and painted.
void BM_year_calendar(benchmark::State& bench) {
  ShownWindow shown;
  shown.window().session().fnc01_Click();
  i16 year = 2026;
  for (auto _ : bench) {
    shown.window().session().HScroll1_Change(year);
    shown.window().render();
    benchmark::DoNotOptimize(shown.window().grab());
    year = year == 2100 ? 1900 : static_cast<i16>(year + 1);
  }
}
BENCHMARK(BM_year_calendar)->Unit(benchmark::kMillisecond);

// 32 766 persons in the window; each iteration switches a list column on or off as the
// settings dialog's OK does, and paints the window: the list's lines are rebuilt.
void BM_settings_column_change(benchmark::State& bench) {
  ShownWindow shown;
  MainSession& session = shown.window().session();
  session.open_files({bench::files().path(kMaxPersons)});
  shown.window().render();
  ColumnFlags columns = session.list_display().columns;
  for (auto _ : bench) {
    columns[kColumnBranch] = !columns[kColumnBranch];
    OptionsChanges changes;
    changes.columns = columns;
    session.apply_options(changes);
    shown.window().render();
    benchmark::DoNotOptimize(shown.window().grab());
  }
}
BENCHMARK(BM_settings_column_change)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
