#include "mainwindow/session_hosts.h"

namespace pelmira {
namespace {

constexpr std::string_view kTitle = "Pelmira";

template <class Function, class... Args>
void call_if_set(const Function& function, Args&&... args) {
  if (function) function(std::forward<Args>(args)...);
}

}  // namespace

BoxIcon box_icon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kQuestion:
      return BoxIcon::kQuestion;
    case MessageIcon::kWarning:
      return BoxIcon::kExclamation;
    case MessageIcon::kError:
      return BoxIcon::kCritical;
    case MessageIcon::kNone:
      break;
  }
  return BoxIcon::kNone;
}

void SessionReadHost::set_busy(bool busy) {
  call_if_set(hooks_.set_busy, busy);
}

void SessionReadHost::add_recent_file(const std::string& path) {
  call_if_set(hooks_.add_recent_file, path);
}

bool SessionReadHost::ask_yes_no(std::string_view title, std::string_view text) {
  return dialogs_.ask_yes_no(title, text, BoxIcon::kQuestion);
}

void SessionReadHost::remove_recent_file(i16 index) {
  call_if_set(hooks_.remove_recent_file, index);
}

void SessionReadHost::show_correction(CorrectionWindow& window) {
  if (hooks_.show_correction)
    hooks_.show_correction(window);
  else
    ReadHost::show_correction(window);
}

std::optional<std::string> SessionSaveHost::choose_save_path(const std::string& file_name,
                                                             std::string_view filter) {
  return dialogs_.choose_save_path(kSaveDialogTitle, file_name, filter);
}

bool SessionSaveHost::ask_yes_no(std::string_view text, MessageIcon icon) {
  return dialogs_.ask_yes_no(kTitle, text, box_icon(icon), true);
}

SaveHost::Answer SessionSaveHost::ask_yes_no_cancel(std::string_view text, MessageIcon icon) {
  switch (dialogs_.ask_yes_no_cancel(kTitle, text, box_icon(icon))) {
    case MainDialogs::Answer::kYes:
      return Answer::kYes;
    case MainDialogs::Answer::kNo:
      return Answer::kNo;
    case MainDialogs::Answer::kCancel:
      break;
  }
  return Answer::kCancel;
}

void SessionSaveHost::show_message(std::string_view text, MessageIcon icon) {
  dialogs_.message(kTitle, text, box_icon(icon));
}

std::vector<std::string> SessionSaveHost::export_lines(i16 mode) {
  return hooks_.export_lines ? hooks_.export_lines(mode) : std::vector<std::string>{};
}

void SessionSaveHost::set_busy(bool busy) {
  call_if_set(hooks_.set_busy, busy);
}

void SessionSaveHost::add_recent_file(const std::string& path) {
  call_if_set(hooks_.add_recent_file, path);
}

void SessionSaveHost::write_file(const std::string& path, std::string_view bytes) {
  if (hooks_.write_file)
    hooks_.write_file(path, bytes);
  else
    SaveHost::write_file(path, bytes);
}

}  // namespace pelmira
