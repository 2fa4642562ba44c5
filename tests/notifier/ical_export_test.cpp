// The iCalendar export: what a calendar program reads back from it (names, dates, alarms,
// event ids), the 29 February choices and the spans it takes.

#include "notifier/ical_export.h"

#include <gtest/gtest.h>

#include "support/ical_reading.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::ReadBackEvent;
using testing::TestFolder;

constexpr std::time_t kExportStamp = 1'800'000'000;

// A UTF-8 data file whose header ends with CR LF: its lines end with CR, so a lone LF stays
// inside a name.
std::string ical_data_file(const std::vector<std::string>& lines) {
  std::string text = "Pelmira年齢計算用リスト\r\n";
  for (const std::string& line : lines) text += line + "\r";
  return text;
}

IcalExport export_lines(const std::vector<std::string>& lines, CalendarDate from, int years,
                        LeapDayMove leap_day = LeapDayMove::kLeapYearsOnly,
                        std::time_t stamp = kExportStamp) {
  TestFolder folder;
  const std::string path = folder.write("a.txt", ical_data_file(lines));
  return export_ical({path}, from, *export_days(from, years), leap_day, stamp);
}

TEST(IcalExport, NamesComeBackExactlyInBothReaders) {
  const std::vector<std::string> names = {
      "A,B;C",
      "back\\slash",
      "改行\nあり",
      "誕生日🎂😀",
      "ﾊﾝｶｸｶﾅ ﾃﾞｽ",
      "とても長い名前の人とても長い名前の人とても長い名前の人とても長い名前の人とても長い名前",
  };
  // Python's icalendar 4.0 unescapes by plain replacements and misreads two backslashes in a
  // row; libical alone reads this name back.
  const std::string libical_only = "two\\\\backslashes";
  std::vector<std::string> lines;
  for (const std::string& name : names) lines.push_back(name + "^2000 3 15^0^02001111000000^");
  lines.push_back(libical_only + "^2000 3 16^0^02001111000000^");
  const IcalExport result = export_lines(lines, {2026, 3, 1}, 1);
  ASSERT_FALSE(result.failure);
  EXPECT_EQ(result.events, names.size() + 1);
  EXPECT_EQ(testing::libical_events(result.text).back().summary, libical_only);

  TestFolder out;
  const std::string path = out.write("export.ics", result.text);
  std::string why;
  const auto python = testing::python_icalendar_events(path, why);
  const std::vector<std::pair<const char*, std::optional<std::vector<ReadBackEvent>>>> readers = {
      {"libical", testing::libical_events(result.text)}, {"python-icalendar", python}};
  for (const auto& [reader, events] : readers) {
    SCOPED_TRACE(reader);
    if (!events) continue;
    ASSERT_EQ(events->size(), names.size() + 1) << why;
    for (std::size_t k = 0; k < names.size(); ++k) {
      EXPECT_EQ((*events)[k].summary, names[k]);
      EXPECT_EQ((*events)[k].date, "20260315");
      EXPECT_EQ((*events)[k].end, "20260316");
    }
  }
  // Folded lines stay within 75 octets and never split a character.
  for (std::size_t start = 0, end; start < result.text.size(); start = end + 2) {
    end = result.text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LE(end - start, 75u);
    EXPECT_NE(static_cast<unsigned char>(result.text[start]) & 0xC0, 0x80);
  }
  if (!python) GTEST_SKIP() << why;
}

TEST(IcalExport, AlarmsAndEventIds) {
  const std::vector<std::string> lines = {
      "七日前^1990 5 10^7^12001111000000^", "当日だけ^1990 5 10^0^02001111000000^",
      "同名^1990 5 10^0^02001111000000^", "同名^1990 5 10^0^02001111000000^"};
  const IcalExport first = export_lines(lines, {2026, 1, 1}, 1);
  const std::vector<ReadBackEvent> events = testing::libical_events(first.text);
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].summary, "七日前 36歳の誕生日");
  EXPECT_EQ(events[0].trigger, "-P7D");  // days, not "-P1W"
  EXPECT_EQ(events[1].trigger, "");
  EXPECT_NE(events[2].uid, events[3].uid);  // two equal lines stay two events

  // Another first day and another time of export: the same ids for the same days, so that a
  // calendar program updates the events instead of adding them twice.
  const IcalExport again =
      export_lines(lines, {2025, 6, 1}, 2, LeapDayMove::kLeapYearsOnly, kExportStamp + 86400);
  std::vector<std::string> ids_2026;
  for (const ReadBackEvent& e : testing::libical_events(again.text))
    if (e.date == "20260510") ids_2026.push_back(e.uid);
  std::vector<std::string> ids_first;
  for (const ReadBackEvent& e : events) ids_first.push_back(e.uid);
  EXPECT_EQ(ids_2026, ids_first);
  EXPECT_NE(events[0].uid, events[1].uid);
}

TEST(IcalExport, LeapDayBirthdaysFollowTheChoice) {
  struct IcalLeapRow {
    LeapDayMove move;
    std::vector<std::string> dates;
  };
  const IcalLeapRow rows[] = {
      {LeapDayMove::kLeapYearsOnly, {"20280229"}},
      {LeapDayMove::kFebruary28, {"20250228", "20260228", "20270228", "20280229"}},
      {LeapDayMove::kMarch1, {"20250301", "20260301", "20270301", "20280229"}},
  };
  for (const IcalLeapRow& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.move));
    const IcalExport result = export_lines({"閏^2000 2 29^"}, {2025, 1, 1}, 4, r.move);
    std::vector<std::string> dates;
    for (const ReadBackEvent& e : testing::libical_events(result.text)) dates.push_back(e.date);
    EXPECT_EQ(dates, r.dates);
  }
  const IcalExport year_2027 =
      export_lines({"閏^2000 2 29^"}, {2027, 1, 1}, 1, LeapDayMove::kFebruary28);
  EXPECT_EQ(testing::libical_events(year_2027.text).at(0).summary, "閏 27歳の誕生日");
}

TEST(IcalExport, SpansFromOneToAHundredYearsWithinFourDigitYears) {
  struct IcalSpanRow {
    const char* name;
    CalendarDate from;
    int years;
    std::optional<i32> days;
  };
  const IcalSpanRow rows[] = {
      {"one_common_year", {2026, 1, 1}, 1, 365},
      {"from_29_february", {2028, 2, 29}, 1, 366},
      {"a_hundred_years", {2000, 1, 1}, 100, 36525},
      {"no_years", {2026, 1, 1}, 0, std::nullopt},
      {"too_many_years", {2026, 1, 1}, 101, std::nullopt},
      {"up_to_9999", {9998, 1, 1}, 2, 730},
      {"past_9999", {9999, 1, 2}, 1, std::nullopt},
      {"the_last_year_the_notifier_counts", {32767, 1, 1}, 1, std::nullopt},
  };
  for (const IcalSpanRow& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(export_days(r.from, r.years), r.days);
  }
}

}  // namespace
}  // namespace pelmira
