// lunoka-window: the notifier's window program, which `lunoka` runs in its place when it is
// not asked for --list. It lists the persons of the data files in the current folder who are
// due today or within their notice days, in a small window that closes itself after a
// count-down.

#include <QApplication>
#include <QDir>

#include "notifier/notifier_session.h"
#include "notifier/qt/notifier_services.h"
#include "notifier/qt/tanjyoubi.h"
#include "settings/qt/qsettings_store.h"

int main(int argc, char** argv) {
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
