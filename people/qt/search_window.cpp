#include "people/qt/search_window.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/qt/box_text.h"
#include "core/twips.h"
#include "settings/setting_values.h"

namespace pelmira {
namespace {

// The window's places are designed in pixels of 15 twips, as its settings keep them.
constexpr int kWidth = 424;
constexpr int kHeight = 400;
constexpr int kBoxHeight = 22;
constexpr int kRowPitch = 30;

// The date block: the columns of the year, month and day boxes, and the rows of the two ends.
constexpr int kEraLeft = 16, kHundredsLeft = 86, kTimesLeft = 136, kUnitsLeft = 184;
constexpr int kYearLabelLeft = 234, kMonthLeft = 262, kMonthLabelLeft = 312;
constexpr int kDayLeft = 340, kDayLabelLeft = 390;
constexpr int kFromTop = 44, kToTop = 100;
// The marks: frames 6 pixels around the boxes, the "～" in the gap between the two rows.
constexpr int kMarkTop = kFromTop - 6, kMarkRowHeight = kBoxHeight + 12;
constexpr int kMarkBothRowsHeight = kToTop + kBoxHeight + 6 - kMarkTop;
constexpr int kTildeTop = kMarkTop + kMarkRowHeight, kTildeHeight = kToTop - 6 - kTildeTop;
constexpr int kYearMarkLeft = 10, kYearMarkRight = 254;
constexpr int kMonthMarkLeft = 256, kMonthMarkRight = 332;
constexpr int kDayMarkLeft = 334, kDayMarkRight = 412;
constexpr int kOtherTop = 140;

// A stored place in twips, read leniently (the default for a text that is no number) and kept
// to what an int holds in pixels, as the screen test that follows needs.
int stored_twips(const SettingsStore& store, const SettingKey& key) {
  double twips = read_double_or_default(store, key);
  if (!std::isfinite(twips)) twips = 0;
  constexpr double kLimit = 1e7;  // far beyond any screen, well within int
  return static_cast<int>(std::lround(std::clamp(twips, -kLimit, kLimit)));
}

}  // namespace

SearchWindow::SearchWindow(SettingsStore& store, Hooks hooks, QWidget* main_window)
    : QWidget(main_window, Qt::Tool), store_(store), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("kensaku"));
  setWindowTitle(from_utf8(kSearchTitle));
  setAccessibleName(windowTitle());
  setFixedSize(kWidth, kHeight);
  form_ = search_form_load();
  build_date_block();
  build_other_boxes();
  build_buttons();
  render();
}

SearchWindow::~SearchWindow() {
  // A window destroyed while shown (the program ending) keeps its place as a close would.
  if (isVisible()) store_place();
}

void SearchWindow::open() {
  if (isHidden()) show();
  raise();
  activateWindow();
}

void SearchWindow::set_busy(bool busy) {
  if (busy) {
    ++busy_depth_;
  } else if (busy_depth_ > 0) {
    --busy_depth_;
  }
  setEnabled(busy_depth_ == 0);
  if (busy_depth_ > 0)
    setCursor(Qt::WaitCursor);
  else
    unsetCursor();
}

void SearchWindow::Command1_Click(int index) {
  switch (index) {
    case 0: {
      recount_reference_bounds(form_, hooks_.state());
      const SearchOutcome outcome = hooks_.search(form_);
      hide();
      const std::string_view notice = search_notice(outcome);
      if (notice.empty()) return;
      if (hooks_.tell)
        hooks_.tell(notice);
      else
        QMessageBox::information(parentWidget(), from_utf8(kSearchTitle), from_utf8(notice));
      return;
    }
    case 1:
      hide();
      return;
    case 2:
      rs1(form_);
      render();
      return;
    default:
      return;
  }
}

void SearchWindow::showEvent(QShowEvent* event) {
  // A show of the window's own (not the main window coming back from the task bar).
  if (!event->spontaneous()) restore_place();
  QWidget::showEvent(event);
}

void SearchWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) store_place();
  QWidget::hideEvent(event);
}

// --- Building --------------------------------------------------------------------------------

QComboBox* SearchWindow::new_box(int index, const QString& accessible_name, int left, int top,
                                 int width) {
  auto* box = new QComboBox(this);
  box->setObjectName(QStringLiteral("Combo1_%1").arg(index));
  box->setAccessibleName(accessible_name);
  box->setGeometry(left, top, width, kBoxHeight);
  box->setMaxVisibleItems(20);
  // Only the user's choices arrive here; filling and selecting by render() raise nothing.
  connect(box, &QComboBox::activated, this,
          [this, index](int position) { box_chosen(index, position); });
  boxes_[static_cast<std::size_t>(index)] = box;
  return box;
}

QLabel* SearchWindow::new_label(const QString& text, int left, int top, int width) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QStringLiteral("Label1_%1").arg(labels_++));
  label->setAccessibleName(text);
  label->setGeometry(left, top, width, kBoxHeight);
  return label;
}

void SearchWindow::add_mark(i16 date_form, int left, int top, int width, int height,
                            bool tilde_below) {
  const auto k = static_cast<int>(marks_.size());
  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Shape1_%1").arg(k));
  frame->setAccessibleName(QStringLiteral("範囲の囲み %1").arg(k + 1));
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Plain);
  frame->setGeometry(left, top, width, height);
  frame->lower();  // behind the boxes it surrounds
  QLabel* tilde = nullptr;
  if (tilde_below) {
    tilde = new QLabel(QStringLiteral("～"), this);
    tilde->setObjectName(QStringLiteral("Label2_%1").arg(k));
    tilde->setAccessibleName(QStringLiteral("範囲のつなぎ %1").arg(k + 1));
    tilde->setAlignment(Qt::AlignCenter);
    // In the gap between the two rows of ends, centred under the frame.
    tilde->setGeometry(left + width / 2 - 10, kTildeTop, 20, kTildeHeight);
  }
  marks_.push_back({date_form, frame, tilde});
}

void SearchWindow::build_date_block() {
  new_label(QStringLiteral("生年月日"), 12, 8, 64);
  constexpr std::array<int, 3> kOptionLeft{90, 170, 240};
  constexpr std::array<int, 3> kOptionWidth{76, 66, 52};
  for (std::size_t k = 0; k < date_forms_.size(); ++k) {
    auto* option = new QRadioButton(from_utf8(kDateFormCaptions[k]), this);
    option->setObjectName(QStringLiteral("Option2_%1").arg(k));
    option->setAccessibleName(QStringLiteral("日付の範囲 ") + option->text());
    option->setToolTip(from_utf8(kDateFormTooltips[k]));
    option->setAccessibleDescription(option->toolTip());
    option->setGeometry(kOptionLeft[k], 8, kOptionWidth[k], kBoxHeight);
    connect(option, &QRadioButton::clicked, this, [this, k] {
      form_.date_form = static_cast<i16>(k);
      render();
    });
    date_forms_[k] = option;
  }

  const std::array<QString, 2> ends{QStringLiteral("から"), QStringLiteral("まで")};
  for (int end = 0; end < 2; ++end) {
    const int top = end == 0 ? kFromTop : kToTop;
    const QString& e = ends[static_cast<std::size_t>(end)];
    new_box(kBoxEraFrom + end, QStringLiteral("年の元号(%1)").arg(e), kEraLeft, top, 64);
    new_box(kBoxHundredsFrom + end, QStringLiteral("年の百の位(%1)").arg(e), kHundredsLeft, top,
            48);
    new_label(QStringLiteral("×１００"), kTimesLeft, top, 46);
    new_box(kBoxUnitsFrom + end, QStringLiteral("年(%1)").arg(e), kUnitsLeft, top, 48);
    new_label(QStringLiteral("年"), kYearLabelLeft, top, 20);
    new_box(kBoxMonthFrom + end, QStringLiteral("月(%1)").arg(e), kMonthLeft, top, 48);
    new_label(QStringLiteral("月"), kMonthLabelLeft, top, 20);
    new_box(kBoxDayFrom + end, QStringLiteral("日(%1)").arg(e), kDayLeft, top, 48);
    new_label(QStringLiteral("日"), kDayLabelLeft, top, 20);
  }

  // "年月日": each end a full date, one "～" between them.
  const int full_width = kDayMarkRight - kYearMarkLeft;
  add_mark(kFormFullDate, kYearMarkLeft, kMarkTop, full_width, kMarkRowHeight, true);
  add_mark(kFormFullDate, kYearMarkLeft, kToTop - 6, full_width, kMarkRowHeight, false);
  // "月日" and "日": the years, then the month and day together or each on its own, every
  // column from its "from" down to its "to".
  const auto column_mark = [this](i16 date_form, int left, int right) {
    add_mark(date_form, left, kMarkTop, right - left, kMarkBothRowsHeight, true);
  };
  column_mark(kFormMonthDay, kYearMarkLeft, kYearMarkRight);
  column_mark(kFormMonthDay, kMonthMarkLeft, kDayMarkRight);
  column_mark(kFormSeparate, kYearMarkLeft, kYearMarkRight);
  column_mark(kFormSeparate, kMonthMarkLeft, kMonthMarkRight);
  column_mark(kFormSeparate, kDayMarkLeft, kDayMarkRight);
}

void SearchWindow::build_other_boxes() {
  int top = kOtherTop;
  new_label(QStringLiteral("年齢"), 12, top, 40);
  new_box(kBoxAgeFrom, QStringLiteral("年齢(から)"), 56, top, 56);
  new_label(QStringLiteral("～"), 114, top, 16);
  new_box(kBoxAgeTo, QStringLiteral("年齢(まで)"), 132, top, 56);
  new_label(QStringLiteral("歳"), 192, top, 20);

  top += kRowPitch;
  new_label(QStringLiteral("学校"), 12, top, 40);
  new_box(kBoxGradeFrom, QStringLiteral("学校(から)"), 56, top, 96);
  new_label(QStringLiteral("～"), 154, top, 16);
  new_box(kBoxGradeTo, QStringLiteral("学校(まで)"), 172, top, 96);

  top += kRowPitch;
  new_label(QStringLiteral("十二支"), 12, top, 48);
  new_box(kBoxBranch, QStringLiteral("十二支"), 64, top, 100);
  new_label(QStringLiteral("十干"), 180, top, 36);
  new_box(kBoxStem, QStringLiteral("十干"), 220, top, 132);

  top += kRowPitch;
  new_label(QStringLiteral("星座"), 12, top, 48);
  new_box(kBoxZodiac, QStringLiteral("星座"), 64, top, 170);
  new_label(QStringLiteral("九星"), 250, top, 36);
  new_box(kBoxNineStar, QStringLiteral("九星"), 290, top, 110);

  top += kRowPitch;
  new_label(QStringLiteral("六星占術"), 12, top, 60);
  new_box(kBoxPolarity, QStringLiteral("六星占術の陰陽"), 76, top, 70);
  new_box(kBoxSixStar, QStringLiteral("六星占術"), 150, top, 90);
  new_label(QStringLiteral("霊合星人"), 250, top, 60);
  new_box(kBoxSpirit, QStringLiteral("霊合星人"), 312, top, 100);

  top += kRowPitch;
  new_label(QStringLiteral("動物占い"), 12, top, 60);
  new_box(kBoxAnimal, QStringLiteral("動物占い"), 76, top, 130);

  top += kRowPitch;
  new_label(QStringLiteral("氏名"), 12, top, 40);
  name_part_ = new QLineEdit(this);
  name_part_->setObjectName(QStringLiteral("Text1"));
  name_part_->setAccessibleName(QStringLiteral("氏名に含む文字列"));
  name_part_->setToolTip(from_utf8(kNameTooltip));
  name_part_->setAccessibleDescription(name_part_->toolTip());
  name_part_->setGeometry(56, top, 220, kBoxHeight);
  connect(name_part_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.name_part = text.toStdString(); });
  new_label(QStringLiteral("を含む"), 282, top, 60);
}

void SearchWindow::build_buttons() {
  for (std::size_t k = 0; k < commands_.size(); ++k) {
    auto* button = new QPushButton(from_utf8(kSearchCommandCaptions[k]), this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(k));
    button->setAccessibleName(button->text());
    button->setGeometry(60 + 106 * static_cast<int>(k), kHeight - 40, 96, 26);
    connect(button, &QPushButton::clicked, this,
            [this, k] { Command1_Click(static_cast<int>(k)); });
    commands_[k] = button;
  }
}

// --- Events and rendering ----------------------------------------------------------------

void SearchWindow::box_chosen(int index, int position) {
  form_.boxes[static_cast<std::size_t>(index)].selected = position;
  Combo1_Click(form_, hooks_.state(), index);
  render();
}

void SearchWindow::render() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    QComboBox* box = boxes_[i];
    const SearchBox& shown = form_.boxes[i];
    // The fill guard: filling and selecting raise no choice of the user.
    const QSignalBlocker guard(box);
    if (shown_items_[i] != shown.items) {
      shown_items_[i] = shown.items;
      box->clear();
      for (const std::string& item : shown.items) box->addItem(QString::fromStdString(item));
    }
    box->setCurrentIndex(shown.selected < box->count() ? shown.selected : -1);
    box->setEnabled(shown.enabled);
  }
  const QString name = QString::fromStdString(form_.name_part);
  if (name_part_->text() != name) name_part_->setText(name);
  const auto date_form =
      static_cast<std::size_t>(std::clamp<int>(form_.date_form, kFormFullDate, kFormSeparate));
  date_forms_[date_form]->setChecked(true);
  for (const Mark& mark : marks_) {
    const bool shown = mark.date_form == form_.date_form;
    mark.frame->setVisible(shown);
    if (mark.tilde) mark.tilde->setVisible(shown);
  }
}

void SearchWindow::restore_place() {
  QPoint place(twips_to_pixels(stored_twips(store_, setting::kSearchLeft)),
               twips_to_pixels(stored_twips(store_, setting::kSearchTop)));
  // A place off every screen (a monitor gone, a damaged setting) would leave the window out
  // of reach: it then opens at the top left of the available area of the main window's
  // screen.
  if (!QGuiApplication::screenAt(place)) {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) place = screen->availableGeometry().topLeft();
  }
  move(place);
}

void SearchWindow::store_place() {
  write_number(store_, setting::kSearchLeft, pixels_to_twips(pos().x()));
  write_number(store_, setting::kSearchTop, pixels_to_twips(pos().y()));
}

}  // namespace pelmira
