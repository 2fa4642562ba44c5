#pragma once
// The message boxes and file dialogs of the main window, as its session asks for them. The
// program shows real boxes and dialogs (mainwindow/qt/); tests answer them with a recorder.
// Texts are UTF-8 with CR LF line breaks, as the system writes them.

#include <optional>
#include <string>
#include <string_view>

namespace pelmira {

enum class BoxIcon { kNone, kInformation, kQuestion, kExclamation, kCritical };

class MainDialogs {
 public:
  virtual ~MainDialogs() = default;

  // A box with an OK button.
  virtual void message(std::string_view title, std::string_view text, BoxIcon icon) = 0;

  // A box with Yes and No; true for Yes. With `default_no` the No button is the default.
  virtual bool ask_yes_no(std::string_view title, std::string_view text, BoxIcon icon,
                          bool default_no = false) = 0;

  // A box with OK and Cancel; true for OK.
  virtual bool ask_ok_cancel(std::string_view title, std::string_view text, BoxIcon icon) = 0;

  // A box with Yes, No and Cancel, No the default button.
  enum class Answer { kYes, kNo, kCancel };
  virtual Answer ask_yes_no_cancel(std::string_view title, std::string_view text, BoxIcon icon) = 0;

  // The file dialogs; nullopt when the user cancels. `initial` is a file path, or a folder
  // pattern such as "<folder>/*.txt" to start in that folder; `filter` is written
  // "description|pattern" (pairs joined by "|"), as the person-data code gives it.
  virtual std::optional<std::string> choose_open_path(std::string_view title,
                                                      std::string_view initial,
                                                      std::string_view filter) = 0;
  virtual std::optional<std::string> choose_save_path(std::string_view title,
                                                      std::string_view initial,
                                                      std::string_view filter) = 0;
};

}  // namespace pelmira
