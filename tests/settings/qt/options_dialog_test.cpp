// The settings dialog "　Pelmiraの設定" on the offscreen platform, driven through its controls:
// its settings in a real INI file of a test folder, its boxes and file dialogs answered by a
// recorder. Each page saved by 更新 and by OK, ｷｬﾝｾﾙ saving nothing, the start-up date refused,
// the column boxes switching the columns their captions name, and Ctrl+Tab going round.

#include "settings/qt/options_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/qt/box_text.h"
#include "people/list_columns.h"
#include "settings/qt/qsettings_store.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/qt/modal_answer.h"
#include "support/qt/qt_environment.h"
#include "support/recording_main_dialogs.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::ModalDialogGuard;
using testing::RecordingMainDialogs;
using testing::ShownBox;
using testing::TestFolder;

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() : store_(QString::fromStdString(config_.path())) {
    context_.program_folder = "/opt/pelmira";
    context_.birth_date_text = "西暦 2001年 2月 3日";
  }

  // The dialog shown without blocking, so that the test can work its controls.
  OptionsDialog& open() {
    dialog_ = std::make_unique<OptionsDialog>(store_, dialogs_, context_);
    dialog_->set_saved_callback([this](const OptionsChanges& c) { saves_.push_back(c); });
    dialog_->setWindowModality(Qt::NonModal);
    dialog_->show();
    return *dialog_;
  }

  template <class T = QWidget>
  T* control(const QString& name) const {
    T* found = dialog_->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  void click(const QString& name) const { control<QAbstractButton>(name)->click(); }
  void show_page(OptionsPage page) const {
    control<QTabWidget>(QStringLiteral("tbsOptions"))->setCurrentIndex(static_cast<int>(page));
  }
  void type(const QString& name, const QString& text) const {
    auto* box = control<QLineEdit>(name);
    box->clear();
    QTest::keyClicks(box, text);
  }
  void type_tab_count(const QString& text) const {
    QLineEdit* box = control<QComboBox>(QStringLiteral("Combo1"))->lineEdit();
    box->clear();
    QTest::keyClicks(box, text);
  }

  std::string stored(const SettingKey& key) const {
    return store_.value(kSettingsApplication, key.section, key.key).value_or("<missing>");
  }
  bool store_file_exists() const { return QFile::exists(store_.file_of(kSettingsApplication)); }

  ModalDialogGuard guard_;
  TestFolder config_;
  TestFolder data_;
  QSettingsStore store_;
  RecordingMainDialogs dialogs_;
  OptionsContext context_;
  std::unique_ptr<OptionsDialog> dialog_;
  std::vector<OptionsChanges> saves_;
};

TEST_F(OptionsDialogTest, EveryControlIsNamedAndCaptioned) {
  OptionsDialog& dialog = open();
  EXPECT_EQ(dialog.windowTitle(), from_utf8("　Pelmiraの設定"));
  std::vector<QString> names;
  for (int k = 0; k < 15; ++k) names.push_back(QStringLiteral("Option1_%1").arg(k));
  for (int k = 0; k < 16; ++k) names.push_back(QStringLiteral("Check5_%1").arg(k));
  for (int k = 0; k < 3; ++k) names.push_back(QStringLiteral("Command3_%1").arg(k));
  for (int k = 0; k < 3; ++k) names.push_back(QStringLiteral("Option4_%1").arg(k));
  for (const char* name :
       {"Combo1",   "Check2",     "Command1",  "Label8",    "Text1",     "Command4",
        "Check4",   "Option2_0",  "Option2_1", "Option3_0", "Option3_1", "Option3_2",
        "Check6",   "Check1",     "Check7",    "Check3",    "Label5",    "Label7",
        "Command2", "tbsOptions", "cmdOK",     "cmdCancel", "cmdApply"})
    names.push_back(QString::fromLatin1(name));
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QWidget* widget = control(name);
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->accessibleName().isEmpty());
  }

  const auto* tabs = control<QTabWidget>(QStringLiteral("tbsOptions"));
  const char* captions[] = {"表示", "起動時", "終了時", "計算法", "Lunoka"};
  const char* tips[] = {"入力画面とリスト画面の表示の設定", "自動入力の設定", "",
                        "年齢計算法と暦法の設定", "Lunokaの設定"};
  ASSERT_EQ(tabs->count(), 5);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(tabs->tabText(k), from_utf8(captions[k]));
    EXPECT_EQ(tabs->tabToolTip(k), from_utf8(tips[k]));
  }
  EXPECT_EQ(control<QRadioButton>(QStringLiteral("Option1_0"))->toolTip(),
            from_utf8("「入力」の文字が表示されます"));
  EXPECT_EQ(control<QPushButton>(QStringLiteral("Command3_2"))->toolTip(),
            from_utf8("デフォルトの状態に戻します。"));
  EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->count(), 4);
  EXPECT_EQ(control<QLabel>(QStringLiteral("Label7"))->text(), from_utf8("/opt/pelmira/lunoka"));
  EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text1"))->text(), from_utf8("1996 10 1"));
}

TEST_F(OptionsDialogTest, CentredOnTheScreenWithOnlyTheShownPageEnabled) {
  OptionsDialog& dialog = open();
  const QPoint centre = dialog.screen()->availableGeometry().center();
  EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 2);
  for (int shown = 0; shown < kOptionsPageCount; ++shown) {
    show_page(static_cast<OptionsPage>(shown));
    for (int k = 0; k < kOptionsPageCount; ++k)
      EXPECT_EQ(control(QStringLiteral("picOptions_%1").arg(k))->isEnabled(), k == shown);
  }
}

class OptionsDialogPages;

// One page edited through its controls, then saved.
struct PageEdit {
  const char* name;
  OptionsPage page;
  void (OptionsDialogPages::*edit)() const;
  std::map<std::string, std::string> written;  // key -> text; nothing else is stored
};

class OptionsDialogPages : public OptionsDialogTest {
 protected:
  void edit_display() const {
    click(QStringLiteral("Option1_5"));
    click(QStringLiteral("Check5_10"));
    type_tab_count(QStringLiteral("3"));
  }
  void edit_startup() const {
    click(QStringLiteral("Check2"));
    type(QStringLiteral("Text1"), QStringLiteral("2000 5 3"));
  }
  void edit_exit() const { click(QStringLiteral("Check4")); }
  void edit_calculation() const {
    click(QStringLiteral("Option2_1"));
    click(QStringLiteral("Option3_2"));
  }
  void edit_notifier() const {
    click(QStringLiteral("Check1"));
    click(QStringLiteral("Check3"));
    click(QStringLiteral("Option4_2"));
  }
  void edit(const PageEdit& row) const {
    show_page(row.page);
    (this->*row.edit)();
  }

  const std::vector<PageEdit> pages_{
      {"display",
       OptionsPage::kDisplay,
       &OptionsDialogPages::edit_display,
       {{"nyuryokuhyouji", "5"}, {"a", "0100001000100000"}, {"nt", "3"}}},
      {"startup",
       OptionsPage::kStartup,
       &OptionsDialogPages::edit_startup,
       {{"listdata1", "1"}, {"listdata", ""}, {"kidounen", "2000 5 3"}}},
      {"exit", OptionsPage::kExit, &OptionsDialogPages::edit_exit, {{"kakunin", "1"}}},
      {"calculation",
       OptionsPage::kCalculation,
       &OptionsDialogPages::edit_calculation,
       {{"kareihou", "1"}, {"rekihou", "2"}}},
      {"notifier",
       OptionsPage::kNotifier,
       &OptionsDialogPages::edit_notifier,
       {{"nodatahyouji", "1"},
        {"ongaku", "0"},
        {"jidousyuryou", "1"},
        {"saijituh", "0"},
        {"uruu", "2"},
        {"lunokapath", "/opt/pelmira/lunoka"}}},
  };

  // Every key stored, by key name (the keys of the dialog are unique across sections).
  std::map<std::string, std::string> stored_keys() const {
    std::map<std::string, std::string> keys;
    QSettingsStore fresh(QString::fromStdString(config_.path()));
    for (const char* section : {"pelmira", "hyoujikoumoku", "syuryou", "tannyugamen"})
      for (const char* key :
           {"nyuryokuhyouji", "a", "nt", "listdata1", "listdata", "kidounen", "kakunin", "kareihou",
            "rekihou", "nodatahyouji", "ongaku", "jidousyuryou", "saijituh", "uruu", "lunokapath"})
        if (auto text = fresh.value(kSettingsApplication, section, key)) keys[key] = *text;
    return keys;
  }
};

TEST_F(OptionsDialogPages, ApplySavesThePageShownAndKeepsTheDialogOpen) {
  for (const PageEdit& row : pages_) {
    SCOPED_TRACE(row.name);
    deleteAllSettings(store_, kSettingsApplication);
    saves_.clear();
    OptionsDialog& dialog = open();
    edit(row);
    click(QStringLiteral("cmdApply"));
    EXPECT_EQ(stored_keys(), row.written);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialogs_.shown.empty());
  }
}

TEST_F(OptionsDialogPages, OkSavesEveryPageAndCloses) {
  OptionsDialog& dialog = open();
  std::map<std::string, std::string> written;
  for (const PageEdit& row : pages_) {
    edit(row);
    written.insert(row.written.begin(), row.written.end());
  }
  show_page(OptionsPage::kExit);
  click(QStringLiteral("cmdOK"));
  EXPECT_EQ(stored_keys(), written);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  ASSERT_EQ(saves_.size(), 1u);
  const OptionsChanges& changed = saves_[0];
  EXPECT_EQ(changed.input_item, 5);
  EXPECT_EQ(changed.name_tabs, 3);
  EXPECT_EQ(changed.ageing_rule, 1);
  EXPECT_EQ(changed.calendar_mode, 2);
  EXPECT_TRUE(changed.list_changed);
  EXPECT_TRUE(changed.recompute);
}

TEST_F(OptionsDialogPages, CancelSavesNothing) {
  OptionsDialog& dialog = open();
  for (const PageEdit& row : pages_) edit(row);
  click(QStringLiteral("cmdCancel"));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(store_file_exists());
  EXPECT_TRUE(saves_.empty());
}

TEST_F(OptionsDialogTest, AStartDateWithoutAYearIsRefused) {
  write_text(store_, setting::kStartBirthDate, "1990 1 2");
  open();
  show_page(OptionsPage::kStartup);
  type(QStringLiteral("Text1"), QStringLiteral("abc"));
  click(QStringLiteral("cmdApply"));
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].title, "Pelmira");
  EXPECT_EQ(dialogs_.shown[0].text, kStartDateRefused);
  EXPECT_EQ(dialogs_.shown[0].icon, BoxIcon::kCritical);
  EXPECT_EQ(stored(setting::kStartBirthDate), "1990 1 2");
  EXPECT_EQ(stored(setting::kLoadStartFile), "0");

  click(QStringLiteral("Command4"));
  EXPECT_EQ(control<QLineEdit>(QStringLiteral("Text1"))->text(), from_utf8("西暦 2001年 2月 3日"));
  click(QStringLiteral("cmdApply"));
  EXPECT_EQ(stored(setting::kStartBirthDate), "西暦 2001年 2月 3日");
  EXPECT_EQ(dialogs_.shown.size(), 1u);
}

TEST_F(OptionsDialogTest, ColumnBoxesSwitchTheColumnsTheyName) {
  struct Row {
    const char* box;
    const char* caption;
    ListColumn column;
    const char* header;
  };
  const Row rows[] = {
      {"Check5_9", "十干", kColumnStem, " 干"},
      {"Check5_10", "十二支", kColumnBranch, " 支"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    saves_.clear();
    open();
    auto* box = control<QCheckBox>(QString::fromLatin1(row.box));
    EXPECT_EQ(box->text(), from_utf8(row.caption));
    click(QStringLiteral("Command3_1"));
    box->click();
    click(QStringLiteral("cmdOK"));
    ASSERT_EQ(saves_.size(), 1u);
    ASSERT_TRUE(saves_[0].columns);
    ListDisplay display;
    display.columns = *saves_[0].columns;
    EXPECT_TRUE(display.columns[row.column]);
    EXPECT_EQ(list_header(display), row.header);
    display.columns = column_flags_from_setting(stored(setting::kListColumns));
    EXPECT_EQ(list_header(display), row.header);
  }
}

TEST_F(OptionsDialogTest, ColumnPresetsTickTheBoxes) {
  write_text(store_, setting::kTabCount, "4");
  open();
  auto ticked = [this] {
    std::string flags;
    for (int k = 0; k < 16; ++k)
      flags += control<QCheckBox>(QStringLiteral("Check5_%1").arg(k))->isChecked() ? '1' : '0';
    return flags;
  };
  auto* combo = control<QComboBox>(QStringLiteral("Combo1"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("4"));
  click(QStringLiteral("Command3_0"));
  EXPECT_EQ(ticked(), "1111111111111111");
  click(QStringLiteral("Command3_1"));
  EXPECT_EQ(ticked(), "0000000000000000");
  click(QStringLiteral("Command3_2"));
  EXPECT_EQ(ticked(), "0100001000000000");
  EXPECT_EQ(combo->currentText(), QStringLiteral("2"));
  click(QStringLiteral("cmdApply"));
  EXPECT_EQ(stored(setting::kListColumns), "0100001000000000");
  EXPECT_EQ(stored(setting::kTabCount), "2");
}

TEST_F(OptionsDialogTest, TabCountsOutOfRangeKeepTheStoredOne) {
  write_text(store_, setting::kTabCount, "3");
  open();
  for (const char* typed : {"0", "99"}) {
    SCOPED_TRACE(typed);
    type_tab_count(QString::fromLatin1(typed));
    click(QStringLiteral("cmdApply"));
    EXPECT_EQ(stored(setting::kTabCount), "3");
    EXPECT_EQ(control<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("3"));
  }
  type_tab_count(QStringLiteral("1"));
  click(QStringLiteral("cmdApply"));
  EXPECT_EQ(stored(setting::kTabCount), "1");
}

TEST_F(OptionsDialogTest, StartFileChosenWithANonAsciiName) {
  const std::string file = data_.write("家族 一覧.txt", testing::cp932_data_file({"a^1990 1 2^"}));
  const std::string memo = data_.write("メモ.txt", "x\r\n");
  open();
  show_page(OptionsPage::kStartup);
  dialogs_.paths = {memo, file};
  click(QStringLiteral("Command1"));
  EXPECT_EQ(control<QLabel>(QStringLiteral("Label8"))->text(), from_utf8(file));
  ASSERT_EQ(dialogs_.shown.size(), 3u);
  EXPECT_EQ(dialogs_.shown[1].text, kNotADataFile);
  click(QStringLiteral("cmdOK"));
  EXPECT_EQ(read_text(QSettingsStore(QString::fromStdString(config_.path())), setting::kStartFile),
            file);
}

TEST_F(OptionsDialogTest, CtrlTabGoesToTheNextTabAndWraps) {
  OptionsDialog& dialog = open();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* tabs = control<QTabWidget>(QStringLiteral("tbsOptions"));
  // From a control of the page and from the buttons below the pages alike.
  for (const QString& name : {QStringLiteral("Option1_0"), QStringLiteral("cmdOK")}) {
    SCOPED_TRACE(name.toStdString());
    tabs->setCurrentIndex(0);
    control(name)->setFocus();
    for (const int expected : {1, 2, 3, 4, 0}) {
      QWidget* focused = QApplication::focusWidget();
      ASSERT_NE(focused, nullptr);
      QTest::keyClick(focused, Qt::Key_Tab, Qt::ControlModifier);
      EXPECT_EQ(tabs->currentIndex(), expected);
    }
  }
}

TEST_F(OptionsDialogTest, RunsModallyAndAnswersWhatWasSaved) {
  write_text(store_, setting::kAgeingRule, "0");
  std::vector<OptionsChanges> seen;
  auto answer = testing::answer_next_dialog<OptionsDialog>([](OptionsDialog& shown) {
    EXPECT_TRUE(shown.isModal());
    shown.findChild<QTabWidget*>(QStringLiteral("tbsOptions"))->setCurrentIndex(3);
    shown.findChild<QRadioButton*>(QStringLiteral("Option2_1"))->click();
    shown.findChild<QPushButton*>(QStringLiteral("cmdApply"))->click();
    shown.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  const OptionsResult result = run_options_dialog(
      nullptr, store_, dialogs_, context_, [&](const OptionsChanges& c) { seen.push_back(c); });
  EXPECT_TRUE(answer.answered());
  EXPECT_TRUE(result.accepted);
  EXPECT_EQ(result.changes.ageing_rule, 1);
  ASSERT_TRUE(result.changes.columns);
  EXPECT_EQ(seen.size(), 2u);  // 更新, then OK
  EXPECT_EQ(stored(setting::kAgeingRule), "1");

  auto cancel = testing::answer_next_dialog<OptionsDialog>([](OptionsDialog& shown) {
    shown.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
  });
  const OptionsResult cancelled = run_options_dialog(nullptr, store_, dialogs_, context_);
  EXPECT_FALSE(cancelled.accepted);
  EXPECT_FALSE(cancelled.changes.any());
}

}  // namespace
}  // namespace pelmira
