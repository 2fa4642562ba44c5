#include "settings/setting_values.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pelmira {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// from_chars takes hexadecimal floats, "inf" and "nan" too; a setting's number is decimal.
bool looks_decimal(std::string_view text) {
  for (char c : text) {
    const bool allowed =
        (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
    if (!allowed) return false;
  }
  return true;
}

double strict_number(const SettingsStore& store, const SettingKey& key) {
  const std::optional<double> number = setting_number(read_text(store, key));
  if (!number) raise_error(err::kTypeMismatch);
  return *number;
}

double default_number(const SettingKey& key) {
  return setting_number(key.default_text).value_or(0.0);
}

}  // namespace

std::string default_notifier_path(std::string_view program_folder) {
  std::string path(program_folder);
  if (!path.empty() && path.back() == '/') path.pop_back();
  return path + "/" + std::string(kNotifierProgramName);
}

std::optional<double> setting_number(std::string_view text) {
  text = trim_blanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || !looks_decimal(text)) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string read_text(const SettingsStore& store, const SettingKey& key) {
  return readSetting(store, kSettingsApplication, key.section, key.key, key.default_text);
}

void write_text(SettingsStore& store, const SettingKey& key, std::string_view text) {
  writeSetting(store, kSettingsApplication, key.section, key.key, text);
}

void write_number(SettingsStore& store, const SettingKey& key, i64 number) {
  write_text(store, key, std::to_string(number));
}

i16 read_i16(const SettingsStore& store, const SettingKey& key) {
  return round_to_i16(strict_number(store, key));
}

double read_double(const SettingsStore& store, const SettingKey& key) {
  return strict_number(store, key);
}

float read_single(const SettingsStore& store, const SettingKey& key) {
  const double number = strict_number(store, key);
  if (std::fabs(number) > std::numeric_limits<float>::max()) raise_overflow();
  return static_cast<float>(number);
}

i16 read_i16_or_default(const SettingsStore& store, const SettingKey& key) {
  const std::optional<double> number = setting_number(read_text(store, key));
  const double rounded = number ? std::nearbyint(*number) : 0.0;
  if (!number || rounded < std::numeric_limits<i16>::min() ||
      rounded > std::numeric_limits<i16>::max())
    return static_cast<i16>(default_number(key));
  return static_cast<i16>(rounded);
}

double read_double_or_default(const SettingsStore& store, const SettingKey& key) {
  return setting_number(read_text(store, key)).value_or(default_number(key));
}

float read_single_or_default(const SettingsStore& store, const SettingKey& key) {
  const std::optional<double> number = setting_number(read_text(store, key));
  if (!number || std::fabs(*number) > std::numeric_limits<float>::max())
    return static_cast<float>(default_number(key));
  return static_cast<float>(*number);
}

}  // namespace pelmira
