#include "settings/options_form.h"

#include <filesystem>
#include <system_error>

#include "core/date_text.h"
#include "core/trap.h"
#include "people/data_writer.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

constexpr std::array<std::string_view, kInputItemCount> kInputItemCaptions{
    "入力", "年齢",           "日数",           "数え年",         "干支",
    "星座", "誕生石",         "誕生側年月日",   "現在側年月日",   "今日",
    "九星", "六星占術　年運", "六星占術　月運", "六星占術　日運", "動物占い"};

// By column flag. The list shows the heavenly stem (干) for flag 9 and the earthly branch
// (支) for flag 10, so the boxes are captioned by what they switch on.
constexpr std::array<std::string_view, kListColumnCount> kColumnCaptions{
    "番号", "氏名", "西暦年", "和暦年", "月日",     "曜日", "満年齢",           "数え年",
    "星座", "十干", "十二支", "学年",   "六星占術", "九星", "誕生日までの日数", "動物占い"};

// Page 0 items whose caption follows the mode labels.
constexpr int kAgeItem = 1;
constexpr int kBirthDateItem = 7;

std::string flag_text(bool flag) {
  return flag ? "1" : "0";
}

// A 0/1 flag as the programs compare it: the stored number equals 1.
bool read_flag(const SettingsStore& store, const SettingKey& key) {
  return read_double_or_default(store, key) == 1.0;
}

// An option index in 0..count-1; anything else selects the first.
i16 read_option(const SettingsStore& store, const SettingKey& key, int count) {
  const i16 index = read_i16_or_default(store, key);
  return index >= 0 && index < count ? index : 0;
}

bool is_regular_file(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

// The open dialog until `offer` takes a path; false when the user cancels.
template <class Offer>
bool choose_until_taken(MainDialogs& dialogs, const std::string& initial, std::string_view filter,
                        Offer offer) {
  std::string start = initial;
  while (true) {
    const std::optional<std::string> path =
        dialogs.choose_open_path(kOptionsFileDialogTitle, start, filter);
    if (!path) return false;
    const std::optional<OptionsMessage> refused = offer(*path);
    if (!refused) return true;
    dialogs.message(refused->title, refused->text, refused->icon);
    start = *path;
  }
}

}  // namespace

void OptionsChanges::merge(const OptionsChanges& later) {
  if (later.input_item) input_item = later.input_item;
  if (later.columns) columns = later.columns;
  if (later.name_tabs) name_tabs = later.name_tabs;
  if (later.ageing_rule) ageing_rule = later.ageing_rule;
  if (later.calendar_mode) calendar_mode = later.calendar_mode;
  list_changed = list_changed || later.list_changed;
  recompute = recompute || later.recompute;
}

bool OptionsChanges::any() const {
  return input_item || columns || name_tabs || ageing_rule || calendar_mode || list_changed ||
         recompute;
}

std::optional<i16> parse_name_tabs(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  // One digit, half-width or full-width ("１" is EF BC 91).
  int digit = -1;
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
    digit = text[0] - '0';
  } else if (text.size() == 3 && text.substr(0, 2) == "\xEF\xBC") {
    const auto last = static_cast<unsigned char>(text[2]);
    if (last >= 0x90 && last <= 0x99) digit = last - 0x90;
  }
  if (digit < kFewestNameTabs || digit > kMostNameTabs) return std::nullopt;
  return static_cast<i16>(digit);
}

void OptionsForm::load(const SettingsStore& store, const OptionsContext& context) {
  context_ = context;
  page_ = OptionsPage::kDisplay;
  saved_ = {};
  OptionsValues v;

  // Values of 15 or more (and anything that is not an item) select the first item.
  v.input_item = read_option(store, setting::kInputScreenItem, kInputItemCount);
  // A flags text shorter than sixteen characters counts as the default.
  std::string columns = read_text(store, setting::kListColumns);
  if (columns.size() < kListColumnCount) columns = kDefaultColumnSetting;
  v.columns = column_flags_from_setting(columns);
  v.tab_text = read_text(store, setting::kTabCount);

  v.start_date = read_text(store, setting::kStartBirthDate);
  v.load_start_file = read_flag(store, setting::kLoadStartFile);
  v.start_file = read_text(store, setting::kStartFile);
  v.confirm_exit = read_flag(store, setting::kConfirmExit);
  v.ageing_rule = read_option(store, setting::kAgeingRule, 2);
  v.calendar_mode = read_option(store, setting::kCalendarMode, 3);

  v.hide_without_match = read_flag(store, setting::kNoDataShow);
  v.play_sound = read_flag(store, setting::kPlaySound);
  v.auto_close = read_flag(store, setting::kAutoClose);
  v.show_holiday = read_flag(store, setting::kShowHoliday);
  v.leap_day = read_option(store, setting::kLeapDayBirthday, kLeapDayChoiceCount);
  v.notifier_path =
      readSetting(store, kSettingsApplication, setting::kNotifierPath.section,
                  setting::kNotifierPath.key, default_notifier_path(context.program_folder));
  values = std::move(v);

  shown_columns_ = values.columns;
  good_tabs_ = parse_name_tabs(values.tab_text).value_or(kDefaultNameTabs);
  shown_tabs_ = good_tabs_;
}

std::string OptionsForm::input_item_caption(int item) const {
  if (item == kAgeItem) return context_.labels.elapsed + "の年ヶ月日";
  if (item == kBirthDateItem) return context_.labels.side_name + "側年月日";
  return std::string(kInputItemCaptions.at(static_cast<std::size_t>(item)));
}

std::string OptionsForm::column_caption(int flag) const {
  if (flag == kColumnAge) return context_.labels.elapsed + "の年ヶ月";
  if (flag == kColumnDaysToNext) return context_.labels.day_name + "までの日数";
  return std::string(kColumnCaptions.at(static_cast<std::size_t>(flag)));
}

OptionsPage OptionsForm::next_page() const {
  return static_cast<OptionsPage>((static_cast<int>(page_) + 1) % kOptionsPageCount);
}

OptionsSave OptionsForm::shyouji(SettingsStore& store) {
  OptionsSave save;
  OptionsChanges& changes = save.changes;
  const i16 item = values.input_item >= 0 && values.input_item < kInputItemCount ? values.input_item
                                                                                 : kNoInputItem;
  write_number(store, setting::kInputScreenItem, item);
  changes.input_item = item;

  write_text(store, setting::kListColumns, column_setting_text(values.columns));
  changes.columns = values.columns;

  // A count the list cannot use is not stored: the box shows the last good one again.
  if (const std::optional<i16> tabs = parse_name_tabs(values.tab_text)) {
    write_number(store, setting::kTabCount, *tabs);
    changes.name_tabs = *tabs;
    good_tabs_ = *tabs;
  }
  values.tab_text = std::to_string(good_tabs_);

  if (values.columns != shown_columns_ || good_tabs_ != shown_tabs_) {
    changes.list_changed = true;
    shown_columns_ = values.columns;
    shown_tabs_ = good_tabs_;
  }
  saved_.merge(changes);
  return save;
}

OptionsSave OptionsForm::skidou(SettingsStore& store) {
  OptionsSave save;
  write_text(store, setting::kLoadStartFile, flag_text(values.load_start_file));
  write_text(store, setting::kStartFile, values.start_file);
  // The date is stored as typed, but only when the date reader finds a year of 2 or more in
  // it (an era year counts as typed: "H1" is year 1).
  i16 year = 0, month = 0, day = 0;
  bnsk(context_.state, values.start_date, year, month, day, 0);
  if (year < 2)
    save.message = OptionsMessage{std::string(kStartDateRefused)};
  else
    write_text(store, setting::kStartBirthDate, values.start_date);
  return save;
}

OptionsSave OptionsForm::ssyuryou(SettingsStore& store) {
  write_text(store, setting::kConfirmExit, flag_text(values.confirm_exit));
  return {};
}

OptionsSave OptionsForm::skeisanhou(SettingsStore& store) {
  OptionsSave save;
  write_number(store, setting::kAgeingRule, values.ageing_rule);
  write_number(store, setting::kCalendarMode, values.calendar_mode);
  save.changes.ageing_rule = values.ageing_rule;
  save.changes.calendar_mode = values.calendar_mode;
  save.changes.recompute = true;
  saved_.merge(save.changes);
  return save;
}

OptionsSave OptionsForm::slunoka(SettingsStore& store) {
  write_text(store, setting::kNoDataShow, flag_text(values.hide_without_match));
  write_text(store, setting::kPlaySound, flag_text(values.play_sound));
  write_text(store, setting::kAutoClose, flag_text(values.auto_close));
  write_text(store, setting::kShowHoliday, flag_text(values.show_holiday));
  write_number(store, setting::kLeapDayBirthday, values.leap_day);
  write_text(store, setting::kNotifierPath, values.notifier_path);
  return {};
}

OptionsSave OptionsForm::save_page(OptionsPage page, SettingsStore& store) {
  switch (page) {
    case OptionsPage::kDisplay:
      return shyouji(store);
    case OptionsPage::kStartup:
      return skidou(store);
    case OptionsPage::kExit:
      return ssyuryou(store);
    case OptionsPage::kCalculation:
      return skeisanhou(store);
    case OptionsPage::kNotifier:
      return slunoka(store);
  }
  return {};
}

OptionsSave OptionsForm::cmdOK_Click(SettingsStore& store) {
  OptionsSave all;
  for (int page = 0; page < kOptionsPageCount; ++page) {
    OptionsSave one = save_page(static_cast<OptionsPage>(page), store);
    all.changes.merge(one.changes);
    if (one.message) all.message = std::move(one.message);
  }
  return all;
}

void OptionsForm::Command3_Click(int index) {
  switch (index) {
    case 0:
      values.columns.fill(true);
      break;
    case 1:
      values.columns.fill(false);
      break;
    case 2:
      values.columns = column_flags_from_setting(kDefaultColumnSetting);
      values.tab_text = std::to_string(kDefaultNameTabs);
      break;
    default:
      break;
  }
}

void OptionsForm::Command4_Click() {
  values.start_date = context_.birth_date_text;
}

std::optional<OptionsMessage> OptionsForm::offer_start_file(const std::string& path) {
  if (!path_exists(path)) return OptionsMessage{std::string(kFileNotFound)};
  if (!is_data_file(path)) return OptionsMessage{std::string(kNotADataFile)};
  values.start_file = path;
  return std::nullopt;
}

std::optional<OptionsMessage> OptionsForm::offer_notifier_path(const std::string& path) {
  // A folder is no program; neither is a name with nothing behind it.
  if (!is_regular_file(path)) return OptionsMessage{std::string(kFileNotFound)};
  values.notifier_path = path;
  return std::nullopt;
}

bool Command1_Click(OptionsForm& form, MainDialogs& dialogs) {
  return trap("設定Command1_Click", [&] {
    return choose_until_taken(dialogs, form.start_file_initial(), kStartFileFilter,
                              [&](const std::string& path) { return form.offer_start_file(path); });
  });
}

bool Command2_Click(OptionsForm& form, MainDialogs& dialogs) {
  return trap("設定Command2_Click", [&] {
    return choose_until_taken(
        dialogs, form.notifier_path_initial(), kNotifierFileFilter,
        [&](const std::string& path) { return form.offer_notifier_path(path); });
  });
}

}  // namespace pelmira
