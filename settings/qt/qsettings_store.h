#pragma once
// The settings store of both programs: one per-user INI file per application through
// QSettings (organisation "pelmira"), so $XDG_CONFIG_HOME/pelmira/pelmira.ini for the
// programs' application "pelmira". Sections are INI groups. Every write is synced at once
// and every read first picks up what another process wrote; QSettings' lock file and atomic
// rewrite keep concurrent writers from losing each other's keys. Needs no QCoreApplication.

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

class QSettings;

namespace pelmira {

class QSettingsStore : public SettingsStore {
 public:
  // The user's store: the INI files of organisation "pelmira" in the user's config folder.
  QSettingsStore();
  // A store in `folder`: its INI files are <folder>/<application>.ini.
  explicit QSettingsStore(QString folder);
  ~QSettingsStore() override;

  std::optional<std::string> value(std::string_view application, std::string_view section,
                                   std::string_view key) const override;
  void set_value(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view text) override;
  void remove_application(std::string_view application) override;

  // The INI file holding an application's settings.
  QString file_of(std::string_view application) const;

 private:
  QSettings& settings_for(std::string_view application) const;

  QString folder_;  // empty: the user's config folder
  mutable std::map<std::string, std::unique_ptr<QSettings>, std::less<>> open_;
};

}  // namespace pelmira
