// The person list model: its lines against st7's, its rows and the view's selection through
// refills, sorts, deletions, undo and insertions, all under QAbstractItemModelTester.

#include "people/qt/person_list_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>

#include <functional>
#include <string>
#include <vector>

#include "people/editing.h"
#include "people/list_refresh.h"
#include "people/list_view.h"
#include "people/person_list_fixtures.h"
#include "people/sorting.h"
#include "support/qt/qt_environment.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::PersonRow;
using testing::reference;
using testing::table_of;

constexpr std::string_view kAllColumns = "1111111111111111";

// Persons with names of one to four kanji or letters, birth dates spread over 1900-2023, and
// every seventh a copy of the one before (a duplicate for jyufuku).
std::vector<PersonRow> many_persons(int count) {
  static const char* const kParts[] = {"山", "田", "花", "子", "ｶﾅ", "Ab", "髙", "一"};
  std::vector<PersonRow> persons;
  unsigned seed = 12345;
  const auto next = [&seed](unsigned below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  };
  for (int k = 0; k < count; ++k) {
    if (k % 7 == 6) {
      persons.push_back(persons.back());
      continue;
    }
    std::string name;
    for (unsigned n = 1 + next(4); n > 0; --n) name += kParts[next(8)];
    persons.push_back({name, static_cast<i16>(1900 + next(124)), static_cast<i16>(1 + next(12)),
                       static_cast<i16>(1 + next(28))});
  }
  return persons;
}

std::vector<std::string> model_lines(const PersonListModel& model) {
  std::vector<std::string> lines;
  for (int row = 0; row < model.rowCount(); ++row)
    lines.push_back(model.data(model.index(row)).toString().toStdString());
  return lines;
}

// Turns the tester's complaints, which it logs as warnings, into failures of the running test.
class ModelTesterFailures {
 public:
  ModelTesterFailures() { previous_ = qInstallMessageHandler(&ModelTesterFailures::handle); }
  ~ModelTesterFailures() { qInstallMessageHandler(previous_); }
  ModelTesterFailures(const ModelTesterFailures&) = delete;
  ModelTesterFailures& operator=(const ModelTesterFailures&) = delete;

 private:
  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        std::string_view(context.category) == "qt.modeltest")
      ADD_FAILURE() << "model tester: " << text.toStdString();
  }
  QtMessageHandler previous_ = nullptr;
};

// A list pane as the window has it: the table, the state and the display the model reads,
// the model under the tester, and a view that holds a selection.
class PersonListModelTest : public ::testing::Test {
 protected:
  PersonListModelTest()
      : table_(table_of(many_persons(200))),
        state_(reference(2024, 6, 1)),
        display_(testing::display_with(kAllColumns)),
        model_(table_, state_, display_),
        tester_(&model_, QAbstractItemModelTester::FailureReportingMode::Warning) {
    view_.setObjectName(QStringLiteral("List1"));
    view_.setAccessibleName(QStringLiteral("氏名リスト"));
    view_.setUniformItemSizes(true);
    view_.setModel(&model_);
    view_.resize(400, 200);
    view_.show();
    refill();
  }

  ListRows rows() const { return refresh_rows(table_, state_, display_); }

  // What the window does after a read or a change of columns or date.
  void refill() {
    const ListRows now = rows();
    model_.refill(now.persons);
    select(now.selected);
  }
  // What the window does after a sort, a deletion or an undo.
  void show() {
    const ListRows now = rows();
    model_.show_rows(now.persons);
    select(now.selected);
  }
  void select(int row) {
    if (row >= 0) view_.setCurrentIndex(model_.index(row));
  }
  i16 current_person() const { return model_.person_at(view_.currentIndex().row()); }

  void expect_lines_of_st7() {
    const ListFill fill = st7(table_, state_, display_);
    EXPECT_EQ(model_lines(model_), fill.lines);
    EXPECT_EQ(model_.persons(), shown_rows(table_, display_));
  }

  testing::ModalDialogGuard guard_;
  ModelTesterFailures failures_;
  PersonTable table_;
  ProgramState state_;
  ListDisplay display_;
  PersonListModel model_;
  QAbstractItemModelTester tester_;
  QListView view_;
};

// Lines, displays and orders: the model's lines are st7's, row by row.
TEST_F(PersonListModelTest, LinesAreThoseOfSt7) {
  struct Case {
    const char* name;
    std::function<void(ListDisplay&)> change;
  };
  const std::vector<Case> cases = {
      {"all_columns", [](ListDisplay&) {}},
      {"descending", [](ListDisplay& d) { d.ascending = false; }},
      {"memorial_listing", [](ListDisplay& d) { d.listing_code = kListingMemorial; }},
      {"no_name_padding", [](ListDisplay& d) { d.name_tabs = 0; }},
      {"default_columns",
       [](ListDisplay& d) { d.columns = column_flags_from_setting(kDefaultColumnSetting); }},
      {"year_without_era", [](ListDisplay& d) { d.columns = column_flags_from_setting("0011"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    display_ = testing::display_with(kAllColumns);
    c.change(display_);
    refill();
    expect_lines_of_st7();
  }
}

TEST_F(PersonListModelTest, ANewReferenceDateRebuildsTheLinesInPlace) {
  select(120);
  view_.scrollTo(model_.index(120));
  const int scrolled = view_.verticalScrollBar()->value();
  const std::vector<std::string> before = model_lines(model_);
  QSignalSpy resets(&model_, &QAbstractItemModel::modelReset);

  state_ = reference(2030, 1, 15);
  refill();
  expect_lines_of_st7();
  EXPECT_NE(model_lines(model_), before);
  EXPECT_EQ(resets.count(), 0);
  EXPECT_EQ(view_.currentIndex().row(), 120);
  EXPECT_EQ(view_.verticalScrollBar()->value(), scrolled);
}

// The view measures its rows again when the same persons get other columns.
TEST_F(PersonListModelTest, OtherColumnsResizeTheRows) {
  const auto row_width = [this](std::string_view columns) {
    display_.columns = column_flags_from_setting(columns);
    refill();
    return view_.visualRect(model_.index(0)).width();
  };
  const int narrow = row_width(kDefaultColumnSetting);
  const int wide = row_width(kAllColumns);
  EXPECT_GT(wide, view_.viewport()->width());
  EXPECT_GT(wide, narrow);
  EXPECT_EQ(row_width(kDefaultColumnSetting), narrow);
}

// Each change of the table, what the view must be told, and the lines and rows after it.
TEST_F(PersonListModelTest, RowsFollowTheTableThroughEveryChange) {
  enum Signal { kNone, kMoved, kRemoved, kInserted, kReset };
  struct TableStep {
    const char* name;
    std::function<void(PersonTable&, ListDisplay&, const ProgramState&)> change;
    Signal signal;
  };
  const auto sort_by = [](i16 key) {
    return [key](PersonTable& t, ListDisplay& d, const ProgramState& s) {
      st1(t, s, d.listing_code, key);
    };
  };
  const auto delete_row = [](int row) {
    return [row](PersonTable& t, ListDisplay& d, const ProgramState&) {
      t.selected_person = person_of_row(t, d, row);
      list05(t, d, kDeleteMode);
    };
  };
  const std::vector<TableStep> steps = {
      {"sort_name", sort_by(kSortName), kMoved},
      {"sort_date", sort_by(kSortDate), kMoved},
      {"sort_month_day", sort_by(kSortMonthDay), kMoved},
      {"sort_day", sort_by(kSortDay), kMoved},
      {"sort_days_to_next", sort_by(kSortDaysToNext), kMoved},
      {"same_sort_again", sort_by(kSortDaysToNext), kNone},
      {"descending", [](PersonTable&, ListDisplay& d, const ProgramState&) { ls32(d); }, kMoved},
      {"delete_top_row", delete_row(0), kRemoved},
      {"delete_middle_row", delete_row(77), kRemoved},
      {"delete_bottom_row", delete_row(196), kRemoved},
      {"undo_delete", [](PersonTable& t, ListDisplay& d, const ProgramState&) { ls231(t, d); },
       kInserted},
      {"remove_scattered_duplicates",
       [](PersonTable& t, ListDisplay&, const ProgramState&) { jyufuku(t); }, kRemoved},
      {"undo_duplicates", [](PersonTable& t, ListDisplay& d, const ProgramState&) { ls231(t, d); },
       kInserted},
      {"cut_row",
       [](PersonTable& t, ListDisplay& d, const ProgramState&) {
         t.selected_person = person_of_row(t, d, 10);
         ls27(t, d);
       },
       kRemoved},
      {"insert_cut_rows", [](PersonTable& t, ListDisplay& d, const ProgramState&) { ls22(t, d); },
       kInserted},
      {"ascending_again", [](PersonTable&, ListDisplay& d, const ProgramState&) { ls32(d); },
       kMoved},
      {"new_person",
       [](PersonTable& t, ListDisplay& d, const ProgramState& s) {
         t.selected_person = person_of_row(t, d, 50);
         NoticePane pane;
         pane.name = "新人";
         list06(t, d, s, pane);
       },
       kInserted},
      {"basic_order", [](PersonTable& t, ListDisplay&, const ProgramState&) { ls38(t); }, kMoved},
  };

  select(30);
  for (const TableStep& step : steps) {
    SCOPED_TRACE(step.name);
    const i16 selected = current_person();
    QSignalSpy moved(&model_, &QAbstractItemModel::layoutChanged);
    QSignalSpy removed(&model_, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(&model_, &QAbstractItemModel::modelReset);

    step.change(table_, display_, state_);
    const ListRows now = rows();
    model_.show_rows(now.persons);
    // A re-order keeps the view's current row on its person before the window selects.
    if (step.signal == kMoved) {
      EXPECT_EQ(current_person(), selected);
    }
    select(now.selected);

    EXPECT_EQ(moved.count(), step.signal == kMoved ? 1 : 0);
    EXPECT_EQ(removed.isEmpty(), step.signal != kRemoved);
    EXPECT_EQ(inserted.isEmpty(), step.signal != kInserted);
    EXPECT_EQ(resets.count(), 0);
    expect_lines_of_st7();
    if (now.selected >= 0) {
      EXPECT_EQ(current_person(), table_.selected_person);
    }
  }
}

TEST_F(PersonListModelTest, ScatteredChangesBeyondTheLimitReset) {
  table_ = table_of(many_persons(2 * PersonListModel::kMaxRunsPerChange + 10));
  refill();
  const std::vector<i16> all = model_.persons();
  std::vector<i16> every_other;
  for (std::size_t r = 0; r < all.size(); r += 2) every_other.push_back(all[r]);
  ASSERT_GT(every_other.size(), std::size_t{PersonListModel::kMaxRunsPerChange});

  QSignalSpy resets(&model_, &QAbstractItemModel::modelReset);
  model_.show_rows(every_other);
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(model_.persons(), every_other);
  model_.show_rows(all);
  EXPECT_EQ(resets.count(), 2);
  EXPECT_EQ(model_.persons(), all);

  // Neither fewer, more nor the same persons: a search's result.
  std::vector<i16> other(all.begin(), all.begin() + 10);
  other.push_back(all.back());
  std::swap(other[0], other[1]);
  model_.show_rows(other);
  EXPECT_EQ(resets.count(), 3);
  EXPECT_EQ(model_.persons(), other);
}

// A line once built is kept until the model is told its person changed or it is refilled,
// through changes that only move rows.
TEST_F(PersonListModelTest, LinesAreKeptUntilTheirPersonChanges) {
  const QString first = model_.data(model_.index(0)).toString();
  const i16 person = model_.person_at(0);
  table_.personName[static_cast<std::size_t>(person)] = fixed_name("改名");
  st1(table_, state_, display_.listing_code, kSortDate);
  show();
  const int row = model_.row_of(person);
  EXPECT_EQ(model_.data(model_.index(row)).toString(), first);

  QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
  model_.person_changed(person);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.first().at(0).toModelIndex().row(), row);
  EXPECT_EQ(model_.data(model_.index(row)).toString().toStdString(),
            st3(table_, state_, display_, person));
}

// A column that fails ends its line empty, as st3 does; the report comes from the event
// loop, once, not from inside the view's painting.
TEST_F(PersonListModelTest, AFailingLineIsEmptyAndReportedOnce) {
  testing::RecordingReporter reporter;
  table_.personDate[5] = {32767, 1, 1};  // the stem column's year arithmetic overflows
  refill();
  const int row = model_.row_of(5);
  EXPECT_EQ(model_.data(model_.index(row)).toString(), QString());
  EXPECT_TRUE(reporter.empty());
  QCoreApplication::processEvents();
  EXPECT_EQ(reporter.places(), std::vector<std::string>{"st3"});
  EXPECT_EQ(model_.data(model_.index(row)).toString(), QString());
  QCoreApplication::processEvents();
  EXPECT_EQ(reporter.places().size(), 1u);
}

}  // namespace
}  // namespace pelmira

namespace pelmira {
namespace {

// Columns whose procedures trap their own errors (the zodiac sign, the six-star and the
// nine-star readings of an impossible date) report while the view paints: the reports are
// held and the first is shown once the paint is over, one box for the whole burst; the line
// keeps its other columns, as st3 builds it.
TEST_F(PersonListModelTest, ReportsOfAPaintWaitForTheEventLoopAndComeAsOne) {
  struct Case {
    const char* name;
    std::string_view columns;
  };
  const Case cases[] = {
      {"zodiac", "0100000010000000"},
      {"six_star", "0100000000001000"},
      {"nine_star", "0100000000000100"},
      {"all_columns", kAllColumns},
  };
  table_.personDate[2] = {1990, 0, 1};
  table_.personDate[3] = {1990, 13, 40};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    display_ = testing::display_with(c.columns);
    testing::RecordingReporter reporter;
    refill();
    (void)view_.grab();  // paints the first rows, the two impossible dates among them
    for (const i16 person : {i16{2}, i16{3}})
      (void)model_.data(model_.index(model_.row_of(person)));
    EXPECT_TRUE(reporter.empty()) << reporter.places().front();
    QCoreApplication::processEvents();
    EXPECT_EQ(reporter.reports().size(), 1u);
    (void)view_.grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(reporter.reports().size(), 1u);

    testing::RecordingReporter st3_reports;
    for (const i16 person : {i16{1}, i16{2}, i16{3}})
      EXPECT_EQ(model_.data(model_.index(model_.row_of(person))).toString().toStdString(),
                st3(table_, state_, display_, person));
  }
}

// The answer to the held report acts as it would on a report shown at once: Cancel ends the
// program (through the window's close), OK goes on.
TEST_F(PersonListModelTest, TheAnswerToAHeldReportActs) {
  ErrorChannel& channel = error_channel();
  const ReportActions saved = channel.actions;
  int ends = 0;
  channel.actions.end_program = [&ends] { ++ends; };
  table_.personDate[2] = {1990, 0, 1};
  display_ = testing::display_with("0100000010000000");
  for (const ReportAnswer answer : {ReportAnswer::kOk, ReportAnswer::kCancel}) {
    testing::RecordingReporter reporter(answer);
    ends = 0;
    refill();
    (void)model_.data(model_.index(model_.row_of(2)));
    EXPECT_EQ(ends, 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(reporter.reports().size(), 1u);
    EXPECT_EQ(ends, answer == ReportAnswer::kCancel ? 1 : 0);
  }
  channel.actions = saved;
}

}  // namespace
}  // namespace pelmira
