#pragma once
// The notifier's list: the holiday line and the hits of a folder for a day, ordered nearest
// first with one empty line before the first hit that is not due today. The window and the
// command line's list mode show the same lines.

#include <string>
#include <vector>

#include "notifier/data_files.h"

namespace pelmira {

// Builds today's holiday table, adds the holiday line when `show_holiday` and today is a
// named holiday, then reads the folder's data files. Errors end up in `failure`.
HitCollection collect_hits(const std::string& folder, const NotifierToday& today, bool show_holiday,
                           LeapDayMove leap_day);

// The list lines: hits sorted by distance (equal distances keep their order), with one empty
// line just before the first hit due later than today. No hits give no lines.
std::vector<std::string> list_lines(std::vector<Hit> hits);

}  // namespace pelmira
