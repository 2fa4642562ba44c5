#include "almanac/four_pillars_report.h"

#include <string_view>
#include <vector>

#include "almanac/four_pillar_stars.h"
#include "almanac/four_pillars.h"
#include "almanac/names.h"
#include "almanac/solar_terms.h"
#include "core/formatting.h"
#include "core/text.h"
#include "core/trap.h"

namespace pelmira {
namespace {

std::string stem_name(i16 stem) {
  return stem == 0 ? std::string() : std::string(stemNames[stem_slot(stem)]);
}

std::string branch_name(i16 branch) {
  return branch == 0 ? std::string() : std::string(branchNames[branch_slot(branch)]);
}

std::string ten_god_star(i16 day_stem, i16 other_stem) {
  i16 sign = 0;
  return tsuhensei(day_stem, other_stem, sign) + "星";
}

// The seven lines of one pillar; the day pillar shows its stem without a ten-god star.
void add_pillar(std::vector<std::string>& lines, std::string_view label, const Pillar& pillar,
                i16 day_stem, i16 days, bool is_day, const std::string& stars) {
  lines.push_back("　-----< " + std::string(label) + " >-----");
  std::string stem_line = "　　天干　　　　" + stem_name(pillar.stem);
  if (!is_day) stem_line += "　" + ten_god_star(day_stem, pillar.stem);
  lines.push_back(stem_line);
  lines.push_back("　　地支　　　　" + branch_name(pillar.branch));
  const i16 hidden = hiddenStem(days, pillar.branch);
  lines.push_back("　　蔵干　　　　" + stem_name(hidden) + "　" + ten_god_star(day_stem, hidden));
  lines.push_back("　　十二運星　　" + juniun(day_stem, pillar.branch));
  lines.push_back("　　吉凶神殺星　" + two_line_split(stars));
  lines.emplace_back();
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace

std::string etohg(const ProgramState& state, i16 hour_choice, i16 minute_choice) {
  return trap("etohg", [&]() -> std::string {
    const DateSlot& birth = state.slots[0];
    check_month_and_day(birth.month, birth.day);
    const BirthTime time = birth_time_from_choices(hour_choice, minute_choice);
    const i16 mode = state.calendar_mode;
    const FourPillars p = four_pillars_of(mode, birth.year, birth.month, birth.day, time);
    const i16 days =
        daysSinceSetsuiri(mode, birth.year, birth.month, birth.day, time.hour, time.minute);
    const i16 me = p.day.stem;

    std::vector<std::string> lines;
    add_pillar(lines, "年", p.year, me, days, false,
               stemStars(me, p.year.branch) +
                   monthStars(p.month.branch, p.year.branch, p.year.stem) +
                   branchStars(p.day.branch, p.year.branch));
    add_pillar(
        lines, "月", p.month, me, days, false,
        branchStars(p.year.branch, p.month.branch) + branchStars(p.day.branch, p.month.branch));
    add_pillar(lines, "日", p.day, me, days, true, branchStars(p.year.branch, p.day.branch));
    add_pillar(
        lines, "時", p.hour, me, days, false,
        branchStars(p.year.branch, p.hour.branch) + branchStars(p.day.branch, p.hour.branch));

    lines.push_back("　--<空亡>--　　" + void_branches(p.day) + "　" +
                    strengthText(strength_score(p, days)));
    lines.push_back("　　　　　　" + kaigou(me, p.day.branch) +
                    shihai(me, p.day.branch, p.month.branch) + insakuyousa(p) + kakukokoou(p));

    i16 term_time = 0;
    const i16 term_day = setut(birth.year, birth.month, term_time);
    lines.push_back("　※注 " + std::to_string(birth.month) + "月の節入を" +
                    std::to_string(term_day) + "日" + std::to_string(term_time / 100) + "時" +
                    char_right(std::to_string(term_time), 2) + "分で計算。");
    return join_lines(lines);
  });
}

}  // namespace pelmira
