#include "people/person_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <sys/stat.h>

#include "core/text.h"
#include "core/trap.h"
#include "people/notice_code.h"

namespace pelmira {
namespace {

// Applies one resize operation to every array of the table, with the array's blank element.
template <class Resize>
void resize_all(PersonTable& table, const Resize& resize) {
  static const std::string kBlankName(kNameLength, ' ');
  resize(table.personName, kBlankName);
  resize(table.personDate, PersonDate{});
  resize(table.noticeDays, i16{0});
  resize(table.noticeCode, NoticeCode{});
  resize(table.searchLevel, i16{0});
  resize(table.deletedMark, i16{0});
  resize(table.loadOrder, i16{0});
  resize(table.viewOrder[0], i16{0});
  resize(table.viewOrder[1], i16{0});
}

}  // namespace

PersonTable::PersonTable() {
  dhiretu(*this, 1);
}

void dhiretu(PersonTable& table, i16 n) {
  if (n < 0) raise_error(err::kSubscript);
  const std::size_t size = static_cast<std::size_t>(n) + 1;
  resize_all(table, [size](auto& array, const auto& blank) { array.resize(size, blank); });
}

void reserve_persons(PersonTable& table, std::size_t persons) {
  // Reads of many files one after another each ask for a little more: growing at least
  // twofold keeps the copying of the arrays linear in the persons read.
  const std::size_t wanted = persons + 2;
  const std::size_t held = table.personName.capacity();
  if (wanted <= held) return;
  const std::size_t size =
      std::min(std::max(wanted, 2 * held), static_cast<std::size_t>(kMaxPersons) + 2);
  resize_all(table, [size](auto& array, const auto&) { array.reserve(size); });
}

void cdhiret(PersonTable& table) {
  resize_all(table, [](auto& array, const auto& blank) { array.assign(2, blank); });
  table.personCount = 0;
  table.changed = 0;
  table.selected_person = 0;
  table.cut_count = 0;
  table.deletion_counter = 0;
  table.search_depth = 0;
  table.search_depth_max = 0;
  table.partial_read = false;
  table.skipped_lines.clear();
}

void dainyu01(PersonTable& table, i16 i) {
  trap("dainyu01", [&] {
    const auto index = static_cast<std::size_t>(i);
    table.noticeDays.at(index) = 0;
    table.noticeCode.at(index) = default_notice_code();
  });
}

std::string fixed_name(std::string_view name) {
  const std::size_t count = char_count(name);
  if (count >= kNameLength)
    return count == kNameLength ? std::string(name) : char_left(name, kNameLength);
  std::string fixed;
  fixed.reserve(name.size() + kNameLength - count);
  fixed.append(name).append(kNameLength - count, ' ');
  return fixed;
}

std::string trimmed_name(std::string_view name) {
  return std::string(trimmed_name_view(name));
}

std::string_view trimmed_name_view(std::string_view name) {
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = name.find_last_not_of(' ');
  return name.substr(first, last - first + 1);
}

i16 order_length(const std::vector<i16>& order) {
  // Every edit of the list measures its order lists several times, so the terminator is
  // looked for four positions at a time: a 64-bit word holds a zero 16-bit lane exactly when
  // (w - 0x0001...) & ~w & 0x8000... is not 0 (the zero-byte test of bit-twiddling lore, on
  // 16-bit lanes). The block that holds the terminator is then read position by position.
  constexpr std::uint64_t kLow = 0x0001'0001'0001'0001;
  constexpr std::uint64_t kHigh = 0x8000'8000'8000'8000;
  const std::size_t size = order.size();
  std::size_t at = 1;
  for (; at + 4 <= size; at += 4) {
    std::uint64_t word = 0;
    std::memcpy(&word, order.data() + at, sizeof word);
    if (((word - kLow) & ~word & kHigh) != 0) break;
  }
  while (at < size && order[at] != 0) ++at;
  return static_cast<i16>(at - 1);
}

void st9(PersonTable& table, i16 c) {
  trap("st9", [&] {
    if (c != 0 && c != 1) raise_error(err::kSubscript);
    const std::vector<i16>& from = table.viewOrder.at(c);
    std::vector<i16>& to = table.viewOrder.at(1 - c);
    const i16 rows = order_length(from);
    if (to.size() < static_cast<std::size_t>(rows) + 2)
      to.resize(static_cast<std::size_t>(rows) + 2, 0);
    std::reverse_copy(from.begin() + 1, from.begin() + 1 + rows, to.begin() + 1);
    to[static_cast<std::size_t>(rows) + 1] = 0;
  });
}

std::string initial_current_path(std::string_view folder) {
  return std::string(folder) + "/*.txt";
}

FileEncoding encoding_of(const PersonTable& table, const std::string& path) {
  const auto found = table.file_encodings.find(path);
  return found == table.file_encodings.end() ? FileEncoding::kCp932 : found->second;
}

bool can_overwrite_current_file(const PersonTable& table) {
  return table.open_files_count == 1 && !table.partial_read;
}

std::optional<FileStamp> file_stamp(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<std::int64_t>(info.st_size);
  stamp.modified_ns =
      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  return stamp;
}

LeftOutPersons left_out_persons(const PersonTable& table) {
  LeftOutPersons left_out;
  const std::size_t count = static_cast<std::size_t>(std::max<i16>(table.personCount, 0));
  std::vector<bool> listed(count + 1, false);
  const i16 rows = order_length(table.viewOrder[0]);
  for (i16 r = 1; r <= rows; ++r) {
    const i16 p = table.viewOrder[0][static_cast<std::size_t>(r)];
    if (p >= 1 && static_cast<std::size_t>(p) <= count) listed[static_cast<std::size_t>(p)] = true;
  }
  left_out.written = rows;
  for (std::size_t p = 1; p <= count; ++p) {
    const i16 mark = table.deletedMark[p];
    if (mark == -1) ++left_out.cut;
    if (mark == 0 && !listed[p]) ++left_out.hidden;
  }
  return left_out;
}

std::vector<i16> listed_persons(const PersonTable& table) {
  const auto rows = static_cast<std::ptrdiff_t>(order_length(table.viewOrder[0]));
  return {table.viewOrder[0].begin() + 1, table.viewOrder[0].begin() + 1 + rows};
}

bool holds_persons(const PersonTable& table) {
  for (i16 p = 1; p <= table.personCount; ++p)
    if (table.deletedMark[static_cast<std::size_t>(p)] <= 0) return true;
  return false;
}

std::string open_files_message(const PersonTable& table) {
  if (table.open_files_text.empty()) return "現在開いているファイルはありません。";
  return "現在開いているファイル　" + std::to_string(table.open_files_count) + "\r\n\r\n" +
         table.open_files_text;
}

void clear_open_files(PersonTable& table) {
  table.open_files_text.clear();
  table.open_files_count = 0;
}

void clear_list(PersonTable& table) {
  cdhiret(table);
  clear_open_files(table);
}

}  // namespace pelmira
