#pragma once
// The fixed name tables of the almanac and the small lookups that turn a year, a month or a
// month and day into traditional names: the sexagenary sign of a calendar year (干支), the
// western zodiac sign, the birthstone, the old month name, the season and the flower card.
// The tables are constants; slot 0 of the one-based tables holds the empty text.

#include <array>
#include <string>
#include <string_view>

#include "core/checked.h"

namespace pelmira {

// 十二支, slots 1..12 from 子.
inline constexpr std::array<std::string_view, 13> branchNames{
    "", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 13> branchReadings{
    "", "ね", "うし", "とら", "う", "たつ", "み", "うま", "ひつじ", "さる", "とり", "いぬ", "い"};

// The animals of the twelve branches, slots 1..12 from 子.
inline constexpr std::array<std::string_view, 13> branch_animals{
    "",     "ネズミ", "ウシ", "トラ", "ウサギ", "タツ",    "ヘビ",
    "ウマ", "ヒツジ", "サル", "トリ", "イヌ",   "イノシシ"};

// 十干, slots 1..10 from 甲.
inline constexpr std::array<std::string_view, 11> stemNames{"",   "甲", "乙", "丙", "丁", "戊",
                                                            "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 11> stemReadings{
    "",         "きのえ", "きのと", "ひのえ",   "ひのと",  "つちのえ",
    "つちのと", "かのえ", "かのと", "みずのえ", "みずのと"};

// 星座, slots 1..13; slot 13 repeats 山羊 so that 22-31 December need no wrap-around.
inline constexpr std::array<std::string_view, 14> zodiacNames{
    "",   "山羊", "水瓶", "魚",   "牡羊", "牡牛", "双子",
    "蟹", "獅子", "乙女", "天秤", "蠍",   "射手", "山羊"};
inline constexpr std::array<std::string_view, 14> zodiacReadings{
    "",     "やぎ", "みずがめ", "うお",     "おひつじ", "おうし", "ふたご",
    "かに", "しし", "おとめ",   "てんびん", "さそり",   "いて",   "やぎ"};

// The first month-and-day key (100 * month + day) past each zodiac slot.
inline constexpr std::array<i16, 14> zodiac_bounds{0,   120, 219, 321,  420,  521,  622,
                                                   723, 823, 923, 1024, 1123, 1222, 1232};

// The six-star types, slots 1..6.
inline constexpr std::array<std::string_view, 7> sixStarTypes{
    "", "土星人", "金星人", "火星人", "天王星人", "木星人", "水星人"};

// The nine stars, slots 0..8; the second name is written with the katakana ニ.
inline constexpr std::array<std::string_view, 9> nineStarNames{"一白水星", "ニ黒土星", "三碧木星",
                                                               "四緑木星", "五黄土星", "六白金星",
                                                               "七赤金星", "八白土星", "九紫火星"};

// Birthstones, slots 1..12 by month.
inline constexpr std::array<std::string_view, 13> birthstones{
    "",       "ガーネット", "アメジスト", "アクアマリン", "ダイヤモンド", "エメラルド", "パール",
    "ルビー", "ペリドット", "サファイア", "オパール",     "トパーズ",     "トルコ石"};

struct NameAndReading {
  std::string_view name;
  std::string_view reading;
};

// Old month names, slots 1..12.
inline constexpr std::array<NameAndReading, 13> old_month_names{{
    {"", ""},
    {"睦月", "むつき"},
    {"如月", "きさらぎ"},
    {"弥生", "やよい"},
    {"卯月", "うづき"},
    {"皐月", "さつき"},
    {"水無月", "みなづき"},
    {"文月", "ふみづき"},
    {"葉月", "はづき"},
    {"長月", "ながつき"},
    {"神無月", "かみなづき"},
    {"霜月", "しもつき"},
    {"師走", "しわす"},
}};

// Flower cards, slots 1..12 by month.
inline constexpr std::array<NameAndReading, 13> flower_cards{{
    {"", ""},
    {"松", "まつ"},
    {"梅", "うめ"},
    {"桜", "さくら"},
    {"藤", "ふじ"},
    {"菖蒲", "あやめ、しょうぶ"},
    {"牡丹", "ぼたん"},
    {"萩", "はぎ"},
    {"薄", "すすき"},
    {"菊", "きく"},
    {"紅葉", "もみじ"},
    {"柳、雨", "やなぎ、あめ"},
    {"桐", "きり"},
}};

// Seasons, slot (month mod 12) div 3.
inline constexpr std::array<std::string_view, 4> seasons{"冬", "春", "夏", "秋"};

// School grades, slots 1..16.
inline constexpr std::array<std::string_view, 17> school_grades{
    "",         "小学一年", "小学二年", "小学三年", "小学四年", "小学五年",
    "小学六年", "中学一年", "中学二年", "中学三年", "高校一年", "高校二年",
    "高校三年", "大学一年", "大学二年", "大学三年", "大学四年"};

// The era choices of the date keypad and the search window, slots 0..5.
inline constexpr std::array<std::string_view, 6> era_choices{"西暦", "令和", "平成",
                                                             "昭和", "大正", "明治"};

// Every stem and branch name is one character, 3 bytes in UTF-8.
inline constexpr std::size_t kNameBytes = 3;

// The non-negative remainder, for positions in the cycles (12 branches, 10 stems, 60 days,
// 12 phases) counted from values that may be negative.
constexpr i64 floor_mod(i64 value, i64 divisor) {
  const i64 r = value % divisor;
  return r < 0 ? r + divisor : r;
}

// The slot of a stem or branch name (0 for a text that is none): stem_number("甲") is 1,
// branch_number("亥") is 12.
constexpr i16 stem_number(std::string_view name) {
  for (std::size_t i = 1; i < stemNames.size(); ++i)
    if (stemNames[i] == name) return static_cast<i16>(i);
  return 0;
}
constexpr i16 branch_number(std::string_view name) {
  for (std::size_t i = 1; i < branchNames.size(); ++i)
    if (branchNames[i] == name) return static_cast<i16>(i);
  return 0;
}

// A stem or branch used as a table slot: raises error 9 (subscript) outside 1..10 or 1..12.
std::size_t stem_slot(i16 stem);
std::size_t branch_slot(i16 branch);

// Raises error 9 (subscript) unless the month is 1..12 and the day 1..31: the readings of a
// birthday refuse dates that no entry or data file can hold.
void check_month_and_day(i16 month, i16 day);

// The sexagenary sign of a calendar year, counted from 1 January (the year 4 is 甲子):
// "甲子 (きのえ ね)". The out-parameters get "子が十二支で、ネズミ年になります。",
// "甲(きのえ)" and "子(ね) 　　ネズミ". A year of 0 or less returns the empty text and leaves
// them untouched. Reports errors as "eto".
std::string eto(i16 year, std::string& animal_sentence, std::string& stem_text,
                std::string& branch_text);

// The western zodiac sign of a birthday: "山羊座 (やぎ座)". A month outside 1..12 or a day
// outside 1..31 is reported as "sza" (error 9) and gives the empty text.
std::string sza(i16 month, i16 day);

// The birthstone of a month; the empty text for a month outside 1..12. Reports as "tseki".
std::string tseki(i16 month);

// "睦月(むつき)", "冬" and "松(まつ)" for January. No trap of their own: a month outside
// 1..12 raises error 9 for the caller's trap.
std::string monthOldName(i16 month);
std::string seasonOfMonth(i16 month);
std::string flowerCardOfMonth(i16 month);

}  // namespace pelmira
