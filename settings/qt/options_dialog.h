#pragma once
// The settings dialog "　Pelmiraの設定" as the user sees it: a modal dialog centred on the
// screen with the tab strip tbsOptions over five pages (表示, 起動時, 終了時, 計算法, Lunoka)
// and the buttons 更新 (cmdApply), OK (cmdOK) and ｷｬﾝｾﾙ (cmdCancel). It renders an
// OptionsForm (settings/options_form.h) and forwards every edit and click to it; the boxes
// and file dialogs go through the main window's MainDialogs.
//
// Wiring in the main window (menu item "設定画面の表示"):
//
//   OptionsContext context;
//   context.labels = TanMeiKH(session.listing().kind);
//   context.program_folder = session.info().program_folder;
//   context.birth_date_text = session.state().slots[0].western_text;
//   context.state = session.state();
//   run_options_dialog(this, store, dialogs, context, [&](const OptionsChanges& changed) {
//     // Copy what was saved into the program-wide values, then refresh at once:
//     //   changed.input_item    -> the input screen's item ("nyuryokuhyouji")
//     //   changed.columns       -> ListDisplay::columns
//     //   changed.name_tabs     -> ListDisplay::name_tabs
//     //   changed.ageing_rule   -> ProgramState::age_shift
//     //   changed.calendar_mode -> ProgramState::calendar_mode
//     // changed.list_changed: rebuild the person list when persons are loaded;
//     // changed.recompute: recompute the report (mein1).
//   });
//
// The callback runs after every 更新 and after OK, while the dialog is still up, so that the
// main window shows the new settings at once. The result repeats everything saved, merged,
// for a caller that prefers to act once the dialog has closed.

#include <QDialog>

#include <array>
#include <functional>

#include "mainwindow/main_dialogs.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QTabWidget;

namespace pelmira {

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  using SavedCallback = std::function<void(const OptionsChanges&)>;

  // Loads the form from `store`; store and dialogs must outlive the dialog.
  OptionsDialog(SettingsStore& store, MainDialogs& dialogs, const OptionsContext& context,
                QWidget* parent = nullptr);

  // Called after each save with what it changed.
  void set_saved_callback(SavedCallback saved) { saved_ = std::move(saved); }

  const OptionsForm& form() const { return form_; }

  // 更新: saves the page shown.
  void apply();
  // OK: saves all five pages, then closes. ｷｬﾝｾﾙ, Esc and the close box save nothing.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* build_display_page();
  QWidget* build_startup_page();
  QWidget* build_exit_page();
  QWidget* build_calculation_page();
  QWidget* build_notifier_page();

  // Shows the form's values in the controls (without echoing them back).
  void render();
  void page_selected(int index);
  void next_tab();
  // Shows a save's message, then tells the main window what changed.
  void finish_save(const OptionsSave& save);

  SettingsStore& store_;
  MainDialogs& dialogs_;
  OptionsForm form_;
  SavedCallback saved_;
  bool centred_ = false;

  QTabWidget* tabs_ = nullptr;
  std::array<QWidget*, kOptionsPageCount> pages_{};
  std::array<QRadioButton*, kInputItemCount> input_items_{};    // Option1
  std::array<QCheckBox*, kListColumnCount> columns_{};          // Check5
  QComboBox* tab_count_ = nullptr;                              // Combo1
  QCheckBox* load_start_file_ = nullptr;                        // Check2
  QLabel* start_file_ = nullptr;                                // Label8
  QLineEdit* start_date_ = nullptr;                             // Text1
  QCheckBox* confirm_exit_ = nullptr;                           // Check4
  std::array<QRadioButton*, 2> ageing_rules_{};                 // Option2
  std::array<QRadioButton*, 3> calendar_modes_{};               // Option3
  QCheckBox* hide_without_match_ = nullptr;                     // Check6
  QCheckBox* play_sound_ = nullptr;                             // Check1
  QCheckBox* auto_close_ = nullptr;                             // Check7
  QCheckBox* show_holiday_ = nullptr;                           // Check3
  std::array<QRadioButton*, kLeapDayChoiceCount> leap_days_{};  // Option4
  QLabel* notifier_path_ = nullptr;                             // Label7
};

// What the dialog did, once it has closed.
struct OptionsResult {
  bool accepted = false;   // closed by OK
  OptionsChanges changes;  // everything saved while it was open (更新 and OK), merged
};

// Runs the dialog modally over `parent` (the main window); `saved` runs after each save.
OptionsResult run_options_dialog(QWidget* parent, SettingsStore& store, MainDialogs& dialogs,
                                 const OptionsContext& context,
                                 OptionsDialog::SavedCallback saved = {});

}  // namespace pelmira
