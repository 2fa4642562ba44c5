#include "cli/month_calendar_command.h"

#include <unistd.h>

#include <memory>

#include "cli/options.h"
#include "core/calendar.h"
#include "holidays/month_grid.h"
#include "mainwindow/age_report.h"

namespace pelmira::cli {
namespace {

constexpr std::string_view kRed = "\x1b[31m";
constexpr std::string_view kDim = "\x1b[2m";
constexpr std::string_view kReset = "\x1b[0m";

std::string without_leading_blanks(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

// "2026年 12月  令和 8年" (the era part only for a year shown in an era).
std::string heading(const MonthGrid& grid, i16 month) {
  const std::size_t line_break = grid.year_caption.find("\r\n");
  std::string out = grid.year_caption.substr(0, line_break) + " " + std::to_string(month) + "月";
  if (line_break != std::string::npos) {
    const std::string era = grid.year_caption.substr(line_break + 2);
    if (!era.empty()) out += "  " + era;
  }
  if (grid.panel_caption == kPanelCaptionJulian) out += "  ユリウス暦";
  return out;
}

std::string cell_text(const GridCell& cell, bool colour) {
  std::string text = cell.caption;
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  if (!colour || cell.ink == CellInk::kNormal) return text;
  return std::string(cell.ink == CellInk::kRed ? kRed : kDim) + text + std::string(kReset);
}

}  // namespace

std::string month_calendar_command(RunContext& run, const MonthCalendarOptions& options) {
  ProgramState& state = run.state;
  state.calendar_mode = options.mode;
  for (DateSlot& slot : state.slots) {
    slot.era_label() = "西暦";
    slot.entered_year = options.year;
    slot.month = options.month;
    slot.day = 1;
  }
  mein0(state);
  run.stop_if_reported();
  const MonthGrid grid = karenda(state, 0);
  run.stop_if_reported();

  std::string out = heading(grid, options.month) + "\n";
  const char* weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
  for (int c = 0; c < 7; ++c) {
    const std::string name = std::string(" ") + weekdays[c];
    out += c == 0 && options.colour ? std::string(kRed) + name + std::string(kReset) : name;
  }
  out += "\n";
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column)
      out += cell_text(grid.cell(kFirstDayCell + 7 * row + column), options.colour);
    out += "\n";
  }
  for (const GridCell& cell : grid.cells) {
    if (cell.ink == CellInk::kWhite || cell.tooltip.empty()) continue;
    out += (cell.caption.size() < 2 ? " " : "") + cell.caption + "日 " +
           without_leading_blanks(cell.tooltip) + "\n";
  }
  return out;
}

void register_month_calendar_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<MonthCalendarOptions>();
  CLI::App* sub =
      app.add_subcommand("calendar", "Print a month calendar with its holidays and solar terms");
  add_mode_option(*sub, options->mode);
  add_i16(*sub, "YEAR", options->year, "Year, 1 to 32767", 1, 32767)->required();
  add_i16(*sub, "MONTH", options->month, "Month, 1 to 12", 1, 12)->required();
  run_when_chosen(*sub, chosen, [options](RunContext& run) {
    MonthCalendarOptions chosen_options = *options;
    chosen_options.colour = isatty(STDOUT_FILENO) == 1;
    return month_calendar_command(run, chosen_options);
  });
}

}  // namespace pelmira::cli
