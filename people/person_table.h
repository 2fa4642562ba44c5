#pragma once
// The person table of the main window: every person read from data files or entered, in
// parallel arrays indexed by person number 1..personCount, plus the orders the list shows
// and the file state kept beside them (changed flag, current file, open files).
//
// Element 0 of each person array is never a person; element personCount + 1 holds the
// terminators of the order lists. `dhiretu` keeps every array at the same upper bound.
// The table is a plain value: copying it copies the whole list (the undo of a caller may
// rely on that), and it holds no reference to any window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"

namespace pelmira {

// personCount is 16-bit and one element is reserved for the terminator.
inline constexpr i16 kMaxPersons = 32766;
// Characters of the fixed name field (longer names are cut, shorter ones blank-padded).
inline constexpr std::size_t kNameLength = 31;
// Digits stored per notification code; digits 0..13 are used.
inline constexpr std::size_t kCodeSlots = 16;
inline constexpr std::size_t kCodeDigits = 14;

// One decimal digit per byte, digit 0 leftmost (see notice_code.h for the meaning).
using NoticeCode = std::array<std::uint8_t, kCodeSlots>;
// Western year, month and day of the birth-side date.
using PersonDate = std::array<i16, 3>;

// The text encoding of a data file: Shift-JIS (CP932) unless it was read as UTF-8.
enum class FileEncoding : std::uint8_t { kCp932, kUtf8 };

// What a file on disk was when it was last read or written: another program (or a second
// window of this one) that writes it in between changes the stamp.
struct FileStamp {
  std::int64_t size = -1;
  std::int64_t modified_ns = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

// A record line the user chose not to read (無効 in the correction window): an overwrite of
// its file would leave it out.
struct SkippedLine {
  std::size_t line_number = 0;  // 1-based line of the file
  std::string text;
};

struct PersonTable {
  PersonTable();  // an empty table with upper bound 1

  // --- Persons, indexed 0..personCount + 1 -------------------------------------------
  i16 personCount = 0;
  std::vector<std::string> personName;  // exactly kNameLength characters each
  std::vector<PersonDate> personDate;
  std::vector<i16> noticeDays;
  std::vector<NoticeCode> noticeCode;
  std::vector<i16> searchLevel;  // search depth at which the person still matches
  std::vector<i16> deletedMark;  // 0 present, k > 0 deleted in step k, -1 cut out

  // --- Orders, indexed by position 1.., each terminated by 0 ---------------------------
  std::vector<i16> loadOrder;                 // person numbers in file order
  std::array<std::vector<i16>, 2> viewOrder;  // 0 ascending rows, 1 the same in reverse

  // --- State kept beside the persons --------------------------------------------------
  i16 changed = 0;           // non-zero: the list holds unsaved changes
  i16 selected_person = 0;   // the person of the selected list line, 0 for none
  i16 cut_count = 0;         // persons cut out and waiting to be inserted
  i16 deletion_counter = 0;  // number of the last deletion step
  i16 search_depth = 0;
  i16 search_depth_max = 0;
  std::uint8_t append = 0;  // 1 while reading adds to the list, 0 when it replaces it

  std::string current_path;     // the last data file read or saved ("<folder>/*.txt" at first)
  std::string current_folder;   // the current path's folder
  std::string open_files_text;  // "\r\n" + path for every file read since the last replace
  i16 open_files_count = 0;
  // Set when a read left lines of a file out without the user choosing so (too many persons,
  // unreadable bytes, numbers out of range): overwriting that file would lose them.
  bool partial_read = false;
  // Record lines of the read files the user skipped: an overwrite asks before leaving them
  // out. Emptied with the persons and by every data-file write.
  std::vector<SkippedLine> skipped_lines;
  // The current file as it was last read or written; nullopt when unknown.
  std::optional<FileStamp> current_stamp;
  // Where the last text export went: the next export's default name starts there. Exports
  // never become the current file that 上書き保存 writes.
  std::string export_folder;
  // Files read or written as UTF-8 are written back as UTF-8; all others as Shift-JIS.
  std::map<std::string, FileEncoding> file_encodings;

  // Upper bound of the person arrays (personCount + 1 after a read).
  i16 upper_bound() const { return static_cast<i16>(personName.size() - 1); }
};

// Resizes every array of the table to the upper bound n, keeping the contents; new elements
// are blank persons (blank name, zero date, days and code, zero orders).
void dhiretu(PersonTable& table, i16 n);

// Makes room for `persons` persons in every array without changing the table (a read knows
// how many lines its file has).
void reserve_persons(PersonTable& table, std::size_t persons);

// Resizes every array to the upper bound 1, discarding the persons, and clears personCount,
// the changed flag, the selection, the cut count, the deletion counter and the search depth.
void cdhiret(PersonTable& table);

// Default rule for person i: notice days 0 and the default notification code.
void dainyu01(PersonTable& table, i16 i);

// A name as stored: cut to 31 characters or padded with blanks to 31.
std::string fixed_name(std::string_view name);

// A stored name without its surrounding blanks; the view looks into `name`.
std::string trimmed_name(std::string_view name);
std::string_view trimmed_name_view(std::string_view name);

// Number of rows of an order list (the positions before its terminator).
i16 order_length(const std::vector<i16>& order);

// Rebuilds order list 1 - c as the reverse of list c up to its terminator, and terminates
// it. Traps as "st9".
void st9(PersonTable& table, i16 c);

// The initial current path of a session: the start-up folder followed by "/*.txt".
std::string initial_current_path(std::string_view folder);

// The encoding a data file is written in: UTF-8 if it was last read or written as UTF-8.
FileEncoding encoding_of(const PersonTable& table, const std::string& path);

// Whether 上書き保存 may write the list over the current file: exactly one file was read
// and all of it is in the list.
bool can_overwrite_current_file(const PersonTable& table);

// The stamp of the file at `path` now; nullopt when nothing can be found there.
std::optional<FileStamp> file_stamp(const std::string& path);

// The persons a data-file write of the list leaves out although they were neither deleted
// nor removed as duplicates: hidden by the search in force, or cut and not yet inserted.
struct LeftOutPersons {
  i32 written = 0;  // the persons listed, who are written
  i32 hidden = 0;   // not deleted, but outside the search result
  i32 cut = 0;      // cut out and waiting to be inserted
  i32 total() const { return hidden + cut; }
};
LeftOutPersons left_out_persons(const PersonTable& table);

// The persons of order list 0, top to bottom: the persons a data-file save writes, in its order.
std::vector<i16> listed_persons(const PersonTable& table);

// Whether the table holds any person a save could write (listed, hidden or cut).
bool holds_persons(const PersonTable& table);

// The OK box of "現在開いているファイル".
std::string open_files_message(const PersonTable& table);

// Empties the open-files text and count (a replacing read, "リストの内容を全て消す").
void clear_open_files(PersonTable& table);

// "リストの内容を全て消す" on the table (after the save prompt): the table reset and no open
// files. The window then refreshes the list and shows kEmptyListCaption in its caption.
void clear_list(PersonTable& table);
inline constexpr std::string_view kEmptyListCaption =
    "データを入力或はファイルを読込んで使用して下さい。";

}  // namespace pelmira
