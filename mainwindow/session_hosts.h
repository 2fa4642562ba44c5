#pragma once
// The person-data reads and saves of the main window ask their questions through the
// window's boxes and dialogs, and tell the window when they are busy and which files they
// read or wrote. These adapters connect them to MainDialogs and to the session.

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/main_dialogs.h"
#include "people/data_reader.h"
#include "people/list03.h"

namespace pelmira {

// The hooks both adapters share.
struct SessionHooks {
  std::function<void(bool)> set_busy;
  std::function<void(const std::string&)> add_recent_file;
  std::function<void(i16)> remove_recent_file;
  std::function<std::vector<std::string>(i16)> export_lines;
  // The correction window; empty: the read's default answer (the line is skipped).
  std::function<void(CorrectionWindow&)> show_correction;
  // How data files and exports are written; empty: replaced atomically on disk.
  std::function<void(const std::string&, std::string_view)> write_file;
};

class SessionReadHost : public ReadHost {
 public:
  SessionReadHost(MainDialogs& dialogs, SessionHooks& hooks) : dialogs_(dialogs), hooks_(hooks) {}

  void set_busy(bool busy) override;
  void add_recent_file(const std::string& path) override;
  bool ask_yes_no(std::string_view title, std::string_view text) override;
  void remove_recent_file(i16 index) override;
  void show_correction(CorrectionWindow& window) override;

 private:
  MainDialogs& dialogs_;
  SessionHooks& hooks_;
};

class SessionSaveHost : public SaveHost {
 public:
  SessionSaveHost(MainDialogs& dialogs, SessionHooks& hooks) : dialogs_(dialogs), hooks_(hooks) {}

  std::optional<std::string> choose_save_path(const std::string& file_name,
                                              std::string_view filter) override;
  bool ask_yes_no(std::string_view text, MessageIcon icon) override;
  Answer ask_yes_no_cancel(std::string_view text, MessageIcon icon) override;
  void show_message(std::string_view text, MessageIcon icon) override;
  std::vector<std::string> export_lines(i16 mode) override;
  void set_busy(bool busy) override;
  void add_recent_file(const std::string& path) override;
  void write_file(const std::string& path, std::string_view bytes) override;

 private:
  MainDialogs& dialogs_;
  SessionHooks& hooks_;
};

// The title of the save dialog.
inline constexpr std::string_view kSaveDialogTitle = "名前を付けて保存";

// The box icon for a person-data message icon.
BoxIcon box_icon(MessageIcon icon);

}  // namespace pelmira
