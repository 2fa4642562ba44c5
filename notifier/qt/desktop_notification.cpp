#include "notifier/qt/desktop_notification.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

#include "notifier/notify_mode.h"

namespace pelmira {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

}  // namespace

std::optional<QString> send_desktop_notification(const QString& title,
                                                 const std::vector<std::string>& lines) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return QStringLiteral("no session bus: ") + bus.lastError().message();
  QDBusInterface service(kService, kPath, kService, bus);
  if (!service.isValid()) return service.lastError().message();
  const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
  const bool markup =
      capabilities.isValid() && capabilities.value().contains(QStringLiteral("body-markup"));
  const QString body = QString::fromStdString(notification_body(lines, markup));
  // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout):
  // a new notification that expires as the service sees fit.
  const QDBusReply<uint> reply = service.call(QStringLiteral("Notify"), title, 0u, QString(), title,
                                              body, QStringList(), QVariantMap(), -1);
  if (!reply.isValid()) return reply.error().message();
  return std::nullopt;
}

}  // namespace pelmira
