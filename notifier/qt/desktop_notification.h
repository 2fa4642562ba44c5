#pragma once
// One desktop notification through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus), over QtDBus.

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace pelmira {

// Sends `lines` as the body of a notification titled `title`; escapes them when the service
// renders markup. nullopt when the service took it, else why not (no session bus, no
// service, an error reply). Needs a QCoreApplication.
std::optional<QString> send_desktop_notification(const QString& title,
                                                 const std::vector<std::string>& lines);

}  // namespace pelmira
