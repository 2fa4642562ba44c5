#include "people/qt/correction_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "core/text.h"

namespace pelmira {
namespace {

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Byte offset just past the first `count` characters of a UTF-8 text (its size when it is
// shorter). Counts lead bytes only, so it never looks further than the characters it passes.
std::size_t char_offset(std::string_view text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
    if (chars == count) return at;
    ++chars;
  }
  return text.size();
}

// The pointer shape while the dialog is open: the read that opens it has put up the
// hourglass, but the user is now asked to act.
class ArrowPointer {
 public:
  ArrowPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~ArrowPointer() { QApplication::restoreOverrideCursor(); }
  ArrowPointer(const ArrowPointer&) = delete;
  ArrowPointer& operator=(const ArrowPointer&) = delete;
};

}  // namespace

ShownLine shown_line(std::string_view line) {
  ShownLine shown;
  const std::size_t cut = char_offset(line, kShownLineChars);
  shown.text = utf8(line.substr(0, cut));
  if (cut < line.size()) {
    shown.cut = true;
    shown.chars = kShownLineChars + char_count(line.substr(cut));
  }
  return shown;
}

QString shown_report(std::string_view report) {
  std::string shown;
  std::size_t lines = 0;
  std::size_t at = 0;
  while (at < report.size()) {
    if (lines == kShownReportLines) {
      shown += "\n（これ以降の行は省略しました。）";
      break;
    }
    const std::size_t end = report.find_first_of("\r\n", at);
    const std::string_view line = report.substr(at, end == std::string_view::npos ? end : end - at);
    if (lines > 0) shown += '\n';
    const std::size_t cut = char_offset(line, kShownReportLineChars);
    shown += line.substr(0, cut);
    if (cut < line.size())
      shown += "…（以下 " + std::to_string(char_count(line.substr(cut))) + " 文字を省略）";
    ++lines;
    if (end == std::string_view::npos) break;
    const bool cr_lf = report[end] == '\r' && end + 1 < report.size() && report[end + 1] == '\n';
    at = end + (cr_lf ? 2 : 1);
  }
  return utf8(shown);
}

CorrectionDialog::CorrectionDialog(CorrectionWindow& window, QWidget* parent)
    : QDialog(parent), window_(window) {
  setObjectName(QStringLiteral("datashuseif"));
  setWindowTitle(utf8(kCorrectionTitle));
  setAccessibleName(windowTitle());
  setModal(true);

  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Text1"));
  edit_->setAccessibleName(QStringLiteral("修正するデータ"));

  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("Label1_1"));
  note_->setAccessibleName(QStringLiteral("長いデータについての注意"));
  note_->setTextFormat(Qt::PlainText);
  note_->setWordWrap(true);
  note_->hide();

  // The report keeps its lines as the validator wrote them (the first is the data line, which
  // may be long): no word wrap, scroll bars instead, and selectable so that it can be copied.
  report_ = new QLabel;
  report_->setObjectName(QStringLiteral("Label1_0"));
  report_->setAccessibleName(QStringLiteral("調査結果とエラー内容"));
  report_->setTextFormat(Qt::PlainText);
  report_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  report_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  report_->setMargin(4);
  auto* report_area = new QScrollArea(this);
  report_area->setObjectName(QStringLiteral("reportArea"));
  report_area->setAccessibleName(report_->accessibleName());
  report_area->setWidgetResizable(true);
  report_area->setWidget(report_);

  auto* button_row = new QHBoxLayout;
  for (std::size_t k = 0; k < buttons_.size(); ++k) {
    auto* button = new QPushButton(utf8(kCorrectionCaptions[k]), this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(k));
    button->setAccessibleName(button->text());
    button->setToolTip(utf8(kCorrectionTooltips[k]));
    button->setAccessibleDescription(button->toolTip());
    connect(button, &QPushButton::clicked, this,
            [this, k] { press(static_cast<CorrectionButton>(k)); });
    button_row->addWidget(button);
    buttons_[k] = button;
  }
  // Enter in the edit box checks the repaired line.
  buttons_[0]->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(edit_);
  layout->addWidget(note_);
  layout->addWidget(report_area, 1);
  layout->addLayout(button_row);

  // Wide enough for the report's longest fixed line (about 30 full-width characters) and tall
  // enough for its ten lines and a few errors without scrolling.
  const QFontMetrics metrics(font());
  const int full_width = metrics.horizontalAdvance(QChar(0x3042));
  resize(std::max(minimumSizeHint().width(), full_width * 34), metrics.lineSpacing() * 24);

  show_state();
  edit_->setFocus();
}

void CorrectionDialog::press(CorrectionButton button) {
  // A line shown cut cannot be edited; the buttons then act on the whole line.
  if (!edit_cut_ && edit_->text() != shown_edit_) window_.edit_text = edit_->text().toStdString();
  if (window_.press(button)) {
    accept();
    return;
  }
  show_state();
}

void CorrectionDialog::show_state() {
  const ShownLine line = shown_line(window_.edit_text);
  shown_edit_ = line.text;
  edit_cut_ = line.cut;
  edit_->setText(line.text);
  edit_->setCursorPosition(0);  // the start of a long line, where its name is
  edit_->setReadOnly(line.cut);
  if (line.cut) {
    note_->setText(QStringLiteral("このデータは %1 文字と長過ぎるため、先頭の %2 文字だけを表示して"
                                  "います。ここでは書き換えられません。ボタンはデータ全体に対して"
                                  "働きます。")
                       .arg(line.chars)
                       .arg(kShownLineChars));
  }
  note_->setVisible(line.cut);
  report_->setText(shown_report(window_.report));
}

void show_correction_dialog(CorrectionWindow& window, QWidget* parent) {
  CorrectionDialog dialog(window, parent);
  const ArrowPointer pointer;
  dialog.exec();
}

}  // namespace pelmira
