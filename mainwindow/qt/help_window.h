#pragma once
// The help window: a top-level window beside the main window that shows the help file, an
// HTML file named "pelmira.hlp", with Back, Forward and Contents buttons. It is not modal;
// the main window keeps one and brings it forward from the help menu.

#include <QString>
#include <QWidget>

#include <string>

class QPushButton;
class QTextBrowser;

namespace pelmira {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Reads the help file (HTML in UTF-8) and shows it; its folder is where the browser finds
  // the pictures and pages it links to. Raises RuntimeError when it cannot be read.
  void load(const QString& path);

  // Scrolls the help file to its anchor "contents", or to its top when it has none.
  void show_contents();

  QTextBrowser* browser() const { return browser_; }
  const QString& path() const { return path_; }

 private:
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* contents_ = nullptr;
  QString path_;
};

// The folder of an installed copy's shared files, where the help file is looked for after
// the program's own folder.
std::string help_data_folder();

// The help menu's contents item: finds the help file (help_file.h), shows the window with the
// file at its contents and brings it forward. An error goes to the error report under
// "pelmirahelp01_Click" with the path concerned; the window then stays as it was.
void show_help_contents(HelpWindow& window, const std::string& program_folder,
                        const std::string& data_folder = help_data_folder());

}  // namespace pelmira
