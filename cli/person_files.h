#pragma once
// Reading data files into a person table for the subcommands that work on the person list
// (list, listing 8): every file in the order given, added to the list as the main window's
// "ファイルを追加" does. A line with errors is skipped (the correction window's 無効) and its
// report goes to standard error; a file that cannot be read goes to the error report.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/run_context.h"
#include "people/person_table.h"

namespace pelmira::cli {

// Reads the files into `table` in append mode. Throws ReportRan after an error report.
void read_person_files(RunContext& run, PersonTable& table, const std::vector<std::string>& files,
                       std::ostream& err);

}  // namespace pelmira::cli
