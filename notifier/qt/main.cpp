// lunoka: the birthday notifier. Without arguments it lists the persons of the data files
// in the current folder who are due today or within their notice days, in a small window
// that closes itself after a count-down. `lunoka --list [--date Y-M-D] [DIR]` prints the
// same list to standard output without opening a window.

#include <QApplication>
#include <QDir>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "notifier/list_mode.h"
#include "notifier/notifier_session.h"
#include "notifier/qt/notifier_services.h"
#include "notifier/qt/tanjyoubi.h"
#include "settings/qt/qsettings_store.h"

int main(int argc, char** argv) {
  // The list mode is decided before any Qt application object exists: it needs no window
  // system, no sound and no event loop, and must start fast.
  if (argc >= 2 && std::string_view(argv[1]) == "--list") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    const pelmira::QSettingsStore store;
    return pelmira::run_list_mode(args, store, pelmira::system_today(), std::cout, std::cerr);
  }

  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  pelmira::QSettingsStore store;
  pelmira::NotifierSession session(store, ".", QCoreApplication::applicationDirPath().toStdString(),
                                   pelmira::system_today());
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
