#include "core/eras.h"

#include <array>
#include <cstddef>
#include <span>

#include "core/trap.h"

namespace pelmira {
namespace {

constexpr std::string_view kWestern = "西暦";

// An era and the date key from which it applies. A start may hold month or day 00 (a whole
// year, or before day 1 of the month) or the 30th of February; it is compared as a number.
struct EraEntry {
  std::string_view name;
  i32 start;
};

constexpr i32 start_year(const EraEntry& entry) {
  return entry.start / 10000;
}

// Modern eras, used when dates are typed and shown in era form; from 2118 years are Western
// again (era years stay at most 99).
constexpr std::array<EraEntry, 7> kModernEras{{
    {kWestern, 0},
    {"明治", 18680101},
    {"大正", 19120730},
    {"昭和", 19261225},
    {"平成", 19890107},
    {"令和", 20190501},
    {kWestern, 21171232},
}};

// Historical eras from 大化 on, in ranges of date keys. Each line after the first range
// begins with the era running at the range's start (with its true start), so its years
// carry on across ranges. The reign names in parentheses stand where no era name exists.
constexpr std::array<EraEntry, 46> kFrom645{{
    {"", 0},
    {"大化", 6450619},
    {"白雉", 6500215},
    {"(斉明)", 6550101},
    {"(天智)", 6620000},
    {"(天武)", 6730000},
    {"朱鳥", 6860720},
    {"大宝", 7010321},
    {"慶雲", 7040510},
    {"和銅", 7080111},
    {"霊亀", 7150902},
    {"養老", 7171117},
    {"神亀", 7240204},
    {"天平", 7290805},
    {"天平感宝", 7490414},
    {"天平勝宝", 7490702},
    {"天平宝字", 7570818},
    {"天平神護", 7650107},
    {"神護景雲", 7670816},
    {"宝亀", 7701001},
    {"天応", 7810101},
    {"延暦", 7820819},
    {"大同", 8060518},
    {"弘仁", 8100919},
    {"天長", 8240105},
    {"承和", 8340103},
    {"嘉祥", 8480613},
    {"仁寿", 8510428},
    {"斉衡", 8541130},
    {"天安", 8570221},
    {"貞観", 8590415},
    {"元慶", 8770416},
    {"仁和", 8850221},
    {"寛平", 8890427},
    {"昌泰", 8980426},
    {"延喜", 9010715},
    {"延長", 9230411},
    {"承平", 9310426},
    {"天慶", 9380522},
    {"天暦", 9470422},
    {"天徳", 9571027},
    {"応和", 9610216},
    {"康保", 9640710},
    {"安和", 9680813},
    {"天禄", 9700325},
    {"天延", 9731220},
}};

constexpr std::array<EraEntry, 47> kFrom976{{
    {"天延", 9731220},  {"貞元", 9760713},  {"天元", 9781129},  {"永観", 9830415},
    {"寛和", 9850427},  {"永延", 9870405},  {"永祚", 9890808},  {"正暦", 9901107},
    {"長徳", 9950222},  {"長保", 9990113},  {"寛弘", 10040720}, {"長和", 10121225},
    {"寛仁", 10170423}, {"治安", 10210202}, {"万寿", 10240713}, {"長元", 10280725},
    {"長暦", 10370421}, {"長久", 10401110}, {"寛徳", 10441124}, {"永承", 10460414},
    {"天喜", 10530111}, {"康平", 10580829}, {"治暦", 10650802}, {"延久", 10690413},
    {"承保", 10740823}, {"承暦", 10771117}, {"永保", 10810210}, {"応徳", 10840207},
    {"寛治", 10870407}, {"嘉保", 10941215}, {"永長", 10961217}, {"承徳", 10971121},
    {"康和", 10990828}, {"長治", 11040210}, {"嘉承", 11060409}, {"天仁", 11080803},
    {"天永", 11100713}, {"永久", 11130713}, {"元永", 11180403}, {"保安", 11200410},
    {"天治", 11240403}, {"大治", 11260122}, {"天承", 11310129}, {"長承", 11320811},
    {"保延", 11350427}, {"永治", 11410710}, {"康治", 11420428},
}};

constexpr std::array<EraEntry, 47> kFrom1144{{
    {"康治", 11420428}, {"天養", 11440223}, {"久安", 11450722}, {"仁平", 11510126},
    {"久寿", 11541028}, {"保元", 11560427}, {"平治", 11590420}, {"永暦", 11600110},
    {"応保", 11610904}, {"長寛", 11630329}, {"永万", 11650605}, {"仁安", 11660827},
    {"嘉応", 11690408}, {"承安", 11710421}, {"安元", 11750728}, {"治承", 11770804},
    {"養和", 11810714}, {"寿永", 11820527}, {"元暦", 11840416}, {"文治", 11850814},
    {"建久", 11900411}, {"正治", 11990427}, {"建仁", 12010213}, {"元久", 12040220},
    {"建永", 12060427}, {"承元", 12071025}, {"建暦", 12110309}, {"建保", 12131206},
    {"承久", 12190412}, {"貞応", 12220413}, {"元仁", 12241120}, {"嘉禄", 12250420},
    {"安貞", 12271210}, {"寛喜", 12290305}, {"貞永", 12320402}, {"天福", 12330415},
    {"文暦", 12341105}, {"嘉禎", 12350919}, {"暦仁", 12381123}, {"延応", 12390207},
    {"仁治", 12400716}, {"寛元", 12430226}, {"宝治", 12470228}, {"建長", 12490318},
    {"康元", 12561005}, {"正嘉", 12570314}, {"正元", 12590326},
}};

constexpr std::array<EraEntry, 23> kFrom1260{{
    {"正元", 12590326}, {"文応", 12600413}, {"弘長", 12610220}, {"文永", 12640228},
    {"建治", 12750425}, {"弘安", 12780229}, {"正応", 12880428}, {"永仁", 12930805},
    {"正安", 12990425}, {"乾元", 13021121}, {"嘉元", 13030805}, {"徳治", 13061214},
    {"延慶", 13081009}, {"応長", 13110428}, {"正和", 13120320}, {"文保", 13170203},
    {"元応", 13190428}, {"元亨", 13210223}, {"正中", 13241209}, {"嘉暦", 13260426},
    {"元徳", 13290829}, {"元弘", 13310809}, {"建武", 13341232},
}};

constexpr std::array<EraEntry, 3> kFrom1260Second{{
    {"", 0},
    {"正慶", 13320428},
    {"", 13340129},
}};

constexpr std::array<EraEntry, 10> kSouthernFrom1335{{
    {"建武", 13350101},
    {"延元", 13360229},
    {"興国", 13400428},
    {"正平", 13461228},
    {"建徳", 13700724},
    {"文中", 13720400},
    {"天授", 13750527},
    {"弘和", 13810210},
    {"元中", 13840428},
    {"", 13921000},
}};

constexpr std::array<EraEntry, 17> kNorthernFrom1335{{
    {"建武", 13350101},
    {"暦応", 13380828},
    {"康永", 13420427},
    {"貞和", 13451021},
    {"観応", 13500227},
    {"文和", 13520927},
    {"延文", 13560328},
    {"康安", 13610329},
    {"貞治", 13620923},
    {"応安", 13680218},
    {"永和", 13750227},
    {"康暦", 13790322},
    {"永徳", 13810224},
    {"至徳", 13840227},
    {"嘉慶", 13870823},
    {"康応", 13890209},
    {"明徳", 13900326},
}};

constexpr std::array<EraEntry, 25> kFrom1393{{
    {"明徳", 13900326}, {"応永", 13940705}, {"正長", 14280427}, {"永享", 14290905},
    {"嘉吉", 14410217}, {"文安", 14440205}, {"宝徳", 14490728}, {"享徳", 14520725},
    {"康正", 14550725}, {"長禄", 14570928}, {"寛正", 14601221}, {"文正", 14660228},
    {"応仁", 14670305}, {"文明", 14690428}, {"長享", 14870720}, {"延徳", 14890821},
    {"明応", 14920719}, {"文亀", 15010229}, {"永正", 15040230}, {"大永", 15210823},
    {"享禄", 15280820}, {"天文", 15320729}, {"弘治", 15551023}, {"永禄", 15580228},
    {"元亀", 15700423},
}};

constexpr std::array<EraEntry, 44> kFrom1573{{
    {"元亀", 15700423}, {"天正", 15730728}, {"文禄", 15921208}, {"慶長", 15961027},
    {"元和", 16150713}, {"寛永", 16240230}, {"正保", 16441216}, {"慶安", 16480215},
    {"承応", 16520918}, {"明暦", 16550413}, {"万治", 16580723}, {"寛文", 16610425},
    {"延宝", 16730921}, {"天和", 16810929}, {"貞享", 16840221}, {"元禄", 16880930},
    {"宝永", 17040313}, {"正徳", 17110425}, {"享保", 17160622}, {"元文", 17360400},
    {"寛保", 17410227}, {"延享", 17440221}, {"寛延", 17480712}, {"宝暦", 17511027},
    {"明和", 17640602}, {"安永", 17721116}, {"天明", 17810402}, {"寛政", 17890125},
    {"享和", 18010205}, {"文化", 18040211}, {"文政", 18180422}, {"天保", 18301210},
    {"弘化", 18441202}, {"嘉永", 18480228}, {"安政", 18541127}, {"万延", 18600318},
    {"文久", 18610219}, {"元治", 18640220}, {"慶応", 18650407}, {"明治", 18680908},
    {"大正", 19120730}, {"昭和", 19261225}, {"平成", 19890107}, {"令和", 20190501},
}};

constexpr std::array<EraEntry, 1> kWesternOnly{{{kWestern, 0}}};
constexpr std::array<EraEntry, 1> kNoSecondLine{{{"", 0}}};

struct EraRange {
  i32 from;  // first date key of the range; it runs to the next range's start
  std::span<const EraEntry> main_line;
  std::span<const EraEntry> second_line;
  std::string_view main_prefix;
  std::string_view second_prefix;
};

// 1335-1392: the southern court on the main line, the northern on the second.
constexpr std::array<EraRange, 9> kRanges{{
    {0, kWesternOnly, kNoSecondLine, "", ""},
    {6450619, kFrom645, kNoSecondLine, "", ""},
    {9760713, kFrom976, kNoSecondLine, "", ""},
    {11440223, kFrom1144, kNoSecondLine, "", ""},
    {12600000, kFrom1260, kFrom1260Second, "", ""},
    {13341232, kSouthernFrom1335, kNorthernFrom1335, "(南朝)", "(北朝)"},
    {13930000, kFrom1393, kNoSecondLine, "", ""},
    {15730728, kFrom1573, kNoSecondLine, "", ""},
    {21180000, kWesternOnly, kNoSecondLine, "", ""},
}};

i32 date_key(i16 year, i16 month, i16 day) {
  return add32(add32(mul32(year, 10000), mul32(month, 100)), day);
}

// The range holding a key; keys below the second range's start belong to the first.
const EraRange& range_of(i32 key) {
  const EraRange* found = &kRanges[0];
  for (const EraRange& range : kRanges)
    if (range.from <= key) found = &range;
  return *found;
}

// The last entry of a line (before `end`) that has started by the key, or -1.
std::ptrdiff_t last_started(std::span<const EraEntry> line, std::ptrdiff_t end, i32 key) {
  for (std::ptrdiff_t i = end - 1; i >= 0; --i)
    if (line[static_cast<std::size_t>(i)].start <= key) return i;
  return -1;
}

// The text of a started entry: name and era year ("西暦" counts the year itself). A reign
// name that takes over within a whole year also shows the era it follows ("(天智)1年
// (斉明)8年"; nothing is added when there is none, as for "西暦" in year 0). An entry
// without a name ends the line's era: its text is empty.
std::string entry_text(std::span<const EraEntry> line, std::ptrdiff_t index,
                       std::string_view prefix, i16 year, i32 key) {
  const EraEntry& entry = line[static_cast<std::size_t>(index)];
  if (entry.name.empty()) return {};
  const i32 era_year = entry.name == kWestern ? year : add32(sub32(year, start_year(entry)), 1);
  std::string text =
      std::string(prefix) + std::string(entry.name) + std::to_string(era_year) + "年";
  const bool whole_year = entry.start % 10000 == 0;
  if (whole_year && start_year(entry) == year) {
    const std::ptrdiff_t before = last_started(line, index, key);
    if (before >= 0) {
      const std::string previous = entry_text(line, before, prefix, year, key);
      if (!previous.empty()) text += " " + previous;
    }
  }
  return text;
}

// The historical text of one line: that of the last entry started by the key, or empty.
std::string line_text(std::span<const EraEntry> line, std::string_view prefix, i16 year, i32 key) {
  const std::ptrdiff_t last = last_started(line, static_cast<std::ptrdiff_t>(line.size()), key);
  return last < 0 ? std::string() : entry_text(line, last, prefix, year, key);
}

}  // namespace

i16 nnen(std::string_view era_name, i16 era_year) {
  return trap("nnen", [&]() -> i16 {
    if (era_name == "明治") return add16(era_year, 1867);
    if (era_name == "大正") return add16(era_year, 1911);
    if (era_name == "昭和") return add16(era_year, 1925);
    if (era_name == "平成") return add16(era_year, 1988);
    if (era_name == "令和") return add16(era_year, 2018);
    return era_year;
  });
}

std::string nneng(i16 year, i16 month, i16 day, i16& era_year, std::string& main_text,
                  std::string& second_text) {
  return trap("nneng", [&]() -> std::string {
    const i32 key = date_key(year, month, day);
    const EraEntry* modern = &kModernEras[0];
    for (const EraEntry& entry : kModernEras)
      if (entry.start <= key) modern = &entry;
    era_year = modern->name == kWestern ? year : sub16(year, start_year(*modern) - 1);

    const EraRange& range = range_of(key);
    main_text = line_text(range.main_line, range.main_prefix, year, key);
    second_text = line_text(range.second_line, range.second_prefix, year, key);
    return std::string(modern->name);
  });
}

}  // namespace pelmira
