#pragma once
// Where the help file is: beside the program (a build or a portable copy) or in the data
// folder of an installed copy.

#include <string>
#include <string_view>
#include <vector>

namespace pelmira {

inline constexpr std::string_view kHelpFileName = "pelmira.hlp";

// "<program_folder>/pelmira.hlp", then "<data_folder>/pelmira.hlp" (an empty folder is left
// out).
std::vector<std::string> help_file_candidates(const std::string& program_folder,
                                              const std::string& data_folder);

// The first candidate that exists, checked to be a readable regular file. A candidate that
// exists but cannot be read raises its run-time error (70 no permission, 75 a folder or other
// non-regular file) with the path in the description; when none exists, 53 naming the first
// path. `failed_path`, when given, receives the path an error is about.
std::string find_help_file(const std::string& program_folder, const std::string& data_folder,
                           std::string* failed_path = nullptr);

}  // namespace pelmira
