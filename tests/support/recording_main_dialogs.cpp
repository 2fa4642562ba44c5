#include "support/recording_main_dialogs.h"

namespace pelmira::testing {

void RecordingMainDialogs::message(std::string_view title, std::string_view text, BoxIcon icon) {
  shown.push_back({std::string(title), std::string(text), icon, ShownBox::Kind::kMessage});
}

bool RecordingMainDialogs::ask_yes_no(std::string_view title, std::string_view text, BoxIcon icon,
                                      bool default_no) {
  shown.push_back(
      {std::string(title), std::string(text), icon, ShownBox::Kind::kYesNo, default_no});
  return next_answer() == Answer::kYes;
}

bool RecordingMainDialogs::ask_ok_cancel(std::string_view title, std::string_view text,
                                         BoxIcon icon) {
  shown.push_back({std::string(title), std::string(text), icon, ShownBox::Kind::kOkCancel});
  return next_answer() == Answer::kYes;
}

MainDialogs::Answer RecordingMainDialogs::ask_yes_no_cancel(std::string_view title,
                                                            std::string_view text, BoxIcon icon) {
  shown.push_back({std::string(title), std::string(text), icon, ShownBox::Kind::kYesNoCancel});
  return next_answer();
}

std::optional<std::string> RecordingMainDialogs::choose_open_path(std::string_view title,
                                                                  std::string_view initial,
                                                                  std::string_view filter) {
  (void)filter;
  shown.push_back(
      {std::string(title), std::string(initial), BoxIcon::kNone, ShownBox::Kind::kOpen});
  return next_path();
}

std::optional<std::string> RecordingMainDialogs::choose_save_path(std::string_view title,
                                                                  std::string_view initial,
                                                                  std::string_view filter) {
  (void)filter;
  shown.push_back(
      {std::string(title), std::string(initial), BoxIcon::kNone, ShownBox::Kind::kSave});
  return next_path();
}

std::vector<std::string> RecordingMainDialogs::texts() const {
  std::vector<std::string> result;
  for (const ShownBox& box : shown) result.push_back(box.text);
  return result;
}

MainDialogs::Answer RecordingMainDialogs::next_answer() {
  if (answers.empty()) return Answer::kYes;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> RecordingMainDialogs::next_path() {
  if (paths.empty()) return std::nullopt;
  std::string path = paths.front();
  paths.pop_front();
  return path;
}

}  // namespace pelmira::testing
