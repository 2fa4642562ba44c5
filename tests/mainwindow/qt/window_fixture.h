#pragma once
// A main window on the offscreen platform for one test: its settings in a real INI file of a
// test folder, its boxes answered by a recorder, its clock fixed at 2026-12-08 10:20:30, and
// the modal-dialog guard running.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "mainwindow/qt/panel_frames.h"
#include "mainwindow/qt/pelmira_window.h"
#include "settings/qt/qsettings_store.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/qt/qt_environment.h"
#include "support/recording_main_dialogs.h"
#include "support/test_folder.h"

namespace pelmira::testing {

inline constexpr LocalDateTime kWindowTestNow{2026, 12, 8, 10, 20, 30};

class WindowTest : public ::testing::Test {
 protected:
  PelmiraWindow& loaded(std::vector<std::string> arguments = {}) {
    ProgramInfo info = ProgramInfo::this_build("/opt/pelmira", data_.path());
    window_.emplace(store_, info, &dialogs_, fixed_clock(kWindowTestNow));
    window_->load(arguments);
    if (!window_->is_unloaded() && window_->session().exit_mode() != ExitMode::kDeleteForced)
      window_->show();
    return *window_;
  }

  // A control of the main window's surface or menu bar, by its object name (the search
  // window, a child of the main window, has controls of the same names).
  template <class T = QWidget>
  T* control(const char* name) const {
    const QString wanted = QString::fromUtf8(name);
    T* found = window_->centralWidget()->findChild<T*>(wanted);
    if (!found) found = window_->menuBar()->findChild<T*>(wanted);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* action(const char* name) const { return control<QAction>(name); }
  std::vector<bool> panels_visible() const {
    std::vector<bool> visible;
    for (int i = 0; i < kPanelCount; ++i) visible.push_back(window_->panel(i)->isVisible());
    return visible;
  }
  std::string stored(const SettingKey& key) const {
    return store_.value(kSettingsApplication, key.section, key.key).value_or("<missing>");
  }
  const DateSlot& slot(int index) const {
    return window_->session().state().slots[static_cast<std::size_t>(index)];
  }

  ModalDialogGuard guard_;
  TestFolder config_;
  TestFolder data_;
  QSettingsStore store_{QString::fromStdString(config_.path())};
  RecordingMainDialogs dialogs_;
  std::optional<PelmiraWindow> window_;
};

}  // namespace pelmira::testing
