#include "mainwindow/main_session.h"

#include <sys/stat.h>

#include "core/age.h"
#include "core/date_text.h"
#include "core/error_report.h"
#include "core/trap.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

constexpr std::string_view kTitle = "Pelmira";
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kRdq = "rdq";
constexpr std::string_view kAllPanelsHidden = "000000";

// The question of "レジストリを削除して終了", each line ended by CR LF.
std::string settings_deletion_question() {
  static constexpr std::array<std::string_view, 13> kLines{
      "　レジストリ内のPelmiraに関する情報を削除します。",
      "",
      "　初めてPelmiraをインストールした時の状態に戻ります。",
      "",
      "",
      "----- レジストリに書き込まれている内容 -----",
      "",
      "　設定で設定された内容。",
      "　各画面の表示、非表示。",
      "　履歴",
      "--------------------------------------",
      "",
      "　削除しますか？",
  };
  std::string text;
  for (const std::string_view line : kLines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

// Whether anything, hidden or not, exists at `path`.
bool file_exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

std::string without_trailing_slash(std::string path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

}  // namespace

ProgramInfo ProgramInfo::this_build(std::string program_folder, std::string data_folder) {
  ProgramInfo info;
  info.major = PELMIRA_VERSION_MAJOR;
  info.minor = PELMIRA_VERSION_MINOR;
  info.revision = PELMIRA_VERSION_PATCH;
  info.program_folder = std::move(program_folder);
  info.data_folder = std::move(data_folder);
  return info;
}

MainSession::MainSession(SettingsStore& store, MainDialogs& dialogs, WindowPort& window,
                         ProgramInfo info, Clock clock)
    : store_(store),
      dialogs_(dialogs),
      window_(window),
      info_(std::move(info)),
      read_host_(dialogs, hooks_),
      save_host_(dialogs, hooks_) {
  state_.clock = std::move(clock);
  hooks_.set_busy = [this](bool busy) { window_.set_busy(busy); };
  hooks_.add_recent_file = [this](const std::string& path) { rirekituika(recent_, path); };
  hooks_.remove_recent_file = [this](i16 index) { remove_recent_file(recent_, index); };
  hooks_.export_lines = [this](i16 mode) { return export_lines(mode); };
  persons_.current_folder = info_.data_folder;
  persons_.current_path = initial_current_path(info_.data_folder);
}

bool MainSession::started() const {
  return error_channel().environment.started;
}

void MainSession::set_correction_window(std::function<void(CorrectionWindow&)> show) {
  hooks_.show_correction = std::move(show);
}

void MainSession::set_file_writer(std::function<void(const std::string&, std::string_view)> write) {
  hooks_.write_file = std::move(write);
}

// --- Start-up -------------------------------------------------------------------------------

void MainSession::Form_Load(const std::vector<std::string>& arguments) {
  error_channel().environment.started = false;
  error_channel().environment.program_folder = info_.program_folder;
  trap("Form_Load", [&] {
    // The fixed name tables are constants of the almanac: nothing to fill.
    display_.name_tabs = read_i16_or_default(store_, setting::kTabCount);
    if (arguments.size() == 1 && arguments.front() == kRdq) {
      exit_mode_ = ExitMode::kDeleteForced;
      window_.request_close();
      return;
    }
    check_version();
    show_release_note();
    if (read_i16_or_default(store_, setting::kRevision) < info_.revision)
      write_text(store_, setting::kListingKind, "9");
    restore_window_place();
    read_start_panels();
    read_program_values();
    set_start_dates();
    const LocalDateTime now = state_.now();
    start_hour_ = add16(now.hour, 1);
    start_minute_ = add16(now.minute, 1);
    solar_term_listing_ = read_double_or_default(store_, setting::kSolarTermListing) == 1;
    select_start_listing();
    mein1();
    layout_panels(kCausePanels);
    view_.status_text = kEmptyListCaption;
    read_list_state();
    const bool start_file =
        rist03(persons_, state_, read_i16_or_default(store_, setting::kLoadStartFile),
               read_text(store_, setting::kStartFile), read_host_);
    const bool named_files = read_files_adding(persons_, state_, arguments, read_host_);
    if (start_file || named_files) refresh_person_list();
    load_recent_files_menu();
    error_channel().environment.started = true;
  });
}

void MainSession::check_version() {
  if (info_.revision >= read_i16_or_default(store_, setting::kRevision)) return;
  const std::string version = read_text(store_, setting::kVersion);
  const std::string folder = without_trailing_slash(read_text(store_, setting::kProgramFolder));
  if (!file_exists(folder + "/" + info_.program_file_name)) return;
  dialogs_.message(kTitle,
                   "このコンピュータには既に新しいPelmiraver" + version + "が存在しています。" +
                       std::string(kCrLf) + std::string(kCrLf) + "場所　" + folder,
                   BoxIcon::kExclamation);
}

void MainSession::show_release_note() {
  const std::string note = readSetting(store_, kSettingsApplication, setting::kReleaseNoteSection,
                                       std::to_string(info_.revision), "");
  if (!note.empty()) dialogs_.message(kTitle, note, BoxIcon::kInformation);
}

void MainSession::restore_window_place() {
  const float top = read_single_or_default(store_, setting::kTop);
  const float left = read_single_or_default(store_, setting::kLeft);
  window_.move_window(static_cast<int>(left), static_cast<int>(top));
}

void MainSession::read_panel_items_from_setting() {
  std::string text = read_text(store_, setting::kPanes);
  if (text.size() < kPanelCount) text = setting::kPanes.default_text;
  for (int i = 0; i < kPanelCount; ++i) panel_items_[static_cast<std::size_t>(i)] = text[i] == '1';
}

void MainSession::read_start_panels() {
  read_panel_items_from_setting();
  if (read_text(store_, setting::kPanes).substr(0, kPanelCount) != kAllPanelsHidden) return;
  year_calendar_ = true;
  state_.slots[1].year = state_.now().year;
  year_calendar_year_ = state_.slots[1].year;
}

void MainSession::read_program_values() {
  entry_display_item_ = read_i16_or_default(store_, setting::kInputScreenItem);
  const i16 mode = read_i16_or_default(store_, setting::kCalendarMode);
  state_.calendar_mode = mode >= kModeAutomatic && mode <= kModeJulian ? mode : kModeAutomatic;
  state_.age_shift = read_i16_or_default(store_, setting::kAgeingRule) == 1 ? 1 : 0;
}

void MainSession::set_start_dates() {
  DateSlot& birth = state_.slots[0];
  i16 year = 0, month = 0, day = 0;
  const std::string label =
      bnsk(state_, read_text(store_, setting::kStartBirthDate), year, month, day, 0);
  if (label.empty() || month == 0 || day == 0) {
    // A stored date without its year, month or day starts from the default date.
    year = 1996;
    month = 10;
    day = 1;
  }
  birth.entered_year = year;
  birth.month = month;
  birth.day = day;
  birth.era_label() = label.empty() ? "西暦" : label;
  kyou(state_, 1);
}

void MainSession::select_start_listing() {
  listing_ = initial_listing_session(state_, read_i16_or_default(store_, setting::kListingKind));
  itiranHKoum(state_, listing_, listing_controls_);
  display_.listing_code = listing_.kind;
}

void MainSession::read_list_state() {
  display_.columns = column_flags_from_setting(read_text(store_, setting::kListColumns));
  cdhiret(persons_);
}

void MainSession::load_recent_files_menu() {
  // The stored entries go on top of the files the command line has just added.
  const RecentFiles stored = load_recent_files([this](const std::string& key) {
    return readSetting(store_, kSettingsApplication, setting::kRecentFilesSection, key, "");
  });
  for (auto path = stored.paths.rbegin(); path != stored.paths.rend(); ++path)
    rirekituika(recent_, *path);
}

void MainSession::open_files(const std::vector<std::string>& paths) {
  if (read_files_adding(persons_, state_, paths, read_host_)) refresh_person_list();
}

// --- Closing and shut-down ------------------------------------------------------------------

bool MainSession::Form_QueryUnload() {
  // An error here lets the window close: a program that cannot be closed is worse. The save
  // question is the exception: a Cancel, or a Yes whose save failed or was refused, keeps the
  // window open with the changes still unsaved.
  ErrorChannel& channel = error_channel();
  const bool stay = trap("Form_QueryUnload", [&] {
    channel.dialog_cancel_flag = 1;
    const SaveOutcome saved = shozon(persons_, save_host_);
    channel.dialog_cancel_flag = 0;
    if (!lets_step_go_on(saved)) return true;
    if (exit_mode_ == ExitMode::kDeleteForced) return false;
    if (read_double_or_default(store_, setting::kConfirmExit) != 1) return false;
    if (dialogs_.ask_yes_no(kTitle, "Pelmiraを終了しますか?", BoxIcon::kQuestion)) return false;
    exit_mode_ = ExitMode::kNormal;
    return true;
  });
  channel.dialog_cancel_flag = 0;
  return !stay;
}

void MainSession::Form_Unload() {
  trap("Form_Unload", [&] {
    if (confirm_settings_deletion())
      deleteAllSettings(store_, kSettingsApplication);
    else
      save_normal_exit();
  });
}

bool MainSession::confirm_settings_deletion() {
  switch (exit_mode_) {
    case ExitMode::kDeleteAsked:
      return dialogs_.ask_yes_no(kTitle, settings_deletion_question(), BoxIcon::kQuestion);
    case ExitMode::kDeleteForced:
      dialogs_.message(kTitle, "レジストリの内容を削除して終了します。", BoxIcon::kInformation);
      return true;
    case ExitMode::kNormal:
      break;
  }
  return false;
}

void MainSession::save_normal_exit() {
  window_.show_normal();
  write_number(store_, setting::kTop, window_.window_top());
  write_number(store_, setting::kLeft, window_.window_left());
  if (info_.revision >= read_i16_or_default(store_, setting::kRevision)) {
    write_text(store_, setting::kVersion,
               std::to_string(info_.major) + "." + std::to_string(info_.minor));
    write_number(store_, setting::kRevision, info_.revision);
    write_text(store_, setting::kProgramFolder, info_.program_folder);
  }
  write_number(store_, setting::kListingKind, listing_.kind);
  for (const auto& [key, path] : recent_file_settings(recent_))
    writeSetting(store_, kSettingsApplication, setting::kRecentFilesSection, key, path);
}

// --- Menus of the program -------------------------------------------------------------------

void MainSession::msryu_Click() {
  window_.request_close();
}

void MainSession::rsyuryou_Click() {
  exit_mode_ = ExitMode::kDeleteAsked;
  window_.request_close();
}

void MainSession::m2_Click(int slot) {
  kyou(state_, slot == 0 ? 0 : 1);
  mein1();
}

void MainSession::ghfail_Click() {
  dialogs_.message(kTitle, open_files_message(persons_), BoxIcon::kNone);
}

void MainSession::pelmirahelp03_Click() {
  const std::string text =
      "　製品名　　　　　　　Pelmira" + std::string(kCrLf) + "　バージョン　　　　　　" +
      std::to_string(info_.major) + "." + std::to_string(info_.minor) + std::string(kCrLf) +
      "　　リビジョン　　　　　　" + std::to_string(info_.revision) + std::string(kCrLf) +
      std::string(kCrLf) + "　作者　　　　　　　　Pelmira開発チーム" + std::string(kCrLf) +
      "　開発ツール　　　　　C++20, Qt 6 (Debian)";
  dialogs_.message("Pelmiraの情報", text, BoxIcon::kNone);
}

}  // namespace pelmira
