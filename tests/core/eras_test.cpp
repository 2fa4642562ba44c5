// Era names: era years to Western years, the modern era of a date and the historical texts.

#include "core/eras.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/calendar.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

struct EraOfDate {
  std::string modern;
  i16 era_year = 0;
  std::string main_text;
  std::string second_text;
};

EraOfDate era_of(i16 year, i16 month, i16 day) {
  EraOfDate out;
  out.modern = nneng(year, month, day, out.era_year, out.main_text, out.second_text);
  return out;
}

struct ModernRow {
  const char* name;
  i16 year, month, day;
  const char* era;
  i16 era_year;
};

TEST(ModernEra, EachEraStartsOnItsDay) {
  const ModernRow rows[] = {
      {"year_one", 1, 1, 1, "西暦", 1},
      {"before_meiji", 1867, 12, 31, "西暦", 1867},
      {"meiji_starts_on_new_year", 1868, 1, 1, "明治", 1},
      {"meiji_in_keiou_4", 1868, 5, 1, "明治", 1},
      {"meiji_45", 1912, 7, 29, "明治", 45},
      {"taisho_1", 1912, 7, 30, "大正", 1},
      {"taisho_15", 1926, 12, 24, "大正", 15},
      {"showa_1", 1926, 12, 25, "昭和", 1},
      {"showa_64", 1989, 1, 6, "昭和", 64},
      {"heisei_starts_on_the_7th", 1989, 1, 7, "平成", 1},
      {"heisei_12", 2000, 5, 3, "平成", 12},
      {"heisei_31", 2019, 4, 30, "平成", 31},
      {"reiwa_1", 2019, 5, 1, "令和", 1},
      {"reiwa_8", 2026, 1, 1, "令和", 8},
      {"reiwa_69", 2087, 12, 31, "令和", 69},
      {"reiwa_70", 2088, 1, 1, "令和", 70},
      {"reiwa_99", 2117, 12, 31, "令和", 99},
      {"western_again_from_2118", 2118, 1, 1, "西暦", 2118},
      {"largest_year", 32767, 12, 31, "西暦", 32767},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const EraOfDate e = era_of(r.year, r.month, r.day);
    EXPECT_EQ(e.modern, r.era);
    EXPECT_EQ(e.era_year, r.era_year);
  }
  EXPECT_TRUE(reporter.empty());
}

struct HistoricalRow {
  const char* name;
  i16 year, month, day;
  const char* main_text;
  const char* second_text;
};

void expect_historical(const HistoricalRow* rows, std::size_t count) {
  RecordingReporter reporter;
  for (std::size_t i = 0; i < count; ++i) {
    const HistoricalRow& r = rows[i];
    SCOPED_TRACE(r.name);
    const EraOfDate e = era_of(r.year, r.month, r.day);
    EXPECT_EQ(e.main_text, r.main_text);
    EXPECT_EQ(e.second_text, r.second_text);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(HistoricalEra, ModernBoundaries) {
  const HistoricalRow rows[] = {
      {"keiou_4_while_modern_meiji", 1868, 5, 1, "慶応4年", ""},
      {"historical_meiji_starts_in_september", 1868, 9, 8, "明治1年", ""},
      {"meiji_45", 1912, 7, 29, "明治45年", ""},
      {"taisho_1", 1912, 7, 30, "大正1年", ""},
      {"showa_1", 1926, 12, 25, "昭和1年", ""},
      {"showa_64", 1989, 1, 6, "昭和64年", ""},
      {"heisei_1", 1989, 1, 7, "平成1年", ""},
      {"heisei_31", 2019, 4, 30, "平成31年", ""},
      {"reiwa_1", 2019, 5, 1, "令和1年", ""},
      {"reiwa_69", 2087, 12, 31, "令和69年", ""},
      {"reiwa_70", 2088, 1, 1, "令和70年", ""},
      {"reiwa_99", 2117, 12, 31, "令和99年", ""},
      {"western_from_2118", 2118, 1, 1, "西暦2118年", ""},
  };
  expect_historical(rows, std::size(rows));
}

TEST(HistoricalEra, EarlyErasAndReignNames) {
  const HistoricalRow rows[] = {
      {"year_one", 1, 1, 1, "西暦1年", ""},
      {"before_taika", 600, 1, 1, "西暦600年", ""},
      {"day_before_taika", 645, 6, 18, "西暦645年", ""},
      {"taika_1", 645, 6, 19, "大化1年", ""},
      {"saimei_1", 655, 1, 1, "(斉明)1年", ""},
      {"tenji_takes_over_within_the_year", 662, 3, 1, "(天智)1年 (斉明)8年", ""},
      {"tenji_takes_over_on_new_year", 662, 1, 1, "(天智)1年 (斉明)8年", ""},
      {"tenji_2", 663, 1, 1, "(天智)2年", ""},
      {"tenmu_takes_over", 673, 6, 1, "(天武)1年 (天智)12年", ""},
      {"shuchou_runs_on_until_taihou", 700, 12, 31, "朱鳥15年", ""},
      {"taihou_1", 701, 3, 21, "大宝1年", ""},
      {"tenpyou_kanpou", 749, 4, 14, "天平感宝1年", ""},
      {"tenpyou_shouhou", 749, 7, 2, "天平勝宝1年", ""},
      {"last_of_range_two", 976, 7, 12, "天延4年", ""},
      {"first_of_range_three", 976, 7, 13, "貞元1年", ""},
      {"last_of_range_three", 1144, 2, 22, "康治3年", ""},
      {"first_of_range_four", 1144, 2, 23, "天養1年", ""},
  };
  expect_historical(rows, std::size(rows));
}

TEST(HistoricalEra, MiddleAges) {
  const HistoricalRow rows[] = {
      {"ninpei_until_kyuju", 1154, 10, 27, "仁平4年", ""},
      {"kyuju_starts_1154_10_28", 1154, 10, 28, "久寿1年", ""},
      {"kyuju_2", 1155, 1, 1, "久寿2年", ""},
      {"eiman_1", 1165, 7, 1, "永万1年", ""},
      {"ninan_1", 1166, 8, 27, "仁安1年", ""},
      {"last_of_range_four", 1259, 12, 31, "正元1年", ""},
      {"shougen_carries_on", 1260, 1, 1, "正元2年", ""},
      {"shouchuu_before_karyaku", 1326, 4, 25, "正中3年", ""},
      {"karyaku_1", 1326, 4, 26, "嘉暦1年", ""},
      {"shoukei_1", 1332, 4, 28, "元弘2年", "正慶1年"},
      {"both_lines", 1333, 1, 1, "元弘3年", "正慶2年"},
      {"shoukei_3_ends", 1334, 1, 28, "元弘4年", "正慶3年"},
      {"second_line_empty", 1334, 1, 29, "元弘4年", ""},
      {"genkou_to_the_end_of_1334", 1334, 12, 31, "元弘4年", ""},
  };
  expect_historical(rows, std::size(rows));
}

TEST(HistoricalEra, TheTwoCourts) {
  const HistoricalRow rows[] = {
      {"first_day", 1335, 1, 1, "(南朝)建武1年", "(北朝)建武1年"},
      {"kenmu_both", 1335, 6, 1, "(南朝)建武1年", "(北朝)建武1年"},
      {"engen_and_ryakuou", 1340, 1, 1, "(南朝)延元5年", "(北朝)暦応3年"},
      {"bunchuu_from_month_start", 1372, 4, 1, "(南朝)文中1年", "(北朝)応安5年"},
      {"kentoku_before_bunchuu", 1372, 3, 31, "(南朝)建徳3年", "(北朝)応安5年"},
      {"last_southern_day", 1392, 9, 30, "(南朝)元中9年", "(北朝)明徳3年"},
      {"southern_line_ends", 1392, 10, 1, "", "(北朝)明徳3年"},
      {"last_day", 1392, 12, 31, "", "(北朝)明徳3年"},
      {"one_court_again", 1393, 1, 1, "明徳4年", ""},
  };
  expect_historical(rows, std::size(rows));
}

TEST(HistoricalEra, LaterEras) {
  const HistoricalRow rows[] = {
      {"bunki_before_eishou", 1504, 2, 29, "文亀4年", ""},
      {"eishou_from_march", 1504, 3, 1, "永正1年", ""},
      {"genki_4", 1573, 7, 27, "元亀4年", ""},
      {"tenshou_1", 1573, 7, 28, "天正1年", ""},
      {"genna_10", 1624, 2, 29, "元和10年", ""},
      {"kanei_from_march", 1624, 3, 1, "寛永1年", ""},
      {"genbun_from_month_start", 1736, 4, 1, "元文1年", ""},
      {"reform_day_compared_as_typed", 1582, 10, 10, "天正10年", ""},
  };
  expect_historical(rows, std::size(rows));
}

// Walks every day from 645 to 2118: the main text may only keep its era, count one more
// year on 1 January, start a new era at year 1, or end (the southern court). This catches
// start values out of order; the names seen catch an era that can never show.
TEST(HistoricalEra, EveryDayFrom645To2118) {
  const std::regex era_text(R"(^(.*?)(-?\d+)年.*$)");
  RecordingReporter reporter;
  std::set<std::string> main_names, second_names;
  std::string previous_main = era_of(644, 12, 31).main_text;
  std::string previous_second;
  for (i16 y = 645; y <= 2118; ++y) {
    for (i16 m = 1; m <= 12; ++m) {
      const i16 last = nyou2(y, m, 1, kModeAutomatic);
      for (i16 d = 1; d <= last; ++d) {
        const EraOfDate e = era_of(y, m, d);
        for (auto [text, previous, names] :
             {std::tuple{e.main_text, &previous_main, &main_names},
              std::tuple{e.second_text, &previous_second, &second_names}}) {
          if (text == *previous) continue;
          std::smatch now, before;
          const bool parsed = std::regex_match(text, now, era_text);
          const bool before_parsed = std::regex_match(*previous, before, era_text);
          if (parsed) names->insert(now[1]);
          const bool ended = text.empty();
          const bool from_nothing = previous->empty() && parsed;
          const bool new_era = parsed && now[2] == "1" && (!before_parsed || now[1] != before[1]);
          const bool western_again = parsed && now[1] == "西暦";
          const bool next_year = parsed && before_parsed && now[1] == before[1] && m == 1 &&
                                 d == 1 && std::stoi(now[2]) == std::stoi(before[2]) + 1;
          if (!(ended || from_nothing || new_era || western_again || next_year))
            FAIL() << y << "-" << m << "-" << d << ": \"" << text << "\" after \"" << *previous
                   << "\"";
          *previous = text;
        }
      }
    }
  }
  EXPECT_TRUE(reporter.empty());
  // 235 era and reign names (the southern court's with their prefix) and "西暦".
  EXPECT_EQ(main_names.size(), 236u);
  EXPECT_EQ(second_names.size(), 18u);  // 正慶 and the northern court's 17
  EXPECT_TRUE(main_names.count("嘉暦"));
  EXPECT_FALSE(main_names.count("喜暦"));
  EXPECT_TRUE(main_names.count("令和"));
  EXPECT_FALSE(main_names.count("建武")) << "建武 shows only with a court's prefix";
}

struct NnenRow {
  const char* name;
  const char* era;
  i16 era_year;
  i16 western;
};

TEST(Nnen, EraYearToWesternYear) {
  const NnenRow rows[] = {
      {"meiji_1", "明治", 1, 1868},
      {"taisho_1", "大正", 1, 1912},
      {"showa_1", "昭和", 1, 1926},
      {"heisei_12", "平成", 12, 2000},
      {"reiwa_8", "令和", 8, 2026},
      {"reiwa_1", "令和", 1, 2019},
      {"western", "西暦", 2000, 2000},
      {"unknown_name", "天保", 5, 5},
      {"empty_name", "", -7, -7},
      {"era_year_zero", "平成", 0, 1988},
      {"negative_era_year", "令和", -3, 2015},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(nnen(r.era, r.era_year), r.western);
  }
  EXPECT_TRUE(reporter.empty());
}

TEST(Nnen, OverflowLimits) {
  struct Row {
    const char* era;
    i16 largest;  // the largest era year whose Western year fits 16 bits
  };
  const Row rows[] = {
      {"明治", 30900}, {"大正", 30856}, {"昭和", 30842}, {"平成", 30779}, {"令和", 30749},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.era);
    RecordingReporter reporter;
    EXPECT_EQ(nnen(r.era, r.largest), 32767);
    EXPECT_TRUE(reporter.empty());
    EXPECT_EQ(nnen(r.era, static_cast<i16>(r.largest + 1)), 0);
    ASSERT_EQ(reporter.places(), std::vector<std::string>{"nnen"});
    EXPECT_EQ(reporter.reports()[0].number, err::kOverflow);
  }
  RecordingReporter reporter;
  EXPECT_EQ(nnen("西暦", 32767), 32767);
  EXPECT_EQ(nnen("令和", -32768), -32768 + 2018);
  EXPECT_TRUE(reporter.empty());
}

TEST(Nneng, GarbageDatesGiveAnAnswerWithoutAReport) {
  struct Row {
    const char* name;
    i16 year, month, day;
    const char* era;
  };
  const Row rows[] = {
      {"month_13", 2000, 13, 1, "平成"},
      {"day_40", 2000, 1, 40, "平成"},
      {"extreme_values", 32767, 32767, 32767, "西暦"},
      {"negative_values", -32768, -32768, -32768, "西暦"},
      {"year_zero", 0, 1, 1, "西暦"},
  };
  RecordingReporter reporter;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(era_of(r.year, r.month, r.day).modern, r.era);
  }
  EXPECT_EQ(era_of(0, 1, 1).main_text, "西暦0年");
  EXPECT_TRUE(reporter.empty());
}

}  // namespace
}  // namespace pelmira
