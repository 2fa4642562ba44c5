// The person list through the main window's session, on the paths that used to lose persons
// from a data file: a save over a file while a search narrows the list, a close whose save
// fails, a Cancel that was ignored, a file added to an edited list, edits that did not count
// as changes, an export that became the save target, a read stopped or with skipped lines,
// a refused entry that left half a person, and a blank name written as an unreadable line.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_window_port.h"
#include "mainwindow/main_session.h"
#include "people/data_file.h"
#include "people/editing.h"
#include "people/file_errors.h"
#include "support/recording_main_dialogs.h"
#include "support/recording_reporter.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using ::testing::HasSubstr;
using testing::RecordingMainDialogs;
using testing::RecordingReporter;
using testing::ShownBox;
using testing::TestFolder;
using Answer = MainDialogs::Answer;

const LocalDateTime kSafetyNow{2026, 12, 9, 9, 0, 0};

const std::vector<std::string> kFamily{"山田太郎^1960 4 1^", "田中花子^1965 5 5^",
                                       "佐藤一郎^1990 1 2^", "鈴木次郎^1992 2 3^",
                                       "高橋三郎^2001 3 4^"};

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A session started on an empty store, with a data file of five persons opened.
class PersonListSafetyTest : public ::testing::Test {
 protected:
  PersonListSafetyTest() {
    ProgramInfo info;
    info.program_folder = "/opt/pelmira";
    info.data_folder = folder_.path();
    session_.emplace(store_, dialogs_, window_, info, fixed_clock(kSafetyNow));
    session_->Form_Load({});
    family_ = folder_.write("family.txt", testing::cp932_data_file(kFamily));
    open(family_);
  }

  MainSession& session() { return *session_; }
  const PersonTable& persons() { return session_->persons(); }
  i16 listed() { return order_length(persons().viewOrder[0]); }
  const ListMenuStates& menus() { return session_->view().list.summary.menus; }

  // Opens a file in place of the list; unsaved changes are given up (No to the question).
  void open(const std::string& path) {
    if (persons().changed != 0) dialogs_.answers.push_front(Answer::kNo);
    dialogs_.paths.push_back(path);
    session_->ls12_Click();
  }
  void add(const std::string& path) {
    dialogs_.paths.push_back(path);
    session_->ls121_Click();
  }
  void select(int row) { session_->List1_Click(row); }
  void search_name(std::string_view part) {
    SearchForm form = search_form_load();
    form.name_part = std::string(part);
    session_->search(form);
  }
  // The boxes shown from here on.
  void forget_boxes() { dialogs_.shown.clear(); }
  std::vector<ShownBox> questions() const {
    std::vector<ShownBox> asked;
    for (const ShownBox& box : dialogs_.shown)
      if (box.kind == ShownBox::Kind::kYesNo || box.kind == ShownBox::Kind::kYesNoCancel)
        asked.push_back(box);
    return asked;
  }

  RecordingReporter reporter_;
  TestFolder folder_;
  MemorySettingsStore store_;
  RecordingMainDialogs dialogs_;
  testing::FakeWindowPort window_;
  std::optional<MainSession> session_;
  std::string family_;
};

// --- A search narrows the list ------------------------------------------------------------

TEST_F(PersonListSafetyTest, OverwriteOfANarrowedListAsksWithTheCountsAndNoWritesNothing) {
  const std::string before = file_bytes(family_);
  search_name("田");  // 山田太郎, 田中花子
  ASSERT_EQ(listed(), 2);
  forget_boxes();
  dialogs_.answers = {Answer::kNo};
  session().uHozon_Click();
  ASSERT_EQ(questions().size(), 1u);
  const ShownBox question = questions().front();
  EXPECT_THAT(question.text, HasSubstr("表示中の2人だけを保存します。次の3人は"));
  EXPECT_THAT(question.text, HasSubstr("検索で表示されていない人　3人"));
  EXPECT_TRUE(question.default_no);
  EXPECT_EQ(file_bytes(family_), before);
  EXPECT_EQ(persons().changed, 1);

  dialogs_.answers = {Answer::kYes};  // the user's informed Yes writes the two
  session().uHozon_Click();
  open(family_);
  EXPECT_EQ(persons().personCount, 2);
}

TEST_F(PersonListSafetyTest, ASearchThatFindsNobodyDoesNotEmptyTheFile) {
  const std::string before = file_bytes(family_);
  search_name("存在しない名前");
  ASSERT_EQ(listed(), 0);
  dialogs_.answers = {Answer::kNo};
  session().uHozon_Click();
  EXPECT_THAT(dialogs_.texts().back(), HasSubstr("表示中の0人だけを保存します。次の5人は"));
  EXPECT_EQ(file_bytes(family_), before);
  // The close asks although no row is shown: the hidden persons are still the list.
  dialogs_.answers = {Answer::kYes, Answer::kNo};
  EXPECT_FALSE(session().Form_QueryUnload());
  EXPECT_EQ(file_bytes(family_), before);
}

TEST_F(PersonListSafetyTest, CloseQuestionOnANarrowedListKeepsTheWindowWhenTheCountsAreRefused) {
  const std::string before = file_bytes(family_);
  search_name("田");
  dialogs_.answers = {Answer::kYes, Answer::kNo};  // save? Yes; lose three persons? No
  EXPECT_FALSE(session().Form_QueryUnload());
  EXPECT_EQ(file_bytes(family_), before);
  EXPECT_EQ(persons().changed, 1);
  dialogs_.answers = {Answer::kNo};  // do not save: the user's No ends the session
  EXPECT_TRUE(session().Form_QueryUnload());
}

TEST_F(PersonListSafetyTest, FilesAddedDuringASearchJoinTheWholeList) {
  search_name("田");
  const std::string more = folder_.write("more.txt", testing::cp932_data_file({"伊藤^1970 7 7^"}));
  add(more);
  EXPECT_EQ(listed(), 6);  // the five of the first file are all listed again, and the new one
  EXPECT_EQ(persons().search_depth, 0);
  dialogs_.paths.push_back(folder_.path() + "/both.txt");
  session().ls13_Click();
  open(folder_.path() + "/both.txt");
  EXPECT_EQ(persons().personCount, 6);
}

TEST_F(PersonListSafetyTest, SaveAsOverAnotherDataFileAsksAboutTheHiddenPersons) {
  search_name("田");
  const std::string other = folder_.write("other.txt", testing::cp932_data_file({"x^2000 1 1^"}));
  const std::string before = file_bytes(other);
  dialogs_.paths = {other};
  dialogs_.answers = {Answer::kYes, Answer::kNo};  // replace? Yes; lose three? No, dialog again
  session().ls13_Click();
  EXPECT_EQ(file_bytes(other), before);
  // A new file of the subset is what 名前を付けて保存 is for: no question.
  forget_boxes();
  dialogs_.paths = {folder_.path() + "/subset.txt"};
  session().ls13_Click();
  EXPECT_TRUE(questions().empty());
  open(folder_.path() + "/subset.txt");
  EXPECT_EQ(persons().personCount, 2);
}

// --- A save that fails keeps the window open -----------------------------------------------

TEST_F(PersonListSafetyTest, CloseStaysOpenWhenTheSaveFailsOrIsRefused) {
  struct Row {
    const char* name;
    std::function<void()> break_the_save;
  };
  const std::vector<Row> rows{
      {"the write fails",
       [this] {
         session().set_file_writer([](const std::string&, std::string_view) {
           throw file_error(ENOSPC, FileAction::kWrite);
         });
       }},
      {"a name Shift-JIS cannot hold",
       [this] {
         select(0);
         session().Text1_Change("Café");
         session().Command2_Click(1);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    session().set_file_writer({});
    dialogs_.answers.clear();
    open(family_);
    select(1);
    session().ls23_Click();
    row.break_the_save();
    const std::string before = file_bytes(family_);
    dialogs_.answers = {Answer::kYes};
    EXPECT_FALSE(session().Form_QueryUnload());
    EXPECT_EQ(persons().changed, 1);
    EXPECT_EQ(file_bytes(family_), before);
    dialogs_.answers = {Answer::kNo};
    EXPECT_TRUE(session().Form_QueryUnload());
  }
}

TEST_F(PersonListSafetyTest, ASaveOverAFolderIsReportedAndTheWindowStays) {
  select(0);
  session().ls23_Click();
  std::filesystem::remove(family_);
  std::filesystem::create_directory(family_);
  dialogs_.answers = {Answer::kYes};
  EXPECT_FALSE(session().Form_QueryUnload());
  EXPECT_EQ(reporter_.places(), std::vector<std::string>{"list03"});
  EXPECT_EQ(persons().changed, 1);
}

// --- Cancel stops the step that asked ------------------------------------------------------

TEST_F(PersonListSafetyTest, CancelOnTheSaveQuestionStopsTheStep) {
  const std::string other = folder_.write("other.txt", testing::cp932_data_file({"x^2000 1 1^"}));
  const std::vector<std::pair<const char*, std::function<void()>>> steps{
      {"リストの内容を全て消す", [this] { session().risinki_Click(); }},
      {"ファイルを開く(新規)",
       [this, other] {
         dialogs_.paths = {other};
         session().ls12_Click();
       }},
      {"履歴", [this] { session().rirekid_Click(1); }},
  };
  for (const auto& [name, step] : steps) {
    SCOPED_TRACE(name);
    select(0);
    session().ls23_Click();
    const i16 before = listed();
    dialogs_.answers = {Answer::kCancel};
    step();
    EXPECT_EQ(listed(), before);
    EXPECT_EQ(persons().changed, 1);
    EXPECT_EQ(persons().current_path, family_);
    dialogs_.paths.clear();
  }
}

// --- Every change counts --------------------------------------------------------------------

TEST_F(PersonListSafetyTest, EveryEditOfTheListedPersonsOrTheirOrderIsAChange) {
  struct Row {
    const char* name;
    std::function<void()> before_save;
    std::function<void()> after_save;
  };
  const std::vector<Row> rows{
      {"undo of a saved deletion",
       [this] {
         select(0);
         session().ls23_Click();
       },
       [this] { session().ls231_Click(); }},
      {"insertion of a person cut before the save",
       [this] {
         select(0);
         session().ls27_Click();
       },
       [this] { session().ls22_Click(); }},
      {"a sort by name", [] {}, [this] { session().ls36_Click(0); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    dialogs_.answers.clear();
    open(folder_.write("family.txt", testing::cp932_data_file(kFamily)));
    row.before_save();
    session().uHozon_Click();  // Yes also to leaving out the cut person
    ASSERT_EQ(persons().changed, 0);
    row.after_save();
    EXPECT_EQ(persons().changed, 1);
  }
}

TEST_F(PersonListSafetyTest, AddingAFileKeepsAnEditUnsaved) {
  select(0);
  session().ls23_Click();
  add(folder_.write("more.txt", testing::cp932_data_file({"伊藤^1970 7 7^"})));
  forget_boxes();
  dialogs_.answers = {Answer::kCancel};
  EXPECT_FALSE(session().Form_QueryUnload());
  EXPECT_EQ(questions().size(), 1u);
}

// --- Exports ------------------------------------------------------------------------------

TEST_F(PersonListSafetyTest, AnExportDoesNotBecomeTheFileThatOverwriteWrites) {
  select(0);
  session().ls23_Click();
  const std::string export_path = folder_.path() + "/export.txt";
  dialogs_.paths = {export_path};
  session().txtout_Click();
  ASSERT_TRUE(std::filesystem::exists(export_path));
  const std::string exported = file_bytes(export_path);
  EXPECT_EQ(persons().current_path, family_);
  EXPECT_EQ(persons().changed, 1);
  session().uHozon_Click();
  EXPECT_EQ(file_bytes(export_path), exported);
  open(family_);
  EXPECT_EQ(persons().personCount, 4);
}

// --- Reads the user stopped or thinned ------------------------------------------------------

TEST_F(PersonListSafetyTest, AStoppedReadIsNotOfferedForOverwrite) {
  const std::string damaged = folder_.write(
      "damaged.txt", testing::cp932_data_file({"a^1990 1 1^", "b^1990 1", "c^1990 1 3^"}));
  session().set_correction_window([](CorrectionWindow& window) {
    window.press(CorrectionButton::kStop);
  });
  open(damaged);
  EXPECT_EQ(persons().personCount, 1);
  EXPECT_FALSE(menus().overwrite_save);
  EXPECT_EQ(shozon_prompt(persons()).mode, kSaveDataAs);
}

TEST_F(PersonListSafetyTest, OverwriteAfterASkippedLineNamesTheLine) {
  const std::string damaged = folder_.write(
      "damaged.txt", testing::cp932_data_file({"a^1990 1 1^", "b^1990 1", "c^1990 1 3^"}));
  const std::string before = file_bytes(damaged);
  session().set_correction_window([](CorrectionWindow& window) {
    window.press(CorrectionButton::kSkip);
  });
  open(damaged);
  ASSERT_EQ(persons().personCount, 2);
  EXPECT_TRUE(menus().overwrite_save);
  forget_boxes();
  dialogs_.answers = {Answer::kNo};
  session().uHozon_Click();
  ASSERT_EQ(questions().size(), 1u);
  EXPECT_THAT(questions().front().text, HasSubstr("3行目　b^1990 1"));
  EXPECT_EQ(file_bytes(damaged), before);
  // Once written with the user's Yes, the file holds the list: no question any more.
  dialogs_.answers = {Answer::kYes};
  session().uHozon_Click();
  forget_boxes();
  session().uHozon_Click();
  EXPECT_TRUE(questions().empty());
}

TEST_F(PersonListSafetyTest, AFileChangedOnDiskSinceItWasReadIsNotOverwrittenUnasked) {
  select(0);
  session().ls23_Click();
  // Another program (or a second window on the same file) adds a person.
  std::vector<std::string> grown = kFamily;
  grown.push_back("伊藤^1970 7 7^");
  const std::string theirs = testing::cp932_data_file(grown);
  std::ofstream(family_, std::ios::binary | std::ios::trunc) << theirs;
  forget_boxes();
  dialogs_.answers = {Answer::kNo};
  session().uHozon_Click();
  ASSERT_EQ(questions().size(), 1u);
  EXPECT_THAT(questions().front().text, HasSubstr("他のプログラムで変更されています"));
  EXPECT_EQ(file_bytes(family_), theirs);
}

// --- The entry pane -------------------------------------------------------------------------

TEST_F(PersonListSafetyTest, ARefusedEntryChangesNothing) {
  for (const char* days : {"-40000", "-1", "20001", "32767"}) {
    SCOPED_TRACE(days);
    open(family_);
    select(1);
    const std::string name_before = persons().personName[2];
    session().Text1_Change("新しい名前");
    session().Text3_Change(days);
    forget_boxes();
    session().Command2_Click(0);  // 追加
    session().Command2_Click(1);  // 書換
    EXPECT_EQ(persons().personCount, 5);
    EXPECT_EQ(persons().personName[2], name_before);
    EXPECT_EQ(persons().changed, 0);
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[0].text, kEntryDaysRefused);
    EXPECT_TRUE(reporter_.empty());
  }
  session().Text3_Change("20000");
  session().Command2_Click(0);
  EXPECT_EQ(persons().personCount, 6);
}

// --- Names the reader would refuse ------------------------------------------------------------

TEST_F(PersonListSafetyTest, AForcedBlankNameIsWrittenSoThatItReadsBack) {
  const std::string forced =
      folder_.write("forced.txt", testing::cp932_data_file({"^0^^1990 1 2^", "b^1991 2 3^"}));
  session().set_correction_window([](CorrectionWindow& window) {
    window.press(CorrectionButton::kForce);
  });
  open(forced);
  ASSERT_EQ(persons().personCount, 2);
  select(1);
  session().ls23_Click();
  session().uHozon_Click();
  int windows = 0;
  session().set_correction_window([&windows](CorrectionWindow& window) {
    ++windows;
    window.press(CorrectionButton::kSkip);
  });
  open(forced);
  EXPECT_EQ(windows, 0);
  ASSERT_EQ(persons().personCount, 1);
  EXPECT_EQ(persons().personName[1], std::string(kNameLength, ' '));
  EXPECT_EQ(persons().personDate[1], (PersonDate{1990, 1, 2}));
}

}  // namespace
}  // namespace pelmira
