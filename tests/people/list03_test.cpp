// Saving and exporting with list03 (dialogs and questions answered by a scripted host), the
// save prompt shozon and the export bodies.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/error_report.h"
#include "listings/listing.h"
#include "people/data_writer.h"
#include "people/list03.h"
#include "people_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::add_person;
using testing::RecordingReporter;
using testing::ScriptedReadHost;
using testing::ScriptedSaveHost;
using testing::TempFolder;

const std::string kFooter = "\r\n'PelmiraVer1.0.0より出力。\r\n";

// A table as a read of one Shift-JIS file leaves it, with one unsaved change.
PersonTable one_file_table(const TempFolder& folder, const std::string& name,
                           const std::vector<std::string>& lines, bool utf8 = false) {
  const std::string path = folder.file(name);
  testing::write_bytes(path,
                       utf8 ? testing::utf8_data_file(lines) : testing::sjis_data_file(lines));
  ScriptedReadHost host;
  PersonTable table = testing::read_table(path, host);
  table.changed = 1;
  return table;
}

TEST(DefaultSaveName, TakesTheFirstFreeNumber) {
  TempFolder folder;
  EXPECT_EQ(default_save_name(folder.path(), kSaveDataAs), folder.file("Pelmiraデータ001.txt"));
  testing::write_bytes(folder.file("Pelmiraデータ001.txt"), "");
  testing::write_bytes(folder.file("Pelmiraデータ002.txt"), "");
  EXPECT_EQ(default_save_name(folder.path(), kSaveDataAs), folder.file("Pelmiraデータ003.txt"));
  EXPECT_EQ(default_save_name(folder.path(), kExportList), folder.file("Pelmiraデータ表示001.txt"));
  EXPECT_EQ(default_save_name(folder.path(), kExportListing),
            folder.file("Pelmira一覧表示001.txt"));
  EXPECT_EQ(default_save_name(folder.path(), kExportReport), folder.file("Pelmira表示001.txt"));
  EXPECT_EQ(default_save_name("", kSaveDataAs), "Pelmiraデータ001.txt");
}

TEST(DefaultSaveName, After999TakenTheThousandthIsStem000) {
  TempFolder folder;
  for (int n = 1; n <= 999; ++n) {
    const std::string digits = "00" + std::to_string(n);
    testing::write_bytes(folder.file("Pelmira表示" + digits.substr(digits.size() - 3) + ".txt"),
                         "");
  }
  EXPECT_EQ(default_save_name(folder.path(), kExportReport), folder.file("Pelmira表示000.txt"));
}

TEST(List03, SavesTheListUnderANewName) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^", "x^1991 2 3^"});
  table.personName[2] = fixed_name("a^b");
  ScriptedSaveHost host;
  const std::string target = folder.file("out.txt");
  host.dialog_answers = {target};
  RecordingReporter reporter;
  ASSERT_TRUE(list03(table, kSaveDataAs, host));
  EXPECT_EQ(host.dialog_names, std::vector<std::string>{folder.file("Pelmiraデータ001.txt")});
  EXPECT_EQ(host.filters, std::vector<std::string>{"ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt"});
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(
      testing::read_bytes(target),
      testing::sjis("Pelmira年齢計算用リスト\r\na^1990 1 2^\r\n^3^a^b^1991 2 3^\r\n" + kFooter));
  EXPECT_EQ(table.changed, 0);
  EXPECT_EQ(table.current_path, target);
  EXPECT_EQ(table.current_folder, folder.path());
  EXPECT_EQ(host.recent, std::vector<std::string>{target});
  EXPECT_EQ(host.busy_changes, (std::vector<bool>{true, false}));
  EXPECT_TRUE(reporter.empty());
}

TEST(List03, AsksBeforeReplacingAFile) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^"});
  const std::string existing = folder.file("existing.txt");
  testing::write_bytes(existing, "old");
  ScriptedSaveHost host;
  host.dialog_answers = {existing, existing};
  host.yes_no_answers = {false, true};
  ASSERT_TRUE(list03(table, kSaveDataAs, host));
  EXPECT_EQ(host.questions, std::vector<std::string>(
                                2, existing + "\r\nは既に存在します。\r\n\r\n上書きしますか。"));
  EXPECT_EQ(host.dialog_names.size(), 2u);
  EXPECT_EQ(host.dialog_names[1], existing);  // the dialog comes back with the name chosen
  EXPECT_NE(testing::read_bytes(existing), "old");
}

TEST(List03, ExportsAreNotWrittenOverADataFile) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^"});
  const std::string data = folder.file("in.txt");
  const std::string before = testing::read_bytes(data);
  const std::string text = folder.file("text.txt");
  testing::write_bytes(text, "an old export");
  ScriptedSaveHost host;
  host.dialog_answers = {data, text};
  host.yes_no_answers = {true, true};
  host.export_body = {"[現在]　2024年 6月 1日　での表示です。", "", "氏名", "a"};
  ASSERT_TRUE(list03(table, kExportList, host));
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kExportOverDataRefusal)});
  EXPECT_EQ(host.icons, std::vector<MessageIcon>{MessageIcon::kError});
  EXPECT_EQ(testing::read_bytes(data), before);
  EXPECT_EQ(testing::read_bytes(text),
            testing::sjis("[現在]　2024年 6月 1日　での表示です。\r\n\r\n氏名\r\na\r\n" + kFooter));
  EXPECT_EQ(host.exported_modes, std::vector<i16>{kExportList});
  EXPECT_EQ(table.changed, 1);  // an export saves no data
  // 上書き保存 still writes the data file that was read; the next export starts here.
  EXPECT_EQ(table.current_path, data);
  EXPECT_EQ(table.export_folder, folder.path());
  EXPECT_TRUE(host.recent.empty());
}

TEST(List03, OverwriteKeepsTheEncodingOfTheFile) {
  TempFolder folder;
  struct Row {
    const char* name;
    bool utf8;
  };
  for (const Row& row : std::vector<Row>{{"shift_jis", false}, {"utf8", true}}) {
    SCOPED_TRACE(row.name);
    const std::string file = std::string(row.name) + ".txt";
    PersonTable table = one_file_table(folder, file, {"髙橋^1990 1 2^"}, row.utf8);
    ScriptedSaveHost host;
    ASSERT_TRUE(list03(table, kSaveDataOver, host));
    EXPECT_TRUE(host.dialog_names.empty());
    std::string expected(kDataFileHeader);
    expected.append("\r\n髙橋^1990 1 2^\r\n").append(kFooter);
    EXPECT_EQ(testing::read_bytes(folder.file(file)),
              row.utf8 ? expected : testing::sjis(expected));
    EXPECT_EQ(table.changed, 0);
  }
}

TEST(List03, NewFilesAreShiftJis) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"髙橋^1990 1 2^"}, true);
  ScriptedSaveHost host;
  host.dialog_answers = {folder.file("new.txt")};
  ASSERT_TRUE(list03(table, kSaveDataAs, host));
  EXPECT_EQ(testing::read_bytes(folder.file("new.txt")),
            testing::sjis_data_file({"髙橋^1990 1 2^"}) + testing::sjis(kFooter));
  EXPECT_EQ(encoding_of(table, folder.file("new.txt")), FileEncoding::kCp932);
}

TEST(List03, NamesShiftJisCannotHoldStopTheSaveBeforeAnythingIsWritten) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^"});
  add_person(table, "𠮷田", {1990, 1, 2});
  add_person(table, "b", {1990, 1, 2});
  add_person(table, "¥😀", {1990, 1, 2});
  table.changed = 1;
  const std::string target = folder.file("in.txt");
  const std::string before = testing::read_bytes(target);
  for (const i16 mode : {kSaveDataOver, kSaveDataAs}) {
    SCOPED_TRACE(mode);
    ScriptedSaveHost host;
    host.dialog_answers = {target};
    host.yes_no_answers = {true};
    RecordingReporter reporter;
    EXPECT_FALSE(list03(table, mode, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              "次の氏名にはShift-JISで保存できない文字が有るため、保存を中止しました。\r\n"
              "ファイルは変更していません。\r\n\r\n"
              "　𠮷田　𠮷(U+20BB7)\r\n"
              "　¥😀　¥(U+00A5) 😀(U+1F600)\r\n"
              "\r\n氏名を修正してから保存して下さい。");
    EXPECT_EQ(host.icons[0], MessageIcon::kError);
    EXPECT_TRUE(host.busy_changes.empty());
    EXPECT_EQ(testing::read_bytes(target), before);
    EXPECT_EQ(table.changed, 1);
    EXPECT_TRUE(reporter.empty());
  }
}

TEST(List03, FailedSaveReportsAndKeepsTheOldFile) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^"});
  const std::string blocked = folder.file("blocked.txt");
  std::filesystem::create_directory(blocked);
  ScriptedSaveHost host;
  host.dialog_answers = {blocked};
  host.yes_no_answers = {true};
  int closes = 0;
  ErrorChannel& channel = error_channel();
  const ReportActions saved = channel.actions;
  channel.actions.close_all_files = [&closes] {
    ++closes;
    throw RuntimeError(err::kDiskNotReady);
  };
  RecordingReporter reporter;
  EXPECT_FALSE(list03(table, kSaveDataAs, host));
  channel.actions = saved;
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0].place, "list03");
  EXPECT_EQ(reporter.reports()[0].number, err::kPathFileAccess);
  EXPECT_EQ(reporter.reports()[0].lines[4], "　ファイル名　" + blocked);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(reporter.warnings(),
            std::vector<std::string>{"Pelmira|データ保存時にエラーが発生しました。\r\n"
                                     "データは正常に保存されていません。"});
  EXPECT_EQ(host.busy_changes, (std::vector<bool>{true, false}));
  EXPECT_EQ(table.changed, 1);
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
}

TEST(List03, CancelledDialogIsSilent) {
  TempFolder folder;
  PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^"});
  ErrorChannel& channel = error_channel();
  channel.dialog_cancel_flag = 1;  // as a close request sets it
  ScriptedSaveHost host;           // no answer: the dialog is cancelled
  RecordingReporter reporter;
  EXPECT_FALSE(list03(table, kSaveDataAs, host));
  EXPECT_TRUE(reporter.empty());
  EXPECT_EQ(channel.dialog_cancel_flag, 2);
  channel.dialog_cancel_flag = 0;
  EXPECT_EQ(table.current_path, folder.file("in.txt"));
  EXPECT_EQ(table.changed, 1);
}

TEST(List03, PartlyReadFileIsNotOverwritten) {
  TempFolder folder;
  const std::string path = folder.file("big.txt");
  testing::write_bytes(path,
                       testing::sjis_data_file({"a^1990 1 2^", "b^40000 1 2^9^12001111000000^"}));
  ScriptedReadHost reader;
  reader.steps = {testing::press(CorrectionButton::kForce)};
  RecordingReporter reporter;
  PersonTable table = testing::read_table(path, reader);
  ASSERT_TRUE(table.partial_read);
  const std::string before = testing::read_bytes(path);
  ScriptedSaveHost host;
  host.dialog_answers = {folder.file("copy.txt")};
  ASSERT_TRUE(list03(table, kSaveDataOver, host));
  EXPECT_EQ(host.dialog_names.size(), 1u);  // asked for a name instead
  EXPECT_EQ(testing::read_bytes(path), before);
  EXPECT_FALSE(table.partial_read);  // the list now matches the file it was saved to
}

TEST(Shozon, AsksByTheStateOfTheList) {
  struct Row {
    const char* name;
    i16 changed;
    int persons;
    i16 open_files;
    bool partial;
    bool ask;
    i16 mode;
    std::string question;
  };
  const std::string lead =
      "データが変更されています。\r\n保存しない場合、今の内容は失われます。\r\n\r\n";
  const std::vector<Row> rows = {
      {"unchanged", 0, 2, 1, false, false, kSaveDataOver, lead + "上書きしますか?"},
      {"changed_but_empty", 1, 0, 1, false, false, kSaveDataOver, lead + "上書きしますか?"},
      {"one_file", 1, 2, 1, false, true, kSaveDataOver, lead + "上書きしますか?"},
      {"two_files", 1, 2, 2, false, true, kSaveDataAs, lead + "保存しますか？"},
      {"no_file", 1, 2, 0, false, true, kSaveDataAs, lead + "保存しますか？"},
      {"one_file_read_in_part", 1, 2, 1, true, true, kSaveDataAs, lead + "保存しますか？"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PersonTable table;
    for (int k = 0; k < row.persons; ++k) add_person(table, "p", {1990, 1, 2});
    table.changed = row.changed;
    table.open_files_count = row.open_files;
    table.partial_read = row.partial;
    const SavePrompt prompt = shozon_prompt(table);
    EXPECT_EQ(prompt.ask, row.ask);
    EXPECT_EQ(prompt.mode, row.mode);
    EXPECT_EQ(prompt.text, row.question);
  }
}

TEST(Shozon, ActsOnTheAnswer) {
  struct Row {
    const char* name;
    SaveHost::Answer answer;
    bool saved;
    std::uint8_t flag_after;
  };
  const std::vector<Row> rows = {
      {"yes_saves_over_the_file", SaveHost::Answer::kYes, true, 1},
      {"no_goes_on", SaveHost::Answer::kNo, false, 1},
      {"cancel_keeps_the_window_open", SaveHost::Answer::kCancel, false, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    PersonTable table = one_file_table(folder, "in.txt", {"a^1990 1 2^"});
    add_person(table, "b", {1991, 2, 3});
    ScriptedSaveHost host;
    host.prompt_answer = row.answer;
    error_channel().dialog_cancel_flag = 1;  // a close request
    shozon(table, host);
    EXPECT_EQ(error_channel().dialog_cancel_flag, row.flag_after);
    error_channel().dialog_cancel_flag = 0;
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(testing::read_bytes(folder.file("in.txt")).find("b^1991") != std::string::npos,
              row.saved);
    EXPECT_EQ(table.changed, row.saved ? 0 : 1);
  }
}

TEST(ExportBodies, FrameTheShownTexts) {
  EXPECT_EQ(person_list_export("2024年 6月 1日", "番号  氏名", {"00001 a", "00002 b"}),
            (std::vector<std::string>{"[現在]　2024年 6月 1日　での表示です。", "", "番号  氏名",
                                      "00001 a", "00002 b"}));
  struct Row {
    const char* name;
    i16 kind;
    std::string first_line;
  };
  const std::vector<Row> rows = {
      {"birth", kListingAges, "[誕生]1990年 1月 2日"},
      {"wedding", kListingWedding, "[結婚]1990年 1月 2日"},
      {"memorial", kListingMemorial, "[死去]1990年 1月 2日"},
      {"fortune_adds_the_choices", kListingFortune, "[誕生]1990年 1月 2日　12時30分"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ListingExportTexts texts{row.kind,         "1990年 1月 2日", "12時",        "30分",
                             "2024年 6月 1日", "見出し",         {"行1", "行2"}};
    EXPECT_EQ(listing_export(texts),
              (std::vector<std::string>{row.first_line, "[現在]2024年 6月 1日での表示です。", "",
                                        "見出し", "行1", "行2"}));
  }
  EXPECT_EQ(report_export({"10", "12", "11", "13", "38", "caption"}),
            (std::vector<std::string>{"　　表示画面", "", "10", "", "12", "", "11", "13", "", "38",
                                      "caption"}));
}

}  // namespace
}  // namespace pelmira
