#pragma once
// The age report of the main window: the refresh that settles both dates and their
// difference, the texts of the report labels and the window caption, the one-line summary
// in the caption of the date-entry frame, the click on a day of the small month calendar,
// and the body of the report's text export.

#include <string>
#include <vector>

#include "core/checked.h"
#include "core/state.h"

namespace pelmira {

// The totals of the difference between slot 0 and slot 1.
struct ReportTotals {
  i32 total_months = 0;  // years * 12 + months
  i32 total_days = 0;    // day number of slot 1 - that of slot 0 + the age shift
};

// The refresh: turns the entered era years into Western years, normalises both dates, sets
// their era labels, era years, weekdays and historical era texts, puts the difference into
// slot 2, copies the numbers into their texts and builds the display texts of slots 0 and 1.
// Reports as "mein0"; what was already computed stays.
ReportTotals mein0(ProgramState& state);

// What the display writes into the report.
struct ReportTexts {
  std::string birth_block;        // Label2(10): side name, Western date, weekday, eras
  std::string age_line;           // Label2(11): "満年齢 10歳 3ヶ月 5日"
  std::string now_block;          // Label2(12): the "現在" date, weekday, eras
  std::string totals_block;       // Label2(13): total months, total days, next recurrence
  std::string counted_age_block;  // Label2(38): counted ages by New Year and by 立春
  std::string counted_age_tooltip;
  std::string birthstone;  // Label1(0)
  std::string window_caption;
  bool now_is_today = false;        // the now block in today's colours, the marker black
  bool counted_age_hidden = false;  // memorial listing: the block keeps its text
  bool birthstone_hidden = false;   // memorial listing: the label keeps its text
};

// The display of what mein0 left, for the listing kind in force (its mode labels and the
// kind of recurrence counted). Reports as "hyouzi"; the texts built before an error stay.
ReportTexts hyouzi(const ProgramState& state, const ReportTotals& totals, i16 listing_kind);

// Settings "nyuryokuhyouji": 0 "入力" ... 14 "動物占い".
inline constexpr int kEntryCaptionItems = 15;

// The caption of the date-entry frame for an item of "nyuryokuhyouji" (any value outside
// 1..14 shows "       入力        "). Reports as "nyurhyouzi".
std::string nyurhyouzi(const ProgramState& state, const ReportTotals& totals, i16 listing_kind,
                       int item);

// A click on cell `cell` (10..51) of the small month calendar showing slot `slot`: sets that
// slot's day (days before the 1st or past the month's end are left for the refresh to
// normalise). Other cells do nothing. Returns whether the window refreshes. Reports as
// "Label7_Click".
bool Label7_Click(ProgramState& state, int slot, int cell);

// The body of the "表示画面をテキストファイルに出力" export: its lines, in order, without the
// version footer. The hidden blocks are written too.
std::vector<std::string> report_export_lines(const ReportTexts& texts);

}  // namespace pelmira
