#pragma once
// The person list as a list model. A row is a person number; its text (the line st3 builds)
// is made only when a view asks for it and then kept, so that a refill of 32 766 persons
// costs a copy of their numbers and the first screen, and scrolling back builds nothing.
//
// Lines are kept per person, not per row: a sort, the order menu, a deletion or an undo
// moves persons between rows but leaves their lines as they were, so those changes keep every
// line built so far. Only `refill` (every line) and `person_changed` (one) forget them.
//
// Wiring, with `rows` from refresh_rows (people/list_refresh.h):
//   - after a read (replacing or adding), "リストの内容を全て消す", or a change of the columns,
//     name width, listing, reference date, calendar mode or ageing rule:
//     refill(rows.persons);
//   - after a sort (st1), the order menu (ls32), "基本の並びの表示" (ls38), a search step, a
//     deletion (list05, ls27, jyufuku), an undo (ls231), an insertion of cut persons (ls22) or
//     a new person (list06): show_rows(rows.persons);
//   - after 書換 of the selected person: person_changed(person);
//   then select rows.selected in the view.

#include <QAbstractListModel>
#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/checked.h"
#include "core/error_report.h"
#include "core/state.h"
#include "people/list_columns.h"
#include "people/list_lines.h"
#include "people/person_table.h"

namespace pelmira {

// What the lines' procedures reported while the view painted, shown after the paint.
struct HeldReports {
  std::optional<ErrorReport> report;
  std::optional<std::pair<std::string, std::string>> save_warning;  // title and text
};

class PersonListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // The table, the state and the display are read whenever a line is built: they must
  // outlive the model. The model starts with no rows.
  PersonListModel(const PersonTable& table, const ProgramState& state, const ListDisplay& display,
                  QObject* parent = nullptr);

  // Shows `persons` (the person of each row, top to bottom) with every line built anew from
  // the table, the state and the display as they are now. The view sees a reset when the
  // persons change and a change of every row's data when only their lines do, so that the
  // list keeps its place while a date is stepped.
  void refill(std::vector<i16> persons);

  // Shows `persons` whose lines have not changed (a new order, fewer or more persons). The
  // view sees the smallest change that says it: nothing, a re-order (the selection follows
  // its persons), removed rows or inserted rows; any other change is a reset. Lines built
  // before stay.
  void show_rows(std::vector<i16> persons);

  // The data of one person changed: its line is built anew when next shown.
  void person_changed(i16 person);

  const std::vector<i16>& persons() const { return rows_; }
  // The person of a row, 0 for a row that does not exist.
  i16 person_at(int row) const;
  // The row that shows a person, -1 when none does.
  int row_of(i16 person) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Beyond this many separate runs of removed or inserted rows, show_rows resets the view
  // instead. A run costs about half a microsecond besides moving the rows below it, so with
  // 32 766 rows 1 024 runs cost a millisecond more than a reset, and keep the view's place.
  static constexpr int kMaxRunsPerChange = 1024;

 private:
  // The line of a person, built on first use. Its procedures' error reports are held, and
  // the first of them is shown from the event loop (show_held_reports), so that no box opens
  // while the view paints or asks for data.
  const QString& line_of(i16 person) const;
  void show_held_reports() const;
  void forget_lines();
  void reset_to(std::vector<i16> persons);
  bool moved_to(std::vector<i16>& persons);
  bool removed_to(std::vector<i16>& persons);
  bool inserted_to(std::vector<i16>& persons);

  const PersonTable& table_;
  const ProgramState& state_;
  const ListDisplay& display_;
  std::optional<ListLineBuilder> builder_;  // made anew by every refill
  std::vector<i16> rows_;
  // The lines built so far, indexed by person number; empty optionals are not built yet.
  mutable std::vector<std::optional<QString>> lines_;
  mutable HeldReports held_;
  mutable bool show_queued_ = false;
};

}  // namespace pelmira
