#pragma once
// The lucky and unlucky stars (吉凶神殺星) of the four pillars. Each lookup returns the names
// of the stars that apply, each followed by one half-width space, in a fixed order, and the
// empty text when none applies or a stem or branch it takes is 0. No trap of their own.

#include <string>

#include "almanac/four_pillars.h"
#include "core/checked.h"

namespace pelmira {

// Stars keyed by the day stem and found at a branch: 天乙貴神 大極貴神 文昌貴神 福星貴神
// 天厨貴神 金与禄 紅艶 羊刃 飛刃.
std::string stemStars(i16 day_stem, i16 branch);

// Stars keyed by the month branch that name the pillar's branch or stem: 天徳貴神 天徳合
// 月徳貴神 月徳合 華蓋.
std::string monthStars(i16 month_branch, i16 branch, i16 stem);

// Stars keyed by a branch (the year's or the day's) found at another: 咸池 亡神 駅馬 劫殺.
std::string branchStars(i16 key_branch, i16 branch);

// "魁ごう " for the days 戊戌, 庚戌, 庚辰 and 壬辰.
std::string kaigou(i16 day_stem, i16 day_branch);

// "四廃 " for 甲寅 in a 申 or 酉 month, 庚申 in 寅 or 卯, 丙午 in 子 or 丑, 壬子 in 午 or 巳.
std::string shihai(i16 day_stem, i16 day_branch, i16 month_branch);

// "陰錯陽差 " when the day pillar and one of the other three are among its twelve pairs.
// Both this and kakukokoou take all four pillars: without a birth time (an hour pillar of 0)
// they give the empty text.
std::string insakuyousa(const FourPillars& pillars);

// "寡鵠孤鶯 " when the day or hour pillar and the year or month pillar are among its eight
// pairs.
std::string kakukokoou(const FourPillars& pillars);

}  // namespace pelmira
