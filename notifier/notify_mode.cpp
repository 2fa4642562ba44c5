#include "notifier/notify_mode.h"

#include <ostream>

namespace pelmira {
namespace {

constexpr const char* kNotifyUsage =
    "usage: lunoka --notify [--date Y-M-D] [DIR]\n"
    "  Sends the persons of the data files in DIR (default: the current folder) who are due\n"
    "  on DATE (default: today) or within their notice days as one desktop notification.\n"
    "  Without a notification service the window shows them instead.\n";

std::string plain_line(std::string_view line) {
  std::string out;
  for (const char c : line)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

NotifyPlan plan_notification(const std::vector<std::string>& args, const SettingsStore& store,
                             const CalendarDate& system_today, std::ostream& out,
                             std::ostream& err) {
  NotifyPlan plan;
  std::string error;
  std::optional<ListOptions> options = parse_list_options(args, error);
  if (!options) {
    err << "lunoka: " << error << "\n" << kNotifyUsage;
    plan.exit_code = 2;
    return plan;
  }
  if (options->help) {
    out << kNotifyUsage;
    plan.exit_code = 0;
    return plan;
  }
  plan.options = *options;
  std::optional<std::vector<std::string>> lines = read_list(plan.options, store, system_today, err);
  if (!lines) {
    plan.exit_code = 1;
  } else if (lines->empty()) {
    plan.exit_code = 0;
  } else {
    plan.lines = std::move(*lines);
  }
  return plan;
}

std::string notification_body(const std::vector<std::string>& lines, bool markup) {
  std::string body;
  for (const std::string& line : lines) {
    const std::string text = plain_line(line);
    if (text.empty()) continue;
    if (!body.empty()) body += '\n';
    body += markup ? escaped(text) : text;
  }
  return body;
}

}  // namespace pelmira
