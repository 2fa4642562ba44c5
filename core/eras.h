#pragma once
// Japanese era names. Modern eras (明治 to 令和, "西暦" for plain Western years) are used
// when dates are typed and shown in era form; the historical table from 大化 on gives the
// era text shown beside each date, with the two courts of 1332-1392 on two lines. Dates are
// compared as keys year * 10000 + month * 100 + day against fixed start values.

#include <string>
#include <string_view>

#include "core/checked.h"

namespace pelmira {

// The Western year of an era year: + 1867 for 明治, 1911 大正, 1925 昭和, 1988 平成,
// 2018 令和; any other name returns the year unchanged. Overflow past 32767 is reported
// as "nnen" and returns 0.
i16 nnen(std::string_view era_name, i16 era_year);

// The modern era name of a date, its era year, and the historical main and second texts
// ("平成1年", "(南朝)建武1年" / "(北朝)建武1年").
std::string nneng(i16 year, i16 month, i16 day, i16& era_year, std::string& main_text,
                  std::string& second_text);

}  // namespace pelmira
