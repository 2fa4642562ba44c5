#pragma once
// `lunoka --notify [--date Y-M-D] [DIR]`: the notifier's list as one desktop notification,
// for a start at login or a timer. This part decides what to send; the window program
// sends it (notifier/qt/desktop_notification.h) and shows the window when no notification
// service takes it. Nothing due sends nothing.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notifier/list_mode.h"

namespace pelmira {

inline constexpr std::string_view kNotificationTitle = "Lunoka";

struct NotifyPlan {
  std::optional<int> exit_code;    // set: done (usage 2, help 0, read error 1, nothing due 0)
  ListOptions options;             // the folder and day, for the window in its place
  std::vector<std::string> lines;  // the list lines to send, the holiday line first
};

// Reads the arguments after "--notify" (those of --list) and the data files.
NotifyPlan plan_notification(const std::vector<std::string>& args, const SettingsStore& store,
                             const CalendarDate& system_today, std::ostream& out,
                             std::ostream& err);

// The notification's body: one line per list line, its column padding made one blank and
// its leading blanks dropped (a notification is set in a proportional font), the empty line
// left out. With `markup` (the service renders a subset of HTML) & < > are escaped.
std::string notification_body(const std::vector<std::string>& lines, bool markup);

}  // namespace pelmira
