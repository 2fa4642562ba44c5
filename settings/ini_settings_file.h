#pragma once
// A read-only view of the settings file that QSettingsStore writes, for the one program
// path that must start without Qt: `lunoka --list`. It reads the INI file the same way
// QSettings reads it (sections, escaped keys, quoted and escaped texts, lists of texts) and
// writes nothing.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace pelmira {

// The user's INI file of an application of organisation "pelmira", where QSettings keeps it:
// $XDG_CONFIG_HOME (when absolute) or $HOME/.config, then "pelmira/<application>.ini".
std::string user_settings_file(std::string_view application);

// Section -> key -> text of an INI text as QSettings writes it. Keys outside a section (or
// in "[General]") are in section "". A value that QSettings reads as a list of texts is its
// items joined by ", "; values of other types (@Variant(...) and the like) are left out.
using IniSections =
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>>;
IniSections parse_settings_ini(std::string_view text);

class IniSettingsFile : public SettingsStore {
 public:
  // Reads the user's file of the application once; a missing or unreadable file reads as
  // empty, so every key answers its default.
  explicit IniSettingsFile(std::string_view application);
  IniSettingsFile(std::string_view application, const std::string& path);

  std::optional<std::string> value(std::string_view application, std::string_view section,
                                   std::string_view key) const override;
  // Read-only: both raise the path/file access error (75).
  void set_value(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view text) override;
  void remove_application(std::string_view application) override;

 private:
  std::string application_;
  IniSections sections_;
};

}  // namespace pelmira
