// The help window: the ".hlp" file shown as HTML at its contents, the Contents button, and
// a missing help file going to the error report.

#include "mainwindow/qt/help_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "core/runtime_error.h"
#include "support/qt/qt_environment.h"
#include "support/recording_reporter.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::ModalDialogGuard;
using testing::RecordingReporter;
using testing::TestFolder;

// A help page long enough to scroll, with the contents heading in the middle.
std::string help_page(bool with_contents) {
  std::string html = "<html><body><h1>Pelmira の使い方</h1>";
  for (int i = 0; i < 80; ++i) html += "<p>前書きの段落 " + std::to_string(i) + "</p>";
  html += with_contents ? "<h2><a name=\"contents\">目次</a></h2>" : "<h2>目次</h2>";
  for (int i = 0; i < 80; ++i) html += "<p>本文の段落 " + std::to_string(i) + "</p>";
  return html + "</body></html>";
}

class HelpWindowTest : public ::testing::Test {
 protected:
  // The text of the line at the top of the browser's view.
  QString top_line() const {
    QTextBrowser* browser = window_.browser();
    return browser->cursorForPosition(QPoint(2, 2)).block().text();
  }

  ModalDialogGuard guard_;
  TestFolder program_;
  TestFolder data_;
  HelpWindow window_;
};

TEST_F(HelpWindowTest, ShowsTheHelpFileAtItsContents) {
  program_.write("pelmira.hlp", help_page(true));
  show_help_contents(window_, program_.path(), data_.path());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Pelmira ヘルプ"));
  EXPECT_FALSE(window_.isModal());
  const QString text = window_.browser()->toPlainText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Pelmira の使い方"))) << text.left(40).toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("<p>")));
  EXPECT_GT(window_.browser()->verticalScrollBar()->value(), 0);
  EXPECT_EQ(top_line(), QStringLiteral("目次"));

  // Scrolled away, the Contents button brings the contents back.
  window_.browser()->verticalScrollBar()->setValue(0);
  EXPECT_NE(top_line(), QStringLiteral("目次"));
  window_.findChild<QPushButton*>(QStringLiteral("helpContents"))->click();
  EXPECT_EQ(top_line(), QStringLiteral("目次"));
}

TEST_F(HelpWindowTest, DataFolderCopyWithoutContentsShowsTheTop) {
  data_.write("pelmira.hlp", help_page(false));
  show_help_contents(window_, program_.path(), data_.path());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  EXPECT_EQ(window_.path(), QString::fromStdString(data_.path() + "/pelmira.hlp"));
  EXPECT_EQ(window_.browser()->verticalScrollBar()->value(), 0);
  EXPECT_EQ(top_line(), QStringLiteral("Pelmira の使い方"));
}

TEST_F(HelpWindowTest, MissingHelpFileIsReported) {
  RecordingReporter reporter;
  show_help_contents(window_, program_.path(), data_.path());
  EXPECT_FALSE(window_.isVisible());
  ASSERT_EQ(reporter.reports().size(), 1u);
  const ErrorReport& report = reporter.reports().front();
  EXPECT_EQ(report.place, "pelmirahelp01_Click");
  EXPECT_EQ(report.number, err::kFileNotFound);
  EXPECT_EQ(report.lines[4], "　ファイル名　" + program_.path() + "/pelmira.hlp");
}

}  // namespace
}  // namespace pelmira
