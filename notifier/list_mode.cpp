#include "notifier/list_mode.h"

#include <ostream>

#include "notifier/hit_list.h"
#include "notifier/kpelmirahm.h"
#include "notifier/leap_day_setting.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

constexpr const char* kUsage =
    "usage: lunoka --list [--date Y-M-D] [DIR]\n"
    "  Prints the persons of the data files in DIR (default: the current folder) who are due\n"
    "  on DATE (default: today) or within their notice days, nearest first.\n";

std::optional<i16> small_number(const std::string& digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > 32767) return std::nullopt;
  return static_cast<i16>(value);
}

}  // namespace

std::optional<CalendarDate> parse_list_date(const std::string& text) {
  const std::size_t first = text.find('-');
  const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
  if (second == std::string::npos) return std::nullopt;
  const auto year = small_number(text.substr(0, first));
  const auto month = small_number(text.substr(first + 1, second - first - 1));
  const auto day = small_number(text.substr(second + 1));
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
      *day > monthLength(*year, *month))
    return std::nullopt;
  return CalendarDate{*year, *month, *day};
}

std::optional<ListOptions> parse_list_options(const std::vector<std::string>& args,
                                              std::string& error) {
  ListOptions options;
  bool have_folder = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string> date_text;
    if (arg == "--date") {
      if (i + 1 == args.size()) {
        error = "--date needs a date (Y-M-D)";
        return std::nullopt;
      }
      date_text = args[++i];
    } else if (arg.rfind("--date=", 0) == 0) {
      date_text = arg.substr(7);
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
      continue;
    } else if (!arg.empty() && arg.front() == '-' && arg != "-") {
      error = "unknown option " + arg;
      return std::nullopt;
    } else if (have_folder) {
      error = "only one folder may be given";
      return std::nullopt;
    } else {
      options.folder = arg;
      have_folder = true;
      continue;
    }
    options.date = parse_list_date(*date_text);
    if (!options.date) {
      error = "not a date (Y-M-D): " + *date_text;
      return std::nullopt;
    }
  }
  return options;
}

std::string terminal_text(std::string text) {
  for (std::size_t at = 0; (at = text.find('\r', at)) != std::string::npos;) {
    const bool crlf = at + 1 < text.size() && text[at + 1] == '\n';
    text.replace(at, crlf ? 2 : 1, "\n");
    ++at;
  }
  return text;
}

std::optional<std::vector<std::string>> read_list(const ListOptions& options,
                                                  const SettingsStore& store,
                                                  const CalendarDate& system_today,
                                                  std::ostream& err) {
  const CalendarDate d = options.date.value_or(system_today);
  const bool show_holiday = read_double_or_default(store, setting::kShowHoliday) == 1;
  HitCollection collection = collect_hits(options.folder, NotifierToday::of(d.year, d.month, d.day),
                                          show_holiday, leap_day_move(store));
  if (collection.failure) {
    for (const DateReaderAlert& alert : collection.alerts) {
      if (alert.fatal && collection.failure->by_date_reader) continue;  // shown below
      err << terminal_text(alert.text) << "\n";
    }
    err << terminal_text(collection.failure->text);
    if (collection.failure->by_date_reader) err << "\n";
    return std::nullopt;
  }
  return list_lines(std::move(collection.hits));
}

int run_list_mode(const std::vector<std::string>& args, const SettingsStore& store,
                  const CalendarDate& system_today, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<ListOptions> options = parse_list_options(args, error);
  if (!options) {
    err << "lunoka: " << error << "\n" << kUsage;
    return 2;
  }
  if (options->help) {
    out << kUsage;
    return 0;
  }
  const std::optional<std::vector<std::string>> lines =
      read_list(*options, store, system_today, err);
  if (!lines) return 1;
  std::string text;
  for (const std::string& line : *lines) {
    text += line;
    text += '\n';
  }
  out << text;
  out.flush();
  return out ? 0 : 1;
}

}  // namespace pelmira
