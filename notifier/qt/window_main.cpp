// lunoka-window: the notifier's window program, which `lunoka` runs in its place when it is
// not asked for --list. It lists the persons of the data files in the current folder who are
// due today or within their notice days, in a small window that closes itself after a
// count-down. With --notify [--date Y-M-D] [DIR] it sends that list as a desktop
// notification instead and ends; the window shows it only when no service takes it.

#include <QApplication>
#include <QDir>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "notifier/notifier_session.h"
#include "notifier/qt/notifier_services.h"
#include "notifier/qt/notify_run.h"
#include "notifier/qt/tanjyoubi.h"
#include "settings/qt/qsettings_store.h"

int main(int argc, char** argv) {
  pelmira::WindowInstead window_place{".", pelmira::system_today()};
  if (argc >= 2 && std::string_view(argv[1]) == "--notify") {
    std::variant<int, pelmira::WindowInstead> outcome;
    {
      // No window system is needed to send a notification (a timer may run this).
      QCoreApplication core(argc, argv);
      outcome = pelmira::run_notify(std::vector<std::string>(argv + 2, argv + argc));
    }
    if (const int* status = std::get_if<int>(&outcome)) return *status;
    window_place = std::get<pelmira::WindowInstead>(outcome);
  }
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  pelmira::QSettingsStore store;
  pelmira::NotifierSession session(store, window_place.folder,
                                   QCoreApplication::applicationDirPath().toStdString(),
                                   window_place.today);
  pelmira::MessageBoxDialogs dialogs;
  const QString sound_file = QStringLiteral("Lunoka.wav");
  pelmira::QtSoundPlayer sound({QDir::current().filePath(sound_file),
                                QDir(QCoreApplication::applicationDirPath()).filePath(sound_file)});
  pelmira::Tanjyoubi window(session, dialogs, sound);
  QObject::connect(&window, &pelmira::Tanjyoubi::unloaded, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  window.load();
  if (window.is_unloaded()) return 0;
  return app.exec();
}
