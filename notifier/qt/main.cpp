// lunoka: the birthday notifier. `lunoka --list [--date Y-M-D] [DIR]` prints the list of
// persons due today or within their notice days, as the window would show it. Without
// --list it runs the window program, lunoka-window from its own folder, in its place; so
// does `lunoka --notify [--date Y-M-D] [DIR]`, whose desktop notification needs QtDBus.
//
// This program links no Qt: a process that loads the Qt libraries spends longer starting
// than the whole list takes to build, and the list mode is for terminals and scheduled jobs.
// It reads the settings from the file the window program's QSettings writes.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "notifier/list_mode.h"
#include "notifier/notifier_session.h"
#include "settings/ini_settings_file.h"
#include "settings/setting_keys.h"

namespace {

// The folder of this program's file.
std::string own_folder() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0) return ".";
  path.resize(static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "--list") {
    const std::vector<std::string> args(argv + 2, argv + argc);
    const pelmira::IniSettingsFile settings(pelmira::kSettingsApplication);
    return pelmira::run_list_mode(args, settings, pelmira::system_today(), std::cout, std::cerr);
  }
  const std::string window_program = own_folder() + "/lunoka-window";
  ::execv(window_program.c_str(), argv);
  std::cerr << "lunoka: cannot start " << window_program << ": " << std::strerror(errno) << "\n";
  return 1;
}
