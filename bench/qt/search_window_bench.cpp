// A search over 32 766 persons as the user meets it: from the click on 検索開始 in the search
// window to the refilled list pane with its first screen painted. The search hook does what
// the main window does: run_search on its table, the refresh without lines (refresh_rows),
// the list model's update and the selection; the event loop then paints. The counters split
// an iteration into those steps (milliseconds per iteration) and give the persons found.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "../generated_data_file.h"
#include "../reference_state.h"
#include "mainwindow/qt/widget_support.h"
#include "people/data_reader.h"
#include "people/list_refresh.h"
#include "people/qt/person_list_model.h"
#include "people/qt/search_window.h"
#include "people/search.h"
#include "settings/settings_store.h"

namespace pelmira {
namespace {

constexpr int kPersons = kMaxPersons;

using bench::reference_state;

// How the list model takes the search's rows: as a search step (the lines kept, the rows
// changed) or refilled with every line built anew.
enum class Update { kShowRows, kRefill };

// The criteria of a search, chosen in the window's controls.
enum class Criteria { kReset, kNamePart, kAgeAndBranch, kAlmanac, kNobody };

// The main window's part: the table, the list pane and the search window over it.
class SearchPane {
 public:
  SearchPane() : state_(reference_state()), model_(table_, state_, display_) {
    loaded_ = bench::read_generated(kPersons, state_);
    table_ = loaded_;
    display_.columns = column_flags_from_setting("1111111111111111");
    view_.reset(
        new_list_view(QStringLiteral("List1"), QStringLiteral("氏名リスト"), &model_, nullptr));
    view_->resize(400, 400);
    view_->show();
    SearchWindow::Hooks hooks;
    hooks.state = [this]() -> const ProgramState& { return state_; };
    hooks.search = [this](const SearchForm& form) { return search(form); };
    hooks.tell = [this](std::string_view) { ++told_; };
    window_ = std::make_unique<SearchWindow>(store_, std::move(hooks), view_.get());
  }

  // The list as read, shown from the top, and the window open with these criteria.
  void restart(Criteria criteria, Update update) {
    table_ = loaded_;
    update_ = update;
    model_.refill({});
    const ListRows rows = refresh_rows(table_, state_, display_);
    model_.refill(rows.persons);
    view_->verticalScrollBar()->setValue(0);
    paint();
    window_->open();
    window_->Command1_Click(2);  // リセット
    set_criteria(criteria);
  }

  // 検索開始 as clicked, then the event loop's passes until the list is painted.
  void press_search() {
    window_->findChild<QPushButton*>(QStringLiteral("Command1_0"))->click();
    lap("hook_to_hide_ms");
    paint();
    lap("paint_ms");
  }

  void start_clock() { last_ = Clock::now(); }
  const std::map<std::string, double>& totals() const { return totals_; }
  int found() const { return static_cast<int>(model_.rowCount()); }
  int told() const { return told_; }

 private:
  using Clock = std::chrono::steady_clock;

  SearchOutcome search(const SearchForm& form) {
    lap("click_to_hook_ms");
    const SearchOutcome outcome = run_search(table_, state_, form);
    lap("run_search_ms");
    const ListRows rows = refresh_rows(table_, state_, display_);
    lap("rows_ms");
    if (update_ == Update::kShowRows)
      model_.show_rows(rows.persons);
    else
      model_.refill(rows.persons);
    if (rows.selected >= 0) view_->setCurrentIndex(model_.index(rows.selected));
    lap("model_ms");
    return outcome;
  }

  // The criteria chosen in the window's controls, as the user's choices arrive there.
  void set_criteria(Criteria criteria) {
    const auto choose = [this](int index, int position) {
      auto* box = window_->findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(index));
      box->setCurrentIndex(position);
      Q_EMIT box->activated(position);
    };
    switch (criteria) {
      case Criteria::kReset:
        break;
      case Criteria::kNamePart: {
        auto* name = window_->findChild<QLineEdit*>(QStringLiteral("Text1"));
        name->setText(QStringLiteral("田"));
        Q_EMIT name->textEdited(name->text());
        break;
      }
      case Criteria::kAgeAndBranch:
        choose(kBoxAgeFrom, 21);  // 20
        choose(kBoxAgeTo, 60);    // 59
        choose(kBoxBranch, 1);    // 子
        break;
      case Criteria::kAlmanac:
        // Every reading worked out for every person; together they leave about 200.
        choose(kBoxSixStar, 3);
        choose(kBoxSpirit, 2);  // 霊合星人以外
        choose(kBoxNineStar, 5);
        choose(kBoxAnimal, 1);  // ペガサス
        break;
      case Criteria::kNobody:  // years 2000 to 1990
        choose(kBoxHundredsFrom, 20);
        choose(kBoxHundredsTo, 19);
        choose(kBoxUnitsTo, 90);
        break;
    }
  }

  void lap(const std::string& name) {
    const Clock::time_point now = Clock::now();
    totals_[name] += std::chrono::duration<double, std::milli>(now - last_).count();
    last_ = now;
  }

  void paint() {
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
  }

  PersonTable loaded_;
  PersonTable table_;
  ProgramState state_;
  ListDisplay display_;
  PersonListModel model_;
  MemorySettingsStore store_;
  std::unique_ptr<QListView> view_;
  std::unique_ptr<SearchWindow> window_;
  Update update_ = Update::kShowRows;
  Clock::time_point last_;
  std::map<std::string, double> totals_;
  int told_ = 0;
};

SearchPane& pane() {
  static SearchPane shown;
  return shown;
}

void BM_SearchWindow_Search(benchmark::State& bench) {
  const auto criteria = static_cast<Criteria>(bench.range(0));
  const auto update = static_cast<Update>(bench.range(1));
  SearchPane& search = pane();
  const std::map<std::string, double> before = search.totals();
  const int told_before = search.told();
  int found = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    search.restart(criteria, update);
    bench.ResumeTiming();
    search.start_clock();
    search.press_search();
    found = search.found();
  }
  for (const auto& [name, ms] : search.totals()) {
    const auto was = before.find(name);
    bench.counters[name] = benchmark::Counter(ms - (was == before.end() ? 0 : was->second),
                                              benchmark::Counter::kAvgIterations);
  }
  bench.counters["found"] = found;
  bench.counters["told"] =
      benchmark::Counter(search.told() - told_before, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SearchWindow_Search)
    ->ArgNames({"criteria", "refill"})
    ->ArgsProduct({{static_cast<int>(Criteria::kReset), static_cast<int>(Criteria::kNamePart),
                    static_cast<int>(Criteria::kAgeAndBranch), static_cast<int>(Criteria::kAlmanac),
                    static_cast<int>(Criteria::kNobody)},
                   {static_cast<int>(Update::kShowRows), static_cast<int>(Update::kRefill)}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelmira
