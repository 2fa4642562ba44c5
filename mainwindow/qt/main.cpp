// pelmira: the age and date calculator's main window. `pelmira [FILE...]` opens the window
// with the data files named added to its person list; `pelmira rdq` deletes every stored
// setting of the program and ends.
//
// With PELMIRA_EXIT_AFTER_PAINT set in the environment the program ends as soon as the
// window has first been painted, storing nothing: the start-up benchmark times that.

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTimer>

#include <cstdlib>
#include <string>
#include <vector>

#include "mainwindow/qt/message_box_reporter.h"
#include "mainwindow/qt/pelmira_window.h"
#include "settings/qt/qsettings_store.h"

namespace {

// Ends the program right after the first paint of the window it watches.
class ExitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [] { std::_Exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool done_ = false;
};

std::vector<std::string> data_file_arguments(const QStringList& arguments) {
  std::vector<std::string> words;
  for (qsizetype i = 1; i < arguments.size(); ++i) words.push_back(arguments[i].toStdString());
  return words;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pelmira"));
  QApplication::setApplicationDisplayName(QStringLiteral("Pelmira"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.pelmira.Pelmira"));
  // Japanese text in the IPA Gothic fonts where the desktop has no preference of its own.
  QFont font = QApplication::font();
  font.setFamilies({font.family(), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  QApplication::setFont(font);

  pelmira::QSettingsStore store;
  pelmira::PelmiraWindow window(
      store, pelmira::ProgramInfo::this_build(QCoreApplication::applicationDirPath().toStdString(),
                                              QDir::currentPath().toStdString()));
  pelmira::MessageBoxReporter reporter;
  pelmira::connect_error_report(&window, window.timer(), reporter);
  QObject::connect(&window, &pelmira::PelmiraWindow::unloaded, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);

  ExitAfterFirstPaint exit_after_paint;
  if (std::getenv("PELMIRA_EXIT_AFTER_PAINT")) window.installEventFilter(&exit_after_paint);

  window.load(data_file_arguments(QCoreApplication::arguments()));
  if (window.session().exit_mode() != pelmira::ExitMode::kDeleteForced) window.show();
  return app.exec();
}
