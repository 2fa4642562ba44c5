#include "settings/qt/qsettings_store.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include "core/qt/box_text.h"

namespace pelmira {
namespace {

constexpr auto kOrganisation = "pelmira";

QString group_key(std::string_view section, std::string_view key) {
  return from_utf8(section) + QLatin1Char('/') + from_utf8(key);
}

// A hand-edited value with an unquoted comma comes back as a list; it is still one text.
std::string text_of(const QVariant& value) {
  if (value.metaType().id() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", ")).toStdString();
  return value.toString().toStdString();
}

}  // namespace

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(QString folder) : folder_(std::move(folder)) {}

QSettingsStore::~QSettingsStore() = default;

QSettings& QSettingsStore::settings_for(std::string_view application) const {
  auto found = open_.find(application);
  if (found == open_.end()) {
    std::unique_ptr<QSettings> settings;
    if (folder_.isEmpty())
      settings =
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                      QString::fromLatin1(kOrganisation), from_utf8(application));
    else
      settings = std::make_unique<QSettings>(
          folder_ + QLatin1Char('/') + from_utf8(application) + QStringLiteral(".ini"),
          QSettings::IniFormat);
    found = open_.emplace(std::string(application), std::move(settings)).first;
  }
  return *found->second;
}

QString QSettingsStore::file_of(std::string_view application) const {
  return settings_for(application).fileName();
}

std::optional<std::string> QSettingsStore::value(std::string_view application,
                                                 std::string_view section,
                                                 std::string_view key) const {
  QSettings& settings = settings_for(application);
  settings.sync();  // re-reads the file when another process changed it
  const QVariant stored = settings.value(group_key(section, key));
  if (!stored.isValid()) return std::nullopt;
  return text_of(stored);
}

void QSettingsStore::set_value(std::string_view application, std::string_view section,
                               std::string_view key, std::string_view text) {
  QSettings& settings = settings_for(application);
  settings.setValue(group_key(section, key), from_utf8(text));
  settings.sync();
}

void QSettingsStore::remove_application(std::string_view application) {
  QSettings& settings = settings_for(application);
  settings.clear();
  settings.sync();
}

}  // namespace pelmira
