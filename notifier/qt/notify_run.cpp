#include "notifier/qt/notify_run.h"

#include <iostream>

#include "notifier/notify_mode.h"
#include "notifier/qt/desktop_notification.h"
#include "settings/qt/qsettings_store.h"

namespace pelmira {

std::variant<int, WindowInstead> run_notify(const std::vector<std::string>& args) {
  const QSettingsStore store;
  const CalendarDate today = system_today();
  const NotifyPlan plan = plan_notification(args, store, today, std::cout, std::cerr);
  if (plan.exit_code) return *plan.exit_code;
  const std::optional<QString> failure = send_desktop_notification(
      QString::fromUtf8(kNotificationTitle.data(),
                        static_cast<qsizetype>(kNotificationTitle.size())),
      plan.lines);
  if (!failure) return 0;
  std::cerr << "lunoka: no desktop notification service took the list (" << failure->toStdString()
            << "); showing the window instead\n";
  return WindowInstead{plan.options.folder, plan.options.date.value_or(today)};
}

}  // namespace pelmira
