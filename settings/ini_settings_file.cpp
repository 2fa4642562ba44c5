#include "settings/ini_settings_file.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/runtime_error.h"
#include "core/text.h"

namespace pelmira {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && (is_blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Keys and section names: "%XX" and "%UXXXX" stand for characters, "\" for "/".
std::string unescaped_key(std::string_view key) {
  std::string out;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const char c = key[i];
    if (c == '\\') {
      out += '/';
    } else if (c == '%' && i + 5 < key.size() && key[i + 1] == 'U') {
      char32_t code = 0;
      bool ok = true;
      for (std::size_t k = 2; k <= 5; ++k) {
        const int h = hex_value(key[i + k]);
        ok = ok && h >= 0;
        code = code * 16 + static_cast<char32_t>(h < 0 ? 0 : h);
      }
      if (!ok) {
        out += c;
        continue;
      }
      append_utf8(out, code);
      i += 5;
    } else if (c == '%' && i + 2 < key.size() && hex_value(key[i + 1]) >= 0 &&
               hex_value(key[i + 2]) >= 0) {
      append_utf8(out, static_cast<char32_t>(hex_value(key[i + 1]) * 16 + hex_value(key[i + 2])));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

// A value: quoted parts keep commas and blanks, unquoted commas separate list items, blanks
// around unquoted parts go, and backslash escapes stand for characters. "\x" takes every
// hexadecimal digit that follows, "\0".."\7" every octal digit.
std::vector<std::string> unescaped_items(std::string_view value) {
  std::vector<std::string> items(1);
  bool quoted = false;
  std::string pending_blanks;  // unquoted blanks, kept only when more text follows
  std::size_t i = 0;
  const auto add = [&](std::string_view text) {
    if (!items.back().empty()) items.back() += pending_blanks;
    pending_blanks.clear();
    items.back() += text;
  };
  while (i < value.size()) {
    const char c = value[i];
    if (c == '"') {
      quoted = !quoted;
      if (quoted && !items.back().empty()) items.back() += pending_blanks;
      pending_blanks.clear();
      ++i;
    } else if (c == ',' && !quoted) {
      items.emplace_back();
      pending_blanks.clear();
      ++i;
    } else if (is_blank(c) && !quoted) {
      pending_blanks += c;
      ++i;
    } else if (c == '\\' && i + 1 < value.size()) {
      const char e = value[++i];
      ++i;
      std::string one;
      switch (e) {
        case 'a':
          one = "\a";
          break;
        case 'b':
          one = "\b";
          break;
        case 'f':
          one = "\f";
          break;
        case 'n':
          one = "\n";
          break;
        case 'r':
          one = "\r";
          break;
        case 't':
          one = "\t";
          break;
        case 'v':
          one = "\v";
          break;
        case 'x': {
          char32_t code = 0;
          while (i < value.size() && hex_value(value[i]) >= 0)
            code = (code * 16 + static_cast<char32_t>(hex_value(value[i++]))) & 0xFFFF;
          append_utf8(one, code);
          break;
        }
        default:
          if (e >= '0' && e <= '7') {
            char32_t code = static_cast<char32_t>(e - '0');
            while (i < value.size() && value[i] >= '0' && value[i] <= '7')
              code = (code * 8 + static_cast<char32_t>(value[i++] - '0')) & 0xFFFF;
            append_utf8(one, code);
          } else {
            one = std::string(1, e);  // \" \' \? \\ \; \, \= and anything else: itself
          }
      }
      add(one);
    } else {
      add(value.substr(i, 1));
      ++i;
    }
  }
  return items;
}

// The text QSettings makes of a value, or nullopt for values that are not texts.
std::optional<std::string> text_of_value(std::string_view raw) {
  std::vector<std::string> items = unescaped_items(raw);
  if (items.size() == 1) {
    std::string& text = items.front();
    if (text.rfind("@@", 0) == 0) return text.substr(1);
    if (text.rfind("@String(", 0) == 0 && text.back() == ')')
      return text.substr(8, text.size() - 9);
    if (!text.empty() && text.front() == '@') return std::nullopt;
    return std::move(text);
  }
  std::string joined;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (k) joined += ", ";
    joined += items[k].rfind("@@", 0) == 0 ? items[k].substr(1) : items[k];
  }
  return joined;
}

}  // namespace

std::string user_settings_file(std::string_view application) {
  std::string folder;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') {
    folder = xdg;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home && home[0] ? home : "/") + "/.config";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder + "/pelmira/" + std::string(application) + ".ini";
}

IniSections parse_settings_ini(std::string_view text) {
  IniSections sections;
  std::string section;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      section = unescaped_key(
          line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      if (section == "General") section.clear();
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string key = unescaped_key(trimmed(line.substr(0, equals)));
    if (key.empty()) continue;
    if (std::optional<std::string> value = text_of_value(line.substr(equals + 1)))
      sections[section][key] = std::move(*value);
  }
  return sections;
}

IniSettingsFile::IniSettingsFile(std::string_view application)
    : IniSettingsFile(application, user_settings_file(application)) {}

IniSettingsFile::IniSettingsFile(std::string_view application, const std::string& path)
    : application_(application) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  sections_ = parse_settings_ini(text);
}

std::optional<std::string> IniSettingsFile::value(std::string_view application,
                                                  std::string_view section,
                                                  std::string_view key) const {
  if (application != application_) return std::nullopt;
  const auto sec = sections_.find(section);
  if (sec == sections_.end()) return std::nullopt;
  const auto entry = sec->second.find(key);
  if (entry == sec->second.end()) return std::nullopt;
  return entry->second;
}

void IniSettingsFile::set_value(std::string_view, std::string_view, std::string_view,
                                std::string_view) {
  raise_error(err::kPathFileAccess);
}

void IniSettingsFile::remove_application(std::string_view) {
  raise_error(err::kPathFileAccess);
}

}  // namespace pelmira
