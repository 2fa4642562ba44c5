#pragma once
// The per-user settings store: text values addressed by application, section and key. Both
// programs share it; the store behind the interface is an INI file in the programs (see
// settings/qt/) and a map in the logic tests.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pelmira {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or nullopt when the key (or any level above it) is missing.
  virtual std::optional<std::string> value(std::string_view application, std::string_view section,
                                           std::string_view key) const = 0;
  // Creates the missing levels and replaces the value.
  virtual void set_value(std::string_view application, std::string_view section,
                         std::string_view key, std::string_view text) = 0;
  // Removes the application with all its sections and keys.
  virtual void remove_application(std::string_view application) = 0;
};

// The three operations every program uses.
std::string readSetting(const SettingsStore& store, std::string_view application,
                        std::string_view section, std::string_view key,
                        std::string_view default_text);
void writeSetting(SettingsStore& store, std::string_view application, std::string_view section,
                  std::string_view key, std::string_view text);
void deleteAllSettings(SettingsStore& store, std::string_view application);

// A store held in memory: the logic tests' store, and a snapshot for inspection.
class MemorySettingsStore : public SettingsStore {
 public:
  using Sections =
      std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>>;

  std::optional<std::string> value(std::string_view application, std::string_view section,
                                   std::string_view key) const override;
  void set_value(std::string_view application, std::string_view section, std::string_view key,
                 std::string_view text) override;
  void remove_application(std::string_view application) override;

  // Every section of an application (empty when it has none).
  Sections sections(std::string_view application) const;
  // Number of writes so far; lets a test assert that a run wrote nothing.
  int write_count() const { return writes_; }

 private:
  std::map<std::string, Sections, std::less<>> applications_;
  int writes_ = 0;
};

}  // namespace pelmira
