#pragma once
// Typed reads and writes of the keys of setting_keys.h. Values are text; numbers are their
// decimal text. A strict read raises type mismatch (13) for a text that is not a number and
// overflow (6) for one outside the width, as a conversion in the reading procedure would;
// a lenient read answers the key's default instead, for readers that must go on.

#include <optional>
#include <string>
#include <string_view>

#include "core/checked.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"

namespace pelmira {

// The number a setting's text stands for: decimal, optionally signed, with a fraction or an
// exponent, blanks around it allowed. nullopt for anything else (empty text included).
std::optional<double> setting_number(std::string_view text);

std::string read_text(const SettingsStore& store, const SettingKey& key);
void write_text(SettingsStore& store, const SettingKey& key, std::string_view text);
// Writes a number as its decimal text, without blanks.
void write_number(SettingsStore& store, const SettingKey& key, i64 number);

// Strict reads (raise 13 or 6).
i16 read_i16(const SettingsStore& store, const SettingKey& key);
double read_double(const SettingsStore& store, const SettingKey& key);
float read_single(const SettingsStore& store, const SettingKey& key);

// Lenient reads: the default when the stored text is not a number of the width.
i16 read_i16_or_default(const SettingsStore& store, const SettingKey& key);
double read_double_or_default(const SettingsStore& store, const SettingKey& key);
float read_single_or_default(const SettingsStore& store, const SettingKey& key);

}  // namespace pelmira
