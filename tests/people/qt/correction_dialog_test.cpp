// The correction dialog "不正なデータの修正" as a read meets it: the real modal dialog is
// answered button by button while rist02 reads a file with a bad line, and the read shows what
// each answer did. Also what the dialog shows of the line and the report, the pointer while it
// is open, and lines of many megabytes, which must show at once.

#include "people/qt/correction_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/qt/box_text.h"
#include "core/text.h"
#include "people/data_reader.h"
#include "people/line_check.h"
#include "people/people_fixtures.h"
#include "support/qt/modal_answer.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::answer_next_dialog;
using testing::ModalAnswerer;
using testing::ModalDialogGuard;
using testing::RecordingReporter;
using testing::TempFolder;
using Clock = std::chrono::steady_clock;

TEST(ShownReport, LineBreaksAndLimits) {
  struct Row {
    const char* name;
    std::string report;
    std::string shown;
  };
  const std::string long_line(kShownReportLineChars + 5, 'x');
  const std::vector<Row> rows = {
      {"cr_lf_breaks_the_line", "a\r\nb\r\n", "a\nb"},
      {"empty_lines_kept", "a\r\n\r\nb\r\n", "a\n\nb"},
      {"lone_cr_and_lone_lf_break_too", "a\rb\nc", "a\nb\nc"},
      {"long_line_cut_with_a_note", long_line + "\r\nend\r\n",
       long_line.substr(0, kShownReportLineChars) + "…（以下 5 文字を省略）\nend"},
      {"cut_between_wide_characters", repeat("あ", kShownReportLineChars + 2),
       repeat("あ", kShownReportLineChars) + "…（以下 2 文字を省略）"},
      {"lines_up_to_the_limit", repeat("x\r\n", kShownReportLines),
       repeat("x\n", kShownReportLines - 1) + "x"},
      {"lines_past_the_limit", repeat("x\r\n", kShownReportLines + 5),
       repeat("x\n", kShownReportLines) + "（これ以降の行は省略しました。）"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(shown_report(row.report), from_utf8(row.shown));
  }
}

// The main window during a read: every correction window is the real dialog over it.
class DialogReadHost : public ReadHost {
 public:
  explicit DialogReadHost(QWidget* main_window) : main_window_(main_window) {}

  void show_correction(CorrectionWindow& window) override {
    opened = Clock::now();
    show_correction_dialog(window, main_window_);
    left.push_back(window);
  }

  Clock::time_point opened;
  std::vector<CorrectionWindow> left;  // each window as its dialog left it

 private:
  QWidget* main_window_;
};

// A control of the dialog by its name. The steps run inside the dialog's event loop, where
// nothing may be thrown: a missing control ends the test program.
template <typename T>
T& control(QDialog& dialog, const QString& name) {
  T* found = dialog.findChild<T*>(name);
  if (!found) {
    ADD_FAILURE() << "the dialog has no control " << name.toStdString();
    std::abort();
  }
  return *found;
}

QLineEdit& edit_box(QDialog& dialog) {
  return control<QLineEdit>(dialog, QStringLiteral("Text1"));
}

QLabel& label(QDialog& dialog, int index) {
  return control<QLabel>(dialog, QStringLiteral("Label1_%1").arg(index));
}

QPushButton& button(QDialog& dialog, CorrectionButton which) {
  return control<QPushButton>(dialog, QStringLiteral("Command1_%1").arg(static_cast<int>(which)));
}

using Step = std::function<void(CorrectionDialog&)>;

Step type_and_press(std::string text, CorrectionButton which) {
  return [text, which](CorrectionDialog& dialog) {
    edit_box(dialog).setText(from_utf8(text));
    button(dialog, which).click();
  };
}

Step press(CorrectionButton which) {
  return [which](CorrectionDialog& dialog) { button(dialog, which).click(); };
}

// Answerers for the dialogs a read opens, one step each, in order.
class DialogScript {
 public:
  explicit DialogScript(const std::vector<Step>& steps) {
    for (const Step& step : steps)
      answerers_.emplace_back(new ModalAnswerer(answer_next_dialog<CorrectionDialog>(step)));
  }

 private:
  std::vector<std::unique_ptr<ModalAnswerer>> answerers_;
};

const std::string kBadLine = "c^1993 4^";

class CorrectionDialogTest : public ::testing::Test {
 protected:
  // Reads a file of the given lines, answering the dialogs with `steps`.
  PersonTable read(const std::vector<std::string>& lines, const std::vector<Step>& steps) {
    const std::string path = folder_.file("list.txt");
    testing::write_bytes(path, testing::sjis_data_file(lines));
    const DialogScript script(steps);
    return testing::read_table(path, host_);
  }

  static std::vector<std::string> names(const PersonTable& table) {
    std::vector<std::string> found;
    for (i16 p = 1; p <= table.personCount; ++p) found.push_back(testing::name_of(table, p));
    return found;
  }

  ModalDialogGuard guard_;
  RecordingReporter reporter_;
  TempFolder folder_;
  QWidget main_window_;
  DialogReadHost host_{&main_window_};
};

TEST_F(CorrectionDialogTest, EachButtonDecidesTheBadLine) {
  using B = CorrectionButton;
  struct Row {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> names;
    std::optional<PersonDate> third;  // the third person's date, for a repaired line
  };
  const Step revert_then_force = [](CorrectionDialog& dialog) {
    edit_box(dialog).setText(QStringLiteral("x^1999 1 1^"));
    button(dialog, B::kRevert).click();
    EXPECT_EQ(edit_box(dialog).text(), from_utf8(kBadLine));
    EXPECT_TRUE(dialog.isVisible());
    button(dialog, B::kForce).click();
  };
  const Step enter_in_the_box = [](CorrectionDialog& dialog) {
    edit_box(dialog).setText(QStringLiteral("c^1993 4 5^"));
    QTest::keyClick(&edit_box(dialog), Qt::Key_Return);
  };
  const Step close_box_after_an_edit = [](CorrectionDialog& dialog) {
    edit_box(dialog).setText(QStringLiteral("x^1999 1 1^"));
    dialog.close();
  };
  const Step still_bad_shown_again = [](CorrectionDialog& dialog) {
    EXPECT_EQ(edit_box(dialog).text(), QStringLiteral("c2^1993^"));
    EXPECT_TRUE(label(dialog, 0).text().startsWith(
        QStringLiteral("c2^1993^\nのデータにエラーを見つけました。")));
    button(dialog, B::kSkip).click();
  };
  const std::vector<Row> rows = {
      {"recheck_reads_the_repair",
       {type_and_press("c^1993 4 5^", B::kRecheck)},
       {"a", "b", "c", "d"},
       PersonDate{1993, 4, 5}},
      {"enter_rechecks", {enter_in_the_box}, {"a", "b", "c", "d"}, PersonDate{1993, 4, 5}},
      {"recheck_of_a_line_still_bad",
       {type_and_press("c2^1993^", B::kRecheck), still_bad_shown_again},
       {"a", "b", "d"},
       std::nullopt},
      {"force_reads_the_edit_unchecked",
       {type_and_press("e^1993 4^", B::kForce)},
       {"a", "b", "e", "d"},
       std::nullopt},
      {"skip_drops_the_line_and_the_edit",
       {type_and_press("c^1993 4 5^", B::kSkip)},
       {"a", "b", "d"},
       std::nullopt},
      {"revert_restores_and_stays_open", {revert_then_force}, {"a", "b", "c", "d"}, std::nullopt},
      {"stop_keeps_the_persons_before", {press(B::kStop)}, {"a", "b"}, std::nullopt},
      {"close_box_reads_the_line_as_it_was",
       {close_box_after_an_edit},
       {"a", "b", "c", "d"},
       std::nullopt},
      {"close_box_after_a_recheck_checks_again",
       {press(B::kRecheck), close_box_after_an_edit, press(B::kSkip)},
       {"a", "b", "d"},
       std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host_.left.clear();
    const PersonTable table =
        read({"a^1990 1 2^", "b^1991 2 3^", kBadLine, "d^1994 5 6^"}, row.steps);
    EXPECT_EQ(names(table), row.names);
    EXPECT_EQ(host_.left.size(), row.steps.size());
    if (row.third) {
      ASSERT_GE(table.personCount, 3);
      EXPECT_EQ(table.personDate[3], *row.third);
    }
  }
  EXPECT_TRUE(reporter_.empty());
}

TEST_F(CorrectionDialogTest, ShowsTheLineAndTheReport) {
  // Markup in a line is shown as written, never interpreted.
  const std::string line = "<b>太郎</b>^1993 4^";
  read({line}, {[&](CorrectionDialog& dialog) {
         EXPECT_EQ(dialog.windowTitle(), QStringLiteral("不正なデータの修正"));
         EXPECT_TRUE(dialog.isModal());
         EXPECT_EQ(dialog.parentWidget(), &main_window_);

         EXPECT_EQ(edit_box(dialog).text(), from_utf8(line));
         EXPECT_FALSE(edit_box(dialog).isReadOnly());
         EXPECT_FALSE(edit_box(dialog).accessibleName().isEmpty());
         EXPECT_FALSE(label(dialog, 1).isVisible());  // no note for a line shown whole

         QLabel& report = label(dialog, 0);
         EXPECT_EQ(report.text(), box_text(datachekku(line).report).chopped(1));
         EXPECT_TRUE(report.text().contains(QStringLiteral("　年月日のデータが足りません。")));
         EXPECT_EQ(report.textFormat(), Qt::PlainText);
         EXPECT_TRUE(report.textInteractionFlags() & Qt::TextSelectableByMouse);
         EXPECT_FALSE(report.accessibleName().isEmpty());
         // The report of an ordinary line fits without scrolling.
         auto* area = dialog.findChild<QScrollArea*>();
         ASSERT_NE(area, nullptr);
         EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
         EXPECT_FALSE(area->verticalScrollBar()->isVisible());

         for (std::size_t k = 0; k < kCorrectionCaptions.size(); ++k) {
           SCOPED_TRACE(k);
           const QPushButton& command = button(dialog, static_cast<CorrectionButton>(k));
           EXPECT_EQ(command.text(), from_utf8(kCorrectionCaptions[k]));
           EXPECT_EQ(command.toolTip(), from_utf8(kCorrectionTooltips[k]));
           EXPECT_EQ(command.accessibleName(), command.text());
         }
         EXPECT_TRUE(button(dialog, CorrectionButton::kRecheck).isDefault());
         button(dialog, CorrectionButton::kSkip).click();
       }});
}

TEST_F(CorrectionDialogTest, ArrowPointerWhileOpenHourglassAfter) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  read({kBadLine}, {[](CorrectionDialog& dialog) {
         ASSERT_NE(QApplication::overrideCursor(), nullptr);
         EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
         button(dialog, CorrectionButton::kSkip).click();
       }});
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QApplication::restoreOverrideCursor();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Lines of hostile size show at once, cut; the buttons keep acting on the whole line.
TEST_F(CorrectionDialogTest, HugeLinesShowCutAndStayWhole) {
  constexpr std::size_t kTen = 10'000'000;
  struct Row {
    const char* name;
    std::string line;
  };
  const std::vector<Row> rows = {
      {"ten_megabytes_of_digits", "長い^" + std::string(kTen, '1') + "^"},
      {"millions_of_line_feeds", "改行^" + repeat("1\n", kTen / 2) + "^"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::size_t chars = char_count(row.line);
    const Step look_and_recheck = [&](CorrectionDialog& dialog) {
      EXPECT_LT(Clock::now() - host_.opened, std::chrono::seconds(5));
      EXPECT_EQ(edit_box(dialog).text(), shown_line(row.line).text);
      EXPECT_EQ(static_cast<std::size_t>(edit_box(dialog).text().size()), kShownLineChars);
      EXPECT_TRUE(edit_box(dialog).isReadOnly());
      EXPECT_TRUE(label(dialog, 1).isVisible());
      EXPECT_TRUE(label(dialog, 1).text().contains(QString::number(chars)));
      EXPECT_LT(label(dialog, 0).text().size(),
                static_cast<qsizetype>(kShownReportLines * (kShownReportLineChars + 20)));
      button(dialog, CorrectionButton::kRecheck).click();
    };
    const Step skip = [&](CorrectionDialog& dialog) {
      EXPECT_LT(Clock::now() - host_.opened, std::chrono::seconds(5));
      button(dialog, CorrectionButton::kSkip).click();
    };
    host_.left.clear();
    std::string line = row.line;
    i16 verdict = kVerdictGoOn;
    {
      const DialogScript script({look_and_recheck, skip});
      datashyusei(line, verdict, host_);
    }
    ASSERT_EQ(host_.left.size(), 2u);
    // The re-check saw the whole line, not only what the box showed.
    EXPECT_EQ(host_.left[0].line_under_correction.size(), row.line.size());
    EXPECT_EQ(verdict, kVerdictGoOn);
    EXPECT_EQ(line.size(), row.line.size() + 1);
    EXPECT_EQ(line.front(), '\'');
  }
}

}  // namespace
}  // namespace pelmira
