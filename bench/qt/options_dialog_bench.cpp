// Opening the settings dialog as the menu item does: the dialog built, its values read from
// an INI store holding a full set of settings, shown and painted once. The counters split an
// iteration into the build with the load, the show and the first paint (milliseconds).

#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QTemporaryDir>

#include <chrono>

#include "mainwindow/qt/main_dialogs_qt.h"
#include "settings/qt/options_dialog.h"
#include "settings/qt/qsettings_store.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration span) {
  return std::chrono::duration<double, std::milli>(span).count();
}

void BM_options_dialog_open(benchmark::State& bench) {
  QTemporaryDir folder;
  QSettingsStore store(folder.path());
  write_text(store, setting::kListColumns, "1111111111111111");
  write_text(store, setting::kTabCount, "3");
  write_text(store, setting::kStartFile, "/home/利用者/家族.txt");
  write_text(store, setting::kStartBirthDate, "平成12年5月3日");
  write_text(store, setting::kNotifierPath, "/opt/pelmira/lunoka");
  QtMainDialogs dialogs(nullptr);
  OptionsContext context;
  context.program_folder = "/opt/pelmira";

  double build = 0, show = 0, paint = 0;
  for (auto _ : bench) {
    const Clock::time_point start = Clock::now();
    OptionsDialog dialog(store, dialogs, context);
    const Clock::time_point built = Clock::now();
    dialog.show();
    const Clock::time_point shown = Clock::now();
    benchmark::DoNotOptimize(dialog.grab());
    const Clock::time_point painted = Clock::now();
    build += milliseconds(built - start);
    show += milliseconds(shown - built);
    paint += milliseconds(painted - shown);
  }
  const auto per_iteration = benchmark::Counter::kAvgIterations;
  bench.counters["build_ms"] = benchmark::Counter(build, per_iteration);
  bench.counters["show_ms"] = benchmark::Counter(show, per_iteration);
  bench.counters["paint_ms"] = benchmark::Counter(paint, per_iteration);
}
BENCHMARK(BM_options_dialog_open)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
