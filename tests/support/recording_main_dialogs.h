#pragma once
// Test double for the main window's boxes and file dialogs: records every box and answers
// from a script (Yes, or the next scripted answer), so no test waits on a real dialog.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/main_dialogs.h"

namespace pelmira::testing {

struct ShownBox {
  std::string title;
  std::string text;
  BoxIcon icon = BoxIcon::kNone;
  enum class Kind { kMessage, kYesNo, kOkCancel, kYesNoCancel, kOpen, kSave } kind = Kind::kMessage;
  bool default_no = false;  // a Yes/No box whose default button is No
};

class RecordingMainDialogs : public MainDialogs {
 public:
  void message(std::string_view title, std::string_view text, BoxIcon icon) override;
  bool ask_yes_no(std::string_view title, std::string_view text, BoxIcon icon,
                  bool default_no) override;
  bool ask_ok_cancel(std::string_view title, std::string_view text, BoxIcon icon) override;
  Answer ask_yes_no_cancel(std::string_view title, std::string_view text, BoxIcon icon) override;
  std::optional<std::string> choose_open_path(std::string_view title, std::string_view initial,
                                              std::string_view filter) override;
  std::optional<std::string> choose_save_path(std::string_view title, std::string_view initial,
                                              std::string_view filter) override;

  // Answers of the next questions, in order; an unscripted question is answered Yes (OK).
  std::deque<Answer> answers;
  // Paths the file dialogs answer, in order; none left: the dialog is cancelled.
  std::deque<std::string> paths;
  std::vector<ShownBox> shown;

  // The texts of the boxes shown, in order.
  std::vector<std::string> texts() const;

 private:
  Answer next_answer();
  std::optional<std::string> next_path();
};

}  // namespace pelmira::testing
