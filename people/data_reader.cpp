#include "people/data_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/date_text.h"
#include "core/eras.h"
#include "core/formatting.h"
#include "core/text.h"
#include "core/trap.h"
#include "people/data_file.h"
#include "people/list_view.h"
#include "people/notice_code.h"
#include "people/numeric_text.h"

namespace pelmira {
namespace {

constexpr char kSeparator = '^';
constexpr i16 kI16Max = 32767;
// bnsk refuses years above this after normalising the month and day into the year.
constexpr i64 kLargestNormalisedYear = 32743;
// The largest number of years an era adds to its era year (令和: 2018).
constexpr i64 kLargestEraOffset = 2018;

bool is_comment(std::string_view line) {
  return !line.empty() && line.front() == '\'';
}

// The largest number the date reader will meet in a date text: its digit groups, where a
// group after an apostrophe ("'98") takes the century of the "現在" side's year in front, as
// the date reader does for a short year of the birth side. Saturates far above 16 bits.
i64 largest_date_number(const ProgramState& state, std::string_view date_text) {
  constexpr i64 kSaturated = i64{1} << 40;
  const std::string text = narrow_text(date_text);
  i64 largest = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] < '0' || text[at] > '9') {
      ++at;
      continue;
    }
    const bool short_year = at > 0 && text[at - 1] == '\'';
    std::size_t end = at;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    const i64 century = i64{state.slots[1].year} / 100 * 100;
    i64 value = 0;
    for (std::size_t k = at; k < end; ++k) {
      value = std::min(value * 10 + (text[k] - '0'), kSaturated);
      // The second digit of a short year completes it: the century goes in front.
      if (short_year && k == at + 1) value = std::abs(century + value);
    }
    largest = std::max(largest, value);
    at = end;
  }
  return largest;
}

// Nearly every stored date is written "1990 1 2": three groups of ASCII digits between
// blanks or the separators / . -, a Western year, a month and a day in range. The date
// reader takes such a text as those three numbers unchanged (its separators only end a
// group), so it is read here without the reader's work; anything else goes to the reader.
std::optional<PersonDate> read_plain_date(std::string_view text) {
  std::array<int, 3> numbers{};
  std::size_t groups = 0;
  int digits = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      if (digits == 0 && ++groups > numbers.size()) return std::nullopt;
      if (++digits > 5) return std::nullopt;
      numbers[groups - 1] = numbers[groups - 1] * 10 + (c - '0');
    } else if (c == ' ' || c == '/' || c == '.' || c == '-') {
      digits = 0;
    } else {
      return std::nullopt;
    }
  }
  const auto [year, month, day] = numbers;
  if (groups != 3 || year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
    return std::nullopt;
  return PersonDate{static_cast<i16>(year), static_cast<i16>(month), static_cast<i16>(day)};
}

PersonDate read_date(const ProgramState& state, const std::string& date_text) {
  if (const std::optional<PersonDate> plain = read_plain_date(date_text)) return *plain;
  // The date reader reports an overflow itself and leaves the date unset; a line read without
  // checking is therefore refused here before any of its numbers can overflow there.
  const i64 largest = largest_date_number(state, date_text);
  if (largest > kI16Max || largest + largest / 12 + largest / 365 + 2 > kLargestNormalisedYear)
    throw RuntimeError(err::kOverflow, "年月日の数値が大き過ぎます。");
  i16 year = 0, month = 0, day = 0;
  const std::string era = bnsk(state, date_text, year, month, day, 0);
  if (!era.empty() && era != "西暦") {
    if (year > kI16Max - kLargestEraOffset)
      throw RuntimeError(err::kOverflow, "年月日の数値が大き過ぎます。");
    year = nnen(era, year);
  }
  return {year, month, day};
}

i16 read_days(const std::string& days) {
  try {
    return round_to_i16(numeric_value(days));
  } catch (const RuntimeError&) {
    throw RuntimeError(err::kOverflow, "日数の数値が大き過ぎます。");
  }
}

NoticeCode read_code(const std::string& code) {
  const std::string widened = widen_notice_code(code);
  if (char_count(widened) > kCodeSlots)
    throw RuntimeError(err::kOverflow, "「Lunoka」用データが16桁を超えています。");
  return notice_code_from_text(widened);
}

std::string line_list(const std::vector<std::size_t>& lines) {
  constexpr std::size_t kShown = 10;
  std::string text;
  for (std::size_t k = 0; k < lines.size() && k < kShown; ++k)
    text += (k ? ", " : "") + std::to_string(lines[k]);
  text += "行目";
  if (lines.size() > kShown) text += " ほか";
  return text;
}

// The state of one read between its lines.
struct ReadProgress {
  i16 person = 0;     // the running person number i
  i16 row = 0;        // the last row of order list 0
  i16 first_row = 0;  // the rows of order list 0 before the read
  i16 verdict = kVerdictGoOn;
  std::vector<std::size_t> unreadable_lines;
  std::size_t limit_line = 0;  // the first record line past the table's limit, 0 for none
  bool corrected = false;      // a line was changed in the correction window
};

void store_person(PersonTable& table, ReadProgress& progress, PersonValues&& values) {
  const i16 i = add16(progress.person, 1);
  dhiretu(table, add16(i, 1));
  const auto p = static_cast<std::size_t>(i);
  table.personName[p] = std::move(values.name);
  table.personDate[p] = values.date;
  table.noticeDays[p] = values.notice_days;
  table.noticeCode[p] = values.code;
  table.loadOrder[p] = i;
  progress.row = add16(progress.row, 1);
  table.viewOrder[0][static_cast<std::size_t>(progress.row)] = i;
  table.searchLevel[p] = 0;
  table.deletedMark[p] = 0;
  progress.person = i;
}

bool is_record(std::string_view line) {
  return !is_comment(line) && cut_record(line).has_value();
}

// Reads every line after the header into the table (step 4 of the read).
void read_lines(PersonTable& table, const ProgramState& state, const std::string& path,
                DataFileText& file, ReadProgress& progress, ReadHost& host) {
  for (std::size_t k = 0; k < file.lines.size(); ++k) {
    const std::size_t line_number = k + 2;
    DataLine& data = file.lines[k];
    if (!data.readable) {
      if (is_record(data.text)) {
        progress.unreadable_lines.push_back(line_number);
        table.partial_read = true;
      }
      continue;
    }
    std::string line = std::move(data.text);
    // Past the limit no record can be stored: stop before the correction window asks.
    if (progress.person == kMaxPersons && is_record(line)) {
      progress.limit_line = line_number;
      return;
    }
    const bool was_comment = is_comment(line);
    const std::string before_correction = was_comment ? std::string() : line;
    datashyusei(line, progress.verdict, host);
    if (progress.verdict == kVerdictStop) {
      // The rest of the file is not in the list: writing the list over it would lose it.
      table.partial_read = true;
      return;
    }
    if (is_comment(line)) {
      if (!was_comment) table.skipped_lines.push_back({line_number, before_correction});
      continue;
    }
    if (!was_comment && line != before_correction) progress.corrected = true;
    const std::optional<RecordFields> record = cut_record(line);
    if (!record) continue;
    if (progress.person == kMaxPersons) {
      progress.limit_line = line_number;
      return;
    }
    PersonValues values;
    try {
      values = person_values(state, *record);
    } catch (const RuntimeError& e) {
      table.partial_read = true;
      report_error(RuntimeError(e.number(), std::to_string(line_number) + "行目: " +
                                                e.description() + "この行は読み込みませんでした。"),
                   "rist02", path);
      continue;
    }
    store_person(table, progress, std::move(values));
  }
}

// Notes the lines a finished read left out.
void report_left_out_lines(PersonTable& table, const std::string& path,
                           const ReadProgress& progress) {
  if (progress.limit_line != 0) {
    table.partial_read = true;
    report_error(
        RuntimeError(err::kOverflow, "登録できる人数は" + std::to_string(kMaxPersons) +
                                         "人までです。" + std::to_string(progress.limit_line) +
                                         "行目以降のデータは読み込んでいません。"),
        "rist02", path);
  }
  if (!progress.unreadable_lines.empty()) {
    report_error(
        RuntimeError(err::kBadFileFormat, "文字コードが正しくない行を読み込みませんでした。(" +
                                              std::to_string(progress.unreadable_lines.size()) +
                                              "行: " + line_list(progress.unreadable_lines) + ")"),
        "rist02", path);
  }
}

// Puts the terminators back after a read that failed half-way: the person count was not
// raised, so the persons stored since are dropped.
void restore_terminators(PersonTable& table, i16 rows) {
  dhiretu(table, static_cast<i16>(table.personCount + 1));
  table.loadOrder[static_cast<std::size_t>(table.personCount) + 1] = 0;
  table.viewOrder[0][static_cast<std::size_t>(rows) + 1] = 0;
  st9(table, 0);
}

}  // namespace

namespace {

// The separator positions of a line: decoded characters, or the bytes of a well-formed UTF-8
// line without a length prefix, where every "^" is one byte.
template <class Text>
std::optional<RecordFields> cut_at_separators(Text rest) {
  std::array<std::size_t, 5> p{};  // 1-based positions of the separators p1..p4, 0 unset
  int count = 0;
  std::size_t scan_from = 0;
  if (!rest.empty() && rest.front() == kSeparator) {
    const std::size_t k = rest.find(kSeparator, 2);
    if (k == Text::npos) return std::nullopt;
    const double n = std::nearbyint(numeric_value(utf8_text(rest.substr(1, k - 1))));
    rest.remove_prefix(k + 1);
    // The name length, held within the rest of the line.
    const double clamped = std::clamp(n, 0.0, static_cast<double>(rest.size()) + 1);
    p[1] = static_cast<std::size_t>(clamped) + 1;
    count = 1;
    scan_from = p[1];
  }
  for (std::size_t at = scan_from; at < rest.size() && count < 4; ++at)
    if (rest[at] == kSeparator) p[static_cast<std::size_t>(++count)] = at + 1;
  if (p[2] == 0) return std::nullopt;

  RecordFields record;
  record.name = utf8_text(rest.substr(0, p[1] - 1));
  record.date = utf8_text(rest.substr(std::min(p[1], rest.size()), p[2] - p[1] - 1));
  if (p[3] != 0 && p[4] != 0) {
    record.days = utf8_text(rest.substr(p[2], p[3] - p[2] - 1));
    record.code = utf8_text(rest.substr(p[3], p[4] - p[3] - 1));
  }
  return record;
}

}  // namespace

std::optional<RecordFields> cut_record(std::string_view line) {
  // Decoding costs more than the cutting: most lines are cut as bytes.
  if (!line.empty() && line.front() != '^' && is_valid_utf8(line)) return cut_at_separators(line);
  const std::u32string chars = to_u32(line);
  return cut_at_separators(std::u32string_view(chars));
}

PersonValues person_values(const ProgramState& state, const RecordFields& record) {
  PersonValues values;
  values.name = fixed_name(record.name);
  values.date = read_date(state, record.date);
  if (record.days && record.code) {
    values.notice_days = read_days(*record.days);
    values.code = read_code(*record.code);
  } else {
    values.notice_days = 0;
    values.code = default_notice_code();
  }
  return values;
}

std::string open_dialog_file_name(const PersonTable& table) {
  return table.current_path.find('*') == std::string::npos ? table.current_path : std::string();
}

std::string history_error_question(std::string_view path) {
  return "履歴からファイルを開こうとしてエラーが発生しました。\r\n\r\nファイル名　" +
         std::string(path) + "\r\n\r\n履歴からこの項目を削除しますか？";
}

bool rist02(PersonTable& table, const ProgramState& state, const std::string& path,
            i16 history_index, ReadHost& host) {
  bool busy = false;
  ReadProgress progress;
  bool table_touched = false;
  try {
    // Taken before the bytes are read: a change made meanwhile counts as a change on disk.
    const std::optional<FileStamp> stamp = file_stamp(path);
    DataFileText file = load_data_file(path);
    // A search in force hides persons; the persons added join the whole list, so that a
    // later save cannot leave the hidden ones out. Showing them again changes the list.
    if (table.append == 1 && table.search_depth > 0) {
      const std::vector<i16> narrowed = listed_persons(table);
      ls38(table);
      if (listed_persons(table) != narrowed) table.changed = 1;
    }
    if (table.append == 1) {
      progress.person = table.personCount;
      progress.row = order_length(table.viewOrder[0]);
      progress.first_row = progress.row;
    } else {
      cdhiret(table);
    }
    table_touched = true;
    reserve_persons(
        table, std::min<std::size_t>(static_cast<std::size_t>(progress.person) + file.lines.size(),
                                     kMaxPersons));
    host.set_busy(true);
    busy = true;
    read_lines(table, state, path, file, progress, host);
    busy = false;
    host.set_busy(false);

    table.loadOrder[static_cast<std::size_t>(progress.person) + 1] = 0;
    table.viewOrder[0][static_cast<std::size_t>(progress.row) + 1] = 0;
    table.personCount = progress.person;
    // A file added to an edited list leaves its edits unsaved, and lines the user corrected
    // while reading are edits the file does not hold yet.
    if (table.append == 0) table.changed = 0;
    if (progress.corrected) table.changed = 1;
    table.search_depth = 0;
    table.search_depth_max = 0;
    st9(table, 0);

    host.add_recent_file(path);
    if (table.append == 0) clear_open_files(table);
    table.open_files_text += "\r\n" + path;
    table.open_files_count = add16(table.open_files_count, 1);
    table.current_path = path;
    table.current_stamp = stamp;
    folder_of_path(path, table.current_folder);
    table.file_encodings[path] = file.encoding;
    report_left_out_lines(table, path, progress);
    return true;
  } catch (const std::exception& e) {
    if (table_touched) restore_terminators(table, progress.first_row);
    report_error(as_runtime_error(e), "rist02", path);
    if (history_index >= 0 && host.ask_yes_no(kHistoryErrorTitle, history_error_question(path)))
      host.remove_recent_file(history_index);
    if (busy) host.set_busy(false);
    return false;
  }
}

bool rist03(PersonTable& table, const ProgramState& state, i16 listdata1,
            const std::string& listdata, ReadHost& host) {
  return trap("rist03", [&] {
    if (listdata1 == 0 || listdata.empty()) return false;
    rist02(table, state, listdata, -1, host);
    return true;
  });
}

bool read_files_adding(PersonTable& table, const ProgramState& state,
                       const std::vector<std::string>& paths, ReadHost& host) {
  table.append = 1;
  for (const std::string& path : paths) rist02(table, state, path, -1, host);
  return !paths.empty();
}

}  // namespace pelmira
