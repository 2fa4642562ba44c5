#include "notifier/notifier_session.h"

#include <cmath>

#include "core/state.h"
#include "notifier/hit_list.h"
#include "notifier/kpelmirahm.h"
#include "notifier/leap_day_setting.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

bool is_real_date(i16 year, i16 month, i16 day) {
  return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= monthLength(year, month);
}

i64 twips_text(double twips) {
  return std::isfinite(twips) ? static_cast<i64>(std::nearbyint(twips)) : 0;
}

// A number as text with the place of its sign: a blank before a number that is not negative.
std::string signed_text(int number) {
  return (number >= 0 ? " " : "") + std::to_string(number);
}

}  // namespace

CalendarDate system_today() {
  const LocalDateTime now = system_now();
  return {now.year, now.month, now.day};
}

std::string notifier_caption(const CalendarDate& date) {
  return std::to_string(date.year) + "年" + std::to_string(date.month) + "月" +
         std::to_string(date.day) + "日（" + weekdayChar(date.year, date.month, date.day) +
         "）  Lunoka";
}

StartDate take_start_date(SettingsStore& store, const CalendarDate& system_today) {
  StartDate start{system_today, false};
  const i16 year = read_i16_or_default(store, setting::kTestYear);
  if (year == 0) return start;
  start.test_mode = true;
  const i16 month = read_i16_or_default(store, setting::kTestMonth);
  const i16 day = read_i16_or_default(store, setting::kTestDay);
  write_text(store, setting::kTestYear, "0");
  if (is_real_date(year, month, day)) start.today = CalendarDate{year, month, day};
  return start;
}

NotifierSession::NotifierSession(SettingsStore& store, std::string folder,
                                 std::string program_folder, CalendarDate system_today)
    : store_(store),
      folder_(std::move(folder)),
      program_folder_(std::move(program_folder)),
      system_today_(system_today) {}

void NotifierSession::load() {
  start_ = take_start_date(store_, system_today_);
  const CalendarDate& d = start_.today;
  caption_ = notifier_caption(d);
  const bool show_holiday = read_double_or_default(store_, setting::kShowHoliday) == 1;
  collection_ = collect_hits(folder_, NotifierToday::of(d.year, d.month, d.day), show_holiday,
                             leap_day_move(store_));
  if (collection_.failure) return;

  const bool has_hits = collection_.counts.hits > 0;
  if (has_hits) {
    window_number_ = read_i16_or_default(store_, setting::kNotifierWindowCount);
    write_number(store_, setting::kNotifierWindowCount, i64{window_number_} + 1);
    lines_ = list_lines(std::move(collection_.hits));
    collection_.hits.clear();
  }
  layout_ =
      notifier_layout(lines_.size(), read_single_or_default(store_, setting::kNotifierTop),
                      read_single_or_default(store_, setting::kNotifierLeft),
                      read_single_or_default(store_, setting::kNotifierWidth), window_number_);
  visible_ =
      read_double_or_default(store_, setting::kNoDataShow) == 0 || has_hits || start_.test_mode;
  plays_sound_ =
      window_number_ == 0 && visible_ && read_double_or_default(store_, setting::kPlaySound) == 1;
}

TickAction NotifierSession::tick() {
  TickAction action;
  if (read_double_or_default(store_, setting::kAutoClose) != 0) {
    ++ticks_;
    action.caption = caption_ + " " + signed_text(20 - ticks_);
    if (ticks_ > 19) {
      action.close_sound = true;
      action.unload = true;
    }
    return action;
  }
  if (read_double_or_default(store_, setting::kNoDataShow) == 1 && collection_.counts.hits == 0)
    action.unload = true;
  action.stop_timer = true;
  return action;
}

std::string NotifierSession::count_box_text() const {
  const ReadCounts& c = collection_.counts;
  return "パス    " + program_folder_ + "\r" +                           //
         "テキストファイル数  " + std::to_string(c.text_files) + "\r" +  //
         "Pelmiraファイル数  " + std::to_string(c.data_files) + "\r" +   //
         "Pelmiraデータ数  " + std::to_string(c.data_lines) + "\r" +     //
         "該当データ数  " + std::to_string(c.hits);
}

void NotifierSession::unload(const WindowPlace& place,
                             const std::function<void(const std::string&)>& show_box) {
  write_number(store_, setting::kNotifierWidth, twips_text(place.width));
  if (start_.test_mode && show_box) show_box(count_box_text());
  write_text(store_, setting::kNotifierWindowCount, "0");
  if (window_number_ == 0) {
    write_number(store_, setting::kNotifierTop, twips_text(place.top));
    write_number(store_, setting::kNotifierLeft, twips_text(place.left));
  }
  write_text(store_, setting::kDeleteMark, "1");
}

}  // namespace pelmira
