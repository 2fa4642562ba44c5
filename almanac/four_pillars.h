#pragma once
// The four pillars (四柱推命) of a birth date and time: the stem and branch of the year, month,
// day and hour, the hidden stem (蔵干) of each branch, the ten-god star (通変星) of each stem
// against the day stem, the twelve-phase star (十二運星), the strength score (身旺/身弱) and the
// void branches (空亡). Stems are numbered 1..10 (甲 ... 癸) and branches 1..12 (子 ... 亥) as
// in the name tables; 0 means no value (the hour pillar of a birth time that is not given),
// and every lookup gives the empty text, 0 or no star when a stem or branch it takes is 0.
// The lookups have no trap of their own: their errors go to the caller's trap.

#include <string>

#include "core/checked.h"

namespace pelmira {

struct Pillar {
  i16 stem = 0;
  i16 branch = 0;
  bool operator==(const Pillar&) const = default;
};

struct FourPillars {
  Pillar year, month, day, hour;
};

// A birth time as the fortune view's boxes give it: hour 24 and minute 60 mean "not given",
// which counts as later than every clock time of the day.
struct BirthTime {
  i16 hour = 24;
  i16 minute = 60;
};

// The birth time of the hour and minute boxes' list indexes (0 = not given, h + 1 and
// m + 1 otherwise). An index outside the lists reads as not given.
BirthTime birth_time_from_choices(i16 hour_choice, i16 minute_choice);

// The four pillars of a birth. The year turns at the 立春 instant and the month at the
// instant of the month's 節; a birth at exactly that instant belongs to the new year or
// month. The day comes from the day number in the calendar mode and does not change at
// 23:00.
FourPillars four_pillars_of(i16 mode, i16 year, i16 month, i16 day, BirthTime time);

// The hour pillar: none for hour 24 or day stem 0; 23:00-00:59 is 子 with the stem of the
// same day's count.
void hourPillar(i16 hour, i16 day_stem, i16& hour_stem, i16& hour_branch);

// Days since the 節 of the birth month, or since the previous month's 節 for a birth before
// it (month lengths in the calendar mode).
i16 daysSinceSetsuiri(i16 mode, i16 year, i16 month, i16 day, i16 hour, i16 minute);

// The hidden stem of a branch, `days` after the 節.
i16 hiddenStem(i16 days, i16 branch);

// The ten-god star of `other_stem` against the day stem ("食神"), without "星"; `sign` gets
// its strength sign (+1 or -1, 0 for none).
std::string tsuhensei(i16 day_stem, i16 other_stem, i16& sign);

// The twelve-phase star of a branch for the day stem ("長生").
std::string juniun(i16 day_stem, i16 branch);

// Score points of the day stem's element against the season of the month branch: 3, or 2
// for a 土 month (丑 辰 未 戌), when they agree.
i16 seasonSupport(i16 day_stem, i16 month_branch);

// `weight` when the branch's element group agrees with the day stem's, otherwise 0.
i16 branchSupport(i16 day_stem, i16 branch, i16 weight);

// The strength score as text: "身弱(-3点)", "中間(0点)", "身旺(+3点)".
std::string strengthText(i16 score);

// The strength score of the pillars (the ten-god signs of the stems and hidden stems against
// the day stem plus the season and branch support). `days` is daysSinceSetsuiri.
i16 strength_score(const FourPillars& pillars, i16 days);

// The two void branches (空亡) of the day pillar: "戌亥" for a 甲子 day.
std::string void_branches(const Pillar& day);

}  // namespace pelmira
