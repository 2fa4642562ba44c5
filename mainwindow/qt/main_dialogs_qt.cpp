#include "mainwindow/qt/main_dialogs_qt.h"

#include <QFileDialog>

#include <vector>

#include "core/qt/box_text.h"

namespace pelmira {
namespace {

struct NameFilter {
  QString text;     // as QFileDialog shows it
  QString pattern;  // the pattern as the filter wrote it
};

std::vector<std::string_view> split_bars(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t bar = text.find('|');
    fields.push_back(text.substr(0, bar));
    if (bar == std::string_view::npos) return fields;
    text.remove_prefix(bar + 1);
  }
}

std::vector<NameFilter> name_filters(std::string_view filter) {
  std::vector<NameFilter> filters;
  if (filter.empty()) return filters;
  const std::vector<std::string_view> fields = split_bars(filter);
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    const QString description = from_utf8(fields[i]).trimmed();
    QString pattern = i + 1 < fields.size() ? from_utf8(fields[i + 1]).trimmed() : QString();
    if (pattern.isEmpty()) pattern = QStringLiteral("*");
    QString qt_patterns = pattern;
    qt_patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString in_parentheses = QLatin1Char('(') + qt_patterns + QLatin1Char(')');
    QString text;
    if (description.isEmpty())
      text = qt_patterns;
    else if (description.endsWith(in_parentheses))
      text = description;
    else
      text = description + QLatin1Char(' ') + in_parentheses;
    filters.push_back({text, pattern});
  }
  return filters;
}

bool is_pattern(const QString& name) {
  return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

}  // namespace

QStringList qt_name_filters(std::string_view filter) {
  QStringList texts;
  for (const NameFilter& name_filter : name_filters(filter)) texts << name_filter.text;
  return texts;
}

QString qt_file_filter(std::string_view filter) {
  return qt_name_filters(filter).join(QStringLiteral(";;"));
}

DialogStart dialog_start(std::string_view initial) {
  const QString path = from_utf8(initial);
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  DialogStart start;
  QString name = path;
  if (slash >= 0) {
    // The root keeps its slash: "/x.txt" starts in "/".
    start.folder = path.left(slash == 0 ? 1 : slash);
    name = path.mid(slash + 1);
  }
  (is_pattern(name) ? start.pattern : start.file_name) = name;
  return start;
}

QMessageBox::Icon qt_box_icon(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kNone:
      return QMessageBox::NoIcon;
    case BoxIcon::kInformation:
      return QMessageBox::Information;
    case BoxIcon::kQuestion:
      return QMessageBox::Question;
    case BoxIcon::kExclamation:
      return QMessageBox::Warning;
    case BoxIcon::kCritical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

QtMainDialogs::QtMainDialogs(QWidget* main_window) : main_window_(main_window) {}

QMessageBox::StandardButton QtMainDialogs::show_box(std::string_view title, std::string_view text,
                                                    BoxIcon icon,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton default_button) {
  QMessageBox box(qt_box_icon(icon), box_text(title), box_text(text), buttons, main_window_);
  box.setObjectName(QStringLiteral("mainMessageBox"));
  box.setDefaultButton(default_button);
  box.exec();
  return box.standardButton(box.clickedButton());
}

void QtMainDialogs::message(std::string_view title, std::string_view text, BoxIcon icon) {
  show_box(title, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMainDialogs::ask_yes_no(std::string_view title, std::string_view text, BoxIcon icon,
                               bool default_no) {
  return show_box(title, text, icon, QMessageBox::Yes | QMessageBox::No,
                  default_no ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtMainDialogs::ask_ok_cancel(std::string_view title, std::string_view text, BoxIcon icon) {
  return show_box(title, text, icon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
         QMessageBox::Ok;
}

MainDialogs::Answer QtMainDialogs::ask_yes_no_cancel(std::string_view title, std::string_view text,
                                                     BoxIcon icon) {
  switch (show_box(title, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                   QMessageBox::No)) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

std::optional<std::string> QtMainDialogs::choose_open_path(std::string_view title,
                                                           std::string_view initial,
                                                           std::string_view filter) {
  return choose_path(false, title, initial, filter);
}

std::optional<std::string> QtMainDialogs::choose_save_path(std::string_view title,
                                                           std::string_view initial,
                                                           std::string_view filter) {
  return choose_path(true, title, initial, filter);
}

std::optional<std::string> QtMainDialogs::choose_path(bool save, std::string_view title,
                                                      std::string_view initial,
                                                      std::string_view filter) {
  QFileDialog dialog(main_window_, box_text(title));
  dialog.setObjectName(save ? QStringLiteral("saveFileDialog") : QStringLiteral("openFileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The caller asks its own question before a file is replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }

  const DialogStart start = dialog_start(initial);
  std::vector<NameFilter> filters = name_filters(filter);
  QString selected;
  if (!start.pattern.isEmpty()) {
    for (const NameFilter& name_filter : filters)
      if (name_filter.pattern == start.pattern) selected = name_filter.text;
    if (selected.isEmpty()) {
      selected = start.pattern;
      filters.insert(filters.begin(), {start.pattern, start.pattern});
    }
  }
  QStringList texts;
  for (const NameFilter& name_filter : filters) texts << name_filter.text;
  if (!texts.isEmpty()) dialog.setNameFilters(texts);
  if (!selected.isEmpty()) dialog.selectNameFilter(selected);
  if (!start.folder.isEmpty()) dialog.setDirectory(start.folder);
  if (!start.file_name.isEmpty()) dialog.selectFile(start.file_name);

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.front().toStdString();
}

}  // namespace pelmira
