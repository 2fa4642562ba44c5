// The input panel, the month calendar and the listing pane with real widgets: typing a date,
// the keypad sequences, the step button and its timer, the input history, a day-cell click,
// the 1582 reform month, every listing kind, a row click and the listing's context menu.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "mainwindow/qt/calendar_panel.h"
#include "mainwindow/qt/listing_panel.h"
#include "support/recording_reporter.h"
#include "window_fixture.h"

namespace pelmira {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::RecordingReporter;

class EntryPanelsTest : public testing::WindowTest {
 protected:
  void click(const char* name) { control<QPushButton>(name)->click(); }
  // Presses buttons by their captions, in order.
  void press(std::initializer_list<const char*> names) {
    for (const char* name : names) click(name);
  }
  void type_date(const char* text) {
    // As an input method or a paste puts the text in, then the Enter key.
    QLineEdit* box = control<QLineEdit>("Text2_0");
    box->setText(QString::fromUtf8(text));
    QTest::keyClick(box, Qt::Key_Return);
  }
  // "＝" clicked: pressed, one tick of the timer, released, and the tick that stops it.
  void step_once() {
    QPushButton* step = control<QPushButton>("Command9_4");
    QTest::mousePress(step, Qt::LeftButton);
    window_->Timer1_Timer();
    QTest::mouseRelease(step, Qt::LeftButton);
    window_->Timer1_Timer();
  }
  std::string label(const char* name) { return control<QLabel>(name)->text().toStdString(); }
  QStringList listing_rows() {
    QStringList rows;
    const QAbstractItemModel* model = control<QListView>("List3")->model();
    for (int row = 0; row < model->rowCount(); ++row)
      rows << model->data(model->index(row, 0)).toString();
    return rows;
  }
  void click_listing_row(int row) {
    QListView* list = control<QListView>("List3");
    list->scrollTo(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
  }
  void set_birth(const char* text) {
    control<QRadioButton>("Option4_0")->click();
    type_date(text);
  }

  RecordingReporter reporter_;
};

TEST_F(EntryPanelsTest, TypedDateUpdatesTheReport) {
  loaded();
  type_date("H12.5.3");
  EXPECT_THAT(label("Label2_10"), HasSubstr("西暦 2000年 5月 3日 水曜日"));
  EXPECT_EQ(control<QLineEdit>("Text2_0")->text(), QStringLiteral("平成 12年 5月 3日"));
  EXPECT_TRUE(control<QLineEdit>("Text2_0")->hasSelectedText());
  EXPECT_EQ(label("Label2_11"), "満年齢 26歳 7ヶ月 5日");
  EXPECT_TRUE(reporter_.empty());
}

TEST_F(EntryPanelsTest, UnreadableTypedTextKeepsTheLastGoodDate) {
  loaded();
  for (const char* text : {"いつか", "99999", ""}) type_date(text);
  // Pasted texts: control characters, and far more than a date.
  QLineEdit* box = control<QLineEdit>("Text2_0");
  for (const QString& pasted : {QStringLiteral("\x01\x02\x1b\t"), QString(10000, u'9')}) {
    box->setText(pasted);
    QTest::keyClick(box, Qt::Key_Return);
  }
  EXPECT_EQ(slot(0).year, 1996);
  EXPECT_EQ(slot(0).month, 10);
  EXPECT_EQ(slot(0).day, 1);
}

TEST_F(EntryPanelsTest, SolarTermWordsStoreTheListingSwitch) {
  loaded();
  type_date("節気表示");
  EXPECT_EQ(stored(setting::kSolarTermListing), "1");
  type_date("節気非表示");
  EXPECT_EQ(stored(setting::kSolarTermListing), "0");
}

TEST_F(EntryPanelsTest, KeypadEraYearThenMonth) {
  loaded();
  press({"Command4_1", "Command7_1", "Command7_2"});  // 平成 1 2
  EXPECT_EQ(control<QLineEdit>("Text2_1")->text(), QStringLiteral("平成12"));
  EXPECT_TRUE(control<QPushButton>("Command8_0")->isEnabled());
  EXPECT_FALSE(control<QPushButton>("Command8_1")->isEnabled());
  click("Command8_0");  // 年
  EXPECT_EQ(slot(0).era_label(), "平成");
  EXPECT_EQ(slot(0).entered_year, 12);
  EXPECT_EQ(slot(0).year, 2000);
  press({"Command7_5", "Command8_1"});  // 5 月
  EXPECT_EQ(slot(0).month, 5);
  EXPECT_EQ(control<QLineEdit>("Text2_1")->text(), QString());
}

TEST_F(EntryPanelsTest, StepButtonMovesTenDaysAndRepeatsWhileHeld) {
  loaded();
  press({"Command10_0", "Command7_1", "Command7_0", "Command8_2"});  // ＋ 1 0 日
  EXPECT_TRUE(control<QPushButton>("Command9_4")->isEnabled());
  step_once();
  EXPECT_EQ(slot(0).month, 10);
  EXPECT_EQ(slot(0).day, 11);
  EXPECT_FALSE(window_->timer()->isActive());

  QPushButton* step = control<QPushButton>("Command9_4");
  QTest::mousePress(step, Qt::LeftButton);
  std::vector<int> intervals;
  for (int tick = 0; tick < 7; ++tick) {
    window_->Timer1_Timer();
    intervals.push_back(window_->timer()->interval());
  }
  QTest::mouseRelease(step, Qt::LeftButton);
  window_->Timer1_Timer();
  EXPECT_THAT(intervals, ElementsAre(400, 400, 400, 400, 400, 1, 1));
  EXPECT_EQ(slot(0).day, 20);  // 1996-10-11 + 70 days
  EXPECT_EQ(slot(0).month, 12);
  EXPECT_FALSE(window_->timer()->isActive());
}

TEST_F(EntryPanelsTest, MonthStepNormalisesTheDay) {
  loaded();
  set_birth("2001/5/31");
  press({"Command10_1", "Command7_3", "Command8_1"});  // － 3 月
  step_once();
  EXPECT_EQ(slot(0).year, 2001);
  EXPECT_EQ(slot(0).month, 3);
  EXPECT_EQ(slot(0).day, 3);
}

TEST_F(EntryPanelsTest, StepBelowYearOneIsRefused) {
  loaded();
  set_birth("5/1/1");
  press({"Command10_1", "Command7_9", "Command8_0"});  // － 9 年
  step_once();
  ASSERT_THAT(reporter_.places(), ElementsAre("skl1"));
  EXPECT_EQ(reporter_.reports()[0].lines[6], "西暦０年以下には対応していません");
  EXPECT_EQ(slot(0).year, 5);
}

TEST_F(EntryPanelsTest, SameEraPressedTwiceRereadsTheYear) {
  loaded();
  set_birth("H40.1.1");  // 2028-01-01, shown as 令和10
  EXPECT_EQ(slot(0).era_label(), "令和");
  press({"Command4_2", "Command4_2"});  // 昭和 twice: the era year 10 read in 昭和
  EXPECT_EQ(slot(0).era_label(), "昭和");
  EXPECT_EQ(slot(0).entered_year, 10);
  EXPECT_EQ(slot(0).year, 1935);
}

TEST_F(EntryPanelsTest, UndoRestoresTheEarlierPairAndThenIsDisabled) {
  loaded();
  QAction* undo = action("riremodos");
  EXPECT_FALSE(undo->isEnabled());
  set_birth("2000/1/1");
  EXPECT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(slot(0).year, 1996);
  EXPECT_FALSE(undo->isEnabled());
}

TEST_F(EntryPanelsTest, DayCellClickSetsTheDay) {
  loaded();
  auto* calendar = qobject_cast<CalendarPanel*>(window_->panel(kCalendarPanel));
  ASSERT_NE(calendar, nullptr);
  // October 1996 starts on a Tuesday: day 15 sits in cell 2 + 9 + 15 = 26.
  EXPECT_EQ(calendar->cell(26)->text(), QStringLiteral("15"));
  QTest::mouseClick(calendar->cell(26), Qt::LeftButton);
  EXPECT_EQ(slot(0).day, 15);
  QTest::mouseClick(control<QLabel>("Label7_4"), Qt::LeftButton);  // a header: nothing
  EXPECT_EQ(slot(0).day, 15);
  // The "現在" month shows today's ring.
  control<QRadioButton>("Option2_1")->click();
  EXPECT_TRUE(calendar->ring()->isVisible());
}

TEST_F(EntryPanelsTest, ReformMonthRunsFromTheFourthToTheFifteenth) {
  loaded();
  set_birth("1582/10/4");
  auto* calendar = qobject_cast<CalendarPanel*>(window_->panel(kCalendarPanel));
  QStringList days;
  for (int cell = 11; cell <= 17; ++cell) days << calendar->cell(cell)->text();
  EXPECT_EQ(days, (QStringList{"1", "2", "3", "4", "15", "16", "17"}));
  EXPECT_THAT(calendar->title().toStdString(), HasSubstr("ユリウス暦"));
  EXPECT_THAT(label("Label2_10"), HasSubstr("(ﾕﾘｳｽ)"));
}

TEST_F(EntryPanelsTest, EveryListingKindShowsItsLines) {
  write_text(store_, setting::kSolarTermListing, "1");
  loaded();
  for (int kind = 0; kind < kListingKindCount; ++kind) {
    action(("itirank1_" + std::to_string(kind)).c_str())->trigger();
    EXPECT_FALSE(listing_rows().isEmpty()) << kind;
    EXPECT_TRUE(action(("itirank1_" + std::to_string(kind)).c_str())->isChecked());
  }
  // The solar-term listing shows its notice each time it is chosen.
  EXPECT_THAT(dialogs_.texts(), ElementsAre(HasSubstr("２４節気の表示に付いての注意")));
  // The day counts use the selection boxes, the others the side options.
  EXPECT_TRUE(control<QComboBox>("Combo1_0")->isVisible());
  EXPECT_FALSE(control<QRadioButton>("Option6_0")->isVisible());
}

TEST_F(EntryPanelsTest, RowClicksMoveTheDate) {
  loaded();
  action("itirank1_1")->trigger();  // 年齢: the "現在" side moves into the row's year of age
  EXPECT_THAT(listing_rows()[5].toStdString(), ::testing::StartsWith("  3 歳"));
  click_listing_row(5);
  EXPECT_EQ(slot(1).year, 1999);
  EXPECT_THAT(label("Label2_11"), ::testing::StartsWith("満年齢 3歳"));

  action("itirank1_0")->trigger();  // 学校
  const i16 before = slot(1).year;
  click_listing_row(1);  // a heading: nothing
  EXPECT_EQ(slot(1).year, before);

  action("itirank1_7")->trigger();  // ２４節気: a row's date goes to the side counted from
  click_listing_row(3);
  EXPECT_THAT(listing_rows()[3].toStdString(), HasSubstr(std::to_string(slot(0).day)));
}

TEST_F(EntryPanelsTest, ContextMenuListsTheTwelveKinds) {
  write_text(store_, setting::kSolarTermListing, "1");
  loaded();
  QListView* list = control<QListView>("List3");
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(10, 10));
  QMenu* menu = window_->menus().listing;
  EXPECT_TRUE(menu->isVisible());
  int kinds = 0;
  for (const QAction* item : menu->actions()) kinds += item->isVisible() ? 1 : 0;
  EXPECT_EQ(kinds, 12);
  menu->close();
}

TEST_F(EntryPanelsTest, FortuneListingTakesTheBirthTime) {
  loaded();
  QComboBox* hour = control<QComboBox>("Combo1_0");
  EXPECT_TRUE(hour->isVisible());
  EXPECT_EQ(hour->currentIndex(), 11);  // 10 時, the start time
  hour->setCurrentIndex(15);
  hour->activated(15);
  EXPECT_EQ(window_->session().listing().hour_choice, 15);
}

}  // namespace
}  // namespace pelmira
