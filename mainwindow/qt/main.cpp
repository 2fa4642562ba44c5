// pelmira: the age and date calculator's main window. `pelmira [FILE...]` opens the window
// with the data files named added to its person list; `pelmira rdq` deletes every stored
// setting of the program and ends.
//
// With PELMIRA_EXIT_AFTER_PAINT set in the environment the program ends as soon as the
// window has first been painted, storing nothing: the start-up benchmark times that. With
// PELMIRA_SCREENSHOT=<file.png> it saves a picture of the screen first (for the README and
// for looking at the window on a headless X server).

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <QTimer>

#include <cstdlib>
#include <string>
#include <vector>

#include "mainwindow/qt/message_box_reporter.h"
#include "mainwindow/qt/pelmira_window.h"
#include "settings/qt/qsettings_store.h"

namespace {

// Ends the program right after the first paint of the window it watches, storing nothing;
// saves the screen to `screenshot` first when one is named.
class ExitAfterFirstPaint : public QObject {
 public:
  explicit ExitAfterFirstPaint(QString screenshot) : screenshot_(std::move(screenshot)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      // A picture waits for the window system to show every widget painted.
      QTimer::singleShot(screenshot_.isEmpty() ? 0 : 500, [this] {
        if (!screenshot_.isEmpty())
          QGuiApplication::primaryScreen()->grabWindow(0).save(screenshot_, "PNG");
        std::_Exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QString screenshot_;
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

  ExitAfterFirstPaint exit_after_paint(qEnvironmentVariable("PELMIRA_SCREENSHOT"));
  if (qEnvironmentVariableIsSet("PELMIRA_EXIT_AFTER_PAINT") ||
      qEnvironmentVariableIsSet("PELMIRA_SCREENSHOT"))
    window.installEventFilter(&exit_after_paint);

  window.load(data_file_arguments(QCoreApplication::arguments()));
  if (window.session().exit_mode() != pelmira::ExitMode::kDeleteForced) window.show();
  return app.exec();
}
