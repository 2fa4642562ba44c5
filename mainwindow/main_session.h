#pragma once
// The main window without its widgets: what the window's procedures share from start-up to
// shut-down. The date slots and the program-wide values, the exit mode, the started flag,
// the start time, the panel items, the layout cause and the last size, the listing, the
// open person list and the recent files all live here. The window renders the view this
// session keeps and forwards every user event to it; the session reaches back to the window
// only through WindowPort and to the user through MainDialogs.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"
#include "listings/listing.h"
#include "listings/selector.h"
#include "mainwindow/date_entry.h"
#include "mainwindow/main_dialogs.h"
#include "mainwindow/panel_layout.h"
#include "mainwindow/session_hosts.h"
#include "mainwindow/window_view.h"
#include "people/data_reader.h"
#include "people/list03.h"
#include "people/list_columns.h"
#include "people/notice_code.h"
#include "people/person_table.h"
#include "people/recent_files.h"
#include "people/search.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"

namespace pelmira {

// What the session knows of the running program.
struct ProgramInfo {
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::string program_folder;  // the running program's folder, without a trailing "/"
  std::string data_folder;     // where the file dialogs start
  std::string program_file_name = "pelmira";

  // This build's version and revision.
  static ProgramInfo this_build(std::string program_folder, std::string data_folder);
};

// 0 a normal exit, 1 the settings deleted on exit (menu), 2 deleted on exit (command line).
enum class ExitMode : std::uint8_t { kNormal = 0, kDeleteAsked = 1, kDeleteForced = 2 };

// What the session needs of the window itself. Lengths are twips.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual WindowState window_state() const = 0;
  virtual int window_width() const = 0;  // the outer size
  virtual int window_height() const = 0;
  virtual int window_left() const = 0;
  virtual int window_top() const = 0;
  virtual int screen_vertical_pixels() const = 0;
  virtual void move_window(int left, int top) = 0;
  // Called with cause 10 in force: the window's own resize event then changes nothing.
  virtual void resize_window(std::optional<int> width, std::optional<int> height) = 0;
  virtual void show_normal() = 0;  // back from minimised or maximised
  // Shows the checked panels at their places and the list panel at its place and size.
  virtual void place_panels(const LayoutPlan& plan) = 0;
  // The window's close request, queued: the closing request and shut-down follow.
  virtual void request_close() = 0;
  // Busy state: panels disabled and a wait pointer.
  virtual void set_busy(bool busy) = 0;
  // Starts a program with no arguments in a folder, detached from this one; false when it
  // could not be started.
  virtual bool start_program(const std::string& path, const std::string& folder) = 0;
};

class MainSession {
 public:
  MainSession(SettingsStore& store, MainDialogs& dialogs, WindowPort& window, ProgramInfo info,
              Clock clock = system_now);
  MainSession(const MainSession&) = delete;
  MainSession& operator=(const MainSession&) = delete;

  // --- Start-up, closing and shut-down ----------------------------------------------------

  // The window's load, in its twenty steps. `arguments` are the command-line words: "rdq"
  // alone deletes every setting and ends; otherwise each is a data file to open. Reports as
  // "Form_Load" and stops at an error, leaving the started flag unset.
  void Form_Load(const std::vector<std::string>& arguments);

  // The closing request: the save check of the person list, then the exit question when
  // "syuryou"/"kakunin" is 1. Returns false when the window is to stay. Reports as
  // "Form_QueryUnload".
  bool Form_QueryUnload();

  // The shut-down: deletes every setting (exit modes 1 and 2, when confirmed) or stores the
  // window's place, the version, the listing and the recent files. Reports as "Form_Unload".
  void Form_Unload();

  // --- Menus -------------------------------------------------------------------------------

  void msryu_Click();              // "Pelmiraの終了"
  void rsyuryou_Click();           // "レジストリを削除して終了"
  void m2_Click(int slot);         // "誕生を今日にする" (0), "現在を今日にする" (1)
  void m1_Click(int panel);        // a panel item: flip, lay out, refresh
  void msg2_Click(int index);      // 0 "全てを表示", 1 "全て非表示"
  void Command6_Click(int panel);  // a panel's close button
  void fnc01_Click();              // the year calendar on or off
  void HScroll1_Change(i16 year);  // the year calendar's year
  void itirank1_Click(i16 kind);   // a listing kind
  void ghfail_Click();             // "現在開いているファイル"
  void pelmirahelp03_Click();      // "バージョン情報"

  // --- Date entry (the input panel and its menu) ------------------------------------------

  void Command7_Click(int digit);  // a digit
  void Command8_Click(int unit);   // 0 "年", 1 "月", 2 "日"
  void Command4_Click(int era);    // an era button
  void Command10_Click(int sign);  // 0 "＋", 1 "－"
  void Command9_Clear();           // "消す↑"
  // "Enter" or the Enter key in the date box, with the box's text.
  void Command9_Enter(std::string_view text);
  void Text2_GotFocus();
  // The step button "＝": pressed, released; the timer's tick answers how it goes on.
  void step_pressed();
  void step_released();
  TimerTick Timer1_Timer();
  void riremodos_Click();        // "戻す(入力)"
  void Option4_Click(int slot);  // "誕生" / "現在": the slot being entered

  // --- Calendar and listing panes ---------------------------------------------------------

  void Option2_Click(int slot);  // "誕生月" / "現在月"
  void Label7_Click(int cell);   // a cell of the month calendar
  void Option6_Click(int side);  // the listing's calculation side
  // A choice in Combo1(index): the list index chosen.
  void Combo1_Click(int index, int chosen);
  // A left click on row `row` of the listing. Answers the person-list row to select (kind
  // 8), or -1.
  int List3_MouseDown(int row);

  // --- Files (the ファイル menu) and the person list's edit menu ----------------------------

  void ls12_Click();  // "ファイルを開く(新規)": the save question, then a file replaces the list
  void ls121_Click();     // "ファイルを追加": a file is added to the list
  void uHozon_Click();    // "上書き保存"
  void ls13_Click();      // "名前を付けてファイルに保存"
  void txtout_Click();    // "氏名データをﾃｷｽﾄﾌｧｲﾙに出力"
  void txtoutir_Click();  // "一覧表示をテキストファイルに出力"
  void txtoutH_Click();   // "表示画面をテキストファイルに出力"
  // "iCalendar形式で書き出し…": the list's persons as an iCalendar file, their days as Lunoka
  // shows them over two years from today (mainwindow/calendar_export.cpp).
  void icalout_Click();
  void rirekid_Click(int index);  // a recent file, 1 the newest
  void rirekic_Click();           // "履歴のクリア"
  void risinki_Click();           // "リストの内容を全て消す"

  void List1_Click(int row);        // a row of the person list, -1 for none
  void ls23_Click();                // "削除"
  void ls231_Click();               // "戻す(削除)"
  void ls25_Click();                // "重複を削除"
  void ls26_Click();                // "選択の取り消し"
  void ls27_Click();                // "移動用の 切り取り"
  void ls22_Click();                // "切り取りの挿入"
  void ls32_Click(bool ascending);  // "昇順" / "降順"
  void ls36_Click(int key);         // a sort key
  void ls38_Click();                // "基本の並びの表示"
  // "検索開始" in the search window: the list narrowed to the persons the form finds.
  SearchOutcome search(const SearchForm& form);
  void ls24_Click();   // "検索を前に戻す"
  void ls241_Click();  // "検索を後に進める"

  // --- The notification entry (panel 5) and the notifier ---------------------------------

  void Text1_Change(std::string_view name);  // the name box
  void Text3_Change(std::string_view days);  // the notice-days box
  void option5_Click(i16 kind);              // 1 日付, 2 月日, 3 年月日, 4 曜日
  // A rule box ticked or cleared: Check1, Check2, Check6, Check5(0..4), Check3(0..2),
  // Check4(0..1).
  enum class RuleBox { kShowAge, kMonthEnd, kBirthMonth, kWeek, kMoveOn, kMoveTo };
  void rule_box_Click(RuleBox box, int index, bool ticked);
  void Command2_Click(int index);  // 0 "追加", 1 "書換"
  void lunokas2_Click();           // the notifier for the "現在" date

  // --- The settings dialog -------------------------------------------------------------------

  // What the settings dialog needs of the window: the side labels, the folder, the dates.
  OptionsContext options_context() const;
  // Settings the dialog saved take effect at once: the report is recomputed and the list
  // rebuilt when its columns, TAB count or rules changed.
  void apply_options(const OptionsChanges& changes);
  const NoticePane& notice_pane() const { return pane_; }
  // lih: "追加" needs a name, "書換" a name and a selected person.
  bool add_enabled() const;
  bool rewrite_enabled() const;

  // --- Window events -----------------------------------------------------------------------

  // The window's resize event.
  void Form_Resize();
  // The panel layout for the cause in force (see panel_layout.h), applied to the window.
  void layout_panels(std::uint8_t cause, bool follows_year_calendar_switch = false);

  // The window refresh: the report, the date box, the visible panels, the input history and
  // the year calendar, into view().
  void mein1();

  // --- What the window renders -------------------------------------------------------------

  const WindowView& view() const { return view_; }
  const std::array<bool, kPanelCount>& panel_items() const { return panel_items_; }
  bool year_calendar_shown() const { return year_calendar_; }
  i16 year_calendar_year() const { return year_calendar_year_; }
  bool solar_term_listing_offered() const { return solar_term_listing_; }
  const std::array<PanelSize, kPanelCount>& panel_sizes() const { return panel_sizes_; }
  const ListingControls& listing_controls() const { return listing_controls_; }
  const RecentFiles& recent_files() const { return recent_; }
  const PersonTable& persons() const { return persons_; }
  const ListDisplay& list_display() const { return display_; }
  const ListingSession& listing() const { return listing_; }
  const ProgramState& state() const { return state_; }
  const ProgramInfo& info() const { return info_; }

  ExitMode exit_mode() const { return exit_mode_; }
  bool started() const;
  const ResizeTracker& resize_tracker() const { return tracker_; }
  // The hour and minute of the start, each plus 1.
  i16 start_hour() const { return start_hour_; }
  i16 start_minute() const { return start_minute_; }
  i16 entry_display_item() const { return entry_display_item_; }
  int calendar_slot() const { return calendar_slot_; }
  const Keypad& keypad() const { return keypad_; }
  const InputHistory& input_history() const { return history_; }
  // Where the focus goes after a typed date: the notification pane's name box while it is
  // shown, else the date box.
  bool focus_to_notification_name() const { return panel_items_[kNotificationPanel]; }

  // The correction window the reads use (default: the read's own default answer).
  void set_correction_window(std::function<void(CorrectionWindow&)> show);
  // How the saves write their files (default: replaced atomically on disk); a test injects
  // failures here.
  void set_file_writer(std::function<void(const std::string&, std::string_view)> write);

  // Reads data files adding to the list, then refreshes the list (files named on the command
  // line or dropped on the list).
  void open_files(const std::vector<std::string>& paths);

 private:
  // Start-up steps.
  void check_version();
  void show_release_note();
  void restore_window_place();
  void read_start_panels();
  void read_program_values();
  void set_start_dates();
  void select_start_listing();
  void read_list_state();
  void load_recent_files_menu();

  // Shut-down steps.
  bool confirm_settings_deletion();
  void save_normal_exit();

  // The person list refresh after files were read; turns the list panel on.
  void refresh_person_list();
  // The person list refilled after an edit, with its summary and menu states.
  void refill_person_list();
  template <class Edit>
  void edit_list(Edit&& edit);
  std::vector<int> list_inputs() const;
  void refresh_person_lines();
  // The notification pane's description and visibility from its rule.
  void describe_rule();
  // Reads one file chosen in the open dialog (rist01), adding or replacing.
  void rist01(std::uint8_t append);
  std::vector<std::string> export_lines(i16 mode);
  void check_list_panel_coupling(int panel);
  void read_panel_items_from_setting();

  SettingsStore& store_;
  MainDialogs& dialogs_;
  WindowPort& window_;
  ProgramInfo info_;

  ProgramState state_;
  ExitMode exit_mode_ = ExitMode::kNormal;
  i16 start_hour_ = 0;
  i16 start_minute_ = 0;
  i16 entry_display_item_ = 0;
  int calendar_slot_ = 0;  // the month calendar shows slot 0 or 1

  std::array<bool, kPanelCount> panel_items_{};
  bool year_calendar_ = false;
  i16 year_calendar_year_ = 0;
  bool solar_term_listing_ = false;
  ResizeTracker tracker_;
  std::array<PanelSize, kPanelCount> panel_sizes_ = kDesignPanelSizes;

  ListingSession listing_;
  ListingControls listing_controls_;
  PersonTable persons_;
  ListDisplay display_;
  NoticePane pane_;  // the notification entry: name and rule
  RecentFiles recent_;
  Keypad keypad_;
  InputHistory history_;
  std::vector<int> list_inputs_;  // what the list's lines were last built for

  WindowView view_;
  SessionHooks hooks_;
  SessionReadHost read_host_;
  SessionSaveHost save_host_;
};

}  // namespace pelmira
