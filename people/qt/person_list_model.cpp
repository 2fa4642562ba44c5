#include "people/qt/person_list_model.h"

#include <QMetaObject>

#include <algorithm>
#include <exception>
#include <utility>

#include "core/error_report.h"
#include "core/trap.h"

namespace pelmira {
namespace {

std::size_t slot_of(i16 person) {
  return static_cast<std::size_t>(std::max<i16>(person, 0));
}

// A run of rows [first, last] that left or joined the list.
struct Run {
  int first;
  int last;
};

// Walks `longer` against `shorter`, which must be `longer` with some rows taken out in the
// same order; the runs are the taken rows, as rows of `longer`, top to bottom. False when
// `shorter` is not such a list or the runs are more than `max_runs`.
bool runs_taken_out(const std::vector<i16>& longer, const std::vector<i16>& shorter, int max_runs,
                    std::vector<Run>& runs) {
  std::size_t kept = 0;
  for (std::size_t row = 0; row < longer.size(); ++row) {
    if (kept < shorter.size() && longer[row] == shorter[kept]) {
      ++kept;
      continue;
    }
    const int r = static_cast<int>(row);
    if (!runs.empty() && runs.back().last == r - 1) {
      runs.back().last = r;
    } else {
      if (static_cast<int>(runs.size()) == max_runs) return false;
      runs.push_back({r, r});
    }
  }
  return kept == shorter.size();
}

// The reporter in force while lines are built: it keeps the first report (and save warning)
// of a burst for later instead of showing it, and answers OK so that the line goes on with
// the failed column empty.
class HeldReporter : public ErrorReporter {
 public:
  explicit HeldReporter(HeldReports& held) : held_(held) {}

  ReportAnswer show_report(const ErrorReport& report) override {
    if (!held_.report) held_.report = report;
    return ReportAnswer::kOk;
  }
  void show_save_warning(std::string_view title, std::string_view text) override {
    if (!held_.save_warning) held_.save_warning = {std::string(title), std::string(text)};
  }

 private:
  HeldReports& held_;
};

}  // namespace

PersonListModel::PersonListModel(const PersonTable& table, const ProgramState& state,
                                 const ListDisplay& display, QObject* parent)
    : QAbstractListModel(parent), table_(table), state_(state), display_(display) {
  builder_.emplace(table_, state_, display_);
}

void PersonListModel::refill(std::vector<i16> persons) {
  if (persons != rows_) {
    reset_to(std::move(persons));
    return;
  }
  // The same persons with new lines: a re-layout lets the view measure the new line width,
  // and it keeps the scroll position and the selection.
  Q_EMIT layoutAboutToBeChanged();
  forget_lines();
  Q_EMIT layoutChanged();
  if (!rows_.empty()) Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

void PersonListModel::show_rows(std::vector<i16> persons) {
  if (persons == rows_) return;
  if (moved_to(persons) || removed_to(persons) || inserted_to(persons)) return;
  beginResetModel();
  rows_ = std::move(persons);
  endResetModel();
}

void PersonListModel::person_changed(i16 person) {
  const std::size_t slot = slot_of(person);
  if (slot < lines_.size()) lines_[slot].reset();
  const int row = row_of(person);
  if (row >= 0) Q_EMIT dataChanged(index(row), index(row), {Qt::DisplayRole});
}

i16 PersonListModel::person_at(int row) const {
  if (row < 0 || row >= rowCount()) return 0;
  return rows_[static_cast<std::size_t>(row)];
}

int PersonListModel::row_of(i16 person) const {
  const auto found = std::find(rows_.begin(), rows_.end(), person);
  return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

int PersonListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant PersonListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole ||
      !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return {};
  return line_of(rows_[static_cast<std::size_t>(index.row())]);
}

const QString& PersonListModel::line_of(i16 person) const {
  const std::size_t slot = slot_of(person);
  if (slot >= lines_.size()) lines_.resize(slot + 1);
  std::optional<QString>& line = lines_[slot];
  if (line) return *line;
  {
    // The view asks for lines while it paints, where a modal box must not open (its event
    // loop would run inside the paint). Whatever the line's procedures report, the columns
    // that trap their own errors included, is held and shown after the paint.
    HeldReporter holder(held_);
    const ScopedReporter during_build(holder);
    try {
      line = QString::fromStdString(builder_->line_unchecked(person));
    } catch (const std::exception& e) {
      // st3 ends the line at the error and reports it; the line stays empty.
      line = QString();
      report_error(as_runtime_error(e), "st3");
    }
  }
  if ((held_.report || held_.save_warning) && !show_queued_) {
    show_queued_ = true;
    QMetaObject::invokeMethod(
        const_cast<PersonListModel*>(this), [this] { show_held_reports(); }, Qt::QueuedConnection);
  }
  return *line;
}

// One box for all the lines built since the last event loop turn, however many failed.
void PersonListModel::show_held_reports() const {
  show_queued_ = false;
  const HeldReports held = std::exchange(held_, {});
  if (held.report) show_error_report(*held.report);
  if (held.save_warning) {
    ErrorChannel& channel = error_channel();
    StderrReporter fallback;
    ErrorReporter& reporter = channel.reporter ? *channel.reporter : fallback;
    reporter.show_save_warning(held.save_warning->first, held.save_warning->second);
  }
}

void PersonListModel::forget_lines() {
  builder_.emplace(table_, state_, display_);
  lines_.assign(static_cast<std::size_t>(std::max<i16>(table_.personCount, 0)) + 1, std::nullopt);
}

void PersonListModel::reset_to(std::vector<i16> persons) {
  beginResetModel();
  rows_ = std::move(persons);
  forget_lines();
  endResetModel();
}

// The same persons in another order: one layout change, the view's persistent indexes
// (selection, current row) moved to the new rows of their persons.
bool PersonListModel::moved_to(std::vector<i16>& persons) {
  if (persons.size() != rows_.size()) return false;
  std::size_t slots = 1;
  for (const i16 p : rows_) slots = std::max(slots, slot_of(p) + 1);
  std::vector<int> old_row(slots, -1);
  for (std::size_t r = 0; r < rows_.size(); ++r) old_row[slot_of(rows_[r])] = static_cast<int>(r);
  std::vector<int> new_row(slots, -1);
  for (std::size_t r = 0; r < persons.size(); ++r) {
    const std::size_t slot = slot_of(persons[r]);
    if (slot >= slots || old_row[slot] < 0 || new_row[slot] >= 0) return false;
    new_row[slot] = static_cast<int>(r);
  }

  Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& at : before)
    after.push_back(index(new_row[slot_of(rows_[static_cast<std::size_t>(at.row())])]));
  rows_ = std::move(persons);
  changePersistentIndexList(before, after);
  Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  return true;
}

// Fewer persons, the rest in the same order: the runs of rows that left, removed from the
// bottom up so that the rows above each run keep their numbers.
bool PersonListModel::removed_to(std::vector<i16>& persons) {
  if (persons.size() >= rows_.size()) return false;
  std::vector<Run> runs;
  if (!runs_taken_out(rows_, persons, kMaxRunsPerChange, runs)) return false;
  for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
    beginRemoveRows({}, run->first, run->last);
    rows_.erase(rows_.begin() + run->first, rows_.begin() + run->last + 1);
    endRemoveRows();
  }
  return true;
}

// More persons, the former ones in the same order: the runs of new rows, inserted from the
// top down so that each run's rows are already its final rows.
bool PersonListModel::inserted_to(std::vector<i16>& persons) {
  if (persons.size() <= rows_.size()) return false;
  std::vector<Run> runs;
  if (!runs_taken_out(persons, rows_, kMaxRunsPerChange, runs)) return false;
  for (const Run& run : runs) {
    beginInsertRows({}, run.first, run.last);
    rows_.insert(rows_.begin() + run.first, persons.begin() + run.first,
                 persons.begin() + run.last + 1);
    endInsertRows();
  }
  return true;
}

}  // namespace pelmira
