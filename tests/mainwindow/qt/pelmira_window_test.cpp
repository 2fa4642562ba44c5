// The main window end to end on the offscreen platform, with its settings in a real INI file:
// the first start and its panels, "000000", "rdq", files on the command line, the panel menu
// and the close buttons, closing with its questions, and the error report's answers.

#include "mainwindow/qt/pelmira_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "core/error_report.h"
#include "mainwindow/qt/message_box_reporter.h"
#include "mainwindow/qt/panel_frames.h"
#include "mainwindow/qt/year_calendar_view.h"
#include "people/qt/search_window.h"
#include "settings/qt/qsettings_store.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/qt/modal_answer.h"
#include "support/qt/qt_environment.h"
#include "support/recording_main_dialogs.h"
#include "support/test_folder.h"
#include "window_fixture.h"

namespace pelmira {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Answer = MainDialogs::Answer;

using PelmiraWindowTest = testing::WindowTest;

TEST_F(PelmiraWindowTest, FirstStartShowsFourPanelsInTwoColumns) {
  PelmiraWindow& window = loaded();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Pelmira(年齢計算ソフト)"));
  EXPECT_THAT(panels_visible(), ElementsAre(true, true, true, true, false, false));
  // The planner's twips at 15 to a pixel: panel 0 at (50, 50), panel 3 under it at 3400,
  // panel 1 in the second column at 4900; the window 9850 x 8650.
  EXPECT_EQ(window.panel(0)->pos(), QPoint(3, 3));
  EXPECT_EQ(window.panel(3)->pos(), QPoint(3, 227));
  EXPECT_EQ(window.panel(1)->pos(), QPoint(327, 3));
  EXPECT_EQ(window.panel(2)->pos(), QPoint(327, 247));
  EXPECT_EQ(window.size(), QSize(657, 577));
  EXPECT_TRUE(action("m1_0")->isChecked());
  EXPECT_FALSE(action("m1_4")->isChecked());
  EXPECT_TRUE(action("itirank1_9")->isChecked());
  EXPECT_FALSE(action("itirank1_7")->isVisible());
  EXPECT_EQ(control<QLabel>("Label2_11")->text(), QStringLiteral("満年齢 30歳 2ヶ月 7日"));
  EXPECT_GT(control<QListView>("List3")->model()->rowCount(), 0);
  EXPECT_EQ(control<QLabel>("Label9")->text(),
            QStringLiteral("データを入力或はファイルを読込んで使用して下さい。"));
  for (const char* name : {"Frame1_0", "Command6_3", "Text2_0", "Label7_51", "List1", "HScroll1"})
    EXPECT_FALSE(control(name)->accessibleName().isEmpty()) << name;
}

TEST_F(PelmiraWindowTest, AllPanelsHiddenStartsInTheYearCalendar) {
  write_text(store_, setting::kPanes, "000000");
  PelmiraWindow& window = loaded();
  EXPECT_THAT(panels_visible(), ElementsAre(false, false, false, false, false, false));
  EXPECT_TRUE(window.year_calendar()->isVisible());
  EXPECT_EQ(window.year_calendar()->scroll_bar()->value(), 2026);
  EXPECT_TRUE(action("fnc01")->isChecked());
  EXPECT_EQ(window.size(), QSize(700, 567));  // 10500 x 8500 twips
  window.year_calendar()->scroll_bar()->setValue(2027);
  EXPECT_THAT(window.session().view().year_calendar->items.front().text, HasSubstr("2027"));
}

TEST_F(PelmiraWindowTest, RdqDeletesTheSettingsWithoutShowingTheWindow) {
  write_text(store_, setting::kTop, "3000");
  write_text(store_, setting::kConfirmExit, "1");
  PelmiraWindow& window = loaded({"rdq"});
  QSignalSpy unloaded(&window, &PelmiraWindow::unloaded);
  ASSERT_TRUE(unloaded.wait(2000));
  EXPECT_FALSE(window.isVisible());
  EXPECT_THAT(dialogs_.texts(), ElementsAre("レジストリの内容を削除して終了します。"));
  EXPECT_EQ(stored(setting::kTop), "<missing>");
  EXPECT_EQ(stored(setting::kConfirmExit), "<missing>");
}

TEST_F(PelmiraWindowTest, TwoFilesOnTheCommandLineFillTheList) {
  const std::string family = data_.write(
      "family.txt", testing::cp932_data_file({"山田太郎^1990 1 2^", "山田花子^1992 3 4^"}));
  const std::string friends =
      data_.write("friends.txt", testing::cp932_data_file({"佐藤一郎^1985 5 6^"}));
  loaded({family, friends});
  EXPECT_THAT(panels_visible(), ElementsAre(true, true, true, true, true, false));
  EXPECT_EQ(control<QListView>("List1")->model()->rowCount(), 3);
  EXPECT_THAT(control<QLabel>("Label9")->text().toStdString(), HasSubstr("総数  3"));
  window_->session().ghfail_Click();
  EXPECT_THAT(dialogs_.texts().back(), HasSubstr("現在開いているファイル　2"));
}

TEST_F(PelmiraWindowTest, PanelMenuAndCloseButtonsLayOutAgain) {
  PelmiraWindow& window = loaded();
  action("m1_0")->trigger();  // panels 1, 2, 3 left: column 1 takes 2 and 3 (6750)
  EXPECT_THAT(panels_visible(), ElementsAre(false, true, true, true, false, false));
  EXPECT_EQ(window.panel(2)->pos(), QPoint(3, 3));
  EXPECT_EQ(window.panel(3)->pos(), QPoint(3, 157));
  EXPECT_EQ(window.panel(1)->pos(), QPoint(327, 3));
  EXPECT_EQ(window.height(), 507);  // 6750 + 850 twips
  EXPECT_EQ(stored(setting::kPanes), "011100");

  control<QPushButton>("Command6_1")->click();
  EXPECT_THAT(panels_visible(), ElementsAre(false, false, true, true, false, false));
  EXPECT_FALSE(action("m1_1")->isChecked());

  action("m1_5")->trigger();  // the notification entry brings the list
  EXPECT_THAT(panels_visible(), ElementsAre(false, false, true, true, true, true));
  action("msg2_1")->trigger();
  EXPECT_THAT(panels_visible(), ElementsAre(false, false, false, false, false, false));
  EXPECT_EQ(stored(setting::kPanes), "000000");
}

TEST_F(PelmiraWindowTest, CloseConfirmationNoKeepsTheWindow) {
  write_text(store_, setting::kConfirmExit, "1");
  PelmiraWindow& window = loaded();
  dialogs_.answers = {Answer::kNo};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.is_unloaded());
  EXPECT_THAT(dialogs_.texts(), ElementsAre("Pelmiraを終了しますか?"));
  EXPECT_EQ(stored(setting::kTop), "<missing>");
  dialogs_.answers = {Answer::kYes};
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(window.is_unloaded());
  EXPECT_EQ(stored(setting::kTop), "105");  // 100 twips are 7 pixels
}

TEST_F(PelmiraWindowTest, SettingsDeletionAnsweredNoSavesAsANormalExit) {
  PelmiraWindow& window = loaded();
  QSignalSpy unloaded(&window, &PelmiraWindow::unloaded);
  dialogs_.answers = {Answer::kNo};
  action("rsyuryou")->trigger();
  ASSERT_TRUE(unloaded.wait(2000));
  EXPECT_THAT(dialogs_.texts().back(), HasSubstr("　削除しますか？"));
  EXPECT_EQ(stored(setting::kTop), "105");  // 100 twips are 7 pixels
  EXPECT_EQ(stored(setting::kListingKind), "9");
  EXPECT_EQ(stored(setting::kPanes), "111100");
}

// The search window keeps its place in the settings when it closes; with the settings
// deleted at the exit, it closes before the deletion, so nothing is written back after it.
TEST_F(PelmiraWindowTest, SettingsDeletionWithTheSearchWindowOpenLeavesNothing) {
  const std::string family =
      data_.write("family.txt", testing::cp932_data_file({"山田太郎^1990 1 2^"}));
  PelmiraWindow& window = loaded({family});
  action("ls14")->trigger();
  ASSERT_TRUE(window.search_window()->isVisible());
  QSignalSpy unloaded(&window, &PelmiraWindow::unloaded);
  dialogs_.answers = {Answer::kYes};
  action("rsyuryou")->trigger();
  ASSERT_TRUE(unloaded.wait(2000));
  EXPECT_THAT(dialogs_.texts().back(), HasSubstr("　削除しますか？"));
  EXPECT_FALSE(window.search_window()->isVisible());
  EXPECT_EQ(stored(setting::kSearchTop), "<missing>");
  EXPECT_EQ(stored(setting::kSearchLeft), "<missing>");
  const QSettings ini(store_.file_of(kSettingsApplication), QSettings::IniFormat);
  EXPECT_TRUE(ini.allKeys().isEmpty()) << ini.allKeys().join(QLatin1Char(' ')).toStdString();
  window_.reset();  // the search window, destroyed with the main window, stores nothing either
  EXPECT_TRUE(QSettings(store_.file_of(kSettingsApplication), QSettings::IniFormat)
                  .allKeys()
                  .isEmpty());
}

// A normal exit with the search window open keeps its place for the next opening.
TEST_F(PelmiraWindowTest, NormalExitWithTheSearchWindowOpenStoresItsPlace) {
  const std::string family =
      data_.write("family.txt", testing::cp932_data_file({"山田太郎^1990 1 2^"}));
  PelmiraWindow& window = loaded({family});
  action("ls14")->trigger();
  window.search_window()->move(150, 90);
  ASSERT_TRUE(window.close());
  EXPECT_EQ(stored(setting::kSearchLeft), "2250");  // 15 twips to a pixel
  EXPECT_EQ(stored(setting::kSearchTop), "1350");
  EXPECT_EQ(stored(setting::kTop), "105");
}

class ErrorDialogTest : public PelmiraWindowTest {
 protected:
  void SetUp() override {
    loaded();
    connect_error_report(&*window_, window_->timer(), reporter_);
  }
  void TearDown() override { error_channel() = ErrorChannel{}; }

  MessageBoxReporter reporter_;
};

TEST_F(ErrorDialogTest, CancelEndsTheProgramThroughTheCloseRequest) {
  QSignalSpy unloaded(&*window_, &PelmiraWindow::unloaded);
  auto answer = testing::answer_next_message_box(QMessageBox::Cancel);
  report_error(RuntimeError(err::kOverflow), "guleyulibi");
  EXPECT_EQ(answer.box().icon, QMessageBox::Critical);
  EXPECT_THAT(answer.box().title.toStdString(), ::testing::StartsWith("Pelmira　"));
  ASSERT_TRUE(unloaded.wait(2000));
  EXPECT_EQ(stored(setting::kTop), "105");  // a normal exit: 7 pixels
}

// Cancel ends the program as the window's own close does: unsaved changes of the list are
// offered for saving first, and cancelling that question keeps the window and the changes.
TEST_F(ErrorDialogTest, CancelAsksToSaveUnsavedChangesFirst) {
  const std::string family = data_.write(
      "family.txt", testing::cp932_data_file({"山田太郎^1990 1 2^", "佐藤花子^1985 5 6^"}));
  window_->session().open_files({family});
  window_->session().List1_Click(0);
  window_->render();
  action("ls23")->trigger();  // 削除: the list now differs from its file
  ASSERT_EQ(window_->session().persons().changed, 1);
  QSignalSpy unloaded(&*window_, &PelmiraWindow::unloaded);
  const auto save_question = HasSubstr("データが変更されています。");

  dialogs_.answers = {Answer::kCancel};
  {
    auto answer = testing::answer_next_message_box(QMessageBox::Cancel);
    report_error(RuntimeError(err::kOverflow), "guleyulibi");
  }
  EXPECT_TRUE(dialogs_.shown.empty());  // the close waits for the event loop
  QCoreApplication::processEvents();
  EXPECT_THAT(dialogs_.texts(), ElementsAre(save_question));
  EXPECT_FALSE(window_->is_unloaded());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->session().persons().changed, 1);

  dialogs_.answers = {Answer::kNo};
  {
    auto answer = testing::answer_next_message_box(QMessageBox::Cancel);
    report_error(RuntimeError(err::kOverflow), "guleyulibi");
  }
  ASSERT_TRUE(unloaded.wait(2000));
  EXPECT_THAT(dialogs_.texts(), ElementsAre(save_question, save_question));
}

TEST_F(ErrorDialogTest, EscapeKeepsTheProgramRunning) {
  auto answer = testing::answer_next_dialog<QMessageBox>(
      [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
  report_error(RuntimeError(err::kOverflow), "guleyulibi");
  ASSERT_TRUE(answer.answered());
  QCoreApplication::processEvents();
  EXPECT_FALSE(window_->is_unloaded());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(ErrorDialogTest, YesCopiesTheReportAndEnds) {
  QSignalSpy unloaded(&*window_, &PelmiraWindow::unloaded);
  auto answer = testing::answer_next_message_box(QMessageBox::Yes);
  report_error(RuntimeError(err::kSubscript), "mein0");
  EXPECT_EQ(answer.box().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  const std::string copied = QGuiApplication::clipboard()->text().toStdString();
  EXPECT_THAT(copied, ::testing::StartsWith("//////////  Pelmiraでのエラー報告  //////////"));
  EXPECT_THAT(copied, HasSubstr("　発生場所　mein0"));
  ASSERT_TRUE(unloaded.wait(2000));
}

}  // namespace
}  // namespace pelmira
