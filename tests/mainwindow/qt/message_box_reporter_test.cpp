// The error report as a real message box, wired to a stand-in main window: the box for each
// form, and what each answer does to the clipboard, the window and its timer.

#include "mainwindow/qt/message_box_reporter.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include "support/qt/modal_answer.h"

namespace pelmira {
namespace {

using testing::answer_next_message_box;
using testing::ModalDialogGuard;

// Counts the close requests it receives.
class MainWindowStandIn : public QWidget {
 public:
  int closes = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closes;
    event->accept();
  }
};

class MessageBoxReporterTest : public ::testing::Test {
 protected:
  MessageBoxReporterTest() {
    window_.show();
    timer_.start(60000);
    connect_error_report(&window_, &timer_, reporter_);
    error_channel().environment.started = true;
  }
  ~MessageBoxReporterTest() override { error_channel() = saved_; }

  ErrorChannel saved_ = error_channel();
  ModalDialogGuard guard_;
  MainWindowStandIn window_;
  QTimer timer_;
  MessageBoxReporter reporter_;
};

TEST_F(MessageBoxReporterTest, ConnectSetsTheProgramFolder) {
  EXPECT_EQ(error_channel().environment.program_folder,
            QCoreApplication::applicationDirPath().toStdString());
  EXPECT_EQ(error_channel().reporter, &reporter_);
}

TEST_F(MessageBoxReporterTest, AnswersAndTheirEffects) {
  using B = QMessageBox;
  struct Row {
    const char* name;
    std::int32_t number;
    B::StandardButton click;
    B::StandardButtons buttons;
    B::StandardButton default_button;
    const char* title;
    bool closes;
    bool timer_runs;
    bool copies;
  };
  const std::string apology = "Pelmira" + std::string(kApologySuffix);
  const Row rows[] = {
      {"overflow_ok_goes_on", err::kOverflow, B::Ok, B::Ok | B::Cancel, B::Ok, apology.c_str(),
       false, false, false},
      {"overflow_cancel_ends", err::kOverflow, B::Cancel, B::Ok | B::Cancel, B::Ok, apology.c_str(),
       true, true, false},
      {"unexpected_yes_copies_and_ends", err::kSubscript, B::Yes, B::Yes | B::No | B::Cancel,
       B::Yes, "Pelmira", true, true, true},
      {"unexpected_no_goes_on", err::kSubscript, B::No, B::Yes | B::No | B::Cancel, B::Yes,
       "Pelmira", false, false, false},
      {"unexpected_cancel_ends", err::kSubscript, B::Cancel, B::Yes | B::No | B::Cancel, B::Yes,
       "Pelmira", true, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    window_.closes = 0;
    timer_.start(60000);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const RuntimeError error(row.number);
    const ErrorReport expected =
        build_error_report(error, "guleyulibi", std::nullopt, error_channel().environment);

    const auto answer = answer_next_message_box(row.click);
    report_error(error, "guleyulibi");
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(answer.box().title, QString::fromUtf8(row.title));
    EXPECT_EQ(answer.box().icon, B::Critical);
    EXPECT_EQ(answer.box().buttons, row.buttons);
    EXPECT_EQ(answer.box().default_button, row.default_button);
    EXPECT_EQ(answer.box().parent, &window_);
    QString text = QString::fromStdString(expected.message());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(answer.box().text, text);
    EXPECT_FALSE(answer.box().text.contains(QLatin1Char('\r')));

    // The close request waits for the event loop, after the trapping procedure returned.
    EXPECT_EQ(window_.closes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window_.closes, row.closes ? 1 : 0);
    EXPECT_EQ(timer_.isActive(), row.timer_runs);
    EXPECT_EQ(
        QGuiApplication::clipboard()->text(),
        row.copies ? QString::fromStdString(expected.clipboard_text()) : QStringLiteral("before"));
    window_.show();
  }
}

// Escape, or closing the box, is no way to end the program: it goes on as OK (No in the
// three-button form) would; only the Cancel button ends it.
TEST_F(MessageBoxReporterTest, EscapeAndClosingTheBoxGoOn) {
  struct Row {
    const char* name;
    std::int32_t number;
    bool by_escape;  // else the box is closed as its title bar's button closes it
  };
  const Row rows[] = {
      {"overflow_escape", err::kOverflow, true},
      {"overflow_closed", err::kOverflow, false},
      {"unexpected_escape", err::kSubscript, true},
      {"unexpected_closed", err::kSubscript, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    window_.closes = 0;
    timer_.start(60000);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QMessageBox::StandardButton escape = QMessageBox::NoButton;
    auto answer = testing::answer_next_dialog<QMessageBox>([&](QMessageBox& box) {
      escape = box.standardButton(box.escapeButton());
      if (row.by_escape)
        QTest::keyClick(&box, Qt::Key_Escape);
      else
        box.close();
    });
    report_error(RuntimeError(row.number), "guleyulibi");
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(escape, row.number == err::kOverflow ? QMessageBox::Ok : QMessageBox::No);
    QCoreApplication::processEvents();
    EXPECT_EQ(window_.closes, 0);
    EXPECT_FALSE(timer_.isActive());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  }
}

TEST_F(MessageBoxReporterTest, ActionsOutliveTheWindowAndTimerSafely) {
  auto window = std::make_unique<MainWindowStandIn>();
  auto timer = std::make_unique<QTimer>();
  MessageBoxReporter reporter;
  connect_error_report(window.get(), timer.get(), reporter);
  window.reset();
  timer.reset();
  error_channel().actions.end_program();
  error_channel().actions.stop_timer();
  QCoreApplication::processEvents();
}

TEST_F(MessageBoxReporterTest, SaveWarning) {
  const auto answer = answer_next_message_box(QMessageBox::Ok);
  reporter_.show_save_warning("Pelmira", kSaveWarning);
  ASSERT_TRUE(answer.answered());
  EXPECT_EQ(answer.box().title, QStringLiteral("Pelmira"));
  EXPECT_EQ(answer.box().text, QStringLiteral("データ保存時にエラーが発生しました。\n"
                                              "データは正常に保存されていません。"));
  EXPECT_EQ(answer.box().icon, QMessageBox::Critical);
  EXPECT_EQ(answer.box().buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace pelmira
