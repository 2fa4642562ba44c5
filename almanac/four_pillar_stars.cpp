#include "almanac/four_pillar_stars.h"

#include <array>
#include <string_view>

#include "almanac/names.h"

namespace pelmira {
namespace {

// Whether a list of stem and branch names (one 3-byte character each) holds the name. The
// names are distinct whole characters, so a substring match cannot straddle two of them.
bool names_hold(std::string_view names, std::string_view name) {
  return !name.empty() && names.find(name) != std::string_view::npos;
}

constexpr std::array<std::string_view, 9> kStemStarNames{
    "天乙貴神", "大極貴神", "文昌貴神", "福星貴神", "天厨貴神", "金与禄", "紅艶", "羊刃", "飛刃"};

// The branches of each stem star, by day stem (slots 1..10 from 甲).
constexpr std::array<std::array<std::string_view, 9>, 11> kStemStarBranches{{
    {},
    {"丑未", "子午", "巳", "寅", "巳", "辰", "午", "卯", "酉"},      // 甲
    {"子申", "子午", "午", "丑亥", "午", "巳", "申", "辰", "戌"},    // 乙
    {"酉亥", "酉卯", "申", "戌子", "巳", "未", "寅", "午", "子"},    // 丙
    {"酉亥", "酉卯", "酉", "酉", "午", "申", "未", "未", "丑"},      // 丁
    {"丑未", "丑辰未戌", "申", "申", "申", "未", "辰", "午", "子"},  // 戊
    {"子申", "丑辰未戌", "酉", "未", "酉", "申", "辰", "未", "丑"},  // 己
    {"丑未", "寅亥", "亥", "午", "亥", "戌", "戌", "酉", "卯"},      // 庚
    {"寅午", "寅亥", "子", "巳", "子", "亥", "酉", "戌", "辰"},      // 辛
    {"卯巳", "巳申", "寅", "辰", "寅", "丑", "子", "子", "午"},      // 壬
    {"卯巳", "巳申", "卯", "丑", "卯", "寅", "申", "丑", "未"},      // 癸
}};

constexpr std::array<std::string_view, 5> kMonthStarNames{"天徳貴神", "天徳合", "月徳貴神",
                                                          "月徳合", "華蓋"};

// The stem or branch each month star names, by month branch (slots 1..12 from 子), one
// character per star in the order of kMonthStarNames.
constexpr std::array<std::string_view, 13> kMonthStarSigns{
    "",           "巳申壬丁辰", "庚乙庚乙丑", "丁壬丙辛戌", "申巳甲己未",
    "壬丁壬丁辰", "辛丙庚乙丑", "亥寅丙辛戌", "甲己甲己未", "癸戊壬丁辰",
    "寅亥庚乙丑", "丙辛丙辛戌", "乙庚甲己未"};

// 咸池 by (key branch mod 4); 亡神, 駅馬 and 劫殺 at the branch (i - key) mod 4 of these.
constexpr std::array<std::string_view, 4> kSalaciousBranches{"子", "酉", "午", "卯"};
constexpr std::array<std::string_view, 4> kHorseBranches{"寅", "巳", "申", "亥"};
constexpr std::array<std::string_view, 3> kBranchStarNames{"亡神", "駅馬", "劫殺"};

// Whether a pillar is one of the stem-and-branch pairs written one after another in `pairs`.
bool is_one_of(const Pillar& p, std::string_view pairs) {
  if (p.stem == 0 || p.branch == 0) return false;
  const std::string pair =
      std::string(stemNames[stem_slot(p.stem)]) + std::string(branchNames[branch_slot(p.branch)]);
  for (std::size_t pos = 0; pos + pair.size() <= pairs.size(); pos += pair.size())
    if (pairs.substr(pos, pair.size()) == pair) return true;
  return false;
}

// Whether every stem and branch of the four pillars is given: the hour pillar of a birth
// without a time is 0 and 0.
bool all_given(const FourPillars& p) {
  for (const Pillar& pillar : {p.year, p.month, p.day, p.hour})
    if (pillar.stem == 0 || pillar.branch == 0) return false;
  return true;
}

constexpr std::string_view kInsakuyousaPairs = "壬辰戊寅戊申丁丑癸巳辛酉丙子丙午壬戌辛卯丁未癸丑";
constexpr std::string_view kKakukokoouPairs = "乙巳辛亥甲寅戊午壬申丙午壬子丁巳";

}  // namespace

std::string stemStars(i16 day_stem, i16 branch) {
  if (day_stem == 0 || branch == 0) return {};
  const auto& row = kStemStarBranches[stem_slot(day_stem)];
  const std::string_view name = branchNames[branch_slot(branch)];
  std::string stars;
  for (std::size_t i = 0; i < row.size(); ++i)
    if (names_hold(row[i], name)) stars += std::string(kStemStarNames[i]) + " ";
  return stars;
}

std::string monthStars(i16 month_branch, i16 branch, i16 stem) {
  if (month_branch == 0 || branch == 0 || stem == 0) return {};
  const std::string_view signs = kMonthStarSigns[branch_slot(month_branch)];
  const std::string_view own_branch = branchNames[branch_slot(branch)];
  const std::string_view own_stem = stemNames[stem_slot(stem)];
  std::string stars;
  for (std::size_t i = 0; i < kMonthStarNames.size(); ++i) {
    const std::string_view sign = signs.substr(i * kNameBytes, kNameBytes);
    if (sign == own_branch || sign == own_stem) stars += std::string(kMonthStarNames[i]) + " ";
  }
  return stars;
}

std::string branchStars(i16 key_branch, i16 branch) {
  if (key_branch == 0 || branch == 0) return {};
  branch_slot(key_branch);  // only 1..12 are keys
  const std::string_view name = branchNames[branch_slot(branch)];
  std::string stars;
  if (name == kSalaciousBranches[static_cast<std::size_t>(key_branch % 4)]) stars += "咸池 ";
  for (int i = 0; i < 3; ++i) {
    const auto slot = static_cast<std::size_t>(floor_mod(i - key_branch, 4));
    if (name == kHorseBranches[slot])
      stars += std::string(kBranchStarNames[static_cast<std::size_t>(i)]) + " ";
  }
  return stars;
}

std::string kaigou(i16 day_stem, i16 day_branch) {
  return is_one_of({day_stem, day_branch}, "戊戌庚戌庚辰壬辰") ? "魁ごう " : "";
}

std::string shihai(i16 day_stem, i16 day_branch, i16 month_branch) {
  if (month_branch == 0) return {};
  const std::string_view month = branchNames[branch_slot(month_branch)];
  const Pillar day{day_stem, day_branch};
  const bool applies = (is_one_of(day, "甲寅") && names_hold("申酉", month)) ||
                       (is_one_of(day, "庚申") && names_hold("寅卯", month)) ||
                       (is_one_of(day, "丙午") && names_hold("子丑", month)) ||
                       (is_one_of(day, "壬子") && names_hold("午巳", month));
  return applies ? "四廃 " : "";
}

std::string insakuyousa(const FourPillars& p) {
  const bool applies =
      all_given(p) && is_one_of(p.day, kInsakuyousaPairs) &&
      (is_one_of(p.year, kInsakuyousaPairs) || is_one_of(p.month, kInsakuyousaPairs) ||
       is_one_of(p.hour, kInsakuyousaPairs));
  return applies ? "陰錯陽差 " : "";
}

std::string kakukokoou(const FourPillars& p) {
  const bool applies =
      all_given(p) && (is_one_of(p.day, kKakukokoouPairs) || is_one_of(p.hour, kKakukokoouPairs)) &&
      (is_one_of(p.year, kKakukokoouPairs) || is_one_of(p.month, kKakukokoouPairs));
  return applies ? "寡鵠孤鶯 " : "";
}

}  // namespace pelmira
