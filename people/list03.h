#pragma once
// Saving the person list and the text exports of the main window (list03), and the save
// prompt for changed data (shozon). The dialogs, message boxes and the texts of the exports
// are the main window's; here they are the hooks of SaveHost.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checked.h"
#include "people/person_table.h"

namespace pelmira {

// Write modes of list03.
inline constexpr i16 kSaveDataAs = 0;     // "名前を付けてファイルに保存"
inline constexpr i16 kExportList = 1;     // "氏名データをﾃｷｽﾄﾌｧｲﾙに出力"
inline constexpr i16 kExportListing = 2;  // "一覧表示をテキストファイルに出力"
inline constexpr i16 kExportReport = 3;   // "表示画面をテキストファイルに出力"
inline constexpr i16 kSaveDataOver = 4;   // "上書き保存"

inline constexpr std::string_view kTextFileFilter = "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt)|*.txt";

enum class MessageIcon { kNone, kQuestion, kWarning, kError };

class SaveHost {
 public:
  virtual ~SaveHost() = default;
  // The save dialog with its initial file name; nullopt when the user cancels.
  virtual std::optional<std::string> choose_save_path(const std::string& file_name,
                                                      std::string_view filter) = 0;
  // A Yes/No box titled "Pelmira" with its default button No; true for Yes.
  virtual bool ask_yes_no(std::string_view text, MessageIcon icon) = 0;
  // A Yes/No/Cancel box titled "Pelmira", default button No.
  enum class Answer { kYes, kNo, kCancel };
  virtual Answer ask_yes_no_cancel(std::string_view text, MessageIcon icon) = 0;
  // An OK box titled "Pelmira".
  virtual void show_message(std::string_view text, MessageIcon icon) = 0;
  // The body lines of an export (modes 1 to 3), before the footer.
  virtual std::vector<std::string> export_lines(i16 mode) = 0;
  virtual void set_busy(bool busy) { (void)busy; }
  virtual void add_recent_file(const std::string& path) { (void)path; }
  // Replaces the file at `path` by `bytes`, all or nothing (write_file_atomically); raises
  // the run-time error of a failed write.
  virtual void write_file(const std::string& path, std::string_view bytes);
};

// The default name stem of a mode ("Pelmiraデータ" for 0 and 4).
std::string_view default_name_stem(i16 mode);

// The first of folder/stem001.txt .. folder/stem999.txt, folder/stem000.txt that does not
// exist (the last one when all do).
std::string default_save_name(std::string_view folder, i16 mode);

// The question before an existing file is replaced.
std::string overwrite_question(std::string_view path);
// The refusal to write an export over a data file.
extern const std::string_view kExportOverDataRefusal;
// The refusal to save names Shift-JIS cannot hold: the persons and their characters.
std::string unwritable_names_message(const std::vector<std::string>& names,
                                     const std::vector<std::u32string>& characters);

// The question before a data file is written over `target`, naming what the file would
// lose that the user did not remove: persons hidden by a search or cut out, and, when the
// target is the current file, the lines skipped or not read at all while reading it and
// changes another program made to it since. Empty when nothing is at risk. Its answer is Yes/No with No the default.
std::string overwrite_losses_question(const PersonTable& table, const std::string& target);

// Writes a file in the mode (list03). Modes 0 and 4 write the data file of the listed
// persons, make it the current file and clear the changed flag; before they write over a data
// file that would lose persons, they ask (overwrite_losses_question), and No writes nothing.
// Modes 1 to 3 write the export the host supplies; an export's folder is where the next
// export starts, and never the file 上書き保存 writes. Returns true when the file was
// written. Errors (also a cancelled dialog, which is reported silently) go to the error
// report as "list03", followed by the save warning step; the old file is then untouched.
bool list03(PersonTable& table, i16 mode, SaveHost& host);

// The save prompt of changed data (shozon).
struct SavePrompt {
  bool ask = false;        // the list is changed and not empty
  i16 mode = kSaveDataAs;  // 4 when exactly one file was read (and all of it), else 0
  std::string text;        // the question
};
SavePrompt shozon_prompt(const PersonTable& table);

// What came of the save prompt. The step that asked goes on only after kNotAsked, kNotSaved
// or kSaved: a Cancel, or a Yes whose save failed or was refused, stops it with the list as
// it was.
enum class SaveOutcome { kNotAsked, kNotSaved, kSaved, kCancelled, kFailed };
inline bool lets_step_go_on(SaveOutcome outcome) {
  return outcome == SaveOutcome::kNotAsked || outcome == SaveOutcome::kNotSaved ||
         outcome == SaveOutcome::kSaved;
}

// Asks and acts: Yes saves with list03, No does nothing, Cancel raises the dialog-cancel
// flag of the error channel (1 -> 2 during a close request). Traps as "shozon"; an error
// there counts as a failed save.
SaveOutcome shozon(PersonTable& table, SaveHost& host);

// Export bodies (the host's export_lines may build them with these).
// Mode 1: "[現在]　<date>　での表示です。", "", the list header, the list lines.
std::vector<std::string> person_list_export(std::string_view now_date_text, std::string_view header,
                                            const std::vector<std::string>& lines);
// Mode 2: "[<誕生|結婚|死去>]<date>" (+ "　" + the two selection texts for the fortune
// listing), "[現在]<date>での表示です。", "", the listing header, the listing lines.
struct ListingExportTexts {
  i16 listing_kind = 0;
  std::string birth_date_text;  // the birth-side date text
  std::string first_choice;     // fortune listing only: the texts of the two selection boxes
  std::string second_choice;
  std::string now_date_text;  // the "現在" date text
  std::string header;         // the caption of the listing panel
  std::vector<std::string> lines;
};
std::vector<std::string> listing_export(const ListingExportTexts& texts);
// Mode 3: "　　表示画面", "", then the age report's texts.
struct ReportExportTexts {
  std::string label10, label12, label11, label13, label38;  // report labels by number
  std::string caption;  // the first label of the caption array Label1
};
std::vector<std::string> report_export(const ReportExportTexts& texts);

}  // namespace pelmira
