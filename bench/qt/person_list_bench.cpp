// The person list pane at its limit: 32 766 persons, all sixteen columns, a 400 × 400 list
// view as the window makes it, over the list model that builds lines on demand. Each
// benchmark times what the window does after one command: the change of the table, the
// refresh without lines (refresh_rows), the model's update and the first screen painted.
// The counters split an iteration into those steps (milliseconds per iteration).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../generated_data_file.h"
#include "../reference_state.h"
#include "mainwindow/qt/widget_support.h"
#include "people/data_reader.h"
#include "people/editing.h"
#include "people/list_refresh.h"
#include "people/qt/person_list_model.h"
#include "people/sorting.h"

namespace pelmira {
namespace {

constexpr int kPersons = kMaxPersons;
constexpr int kScattered = 1000;  // persons deleted at scattered rows

using bench::reference_state;

// Milliseconds spent in each step (and counts), summed over the iterations and reported per
// iteration.
class Steps {
 public:
  explicit Steps(benchmark::State& bench) : bench_(bench) {}
  ~Steps() {
    for (const auto& [name, ms] : totals_)
      bench_.counters[name] = benchmark::Counter(ms, benchmark::Counter::kAvgIterations);
  }
  Steps(const Steps&) = delete;
  Steps& operator=(const Steps&) = delete;

  void start() { last_ = Clock::now(); }
  // Adds to a count reported per iteration, such as the paints of the list.
  void count(const std::string& name, int n) { totals_[name] += n; }
  // Ends the step begun at the last start or lap.
  void lap(const std::string& name) {
    const Clock::time_point now = Clock::now();
    totals_[name] += std::chrono::duration<double, std::milli>(now - last_).count();
    last_ = now;
  }

 private:
  using Clock = std::chrono::steady_clock;
  benchmark::State& bench_;
  std::map<std::string, double> totals_;
  Clock::time_point last_;
};

// Counts the paint events of the list's viewport.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return QObject::eventFilter(watched, event);
  }
  int count = 0;
};

// The list pane: the table read from a generated file, the model and a shown view.
class ListPane {
 public:
  ListPane() : state_(reference_state()), model_(table_, state_, display_) {
    loaded_ = bench::read_generated(kPersons, state_);
    table_ = loaded_;
    display_.columns = column_flags_from_setting("1111111111111111");
    view_.reset(
        new_list_view(QStringLiteral("List1"), QStringLiteral("氏名リスト"), &model_, nullptr));
    view_->resize(400, 400);
    view_->viewport()->installEventFilter(&paints_);
    view_->show();
    refill();
    paint();
  }

  PersonTable& table() { return table_; }
  const ProgramState& state() const { return state_; }
  const ListDisplay& display() const { return display_; }
  PersonListModel& model() { return model_; }
  QListView& view() { return *view_; }

  // The table as read, the list showing it from the top with no line built.
  void restart() {
    table_ = loaded_;
    model_.refill({});
    refill();
    view_->verticalScrollBar()->setValue(0);
    paint();
  }

  // After a read or a change of columns or date.
  void refill() {
    const ListRows rows = refresh_rows(table_, state_, display_);
    model_.refill(rows.persons);
    select(rows.selected);
  }
  // After a sort, a deletion or an undo.
  void show_rows() {
    const ListRows rows = refresh_rows(table_, state_, display_);
    model_.show_rows(rows.persons);
    select(rows.selected);
  }
  void select(int row) {
    if (row >= 0) view_->setCurrentIndex(model_.index(row));
  }

  // What the event loop does after a command: the view's delayed layout, then its paint into
  // the offscreen window. A model reset or a re-order paints only on the second pass (the
  // layout runs on a timer first); a third pass finds nothing left. Returns the paints.
  int paint() {
    const int before = paints_.count;
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
    return paints_.count - before;
  }

  // The painting as the last step of an iteration: its time and its number of paints.
  void paint_step(Steps& steps) {
    steps.count("paints", paint());
    steps.lap("paint_ms");
  }

 private:
  PersonTable loaded_;
  PersonTable table_;
  ProgramState state_;
  ListDisplay display_;
  PersonListModel model_;
  PaintCounter paints_;
  std::unique_ptr<QListView> view_;
};

ListPane& pane() {
  static ListPane shown;
  return shown;
}

// (a) Reading the data file, for scale.
void BM_PersonList_ReadFile(benchmark::State& bench) {
  const std::string& path = bench::files().path(kPersons);
  const ProgramState state = reference_state();
  ReadHost host;
  for (auto _ : bench) {
    PersonTable table;
    rist02(table, state, path, -1, host);
    benchmark::DoNotOptimize(table.personCount);
  }
}
BENCHMARK(BM_PersonList_ReadFile)->Unit(benchmark::kMillisecond);

// (b) A refill after a read: the rows, a model reset, the first screen.
void BM_PersonList_Refill(benchmark::State& bench) {
  ListPane& list = pane();
  Steps steps(bench);
  for (auto _ : bench) {
    bench.PauseTiming();
    list.restart();
    list.model().refill({});
    list.paint();
    bench.ResumeTiming();
    steps.start();
    const ListRows rows = refresh_rows(list.table(), list.state(), list.display());
    steps.lap("rows_ms");
    list.model().refill(rows.persons);
    list.select(rows.selected);
    steps.lap("model_ms");
    list.paint_step(steps);
  }
}
BENCHMARK(BM_PersonList_Refill)->Unit(benchmark::kMillisecond);

// (b') A new reference date with the same rows: every line built anew, the place kept.
void BM_PersonList_RefillSameRows(benchmark::State& bench) {
  ListPane& list = pane();
  list.restart();
  Steps steps(bench);
  for (auto _ : bench) {
    steps.start();
    list.refill();
    steps.lap("model_ms");
    list.paint_step(steps);
  }
}
BENCHMARK(BM_PersonList_RefillSameRows)->Unit(benchmark::kMillisecond);

// (c) A sort by one key from the load order, with no line of the new first screen built.
void BM_PersonList_Sort(benchmark::State& bench) {
  ListPane& list = pane();
  const auto key = static_cast<i16>(bench.range(0));
  Steps steps(bench);
  for (auto _ : bench) {
    bench.PauseTiming();
    list.restart();
    bench.ResumeTiming();
    steps.start();
    st1(list.table(), list.state(), list.display().listing_code, key);
    steps.lap("st1_ms");
    const ListRows rows = refresh_rows(list.table(), list.state(), list.display());
    steps.lap("rows_ms");
    list.model().show_rows(rows.persons);
    list.select(rows.selected);
    steps.lap("model_ms");
    list.paint_step(steps);
  }
}
BENCHMARK(BM_PersonList_Sort)
    ->DenseRange(kSortName, kSortDaysToNext)
    ->ArgName("key")
    ->Unit(benchmark::kMillisecond);

// Selects every 32nd person's row, from the bottom up, and deletes it (list05).
void delete_scattered(PersonTable& table, const ListDisplay& display) {
  for (int k = kScattered; k >= 1; --k) {
    table.selected_person = person_of_row(table, display, k * 32);
    list05(table, display, kDeleteMode);
  }
}

// (d) 1 000 deletions at scattered rows, then one update of the pane.
void BM_PersonList_DeleteScattered(benchmark::State& bench) {
  ListPane& list = pane();
  Steps steps(bench);
  for (auto _ : bench) {
    bench.PauseTiming();
    list.restart();
    bench.ResumeTiming();
    steps.start();
    delete_scattered(list.table(), list.display());
    steps.lap("list05_ms");
    list.show_rows();
    steps.lap("model_ms");
    list.paint_step(steps);
  }
}
BENCHMARK(BM_PersonList_DeleteScattered)->Unit(benchmark::kMillisecond);

// (d) One deletion as the user makes it: list05 of the selected row and the pane's update.
void BM_PersonList_DeleteOne(benchmark::State& bench) {
  ListPane& list = pane();
  list.restart();
  Steps steps(bench);
  int row = 0;
  for (auto _ : bench) {
    steps.start();
    list.table().selected_person = person_of_row(list.table(), list.display(), row);
    list05(list.table(), list.display(), kDeleteMode);
    steps.lap("list05_ms");
    list.show_rows();
    steps.lap("model_ms");
    list.paint_step(steps);
    row = (row + 997) % (kPersons / 2);
  }
}
BENCHMARK(BM_PersonList_DeleteOne)->Iterations(1000)->Unit(benchmark::kMillisecond);

// (d) Undo of the last deletion (ls231) after the 1 000, and the pane's update.
void BM_PersonList_UndoDelete(benchmark::State& bench) {
  ListPane& list = pane();
  Steps steps(bench);
  for (auto _ : bench) {
    bench.PauseTiming();
    list.restart();
    delete_scattered(list.table(), list.display());
    list.show_rows();
    list.paint();
    bench.ResumeTiming();
    steps.start();
    ls231(list.table(), list.display());
    steps.lap("ls231_ms");
    list.show_rows();
    steps.lap("model_ms");
    list.paint_step(steps);
  }
}
BENCHMARK(BM_PersonList_UndoDelete)->Unit(benchmark::kMillisecond);

// Makes every 32nd person a copy of the one before: 1 000 scattered duplicates.
void add_duplicates(PersonTable& table) {
  for (std::size_t p = 32; p <= 32 * kScattered; p += 32) {
    table.personName[p] = table.personName[p - 1];
    table.personDate[p] = table.personDate[p - 1];
  }
}

// (d) The same 1 000 scattered rows removed in one step (重複を削除), and its undo, which
// brings them back together at the end of the list.
void BM_PersonList_RemoveDuplicates(benchmark::State& bench) {
  ListPane& list = pane();
  Steps steps(bench);
  for (auto _ : bench) {
    bench.PauseTiming();
    list.restart();
    add_duplicates(list.table());
    bench.ResumeTiming();
    steps.start();
    const i32 removed = jyufuku(list.table());
    steps.lap("jyufuku_ms");
    list.show_rows();
    steps.lap("model_ms");
    list.paint_step(steps);
    ls231(list.table(), list.display());
    steps.lap("undo_ls231_ms");
    list.show_rows();
    steps.lap("undo_model_ms");
    steps.count("undo_paints", list.paint());
    steps.lap("undo_paint_ms");
    if (removed < kScattered) bench.SkipWithError("duplicates not found");
  }
}
BENCHMARK(BM_PersonList_RemoveDuplicates)->Unit(benchmark::kMillisecond);

// (e) Scrolling the whole list a page at a time, no line built before: the slowest page, the
// 99th percentile (the machine's hiccups aside) and the mean.
void BM_PersonList_ScrollPages(benchmark::State& bench) {
  ListPane& list = pane();
  QScrollBar& bar = *list.view().verticalScrollBar();
  std::vector<double> pages;
  for (auto _ : bench) {
    bench.PauseTiming();
    list.restart();
    bench.ResumeTiming();
    for (int value = 0;; value = std::min(value + bar.pageStep(), bar.maximum())) {
      const auto start = std::chrono::steady_clock::now();
      bar.setValue(value);
      const int painted = list.paint();
      pages.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
      if (painted == 0 && value > 0) bench.SkipWithError("a page was not painted");
      if (value == bar.maximum()) break;
    }
  }
  if (pages.empty()) return;
  std::sort(pages.begin(), pages.end());
  double total = 0;
  for (const double ms : pages) total += ms;
  bench.counters["pages"] =
      benchmark::Counter(static_cast<double>(pages.size()), benchmark::Counter::kAvgIterations);
  bench.counters["worst_page_ms"] = pages.back();
  bench.counters["p99_page_ms"] = pages[pages.size() * 99 / 100];
  bench.counters["mean_page_ms"] = total / static_cast<double>(pages.size());
}
BENCHMARK(BM_PersonList_ScrollPages)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
