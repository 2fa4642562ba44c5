#pragma once
// `lunoka --notify` in the window program: reads the list, sends it as a desktop
// notification and ends, or tells the window program to show it when no service took it.

#include <string>
#include <variant>
#include <vector>

#include "notifier/notifier_session.h"

namespace pelmira {

// Where the window shows the list in the notification's place: the folder, and the day it
// takes as today.
struct WindowInstead {
  std::string folder;
  CalendarDate today;
};

// The exit status, or the window to show (its reason already on standard error). Needs a
// QCoreApplication.
std::variant<int, WindowInstead> run_notify(const std::vector<std::string>& args);

}  // namespace pelmira
