#pragma once
// The settings dialog "　Pelmiraの設定" as a model: the value of every control on its five
// pages, the load from the store, the save procedure of each page, the column presets, the
// start-up date check and the two file choices. The window (settings/qt/options_dialog.h)
// only renders these values and forwards the user's edits and clicks.
//
// Values live in the store; the dialog reads them when it opens and writes them back by page
// ("更新" the page shown, OK all five). A few of them are also held by the main window while
// it runs (the input-screen item, the list columns, the TAB count, the ageing rule and the
// calendar mode): each save answers which of those it wrote, so that the main window copies
// them and refreshes at once.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "core/state.h"
#include "listings/selector.h"
#include "mainwindow/main_dialogs.h"
#include "people/list_columns.h"
#include "settings/settings_store.h"

namespace pelmira {

// The pages, in the order of their tabs.
enum class OptionsPage : int {
  kDisplay = 0,      // "表示"
  kStartup = 1,      // "起動時"
  kExit = 2,         // "終了時"
  kCalculation = 3,  // "計算法"
  kNotifier = 4,     // "Lunoka"
};
inline constexpr int kOptionsPageCount = 5;

// Input-screen items (Option1 0..14); kNoInputItem is stored when none is chosen.
inline constexpr int kInputItemCount = 15;
inline constexpr i16 kNoInputItem = 15;

// The choices for 29 February birthdays in common years (Option4).
inline constexpr int kLeapDayChoiceCount = 3;

// The TAB counts the combo box offers.
inline constexpr i16 kFewestNameTabs = 1;
inline constexpr i16 kMostNameTabs = 4;

inline constexpr std::string_view kOptionsTitle = "　Pelmiraの設定";
inline constexpr std::string_view kStartDateRefused =
    "Pelmira起動時に表示する誕生側の年月日の設定に入力された内容は受け付けられませんでした。";
inline constexpr std::string_view kFileNotFound = "ファイルが見つかりません。";
inline constexpr std::string_view kNotADataFile = "Pelmira用ファイルではありません。";
inline constexpr std::string_view kOptionsFileDialogTitle = "ファイルを開く";
inline constexpr std::string_view kStartFileFilter = "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt";
// The notifier program is "lunoka" in the main program's folder.
inline constexpr std::string_view kNotifierFileFilter = "Lunoka|lunoka";

// What the dialog needs of the main window when it opens.
struct OptionsContext {
  // The side labels of the listing in force: they relabel four controls.
  ModeLabels labels = TanMeiKH(kListingFortune);
  // The main program's folder: the notifier's default place is "<folder>/lunoka".
  std::string program_folder;
  // "「誕生」側の年月日を指定。" copies this into the start-up date box: the birth side's
  // date as the age report shows it (the slot's Western text, "西暦 1996年 10月 1日").
  std::string birth_date_text;
  // The date reader reads short years ("'98") with the century of this state's slot 1.
  ProgramState state;
};

// Every control's value.
struct OptionsValues {
  // Page 0 "表示".
  i16 input_item = 0;     // Option1: 0..14, kNoInputItem for none
  ColumnFlags columns{};  // Check5(0..15), by list column flag
  std::string tab_text;   // Combo1's text as typed
  // Page 1 "起動時".
  bool load_start_file = false;  // Check2
  std::string start_file;        // Label8
  std::string start_date;        // Text1
  // Page 2 "終了時".
  bool confirm_exit = false;  // Check4
  // Page 3 "計算法".
  i16 ageing_rule = 0;    // Option2: 0 on the birthday, 1 on the day before
  i16 calendar_mode = 0;  // Option3: 0 automatic, 1 Gregorian fixed, 2 Julian fixed
  // Page 4 "Lunoka".
  bool hide_without_match = true;  // Check6
  bool play_sound = true;          // Check1
  bool auto_close = true;          // Check7
  bool show_holiday = true;        // Check3
  // Option4: a 29 February birthday in common years, 0 not notified, 1 on 28 February, 2 on
  // 1 March ("tannyugamen"/"uruu").
  i16 leap_day = 0;
  std::string notifier_path;  // Label7
};

// What the saves wrote that the main window holds too. A value is set when its page was
// saved (with the last value written); the main window copies the set ones into its own
// state: input_item into the input screen's item, columns and name_tabs into its list
// display, ageing_rule and calendar_mode into the program state.
struct OptionsChanges {
  std::optional<i16> input_item;
  std::optional<ColumnFlags> columns;
  std::optional<i16> name_tabs;  // unset when the typed TAB count was refused
  std::optional<i16> ageing_rule;
  std::optional<i16> calendar_mode;
  // The columns or the TAB count differ from those last seen: a loaded person list is rebuilt.
  bool list_changed = false;
  // The calculation page was saved: the report is recomputed.
  bool recompute = false;

  // Takes over what `later` set.
  void merge(const OptionsChanges& later);
  bool any() const;
};

// A box to show: title "Pelmira", with the error icon.
struct OptionsMessage {
  std::string text;
  BoxIcon icon = BoxIcon::kCritical;
  std::string title = "Pelmira";
};

// What a save did.
struct OptionsSave {
  OptionsChanges changes;
  std::optional<OptionsMessage> message;  // shown before the dialog goes on
};

class OptionsForm {
 public:
  // Reads every control's value from the store; the first page is shown.
  void load(const SettingsStore& store, const OptionsContext& context);

  OptionsValues values;

  // --- Captions that follow the mode labels ---------------------------------------------

  // Option1(i): "満年齢の年ヶ月日" and "誕生側年月日" follow the labels.
  std::string input_item_caption(int item) const;
  // Check5(flag): captioned by the column the flag shows ("満年齢の年ヶ月" and
  // "誕生日までの日数" follow the labels).
  std::string column_caption(int flag) const;

  // --- Tabs --------------------------------------------------------------------------------

  OptionsPage page() const { return page_; }
  void select_page(OptionsPage page) { page_ = page; }
  // Ctrl+Tab: the next tab, from the last back to the first.
  OptionsPage next_page() const;

  // --- Saving ------------------------------------------------------------------------------

  OptionsSave shyouji(SettingsStore& store);     // page 0
  OptionsSave skidou(SettingsStore& store);      // page 1
  OptionsSave ssyuryou(SettingsStore& store);    // page 2
  OptionsSave skeisanhou(SettingsStore& store);  // page 3
  OptionsSave slunoka(SettingsStore& store);     // page 4
  OptionsSave save_page(OptionsPage page, SettingsStore& store);

  // "更新": saves the page shown.
  OptionsSave cmdApply_Click(SettingsStore& store) { return save_page(page_, store); }
  // OK: saves all five pages (display, start-up, exit, calculation, notifier); the changes
  // are merged and the message of the start-up page, if any, is passed on.
  OptionsSave cmdOK_Click(SettingsStore& store);

  // Everything saved since the load, merged.
  const OptionsChanges& saved() const { return saved_; }

  // --- Buttons -----------------------------------------------------------------------------

  // Command3: 0 "全てを表示", 1 "全て非表示", 2 "デフォルト" (name and full age, TAB count 2).
  void Command3_Click(int index);
  // Command4: the birth side's date into the start-up date box.
  void Command4_Click();

  // A path chosen by "ファイルを指定": nullopt when it is taken into Label8, else the message
  // to show before asking again (missing file, or not a data file).
  std::optional<OptionsMessage> offer_start_file(const std::string& path);
  // A path chosen by "場所を指定": nullopt when it is taken into Label7, else the message to
  // show before asking again (nothing there, or a folder).
  std::optional<OptionsMessage> offer_notifier_path(const std::string& path);

  // Where the file dialogs start.
  const std::string& start_file_initial() const { return values.start_file; }
  const std::string& notifier_path_initial() const { return values.notifier_path; }

 private:
  OptionsContext context_;
  OptionsPage page_ = OptionsPage::kDisplay;
  // The columns and TAB count last seen (at load, then at each save of page 0).
  ColumnFlags shown_columns_{};
  i16 shown_tabs_ = kDefaultNameTabs;
  // The TAB count last written or loaded that is a good one, for a refused entry.
  i16 good_tabs_ = kDefaultNameTabs;
  OptionsChanges saved_;
};

// A TAB count as typed: a whole number from 1 to 4 (full-width digits too, blanks around it
// allowed); nullopt for anything else.
std::optional<i16> parse_name_tabs(std::string_view text);

// "ファイルを指定" and "場所を指定": the open dialog, asked again after each refused path, until
// a path is taken (true) or the dialog is cancelled (false, nothing changed). Errors report as
// "設定Command1_Click" and "設定Command2_Click".
bool Command1_Click(OptionsForm& form, MainDialogs& dialogs);
bool Command2_Click(OptionsForm& form, MainDialogs& dialogs);

}  // namespace pelmira
