// The main window's boxes and file dialogs: the filter and start-folder conversions, and the
// real boxes and dialogs as they open (answered by the test).

#include "mainwindow/qt/main_dialogs_qt.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>

#include "support/qt/modal_answer.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::answer_next_dialog;
using testing::answer_next_message_box;
using testing::ModalDialogGuard;
using testing::TestFolder;

TEST(QtFileFilter, FromBarSeparatedPairs) {
  struct Row {
    const char* name;
    const char* filter;
    const char* qt;
  };
  constexpr Row kRows[] = {
      {"description_with_pattern_kept", "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt", "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)"},
      {"pattern_added", "テキスト|*.txt", "テキスト (*.txt)"},
      {"several_pairs", "Text|*.txt|All|*.*", "Text (*.txt);;All (*.*)"},
      {"several_patterns", "Data|*.txt;*.csv", "Data (*.txt *.csv)"},
      {"other_pattern_in_description", "Text (*.csv)|*.txt", "Text (*.csv) (*.txt)"},
      {"no_description", "|*.txt", "*.txt"},
      {"no_pattern", "Everything", "Everything (*)"},
      {"empty", "", ""},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(qt_file_filter(row.filter), QString::fromUtf8(row.qt));
  }
}

TEST(DialogStart, FolderAndNameOrPattern) {
  struct Row {
    const char* name;
    const char* initial;
    const char* folder;
    const char* file_name;
    const char* pattern;
  };
  constexpr Row kRows[] = {
      {"path", "/home/u/Pelmiraデータ001.txt", "/home/u", "Pelmiraデータ001.txt", ""},
      {"pattern", "/opt/pelmira/*.txt", "/opt/pelmira", "", "*.txt"},
      {"question_mark_pattern", "/data/list?.txt", "/data", "", "list?.txt"},
      {"root", "/x.txt", "/", "x.txt", ""},
      {"name_only", "x.txt", "", "x.txt", ""},
      {"folder_only", "/data/", "/data", "", ""},
      {"empty", "", "", "", ""},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const DialogStart start = dialog_start(row.initial);
    EXPECT_EQ(start.folder, QString::fromUtf8(row.folder));
    EXPECT_EQ(start.file_name, QString::fromUtf8(row.file_name));
    EXPECT_EQ(start.pattern, QString::fromUtf8(row.pattern));
  }
}

class QtMainDialogsTest : public ::testing::Test {
 protected:
  ModalDialogGuard guard_;
  QWidget window_;
  QtMainDialogs dialogs_{&window_};
};

TEST_F(QtMainDialogsTest, MessageBoxes) {
  using B = QMessageBox;
  using DialogAnswer = MainDialogs::Answer;
  struct Row {
    const char* name;
    std::function<int(MainDialogs&)> call;  // the box's result as a number
    B::StandardButton click;
    B::StandardButtons buttons;
    B::StandardButton default_button;
    B::Icon icon;
    int result;
  };
  const std::string_view text = "一行目\r\n二行目";
  const Row rows[] = {
      {"message",
       [&](MainDialogs& d) { return d.message("Pelmira", text, BoxIcon::kExclamation), 0; }, B::Ok,
       B::Ok, B::Ok, B::Warning, 0},
      {"yes_no_yes",
       [&](MainDialogs& d) { return int(d.ask_yes_no("Pelmira", text, BoxIcon::kQuestion)); },
       B::Yes, B::Yes | B::No, B::Yes, B::Question, 1},
      {"yes_no_default_no",
       [&](MainDialogs& d) { return int(d.ask_yes_no("Pelmira", text, BoxIcon::kCritical, true)); },
       B::No, B::Yes | B::No, B::No, B::Critical, 0},
      {"yes_no_cancel_cancel",
       [&](MainDialogs& d) {
         return int(d.ask_yes_no_cancel("Pelmira", text, BoxIcon::kInformation));
       },
       B::Cancel, B::Yes | B::No | B::Cancel, B::No, B::Information, int(DialogAnswer::kCancel)},
      {"yes_no_cancel_yes",
       [&](MainDialogs& d) { return int(d.ask_yes_no_cancel("Pelmira", text, BoxIcon::kNone)); },
       B::Yes, B::Yes | B::No | B::Cancel, B::No, B::NoIcon, int(DialogAnswer::kYes)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto answer = answer_next_message_box(row.click);
    EXPECT_EQ(row.call(dialogs_), row.result);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(answer.box().title, QStringLiteral("Pelmira"));
    EXPECT_EQ(answer.box().text, QStringLiteral("一行目\n二行目"));
    EXPECT_EQ(answer.box().icon, row.icon);
    EXPECT_EQ(answer.box().buttons, row.buttons);
    EXPECT_EQ(answer.box().default_button, row.default_button);
    EXPECT_EQ(answer.box().parent, &window_);
  }
}

// What a file dialog looked like when it opened.
struct FileDialogSeen {
  QString title;
  QString folder;
  QStringList filters;
  QString selected_filter;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  bool confirms_overwrite = true;
  const QWidget* parent = nullptr;
};

testing::ModalAnswerer answer_file_dialog(FileDialogSeen& seen, QString choose) {
  return answer_next_dialog<QFileDialog>([&seen, choose](QFileDialog& dialog) {
    seen.title = dialog.windowTitle();
    seen.folder = dialog.directory().absolutePath();
    seen.filters = dialog.nameFilters();
    seen.selected_filter = dialog.selectedNameFilter();
    seen.mode = dialog.acceptMode();
    seen.confirms_overwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
    seen.parent = dialog.parentWidget();
    if (choose.isEmpty()) {
      dialog.reject();
    } else {
      dialog.selectFile(choose);
      static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept, as OK runs it
    }
  });
}

TEST_F(QtMainDialogsTest, OpenDialogStartsInThePatternsFolder) {
  TestFolder folder;
  const std::string file = folder.write("家族.txt", "x");
  const std::string filter = "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt|すべて|*";
  const std::string initial = folder.path() + "/*.txt";
  FileDialogSeen seen;
  {
    const auto answer = answer_file_dialog(seen, {});
    EXPECT_EQ(dialogs_.choose_open_path("開く", initial, filter), std::nullopt);
  }
  EXPECT_EQ(seen.title, QStringLiteral("開く"));
  EXPECT_EQ(seen.folder, QString::fromStdString(folder.path()));
  EXPECT_EQ(seen.filters,
            QStringList({QStringLiteral("ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)"), QStringLiteral("すべて (*)")}));
  EXPECT_EQ(seen.selected_filter, QStringLiteral("ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)"));
  EXPECT_EQ(seen.mode, QFileDialog::AcceptOpen);
  EXPECT_EQ(seen.parent, &window_);

  const auto answer = answer_file_dialog(seen, QString::fromStdString(file));
  EXPECT_EQ(dialogs_.choose_open_path("開く", initial, filter), file);
}

TEST_F(QtMainDialogsTest, PatternMissingFromTheFilterIsAddedFirst) {
  TestFolder folder;
  FileDialogSeen seen;
  {
    const auto answer = answer_file_dialog(seen, {});
    dialogs_.choose_open_path("開く", folder.path() + "/*.csv", "Text|*.txt");
  }
  EXPECT_EQ(seen.filters, QStringList({QStringLiteral("*.csv"), QStringLiteral("Text (*.txt)")}));
  EXPECT_EQ(seen.selected_filter, QStringLiteral("*.csv"));
}

TEST_F(QtMainDialogsTest, SaveDialogLeavesTheOverwriteQuestionToTheCaller) {
  TestFolder folder;
  const std::string existing = folder.write("Pelmiraデータ001.txt", "old");
  FileDialogSeen seen;
  const auto answer = answer_file_dialog(seen, QString::fromStdString(existing));
  // A question of the dialog's own would fail the test through the guard.
  EXPECT_EQ(dialogs_.choose_save_path("保存", existing, "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt"), existing);
  EXPECT_EQ(seen.mode, QFileDialog::AcceptSave);
  EXPECT_FALSE(seen.confirms_overwrite);
  EXPECT_EQ(seen.folder, QString::fromStdString(folder.path()));
}

}  // namespace
}  // namespace pelmira
