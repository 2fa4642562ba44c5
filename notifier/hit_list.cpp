#include "notifier/hit_list.h"

#include <algorithm>

namespace pelmira {

HitCollection collect_hits(const std::string& folder, const NotifierToday& today, bool show_holiday,
                           LeapDayMove leap_day) {
  HitCollection collection;
  const std::optional<HolidayTable> holidays = holidays_for_reading(today.year, collection);
  if (!holidays) return collection;
  if (show_holiday) {
    if (std::optional<std::string> name = saijituhyouji(*holidays, today.month, today.day)) {
      collection.hits.push_back({0, std::move(*name)});
      ++collection.counts.hits;
    }
  }
  read_data_files(folder, today, *holidays, leap_day, collection);
  return collection;
}

std::vector<std::string> list_lines(std::vector<Hit> hits) {
  std::stable_sort(hits.begin(), hits.end(),
                   [](const Hit& a, const Hit& b) { return a.distance < b.distance; });
  std::vector<std::string> lines;
  lines.reserve(hits.size() + 1);
  bool separated = false;
  for (Hit& hit : hits) {
    if (!separated && hit.distance > 0) {
      lines.emplace_back();
      separated = true;
    }
    lines.push_back(std::move(hit.line));
  }
  return lines;
}

}  // namespace pelmira
