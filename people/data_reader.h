#pragma once
// Reading data files into the person table (rist02). One file is read per call, either
// replacing the list or added to it; every line passes the validator, and a record with
// errors goes to the correction window before it is read, skipped or the read stopped.
//
// Lines the reader cannot take although the user did not skip them are left out one by one,
// each with an error report, and the rest of the file is read: numbers beyond 16 bits or a
// code of more than 16 digits on a line read without checking, lines whose bytes are not
// text in the file's encoding, and every record past the table's 32766 persons.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "core/state.h"
#include "people/line_check.h"
#include "people/person_table.h"

namespace pelmira {

// What the main window does for a read: the busy state, the recent-file menu, questions and
// the correction window. Every hook has a harmless default (the correction window's default
// answer is 無効, which skips the line).
class ReadHost : public CorrectionHandler {
 public:
  // Busy state on (panels disabled, hourglass pointer) and off.
  virtual void set_busy(bool busy) { (void)busy; }
  // Adds a file read successfully to the recent files.
  virtual void add_recent_file(const std::string& path) { (void)path; }
  // Yes/No box with the question icon; true for Yes.
  virtual bool ask_yes_no(std::string_view title, std::string_view text) {
    (void)title;
    (void)text;
    return false;
  }
  // Removes entry `index` from the recent-file menu.
  virtual void remove_recent_file(i16 index) { (void)index; }
  void show_correction(CorrectionWindow& window) override { window.press(CorrectionButton::kSkip); }
};

// A record line cut at its separators: the name, the date and, when present, the days and
// the code, as the reader takes them (an unchecked line is cut the same way).
struct RecordFields {
  std::string name;
  std::string date;
  std::optional<std::string> days;  // with the code only: a line without code has no days
  std::optional<std::string> code;
};

// Cuts a line that is not a comment; nullopt when it has fewer than two separators (it is
// then skipped without a message). Fields are counted in characters; a malformed byte is
// one character and reads as U+FFFD.
std::optional<RecordFields> cut_record(std::string_view line);

// One person as a record line gives it.
struct PersonValues {
  std::string name;  // cut or padded to 31 characters
  PersonDate date{};
  i16 notice_days = 0;
  NoticeCode code{};
};

// The values of a cut record: the date through the date reader and the era years, days
// rounded to 16 bits, the code widened. A number beyond 16 bits or a code of more than 16
// characters raises the overflow error with a description naming the problem.
PersonValues person_values(const ProgramState& state, const RecordFields& record);

// The open dialog of "ファイルを開く" and "ファイルを追加" (rist01): its initial file name is the
// current path, or empty while that is still the start-up pattern ("…/*.txt").
std::string open_dialog_file_name(const PersonTable& table);
inline constexpr std::string_view kOpenDialogFilter = "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt";

// The text of the question after a failed read from the recent-file menu.
std::string history_error_question(std::string_view path);
inline constexpr std::string_view kHistoryErrorTitle = "Pelmira(開く)";

// Reads one data file (rist02). `history_index` is the recent-file entry the file was opened
// from, or -1. Returns true when the file was read (also when lines were left out or the
// user stopped the read); false after an error report. A file that cannot be opened or has
// no header leaves the list as it was; an error later in a replacing read leaves it empty,
// in an adding read with its former persons.
bool rist02(PersonTable& table, const ProgramState& state, const std::string& path,
            i16 history_index, ReadHost& host);

// The start-up read (rist03): when the setting "listdata1" is non-zero and "listdata" is
// not empty, reads that file replacing the list. Returns true when the list is to be
// refreshed. Traps as "rist03".
bool rist03(PersonTable& table, const ProgramState& state, i16 listdata1,
            const std::string& listdata, ReadHost& host);

// Files named on the command line or dropped on the list: each read in order, adding to the
// list. Returns true when there was at least one (the list is then refreshed once).
bool read_files_adding(PersonTable& table, const ProgramState& state,
                       const std::vector<std::string>& paths, ReadHost& host);

}  // namespace pelmira
