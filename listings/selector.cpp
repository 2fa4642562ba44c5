#include "listings/selector.h"

#include "almanac/names.h"
#include "core/checked.h"
#include "core/trap.h"

namespace pelmira {
namespace {

struct KindNames {
  std::string_view menu;
  std::string_view title;
};

constexpr std::array<KindNames, kListingKindCount> kKinds{{
    {"学校", "学校"},
    {"年齢", "年齢"},
    {"干支", "干支"},
    {"結婚記念", "結婚記念日"},
    {"七五三と算賀", "七五三と算賀"},
    {"命日", "命日"},
    {"厄年", "厄年"},
    {"２４節気", "２４節気"},
    {"月日が一致する人を表示", "月日が一致した人"},
    {"占い", "占い"},
    {"年月日の情報", "年月日の情報"},
    {"日数の計算", "日数の計算"},
}};

const KindNames& kind_names(i16 kind) {
  if (kind < 0 || kind >= kListingKindCount) raise_error(err::kSubscript);
  return kKinds[static_cast<std::size_t>(kind)];
}

constexpr std::string_view kPersonalTooltip = "個人の情報。";
constexpr std::string_view kThisYearTooltip = "今年(現在)の該当を表示";

// "子(1)" ... "亥(12)" after an empty first item.
template <std::size_t N>
std::vector<std::string> numbered_names(const std::array<std::string_view, N>& names) {
  std::vector<std::string> items{""};
  for (std::size_t i = 1; i < N; ++i)
    items.push_back(std::string(names[i]) + "(" + std::to_string(i) + ")");
  return items;
}

void fill_zodiac_boxes(const ProgramState& state, ListingSession& session,
                       ListingControls& controls) {
  const i64 branch = mod_trunc(add16(state.slots[0].year, 8), 12) + 1;
  if (branch < 1) raise_error(err::kInvalidCall);  // a year the boxes have no branch for
  controls.combos[0].items = numbered_names(branchNames);
  controls.combos[0].selected = static_cast<int>(branch);
  controls.combos[1].items = numbered_names(stemNames);
  controls.combos[1].selected = -1;
  controls.combos[0].tooltip = "十二支を指定します。";
  controls.combos[1].tooltip = "十干を指定します。";
  session.branch_choice = static_cast<i16>(branch);
  session.stem_choice = 0;
}

void fill_clock_boxes(const ListingSession& session, ListingControls& controls) {
  std::vector<std::string> hours{"時の未指定"};
  for (int h = 0; h <= 23; ++h) hours.push_back("　" + std::to_string(h) + "　時");
  std::vector<std::string> minutes{"分の未指定"};
  for (int m = 0; m <= 59; ++m) minutes.push_back("　" + std::to_string(m) + "　分");
  controls.combos[0].items = std::move(hours);
  controls.combos[1].items = std::move(minutes);
  controls.combos[0].selected = session.hour_choice;
  controls.combos[1].selected = session.minute_choice;
  controls.combos[0].tooltip = controls.combos[1].tooltip = "四柱推命の時間指定用です。";
}

void fill_period_boxes(const ProgramState& state, ListingSession& session,
                       ListingControls& controls) {
  const i16 now_year = state.slots[1].year;
  std::vector<std::string> years{"年を指定"};
  for (i32 y = sub16(now_year, 20); y <= add16(now_year, 10); ++y)
    years.push_back("　" + std::to_string(y) + "　年");
  std::vector<std::string> months{"月の指定", "1/1～12/31"};
  for (int m = 1; m <= 12; ++m) months.push_back("　" + std::to_string(m) + "　月");
  controls.combos[0].items = std::move(years);
  controls.combos[1].items = std::move(months);
  controls.combos[0].selected = controls.combos[1].selected = 0;
  controls.combos[0].tooltip = "年数を指定すると1/1～12/31の1年間で計算します。";
  controls.combos[1].tooltip = "月を指定すると1日～末日までの1ヶ月で計算します。";
  session.year_choice = session.month_choice = 0;
}

}  // namespace

std::string_view listing_menu_caption(i16 kind) {
  return kind_names(kind).menu;
}
std::string_view listing_title_word(i16 kind) {
  return kind_names(kind).title;
}

ModeLabels TanMeiKH(i16 kind) {
  switch (kind) {
    case kListingWedding:
      return {"結婚", "結婚後", "年", "記念日"};
    case kListingMemorial:
      return {"死去", "死去後", "年", "命日"};
    default:
      return {"誕生", "満年齢", "歳", "誕生日"};
  }
}

std::string listing_pane_caption(i16 kind) {
  return " 　一覧表示   " + std::string(listing_title_word(kind)) + "     ";
}

ListingSession initial_listing_session(const ProgramState& state, int stored_kind) {
  ListingSession session;
  session.kind = stored_kind < 0 ? i16{kListingFortune}
                                 : static_cast<i16>(std::min(stored_kind, kListingKindCount - 1));
  const LocalDateTime now = state.now();
  session.hour_choice = static_cast<i16>(now.hour + 1);
  session.minute_choice = static_cast<i16>(now.minute + 1);
  return session;
}

std::optional<i16> chosen_hour(const ListingSession& session) {
  if (session.hour_choice < 1 || session.hour_choice > 24) return std::nullopt;
  return static_cast<i16>(session.hour_choice - 1);
}

std::optional<i16> chosen_minute(const ListingSession& session) {
  if (session.minute_choice < 1 || session.minute_choice > 60) return std::nullopt;
  return static_cast<i16>(session.minute_choice - 1);
}

void itiranHKoum(const ProgramState& state, ListingSession& session, ListingControls& controls) {
  trap("itiranHKoum", [&] {
    const i16 kind = session.kind;
    switch (kind) {
      case kListingSchool:
      case kListingAges:
        controls.side_tooltips = {"履歴書の作成にはこちらを参考に。",
                                  std::string(kThisYearTooltip)};
        break;
      case kListingZodiacYears:
        fill_zodiac_boxes(state, session, controls);
        break;
      case kListingCeremonies:
      case kListingMemorial:
      case kListingUnluckyYears:
      case kListingSolarTerms:
        controls.side_tooltips = {std::string(kPersonalTooltip), std::string(kThisYearTooltip)};
        break;
      case kListingSameDate:
      case kListingDateInfo:
        controls.side_tooltips = {"", ""};
        break;
      case kListingFortune:
        fill_clock_boxes(session, controls);
        break;
      case kListingDayCounts:
        fill_period_boxes(state, session, controls);
        break;
      default:
        break;  // the wedding listing keeps the tooltips it had
    }
    const bool uses_boxes =
        kind == kListingZodiacYears || kind == kListingFortune || kind == kListingDayCounts;
    controls.sides_visible = !uses_boxes;
    controls.combos_visible = uses_boxes;
    controls.side_selected = session.side;

    const ModeLabels labels = TanMeiKH(kind);
    controls.pane_caption = listing_pane_caption(kind);
    controls.side_caption = labels.side_name + "から計算";
    controls.calendar_month_caption = labels.side_name + "月";
    controls.entry_side_caption = labels.side_name;
    controls.today_menu_caption = labels.side_name + "の年月日を今日にする";
    controls.sort_menu_caption = labels.day_name + "までの日数";
  });
}

}  // namespace pelmira
