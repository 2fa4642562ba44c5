// The settings dialog's model: what it shows of the store, what each page's save writes and
// tells the main window, the refusals (TAB count, start-up date, file choices) and the column
// boxes switching the columns their captions name.

#include "settings/options_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "people/list_columns.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/recording_main_dialogs.h"
#include "support/recording_reporter.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::RecordingMainDialogs;
using testing::ShownBox;
using testing::TestFolder;

constexpr std::string_view kProgramFolder = "/opt/pelmira";

OptionsContext context_of(i16 listing_kind = kListingFortune) {
  OptionsContext context;
  context.labels = TanMeiKH(listing_kind);
  context.program_folder = std::string(kProgramFolder);
  context.birth_date_text = "西暦 2001年 2月 3日";
  return context;
}

OptionsForm loaded(const SettingsStore& store, i16 listing_kind = kListingFortune) {
  OptionsForm form;
  form.load(store, context_of(listing_kind));
  return form;
}

// "section/key" of every value stored.
std::set<std::string> stored_keys(const MemorySettingsStore& store) {
  std::set<std::string> keys;
  for (const auto& [section, entries] : store.sections(kSettingsApplication))
    for (const auto& [key, text] : entries) keys.insert(section + "/" + key);
  return keys;
}

TEST(OptionsFormLoad, AFreshStoreShowsTheDefaults) {
  const MemorySettingsStore store;
  const OptionsForm form = loaded(store);
  const OptionsValues& v = form.values;
  EXPECT_EQ(v.input_item, 0);
  EXPECT_EQ(column_setting_text(v.columns), "0100001000000000");
  EXPECT_EQ(v.tab_text, "2");
  EXPECT_FALSE(v.load_start_file);
  EXPECT_EQ(v.start_file, "");
  EXPECT_EQ(v.start_date, "1996 10 1");
  EXPECT_FALSE(v.confirm_exit);
  EXPECT_EQ(v.ageing_rule, 0);
  EXPECT_EQ(v.calendar_mode, 0);
  EXPECT_TRUE(v.hide_without_match && v.play_sound && v.auto_close && v.show_holiday);
  EXPECT_EQ(v.notifier_path, "/opt/pelmira/lunoka");
  EXPECT_EQ(form.page(), OptionsPage::kDisplay);
}

TEST(OptionsFormLoad, StoredTextsAsTheControlsShowThem) {
  struct Row {
    const char* name;
    SettingKey key;
    const char* stored;
    std::function<std::string(const OptionsValues&)> shown;
    const char* expected;
  };
  const auto item = [](const OptionsValues& v) { return std::to_string(v.input_item); };
  const auto columns = [](const OptionsValues& v) { return column_setting_text(v.columns); };
  const auto calendar = [](const OptionsValues& v) { return std::to_string(v.calendar_mode); };
  const auto sound = [](const OptionsValues& v) { return std::string(v.play_sound ? "1" : "0"); };
  const auto leap_day = [](const OptionsValues& v) { return std::to_string(v.leap_day); };
  const auto confirm = [](const OptionsValues& v) {
    return std::string(v.confirm_exit ? "1" : "0");
  };
  const Row rows[] = {
      {"item_14", setting::kInputScreenItem, "14", item, "14"},
      {"item_15_shows_the_first", setting::kInputScreenItem, "15", item, "0"},
      {"item_negative", setting::kInputScreenItem, "-1", item, "0"},
      {"item_not_a_number", setting::kInputScreenItem, "x", item, "0"},
      {"columns_sixteen", setting::kListColumns, "1111111111111111", columns, "1111111111111111"},
      {"columns_fifteen_is_the_default", setting::kListColumns, "111111111111111", columns,
       "0100001000000000"},
      {"columns_empty_is_the_default", setting::kListColumns, "", columns, "0100001000000000"},
      {"calendar_julian", setting::kCalendarMode, "2", calendar, "2"},
      {"calendar_out_of_range", setting::kCalendarMode, "3", calendar, "0"},
      {"leap_day_on_1_march", setting::kLeapDayBirthday, "2", leap_day, "2"},
      {"leap_day_out_of_range", setting::kLeapDayBirthday, "3", leap_day, "0"},
      {"flag_zero", setting::kPlaySound, "0", sound, "0"},
      {"flag_one_as_a_number", setting::kPlaySound, "1.0", sound, "1"},
      {"flag_two_is_not_one", setting::kConfirmExit, "2", confirm, "0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemorySettingsStore store;
    write_text(store, row.key, row.stored);
    EXPECT_EQ(row.shown(loaded(store).values), row.expected);
  }
}

TEST(OptionsFormCaptions, FollowTheListingsSideLabels) {
  struct Row {
    const char* name;
    i16 kind;
    const char* age_item;
    const char* date_item;
    const char* age_column;
    const char* days_column;
  };
  const Row rows[] = {
      {"birth", kListingFortune, "満年齢の年ヶ月日", "誕生側年月日", "満年齢の年ヶ月",
       "誕生日までの日数"},
      {"wedding", kListingWedding, "結婚後の年ヶ月日", "結婚側年月日", "結婚後の年ヶ月",
       "記念日までの日数"},
      {"memorial", kListingMemorial, "死去後の年ヶ月日", "死去側年月日", "死去後の年ヶ月",
       "命日までの日数"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const OptionsForm form = loaded(MemorySettingsStore(), row.kind);
    EXPECT_EQ(form.input_item_caption(1), row.age_item);
    EXPECT_EQ(form.input_item_caption(7), row.date_item);
    EXPECT_EQ(form.column_caption(kColumnAge), row.age_column);
    EXPECT_EQ(form.column_caption(kColumnDaysToNext), row.days_column);
    EXPECT_EQ(form.input_item_caption(0), "入力");
    EXPECT_EQ(form.input_item_caption(14), "動物占い");
  }
}

// Ticking the box captioned with a column's name gives the list that column: the header the
// list shows for the stored flags names it.
TEST(OptionsFormCaptions, EachColumnBoxSwitchesOnTheColumnItNames) {
  struct Row {
    const char* caption;
    const char* header;
  };
  const Row rows[] = {
      {"十二支", " 支"},
      {"十干", " 干"},
      {"星座", "  星座 "},
      {"数え年", " 数え年"},
      {"番号", "番号  "},
      {"九星", " 　九星  "},
      {"動物占い", " 動物占い　　　"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    MemorySettingsStore store;
    OptionsForm form = loaded(store);
    int flag = -1;
    for (int k = 0; k < static_cast<int>(kListColumnCount); ++k)
      if (form.column_caption(k) == row.caption) flag = k;
    ASSERT_GE(flag, 0);
    form.Command3_Click(1);
    form.values.columns[static_cast<std::size_t>(flag)] = true;
    form.shyouji(store);
    ListDisplay display;
    display.columns = column_flags_from_setting(read_text(store, setting::kListColumns));
    EXPECT_EQ(list_header(display), row.header);
  }
}

TEST(OptionsFormSave, ApplyOnTheCalculationPageLeavesOtherEditsUnwritten) {
  MemorySettingsStore store;
  OptionsForm form = loaded(store);
  form.values.input_item = 5;
  form.values.confirm_exit = true;
  form.values.play_sound = false;
  form.values.ageing_rule = 1;
  form.values.calendar_mode = 2;
  form.select_page(OptionsPage::kCalculation);
  const OptionsSave save = form.cmdApply_Click(store);
  EXPECT_EQ(stored_keys(store), (std::set<std::string>{"pelmira/kareihou", "pelmira/rekihou"}));
  EXPECT_EQ(read_text(store, setting::kAgeingRule), "1");
  EXPECT_EQ(read_text(store, setting::kCalendarMode), "2");
  EXPECT_EQ(save.changes.ageing_rule, 1);
  EXPECT_EQ(save.changes.calendar_mode, 2);
  EXPECT_TRUE(save.changes.recompute);
  EXPECT_FALSE(save.changes.input_item || save.changes.columns || save.changes.name_tabs);
}

TEST(OptionsFormSave, TheListIsRebuiltOnlyWhenItsLayoutChanged) {
  struct Step {
    const char* name;
    std::function<void(OptionsValues&)> edit;
    bool list_changed;
  };
  const Step steps[] = {
      {"nothing_changed", [](OptionsValues&) {}, false},
      {"input_item_only", [](OptionsValues& v) { v.input_item = 3; }, false},
      {"a_column", [](OptionsValues& v) { v.columns[kColumnZodiac] = true; }, true},
      {"the_same_again", [](OptionsValues&) {}, false},
      {"tab_count", [](OptionsValues& v) { v.tab_text = "3"; }, true},
      {"refused_tab_count", [](OptionsValues& v) { v.tab_text = "9"; }, false},
      {"column_back_off", [](OptionsValues& v) { v.columns[kColumnZodiac] = false; }, true},
  };
  MemorySettingsStore store;
  OptionsForm form = loaded(store);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.edit(form.values);
    EXPECT_EQ(form.cmdApply_Click(store).changes.list_changed, step.list_changed);
  }
}

// A count the list cannot use is not stored: the box shows the last good one again ("3").
TEST(OptionsFormSave, TabCounts) {
  struct Row {
    const char* typed;
    const char* stored;
    bool taken;
  };
  const Row rows[] = {
      {"1", "1", true},    {"4", "4", true},   {" 3 ", "3", true},  {"１", "1", true},
      {"0", "3", false},   {"99", "3", false}, {"5", "3", false},   {"-1", "3", false},
      {"2.5", "3", false}, {"", "3", false},   {"abc", "3", false}, {"０", "3", false},
      {"1e0", "3", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    MemorySettingsStore store;
    write_text(store, setting::kTabCount, "3");
    OptionsForm form = loaded(store);
    form.values.tab_text = row.typed;
    const OptionsSave save = form.shyouji(store);
    EXPECT_EQ(read_text(store, setting::kTabCount), row.stored);
    EXPECT_EQ(form.values.tab_text, row.stored);
    EXPECT_EQ(save.changes.name_tabs.has_value(), row.taken);
    // The rest of the page is written either way.
    EXPECT_EQ(read_text(store, setting::kListColumns), "0100001000000000");
  }
}

TEST(OptionsFormSave, StartDatesWithAYearOfTwoOrMoreAreStoredAsTyped) {
  const char* accepted[] = {"2000 5 3",       "1996/10/1", "2 1 1",          "西暦 2001年 2月 3日",
                            "平成12年5月3日", "H12.5.3",   "２０００ ５ ３", "2000 13 40"};
  for (const char* typed : accepted) {
    SCOPED_TRACE(typed);
    testing::RecordingReporter reports;
    MemorySettingsStore store;
    OptionsForm form = loaded(store);
    form.values.start_date = typed;
    const OptionsSave save = form.skidou(store);
    EXPECT_FALSE(save.message);
    EXPECT_EQ(read_text(store, setting::kStartBirthDate), typed);
    EXPECT_TRUE(reports.empty());
  }
}

TEST(OptionsFormSave, StartDatesWithoutSuchAYearAreRefused) {
  const char* refused[] = {"abc", "", "5月3日", "1 1 1", "0 5 3", "年月日", "H1.5.3"};
  for (const char* typed : refused) {
    SCOPED_TRACE(typed);
    testing::RecordingReporter reports;
    MemorySettingsStore store;
    write_text(store, setting::kStartBirthDate, "1990 1 2");
    OptionsForm form = loaded(store);
    form.values.start_date = typed;
    form.values.load_start_file = true;
    const OptionsSave save = form.skidou(store);
    ASSERT_TRUE(save.message);
    EXPECT_EQ(save.message->text, kStartDateRefused);
    EXPECT_EQ(save.message->title, "Pelmira");
    EXPECT_EQ(save.message->icon, BoxIcon::kCritical);
    EXPECT_EQ(read_text(store, setting::kStartBirthDate), "1990 1 2");
    // The rest of the page is written all the same.
    EXPECT_EQ(read_text(store, setting::kLoadStartFile), "1");
    EXPECT_TRUE(reports.empty());
  }
}

TEST(OptionsFormSave, AStartYearBeyondTheCalendarIsReportedAndRefused) {
  testing::RecordingReporter reports;
  MemorySettingsStore store;
  OptionsForm form = loaded(store);
  form.values.start_date = "99999 1 1";
  const OptionsSave save = form.skidou(store);
  ASSERT_TRUE(save.message);
  EXPECT_EQ(save.message->text, kStartDateRefused);
  EXPECT_EQ(reports.places(), std::vector<std::string>{"bnsk"});
  EXPECT_FALSE(store.value(kSettingsApplication, "pelmira", "kidounen"));
}

TEST(OptionsFormSave, OkPassesOnTheStartDateRefusalAndSavesTheOtherPages) {
  MemorySettingsStore store;
  OptionsForm form = loaded(store);
  form.values.start_date = "abc";
  form.values.calendar_mode = 2;
  form.values.show_holiday = false;
  form.values.leap_day = 1;
  const OptionsSave save = form.cmdOK_Click(store);
  ASSERT_TRUE(save.message);
  EXPECT_EQ(save.message->text, kStartDateRefused);
  EXPECT_EQ(read_text(store, setting::kStartBirthDate), "1996 10 1");
  EXPECT_FALSE(store.value(kSettingsApplication, "pelmira", "kidounen"));
  EXPECT_EQ(read_text(store, setting::kCalendarMode), "2");
  EXPECT_EQ(read_text(store, setting::kShowHoliday), "0");
  EXPECT_EQ(read_text(store, setting::kLeapDayBirthday), "1");
}

class OptionsFormFiles : public ::testing::Test {
 protected:
  TestFolder folder_;
  MemorySettingsStore store_;
  OptionsForm form_ = loaded(store_);
  RecordingMainDialogs dialogs_;
};

TEST_F(OptionsFormFiles, StartFilesOffered) {
  struct Row {
    const char* name;
    std::string path;
    std::optional<std::string_view> refused;
  };
  const Row rows[] = {
      {"missing", folder_.path() + "/none.txt", kFileNotFound},
      {"folder", folder_.make_folder("sub"), kNotADataFile},
      {"empty_file", folder_.write("empty.txt", ""), kNotADataFile},
      {"other_text", folder_.write("memo.txt", "買い物\r\n"), kNotADataFile},
      {"data_file_cp932", folder_.write("家族.txt", testing::cp932_data_file({"a^1990 1 2^"})),
       std::nullopt},
      {"data_file_utf8", folder_.write("名簿 2.txt", "Pelmira年齢計算用リスト\r\nb^1991 2 3^\r\n"),
       std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    form_.values.start_file = "/before.txt";
    const std::optional<OptionsMessage> message = form_.offer_start_file(row.path);
    if (row.refused) {
      ASSERT_TRUE(message);
      EXPECT_EQ(message->text, *row.refused);
      EXPECT_EQ(message->title, "Pelmira");
      EXPECT_EQ(form_.values.start_file, "/before.txt");
    } else {
      EXPECT_FALSE(message);
      EXPECT_EQ(form_.values.start_file, row.path);
    }
  }
}

TEST_F(OptionsFormFiles, ChooseStartFileAsksAgainUntilADataFile) {
  const std::string good = folder_.write("家族.txt", testing::cp932_data_file({"a^1990 1 2^"}));
  const std::string other = folder_.write("memo.txt", "x\r\n");
  form_.values.start_file = "/old/list.txt";
  dialogs_.paths = {folder_.path() + "/none.txt", other, good};
  EXPECT_TRUE(Command1_Click(form_, dialogs_));
  EXPECT_EQ(form_.values.start_file, good);
  ASSERT_EQ(dialogs_.shown.size(), 5u);
  EXPECT_EQ(dialogs_.shown[0].kind, ShownBox::Kind::kOpen);
  EXPECT_EQ(dialogs_.shown[0].text, "/old/list.txt");  // the dialog starts at Label8's file
  EXPECT_EQ(dialogs_.shown[1].text, kFileNotFound);
  EXPECT_EQ(dialogs_.shown[1].icon, BoxIcon::kCritical);
  EXPECT_EQ(dialogs_.shown[3].text, kNotADataFile);
  EXPECT_EQ(dialogs_.shown[4].kind, ShownBox::Kind::kOpen);
  // Taken into the box only: the store is written by 更新 or OK.
  EXPECT_EQ(store_.write_count(), 0);
  form_.skidou(store_);
  EXPECT_EQ(read_text(store_, setting::kStartFile), good);
}

TEST_F(OptionsFormFiles, CancellingAFileDialogChangesNothing) {
  const std::string other = folder_.write("memo.txt", "x\r\n");
  const OptionsValues before = form_.values;
  dialogs_.paths = {other};  // refused, then the second dialog is cancelled
  EXPECT_FALSE(Command1_Click(form_, dialogs_));
  EXPECT_FALSE(Command2_Click(form_, dialogs_));
  EXPECT_EQ(form_.values.start_file, before.start_file);
  EXPECT_EQ(form_.values.notifier_path, before.notifier_path);
  EXPECT_EQ(dialogs_.texts(), (std::vector<std::string>{"", std::string(kNotADataFile), other,
                                                        "/opt/pelmira/lunoka"}));
  EXPECT_EQ(store_.write_count(), 0);
}

TEST_F(OptionsFormFiles, NotifierPathMustBeAFile) {
  const std::string program = folder_.write("lunoka", "#!/bin/sh\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                               std::filesystem::perm_options::add);
  const std::string folder = folder_.make_folder("lunoka.d");
  dialogs_.paths = {folder, folder_.path() + "/missing", program};
  EXPECT_TRUE(Command2_Click(form_, dialogs_));
  EXPECT_EQ(form_.values.notifier_path, program);
  EXPECT_EQ(dialogs_.texts(),
            (std::vector<std::string>{"/opt/pelmira/lunoka", std::string(kFileNotFound), folder,
                                      std::string(kFileNotFound), folder_.path() + "/missing"}));
  form_.slunoka(store_);
  EXPECT_EQ(read_text(store_, setting::kNotifierPath), program);
}

}  // namespace
}  // namespace pelmira
