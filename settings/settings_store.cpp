#include "settings/settings_store.h"

namespace pelmira {

std::string readSetting(const SettingsStore& store, std::string_view application,
                        std::string_view section, std::string_view key,
                        std::string_view default_text) {
  std::optional<std::string> text = store.value(application, section, key);
  return text ? std::move(*text) : std::string(default_text);
}

void writeSetting(SettingsStore& store, std::string_view application, std::string_view section,
                  std::string_view key, std::string_view text) {
  store.set_value(application, section, key, text);
}

void deleteAllSettings(SettingsStore& store, std::string_view application) {
  store.remove_application(application);
}

std::optional<std::string> MemorySettingsStore::value(std::string_view application,
                                                      std::string_view section,
                                                      std::string_view key) const {
  const auto app = applications_.find(application);
  if (app == applications_.end()) return std::nullopt;
  const auto sec = app->second.find(section);
  if (sec == app->second.end()) return std::nullopt;
  const auto entry = sec->second.find(key);
  if (entry == sec->second.end()) return std::nullopt;
  return entry->second;
}

void MemorySettingsStore::set_value(std::string_view application, std::string_view section,
                                    std::string_view key, std::string_view text) {
  ++writes_;
  applications_[std::string(application)][std::string(section)][std::string(key)] =
      std::string(text);
}

void MemorySettingsStore::remove_application(std::string_view application) {
  ++writes_;
  const auto app = applications_.find(application);
  if (app != applications_.end()) applications_.erase(app);
}

MemorySettingsStore::Sections MemorySettingsStore::sections(std::string_view application) const {
  const auto app = applications_.find(application);
  return app == applications_.end() ? Sections{} : app->second;
}

}  // namespace pelmira
