// notification-stand-in [--markup] PROGRAM [ARG...]: a desktop notification service for the
// tests. It takes the name org.freedesktop.Notifications on the session bus (a private one,
// under dbus-run-session), runs PROGRAM with its arguments, writes each notification it
// receives to standard output and ends with PROGRAM's exit status. With --markup it says
// that it renders body markup.
//
// Output per notification: "app_name: ...", "summary: ...", "body:", the body's lines, "--".

#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

namespace {

class StandInService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  explicit StandInService(bool markup) : markup_(markup) {}

 public Q_SLOTS:
  QStringList GetCapabilities() {
    QStringList capabilities{QStringLiteral("body")};
    if (markup_) capabilities << QStringLiteral("body-markup");
    return capabilities;
  }

  uint Notify(const QString& app_name, uint, const QString&, const QString& summary,
              const QString& body, const QStringList&, const QVariantMap&, int) {
    const QString text =
        QStringLiteral("app_name: %1\nsummary: %2\nbody:\n%3\n--\n").arg(app_name, summary, body);
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
    return ++count_;
  }

 private:
  bool markup_;
  uint count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool markup = !args.isEmpty() && args.front() == QStringLiteral("--markup");
  if (markup) args.removeFirst();
  if (args.isEmpty()) {
    std::fputs("usage: notification-stand-in [--markup] PROGRAM [ARG...]\n", stderr);
    return 2;
  }
  QDBusConnection bus = QDBusConnection::sessionBus();
  StandInService service(markup);
  if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
    std::fputs("notification-stand-in: cannot take the service name\n", stderr);
    return 3;
  }
  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QObject::connect(&program, &QProcess::readyReadStandardOutput,
                   [&program] { std::fputs(program.readAllStandardOutput().constData(), stdout); });
  QObject::connect(&program, &QProcess::finished, &app,
                   [&app](int code, QProcess::ExitStatus status) {
                     app.exit(status == QProcess::NormalExit ? code : 128);
                   });
  QObject::connect(&program, &QProcess::errorOccurred, &app, [&app](QProcess::ProcessError e) {
    if (e == QProcess::FailedToStart) app.exit(127);
  });
  const QString name = args.takeFirst();
  program.start(name, args);
  return app.exec();
}

#include "notification_stand_in.moc"
