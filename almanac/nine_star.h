#pragma once
// Three readings of a birth date: the nine-star sign of the birth year (九星), the
// animal-fortune animal of the birth day and the nacchin (納音) of the birth year. The
// nine-star and nacchin years begin at 立春, not on 1 January.

#include <string>

#include "core/checked.h"

namespace pelmira {

// The year a birth date belongs to when years begin at 立春: the year before for a date
// earlier than the 立春 day of its year; a birthday on the 立春 day belongs to the new year.
// No trap of its own.
i16 year_from_risshun(i16 year, i16 month, i16 day);

// The sexagenary number 1..60 of a day number: 1 on the 甲子 days (day number mod 60 = 10),
// 60 on the 癸亥 days. 32-bit; no trap of its own.
i16 day_sexagenary_number(i32 day_number);

// The nine-star sign of the birth year from 立春: style 0 "九紫火星(きゆうしかせい)", style 1
// the name only, any other style the empty text. Reports errors as "kigaku".
std::string kigaku(i16 year, i16 month, i16 day, int style);

// The animal of the birth day's sexagenary number (the day number in the calendar mode);
// `reading` gets its reading ("トラ" for 虎) or the empty text. No trap of its own.
std::string animalFortune(i16 mode, i16 year, i16 month, i16 day, std::string& reading);

// The nacchin name of the birth year from 立春 ("海中の金" for 1984). No trap of its own.
std::string nacchin(i16 year, i16 month, i16 day);

}  // namespace pelmira
