#pragma once
// The main window's boxes and file dialogs as the user sees them: message boxes and Qt's own
// file dialog (not the desktop's, so that it looks and behaves the same everywhere), each
// modal with the main window as its parent.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "mainwindow/main_dialogs.h"

namespace pelmira {

// A filter written "description|pattern|description|pattern" as Qt's name filters, one per
// pair: "description (pattern)", the description kept as it is when it already ends with
// its pattern in parentheses. Several patterns of one pair ("*.txt;*.csv") are separated by
// spaces for Qt; a description without a pattern matches every file.
QStringList qt_name_filters(std::string_view filter);
// The same filters joined by ";;", as QFileDialog takes them in one text.
QString qt_file_filter(std::string_view filter);

// Where a file dialog starts. "<folder>/<name>" selects the name in the folder;
// "<folder>/*.txt" (a name with * or ?) opens the folder listing what the pattern matches.
struct DialogStart {
  QString folder;     // empty: the dialog's own choice
  QString file_name;  // empty for a pattern
  QString pattern;    // empty for a name
};
DialogStart dialog_start(std::string_view initial);

QMessageBox::Icon qt_box_icon(BoxIcon icon);

class QtMainDialogs : public MainDialogs {
 public:
  explicit QtMainDialogs(QWidget* main_window);

  void message(std::string_view title, std::string_view text, BoxIcon icon) override;
  bool ask_yes_no(std::string_view title, std::string_view text, BoxIcon icon,
                  bool default_no = false) override;
  bool ask_ok_cancel(std::string_view title, std::string_view text, BoxIcon icon) override;
  Answer ask_yes_no_cancel(std::string_view title, std::string_view text, BoxIcon icon) override;
  std::optional<std::string> choose_open_path(std::string_view title, std::string_view initial,
                                              std::string_view filter) override;
  std::optional<std::string> choose_save_path(std::string_view title, std::string_view initial,
                                              std::string_view filter) override;

 private:
  // Shows a box and returns the button clicked (NoButton when it was closed otherwise).
  QMessageBox::StandardButton show_box(std::string_view title, std::string_view text, BoxIcon icon,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton default_button);
  std::optional<std::string> choose_path(bool save, std::string_view title,
                                         std::string_view initial, std::string_view filter);

  QPointer<QWidget> main_window_;
};

}  // namespace pelmira
