#pragma once
// Subcommand report: the body of the age report's text export ("表示画面をテキストファイルに
// 出力") for a birth-side date and a "現在" date.

#include <optional>
#include <string>

#include "cli/command.h"
#include "core/checked.h"

namespace pelmira::cli {

struct ReportOptions {
  std::optional<std::string> now;
  i16 listing = 0;  // the listing kind in force: 3 wedding, 5 memorial, other birth
  i16 mode = 0;
  i16 shift = 0;
  bool western_only = false;
  std::string birth;
};

// The export's lines without the version footer, each ended by LF.
std::string report_command(RunContext& run, const ReportOptions& options);

void register_report_command(CLI::App& app, CommandAction& chosen);

}  // namespace pelmira::cli
