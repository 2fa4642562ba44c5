// The search window "検索" driven through its widgets: the boxes keep the criteria as the
// search logic says, リセット, the date forms' marks, 検索開始 and キャンセル, the stored place,
// the busy state, and searches of a list read from a file, nested and stepped back and
// forward, ranges that run backwards among them.

#include "people/qt/search_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "core/qt/box_text.h"
#include "people/data_reader.h"
#include "people/people_fixtures.h"
#include "people/person_list_fixtures.h"
#include "settings/setting_values.h"
#include "support/qt/modal_answer.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::ModalDialogGuard;
using testing::RecordingReporter;
using testing::shown_names;
using Names = std::vector<std::string>;

// 2024-06-01: 田中 29, 山田 34, 佐藤 24, 田村 23, 鈴木 54 years old.
const std::vector<std::string> kPersons = {"田中^1995 1 1^", "山田^1990 1 1^", "佐藤^2000 1 1^",
                                           "田村^2001 1 1^", "鈴木^1970 5 5^"};
const Names kEveryone = {"田中", "山田", "佐藤", "田村", "鈴木"};

class SearchWindowTest : public ::testing::Test {
 protected:
  SearchWindowTest() {
    const std::string path = folder_.file("list.txt");
    testing::write_bytes(path, testing::sjis_data_file(kPersons));
    testing::ScriptedReadHost host;
    rist02(table_, state_, path, -1, host);
  }

  // The window as the main window makes it: the search runs on the table, in the busy state.
  SearchWindow& window() {
    if (!window_) {
      SearchWindow::Hooks hooks;
      hooks.state = [this]() -> const ProgramState& { return state_; };
      hooks.search = [this](const SearchForm& form) {
        searched_.push_back(form);
        return run_search(table_, state_, form, [this](bool on) {
          window_->set_busy(on);
          enabled_while_busy_.push_back(window_->isEnabled());
        });
      };
      if (record_notes_) hooks.tell = [this](std::string_view text) { told_.emplace_back(text); };
      window_ = std::make_unique<SearchWindow>(store_, std::move(hooks), &main_window_);
    }
    return *window_;
  }

  template <typename T>
  T& control(const QString& name) {
    T* found = window().findChild<T*>(name);
    if (!found) throw std::runtime_error("no control " + name.toStdString());
    return *found;
  }
  QComboBox& box(int index) { return control<QComboBox>(QStringLiteral("Combo1_%1").arg(index)); }
  QPushButton& command(int index) {
    return control<QPushButton>(QStringLiteral("Command1_%1").arg(index));
  }
  QRadioButton& date_form(int index) {
    return control<QRadioButton>(QStringLiteral("Option2_%1").arg(index));
  }
  QLineEdit& name_part() { return control<QLineEdit>(QStringLiteral("Text1")); }

  // Picks an item in a box's list as the user does with the keyboard: the list opens, the
  // item is marked and Enter takes it.
  void choose(int index, std::string_view text) {
    QComboBox& combo = box(index);
    const int at = combo.findText(from_utf8(text));
    ASSERT_GE(at, 0) << index << " " << text;
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    ASSERT_TRUE(list->isVisible());
    list->setCurrentIndex(list->model()->index(at, 0));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_FALSE(list->isVisible()) << "the list stayed open";
  }

  // Types a text into the name box, replacing what it held.
  void type_name_part(const QString& text) {
    name_part().setFocus();
    QTest::keyClick(&name_part(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&name_part(), Qt::Key_Delete);
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::Click, &name_part(), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }

  QString shown(int index) { return box(index).currentText(); }

  ModalDialogGuard guard_;
  RecordingReporter reporter_;
  testing::TempFolder folder_;
  MemorySettingsStore store_;
  ProgramState state_ = testing::reference(2024, 6, 1);
  PersonTable table_;
  QWidget main_window_;
  bool record_notes_ = true;
  std::unique_ptr<SearchWindow> window_;
  std::vector<SearchForm> searched_;
  std::vector<std::string> told_;
  std::vector<bool> enabled_while_busy_;
};

TEST_F(SearchWindowTest, EveryControlIsNamedAndShowsTheOpeningChoices) {
  SearchWindow& shown_window = window();
  EXPECT_TRUE(shown_window.windowFlags().testFlag(Qt::Tool));
  const SearchForm opening = search_form_load();
  for (int i = 0; i < kSearchBoxCount; ++i) {
    SCOPED_TRACE(i);
    const SearchBox& data = opening.boxes[static_cast<std::size_t>(i)];
    ASSERT_EQ(box(i).count(), static_cast<int>(data.items.size()));
    EXPECT_EQ(box(i).currentText(), from_utf8(data.text()));
  }
  for (const QWidget* control : shown_window.findChildren<QWidget*>()) {
    if (control->parentWidget() != &shown_window) continue;  // parts of the controls
    SCOPED_TRACE(control->metaObject()->className());
    EXPECT_FALSE(control->objectName().isEmpty());
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
  }
}

// The logic may change other boxes than the one chosen; the window shows what it changed.
TEST_F(SearchWindowTest, ChoicesShowWhatTheLogicChanged) {
  choose(kBoxEraFrom, "令和");
  EXPECT_FALSE(box(kBoxHundredsFrom).isEnabled());
  EXPECT_EQ(shown(kBoxHundredsFrom), QStringLiteral("0"));
  choose(kBoxUnitsFrom, "3");
  EXPECT_EQ(window().form().criteria.at(kCriteriaDate, 0, 0), 2021);
  choose(kBoxEraFrom, "西暦");
  EXPECT_TRUE(box(kBoxHundredsFrom).isEnabled());
  choose(kBoxAgeFrom, "50");
  choose(kBoxAgeTo, "24");
  EXPECT_EQ(shown(kBoxAgeFrom), QStringLiteral("24"));
}

TEST_F(SearchWindowTest, AKeyInABoxIsAChoiceToo) {
  box(kBoxAgeFrom).setFocus();
  QTest::keyClick(&box(kBoxAgeFrom), Qt::Key_Down);
  EXPECT_EQ(window().form().boxes[kBoxAgeFrom].text(), "0");
  EXPECT_EQ(shown(kBoxAgeTo), QStringLiteral("0"));  // moved up with it
}

TEST_F(SearchWindowTest, ResetRestoresTheOpeningChoices) {
  choose(kBoxEraTo, "平成");
  choose(kBoxAgeTo, "30");
  type_name_part(QStringLiteral("田"));
  date_form(2).click();
  EXPECT_EQ(window().form().name_part, "田");
  command(2).click();
  const SearchForm opening = search_form_load();
  EXPECT_EQ(window().form().criteria, opening.criteria);
  for (int i = 0; i < kSearchBoxCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(box(i).currentIndex(), opening.boxes[static_cast<std::size_t>(i)].selected);
    EXPECT_TRUE(box(i).isEnabled());
  }
  EXPECT_EQ(name_part().text(), QString());
  EXPECT_TRUE(date_form(0).isChecked());
}

TEST_F(SearchWindowTest, EachDateFormShowsItsOwnMarks) {
  struct Row {
    const char* name;
    int form;
    std::vector<int> frames;  // Shape1_k shown
    std::vector<int> tildes;  // Label2_k shown
  };
  const std::vector<Row> rows = {
      {"full_dates", kFormFullDate, {0, 1}, {0}},
      {"years_and_month_days", kFormMonthDay, {2, 3}, {2, 3}},
      {"years_months_days", kFormSeparate, {4, 5, 6}, {4, 5, 6}},
  };
  SearchWindow& shown_window = window();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    date_form(row.form).click();
    EXPECT_EQ(shown_window.form().date_form, row.form);
    std::vector<int> frames, tildes;
    for (int k = 0; k < 7; ++k) {
      if (control<QFrame>(QStringLiteral("Shape1_%1").arg(k)).isVisibleTo(&shown_window))
        frames.push_back(k);
      const auto* tilde = shown_window.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(k));
      if (tilde && tilde->isVisibleTo(&shown_window)) tildes.push_back(k);
    }
    EXPECT_EQ(frames, row.frames);
    EXPECT_EQ(tildes, row.tildes);
  }
}

TEST_F(SearchWindowTest, CancelHidesWithoutSearching) {
  window().open();
  choose(kBoxAgeFrom, "25");
  command(1).click();
  EXPECT_TRUE(searched_.empty());
  EXPECT_FALSE(window().isVisible());
  EXPECT_EQ(shown_names(table_), kEveryone);
  EXPECT_EQ(table_.search_depth, 0);
}

TEST_F(SearchWindowTest, NestedSearchesStepBackAndForward) {
  window().open();
  type_name_part(QStringLiteral("田"));
  command(0).click();
  ASSERT_EQ(searched_.size(), 1u);
  EXPECT_EQ(searched_[0].name_part, "田");
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(told_.empty());
  // The main window's busy state covered the search window while it searched.
  EXPECT_EQ(enabled_while_busy_, (std::vector<bool>{false, true}));
  EXPECT_EQ(shown_names(table_), (Names{"田中", "山田", "田村"}));
  // Opened again with the last choices, and a search inside the first.
  window().open();
  EXPECT_EQ(name_part().text(), QStringLiteral("田"));
  choose(kBoxAgeFrom, "25");
  choose(kBoxAgeTo, "40");
  command(0).click();
  EXPECT_EQ(shown_names(table_), (Names{"田中", "山田"}));
  EXPECT_EQ(table_.search_depth, 2);
  ls24(table_);
  EXPECT_EQ(shown_names(table_), (Names{"田中", "山田", "田村"}));
  ls24(table_);
  EXPECT_EQ(shown_names(table_), kEveryone);
  ls241(table_);
  ls241(table_);
  EXPECT_EQ(shown_names(table_), (Names{"田中", "山田"}));
  EXPECT_TRUE(reporter_.empty());
}

TEST_F(SearchWindowTest, AgesAreCountedAtTheReferenceDateOfTheSearch) {
  window().open();
  choose(kBoxAgeFrom, "29");
  choose(kBoxAgeTo, "29");
  // The window stays as it is while the "現在" date moves on five years.
  state_ = testing::reference(2029, 6, 1);
  command(0).click();
  EXPECT_EQ(shown_names(table_), (Names{"佐藤"}));
}

TEST_F(SearchWindowTest, ARangeRunningBackwardsFindsNoOneAndSaysSo) {
  struct Row {
    const char* name;
    int form;
    std::vector<std::pair<int, std::string>> choices;
  };
  const std::vector<Row> rows = {
      {"years_2000_to_1990_full_dates",
       kFormFullDate,
       {{kBoxHundredsFrom, "20"}, {kBoxHundredsTo, "19"}, {kBoxUnitsTo, "90"}}},
      {"years_2000_to_1990_separate",
       kFormSeparate,
       {{kBoxHundredsFrom, "20"}, {kBoxHundredsTo, "19"}, {kBoxUnitsTo, "90"}}},
      {"heisei_10_to_showa_60",
       kFormFullDate,
       {{kBoxEraFrom, "平成"}, {kBoxUnitsFrom, "10"}, {kBoxEraTo, "昭和"}, {kBoxUnitsTo, "60"}}},
      {"june_to_january_of_1995",
       kFormFullDate,
       {{kBoxUnitsFrom, "95"},
        {kBoxMonthFrom, "6"},
        {kBoxHundredsTo, "19"},
        {kBoxUnitsTo, "95"},
        {kBoxMonthTo, "1"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    window().open();
    command(2).click();
    date_form(row.form).click();
    for (const auto& [index, text] : row.choices) choose(index, text);
    told_.clear();
    command(0).click();
    EXPECT_TRUE(shown_names(table_).empty());
    EXPECT_EQ(told_, std::vector<std::string>{std::string(kNothingFoundText)});
    EXPECT_EQ(table_.search_depth, 1);
    EXPECT_TRUE(reporter_.empty());
    ls24(table_);  // the way back to the list
    EXPECT_EQ(shown_names(table_), kEveryone);
  }
}

TEST_F(SearchWindowTest, NothingFoundIsToldInABoxOverTheMainWindow) {
  record_notes_ = false;
  window().open();
  type_name_part(QStringLiteral("該当なし"));
  auto answer = testing::answer_next_message_box(QMessageBox::Ok);
  command(0).click();
  ASSERT_TRUE(answer.answered());
  EXPECT_EQ(answer.box().text, from_utf8(kNothingFoundText));
  EXPECT_EQ(answer.box().title, QStringLiteral("検索"));
  EXPECT_EQ(answer.box().parent, &main_window_);
  EXPECT_FALSE(window().isVisible());
}

TEST_F(SearchWindowTest, BusyStateDisablesTheWindowWithTheWaitPointer) {
  window().set_busy(true);
  window().set_busy(true);
  EXPECT_FALSE(window().isEnabled());
  EXPECT_EQ(window().cursor().shape(), Qt::WaitCursor);
  window().set_busy(false);
  EXPECT_FALSE(window().isEnabled());  // one level still on
  window().set_busy(false);
  window().set_busy(false);  // one off too many changes nothing
  EXPECT_TRUE(window().isEnabled());
  EXPECT_EQ(window().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SearchWindowTest, ThePlaceComesFromTheSettingsWhenShown) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  struct Row {
    const char* name;
    const char* left;  // nullptr: no value stored
    const char* top;
    QPoint place;
  };
  const std::vector<Row> rows = {
      {"defaults", nullptr, nullptr, {385, 95}},  // 5775 and 1425 twips
      {"stored", "1500", "3000", {100, 200}},
      {"fraction", "1507.4", "3000", {100, 200}},
      {"not_numbers", "abc", "1,5", {385, 95}},
      {"off_every_screen", "-99999", "-99999", available.topLeft()},
      {"far_beyond", "1e30", "1e30", available.topLeft()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    store_ = MemorySettingsStore();
    if (row.left) write_text(store_, setting::kSearchLeft, row.left);
    if (row.top) write_text(store_, setting::kSearchTop, row.top);
    window_.reset();
    window().open();
    EXPECT_EQ(window().pos(), row.place);
    window().hide();
  }
}

TEST_F(SearchWindowTest, ThePlaceIsStoredWhenHiddenClosedOrDestroyed) {
  window().open();
  window().move(120, 80);
  command(1).click();
  EXPECT_EQ(read_text(store_, setting::kSearchLeft), "1800");
  EXPECT_EQ(read_text(store_, setting::kSearchTop), "1200");
  window().open();
  EXPECT_EQ(window().pos(), QPoint(120, 80));
  window().move(60, 40);
  window().close();  // the title bar's close box
  EXPECT_EQ(read_text(store_, setting::kSearchLeft), "900");
  window().open();
  window().move(30, 20);
  window_.reset();
  EXPECT_EQ(read_text(store_, setting::kSearchTop), "300");
}

}  // namespace
}  // namespace pelmira
