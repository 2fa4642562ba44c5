#pragma once
// Shared helpers of the person-list tests: a temporary folder, data files written in either
// encoding, and hosts that stand in for the main window and its dialogs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/encoding.h"
#include "core/state.h"
#include "people/data_file.h"
#include "people/data_reader.h"
#include "people/list03.h"
#include "people/person_table.h"
#include "support/test_folder.h"

namespace pelmira::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pelmira-people-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void write_bytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// UTF-8 text as Shift-JIS bytes (the test texts are all encodable).
inline std::string sjis(std::string_view utf8) {
  const auto bytes = utf8_to_cp932(utf8);
  EXPECT_TRUE(bytes.has_value()) << utf8;
  return bytes.value_or("");
}

// A data file of the given lines after the header, CR LF line ends, in Shift-JIS.
inline std::string sjis_data_file(const std::vector<std::string>& lines) {
  return cp932_data_file(lines);
}

inline std::string utf8_data_file(const std::vector<std::string>& lines, bool bom = false) {
  std::string text = (bom ? "\xEF\xBB\xBF" : "") + std::string(kDataFileHeader) + "\r\n";
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The main window during a read: records what the reader asked and answers the correction
// window with scripted steps (one function per window shown; the default presses 無効).
class ScriptedReadHost : public ReadHost {
 public:
  using Step = std::function<void(CorrectionWindow&)>;

  void set_busy(bool busy) override { busy_changes.push_back(busy); }
  void add_recent_file(const std::string& path) override { recent.push_back(path); }
  bool ask_yes_no(std::string_view title, std::string_view text) override {
    questions.push_back(std::string(title) + "|" + std::string(text));
    return answer_yes;
  }
  void remove_recent_file(i16 index) override { removed.push_back(index); }
  void show_correction(CorrectionWindow& window) override {
    windows.push_back(window);
    if (steps.empty()) {
      window.press(CorrectionButton::kSkip);
      return;
    }
    Step step = steps.front();
    steps.pop_front();
    step(window);
  }

  std::deque<Step> steps;
  bool answer_yes = false;
  std::vector<bool> busy_changes;
  std::vector<std::string> recent;
  std::vector<std::string> questions;
  std::vector<i16> removed;
  std::vector<CorrectionWindow> windows;  // as each window was shown
};

// Presses one button; an edit first when `edited` is given.
inline ScriptedReadHost::Step press(CorrectionButton button,
                                    std::optional<std::string> edited = {}) {
  return [button, edited](CorrectionWindow& window) {
    if (edited) window.edit_text = *edited;
    window.press(button);
  };
}

// The main window during a save: the dialog answers in turn, every question and message is
// recorded.
class ScriptedSaveHost : public SaveHost {
 public:
  std::optional<std::string> choose_save_path(const std::string& file_name,
                                              std::string_view filter) override {
    dialog_names.push_back(file_name);
    filters.push_back(std::string(filter));
    if (dialog_answers.empty()) return std::nullopt;
    std::optional<std::string> answer = dialog_answers.front();
    dialog_answers.pop_front();
    return answer;
  }
  bool ask_yes_no(std::string_view text, MessageIcon) override {
    questions.push_back(std::string(text));
    if (yes_no_answers.empty()) return false;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }
  Answer ask_yes_no_cancel(std::string_view text, MessageIcon) override {
    questions.push_back(std::string(text));
    return prompt_answer;
  }
  void show_message(std::string_view text, MessageIcon icon) override {
    messages.push_back(std::string(text));
    icons.push_back(icon);
  }
  std::vector<std::string> export_lines(i16 mode) override {
    exported_modes.push_back(mode);
    return export_body;
  }
  void set_busy(bool busy) override { busy_changes.push_back(busy); }
  void add_recent_file(const std::string& path) override { recent.push_back(path); }

  std::deque<std::optional<std::string>> dialog_answers;
  std::deque<bool> yes_no_answers;
  Answer prompt_answer = Answer::kNo;
  std::vector<std::string> export_body;

  std::vector<std::string> dialog_names;
  std::vector<std::string> filters;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  std::vector<MessageIcon> icons;
  std::vector<i16> exported_modes;
  std::vector<bool> busy_changes;
  std::vector<std::string> recent;
};

// A program state whose "現在" side is 2024-06-01 (short years read against it).
inline ProgramState test_state() {
  ProgramState state;
  state.clock = fixed_clock({2024, 6, 1, 12, 0, 0});
  state.slots[0].year = 1990;
  state.slots[1].year = 2024;
  return state;
}

// Reads a file into a fresh (replacing) table.
inline PersonTable read_table(const std::string& path, ReadHost& host) {
  PersonTable table;
  rist02(table, test_state(), path, -1, host);
  return table;
}

// Appends a person to the table, to the load order and to both shown orders.
inline i16 add_person(PersonTable& table, const std::string& name, PersonDate date, i16 days = 0,
                      NoticeCode code = {1, 2, 0, 0, 1, 1, 1, 1}) {
  const i16 p = static_cast<i16>(table.personCount + 1);
  dhiretu(table, static_cast<i16>(p + 1));
  const auto at = static_cast<std::size_t>(p);
  table.personName[at] = fixed_name(name);
  table.personDate[at] = date;
  table.noticeDays[at] = days;
  table.noticeCode[at] = code;
  table.loadOrder[at] = p;
  table.loadOrder[at + 1] = 0;
  table.viewOrder[0][at] = p;
  table.viewOrder[0][at + 1] = 0;
  table.personCount = p;
  st9(table, 0);
  return p;
}

inline std::string name_of(const PersonTable& table, i16 person) {
  return trimmed_name(table.personName.at(static_cast<std::size_t>(person)));
}

}  // namespace pelmira::testing
