#pragma once
// `lunoka --list [--date Y-M-D] [DIR]`: the notifier's list on standard output, for a
// terminal or a scheduled job. Reads the settings, writes none, opens no window.
// Exit status: 0 listed (possibly nothing), 1 a read error (its box text on standard error,
// nothing on standard output), 2 a usage error.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "notifier/notifier_session.h"
#include "settings/settings_store.h"

namespace pelmira {

struct ListOptions {
  std::optional<CalendarDate> date;  // nullopt: today
  std::string folder = ".";
  bool help = false;
};

// Parses the arguments after "--list"; nullopt with `error` set on a usage error.
std::optional<ListOptions> parse_list_options(const std::vector<std::string>& args,
                                              std::string& error);

// A date written Y-M-D that exists (year 1 or later).
std::optional<CalendarDate> parse_list_date(const std::string& text);

int run_list_mode(const std::vector<std::string>& args, const SettingsStore& store,
                  const CalendarDate& system_today, std::ostream& out, std::ostream& err);

// The list lines for the options' folder and day, the settings followed; nullopt after a
// read error, whose boxes went to `err`.
std::optional<std::vector<std::string>> read_list(const ListOptions& options,
                                                  const SettingsStore& store,
                                                  const CalendarDate& system_today,
                                                  std::ostream& err);

// A box text for a terminal: its CR line ends become LF.
std::string terminal_text(std::string text);

}  // namespace pelmira
