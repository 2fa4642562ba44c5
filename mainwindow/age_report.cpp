#include "mainwindow/age_report.h"

#include "almanac/names.h"
#include "core/age.h"
#include "core/calendar.h"
#include "core/date_text.h"
#include "core/eras.h"
#include "core/trap.h"
#include "listings/selector.h"

namespace pelmira {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void refresh_slot(ProgramState& state, DateSlot& slot) {
  const i16 mode = state.calendar_mode;
  slot.year = nnen(slot.era_label(), slot.entered_year);
  hiteisei(mode, slot.year, slot.month, slot.day);
  i16 era_year = 0;
  std::string main_text, second_text;
  slot.era_label() = nneng(slot.year, slot.month, slot.day, era_year, main_text, second_text);
  slot.entered_year = era_year;
  slot.weekday = yulibiyoub(guleyulibi(slot.year, slot.month, slot.day, mode));
  // Before 大化 and after the last era the report shows no historical era.
  slot.historical_main = main_text.starts_with("西暦") ? std::string() : main_text;
  slot.historical_second = second_text;
}

void build_display_texts(DateSlot& slot) {
  slot.month_day_text = slot.texts[1] + "月 " + slot.texts[2] + "日";
  slot.western_text = "西暦 " + slot.texts[0] + "年 " + slot.month_day_text;
  slot.era_text = slot.era_label() + " " + slot.texts[4] + "年 " + slot.month_day_text;
}

std::string date_block(const ProgramState& state, int slot, std::string_view side_name) {
  const DateSlot& s = state.slots[static_cast<std::size_t>(slot)];
  std::string block = std::string(side_name) + " " + s.western_text + " " + s.weekday + "曜日";
  if (calendar_in_force(state, slot) == 1) block += " (ﾕﾘｳｽ)";
  block += std::string(kCrLf) + "　　 和暦 " + s.historical_main;
  block += std::string(kCrLf) + "　　 　　 " + s.historical_second;
  return block;
}

std::string window_caption(const ProgramState& state) {
  std::string added;
  if (state.calendar_mode == kModeGregorian) added += "グレゴリオ暦に固定　";
  if (state.calendar_mode == kModeJulian) added += "ユリウス暦に固定　";
  if (state.age_shift == 1) added += "誕生日の前日に加齢";
  return added.empty() ? "Pelmira(年齢計算ソフト)" : "Pelmiraの設定　" + added;
}

void append_lines(std::vector<std::string>& lines, std::string_view text) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(kCrLf, start);
    lines.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return;
    start = end + kCrLf.size();
  }
}

}  // namespace

ReportTotals mein0(ProgramState& state) {
  ReportTotals totals;
  trap("mein0", [&] {
    refresh_slot(state, state.slots[0]);
    refresh_slot(state, state.slots[1]);
    const DateSlot& birth = state.slots[0];
    const DateSlot& now = state.slots[1];
    DateSlot& difference = state.slots[2];
    const i16 mode = state.calendar_mode;
    totals.total_days = add32(sub32(guleyulibi(now.year, now.month, now.day, mode),
                                    guleyulibi(birth.year, birth.month, birth.day, mode)),
                              state.age_shift);
    difference.year = nrei(mode, now.year, now.month, now.day, birth.year, birth.month, birth.day,
                           difference.month, difference.day, state.age_shift);
    totals.total_months = add32(mul32(difference.year, 12), difference.month);
    ahenkan(state);
    build_display_texts(state.slots[0]);
    build_display_texts(state.slots[1]);
  });
  return totals;
}

ReportTexts hyouzi(const ProgramState& state, const ReportTotals& totals, i16 listing_kind) {
  ReportTexts texts;
  trap("hyouzi", [&] {
    const ModeLabels labels = TanMeiKH(listing_kind);
    const DateSlot& birth = state.slots[0];
    const DateSlot& now = state.slots[1];
    const DateSlot& difference = state.slots[2];
    texts.birth_block = date_block(state, 0, labels.side_name);
    texts.now_block = date_block(state, 1, "現在");
    texts.age_line = labels.elapsed + " " + difference.texts[0] + labels.unit + " " +
                     difference.texts[1] + "ヶ月 " + difference.texts[2] + "日";

    std::string next_label;
    const i32 next_days =
        tanmade(state, birth.year, birth.month, birth.day, listing_kind, next_label);
    // No memorial day left: the day count stays empty.
    const std::string next_text = next_label == kNoMemorialLeft ? "" : std::to_string(next_days);
    texts.totals_block = "　　" + std::to_string(totals.total_months) + "ヶ月 " +
                         difference.texts[2] + "日" + std::string(kCrLf) + "　　" +
                         std::to_string(totals.total_days) + "日" + std::string(kCrLf) +
                         next_label + "　　　　" + next_text + "日";

    texts.counted_age_block =
        "　数え年　　" + kazoe(now.year, now.month, now.day, birth.year, birth.month, birth.day) +
        "歳　(正月に加齢)" + std::string(kCrLf) + "　　　　　　" +
        kazoe2(now.year, now.month, now.day, birth.year, birth.month, birth.day) +
        "歳　(立春に加齢)";
    texts.counted_age_tooltip = "正月で加齢する数え年の方が一般的に使われているようです。";
    texts.counted_age_hidden = listing_kind == kListingMemorial;
    texts.birthstone = "　誕生石  " + tseki(birth.month);
    texts.birthstone_hidden = listing_kind == kListingMemorial;

    const LocalDateTime today = state.now();
    texts.now_is_today = now.year == today.year && now.month == today.month && now.day == today.day;
    texts.window_caption = window_caption(state);
  });
  return texts;
}

std::vector<std::string> report_export_lines(const ReportTexts& texts) {
  std::vector<std::string> lines{"　　表示画面", ""};
  append_lines(lines, texts.birth_block);
  lines.emplace_back();
  append_lines(lines, texts.now_block);
  lines.emplace_back();
  append_lines(lines, texts.age_line);
  append_lines(lines, texts.totals_block);
  lines.emplace_back();
  append_lines(lines, texts.counted_age_block);
  append_lines(lines, texts.birthstone);
  return lines;
}

}  // namespace pelmira
