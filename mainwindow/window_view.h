#pragma once
// What the main window shows, as the last refresh left it: the report, the date box and the
// entry caption, the listing, the month or year calendar, the person list and the status
// line. The window paints only what this says.

#include <optional>
#include <string>

#include "holidays/month_grid.h"
#include "holidays/year_calendar.h"
#include "listings/listing.h"
#include "mainwindow/age_report.h"
#include "people/list_refresh.h"
#include "people/notice_code.h"

namespace pelmira {

struct WindowView {
  ReportTotals totals;
  ReportTexts report;
  std::string date_box;            // Text2(0): the era text (or Western text) of the slot entered
  std::string entry_caption;       // Frame1(0)'s caption
  Listing listing;                 // List3, rebuilt while the listing panel is shown
  std::optional<MonthGrid> month;  // while the calendar panel is shown
  std::optional<YearCalendar> year_calendar;  // while the year calendar is shown
  ListRows list;                              // the person list's rows and summary
  // Raised whenever the list's lines must be built anew (new persons, columns, reference
  // date, listing); an unchanged value means the rows only moved.
  int list_lines_version = 0;
  std::string list_header;          // the person list's header line
  std::string status_text;          // Label9
  std::string rule_description;     // Label1(3) of the notification pane
  NoticePaneVisibility rule_boxes;  // which rule boxes the pane shows
};

}  // namespace pelmira
