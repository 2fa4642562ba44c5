#include "mainwindow/qt/input_panel.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/qt/box_text.h"
#include "mainwindow/qt/widget_support.h"

namespace pelmira {
namespace {

// The keypad's grid in twips: buttons 480 x 420, 30 apart.
constexpr int kKeyLeft = 120;
constexpr int kKeyTop = 1110;
constexpr int kKeyWidth = 480;
constexpr int kKeyHeight = 420;
constexpr int kKeyStep = 510;
constexpr int kRowStep = 450;
constexpr int kUnitLeft = 1680;
constexpr int kUnitWidth = 600;
constexpr int kEraLeft = 2400;
constexpr int kEraWidth = 1080;
constexpr int kEraStep = 1140;

// The digits row by row as a telephone keypad, 0 last.
constexpr std::array<int, 10> kDigitOrder{7, 8, 9, 4, 5, 6, 1, 2, 3, 0};

}  // namespace

InputPanel::InputPanel(QTimer* timer, QWidget* parent)
    : PanelFrame(kInputPanel, QStringLiteral("入力"), parent), timer_(timer) {
  date_box_ = new QLineEdit(this);
  date_box_->setObjectName(QStringLiteral("Text2_0"));
  date_box_->setAccessibleName(QStringLiteral("年月日"));
  date_box_->setToolTip(QStringLiteral("ここに年月日を入力して[Enter]キーで決定します。"));
  date_box_->setGeometry(twips_rect(120, 270, 2760, 330));
  date_box_->setMaxLength(256);
  date_box_->installEventFilter(this);
  connect(date_box_, &QLineEdit::returnPressed, this, &InputPanel::enter_typed_date);
  connect(date_box_, &QLineEdit::textEdited, this, [this] { enter_->setDefault(true); });

  display_ = new QLineEdit(this);
  display_->setObjectName(QStringLiteral("Text2_1"));
  display_->setAccessibleName(QStringLiteral("入力ボタンの表示"));
  display_->setReadOnly(true);
  display_->setFocusPolicy(Qt::NoFocus);
  display_->setGeometry(twips_rect(120, 690, 2760, 330));

  add_button(QStringLiteral("Command9_1"), QStringLiteral("消す↑"), 3000, 690, 840, 330,
             [](MainSession& s) { s.Command9_Clear(); });
  enter_ = new QPushButton(QStringLiteral("Enter"), this);
  enter_->setObjectName(QStringLiteral("Command9_2"));
  enter_->setAccessibleName(QStringLiteral("Enter"));
  enter_->setGeometry(twips_rect(3840, 690, 840, 330));
  enter_->setFocusPolicy(Qt::NoFocus);
  connect(enter_, &QPushButton::clicked, this, &InputPanel::enter_typed_date);
  build_keypad();
  build_sides();
}

void InputPanel::build_keypad() {
  for (std::size_t i = 0; i < kDigitOrder.size(); ++i) {
    const int digit = kDigitOrder[i];
    const int row = static_cast<int>(i) / 3;
    const int column = static_cast<int>(i) % 3;
    add_button(QStringLiteral("Command7_%1").arg(digit), QString::number(digit),
               kKeyLeft + kKeyStep * column, kKeyTop + kRowStep * row, kKeyWidth, kKeyHeight,
               [digit](MainSession& s) { s.Command7_Click(digit); });
  }
  for (int sign = 0; sign < 2; ++sign)
    add_button(QStringLiteral("Command10_%1").arg(sign),
               from_utf8(kSignButtons[static_cast<std::size_t>(sign)]),
               kKeyLeft + kKeyStep * (sign + 1), kKeyTop + kRowStep * 3, kKeyWidth, kKeyHeight,
               [sign](MainSession& s) { s.Command10_Click(sign); });
  for (int unit = 0; unit < 3; ++unit)
    units_[static_cast<std::size_t>(unit)] =
        add_button(QStringLiteral("Command8_%1").arg(unit),
                   from_utf8(kUnitButtons[static_cast<std::size_t>(unit)]), kUnitLeft,
                   kKeyTop + kRowStep * unit, kUnitWidth, kKeyHeight,
                   [unit](MainSession& s) { s.Command8_Click(unit); });
  for (int era = 0; era < static_cast<int>(kEraButtons.size()); ++era)
    add_button(QStringLiteral("Command4_%1").arg(era),
               from_utf8(kEraButtons[static_cast<std::size_t>(era)]),
               kEraLeft + kEraStep * (era % 2), kKeyTop + kRowStep * (era / 2), kEraWidth,
               kKeyHeight, [era](MainSession& s) { s.Command4_Click(era); });

  step_ = new QPushButton(QStringLiteral("＝"), this);
  step_->setObjectName(QStringLiteral("Command9_4"));
  step_->setAccessibleName(QStringLiteral("＝ (進める・戻す)"));
  step_->setGeometry(twips_rect(kUnitLeft, kKeyTop + kRowStep * 3, kUnitWidth, kKeyHeight));
  step_->setFocusPolicy(Qt::NoFocus);
  connect(step_, &QPushButton::pressed, this, [this] {
    forward([](MainSession& s) { s.step_pressed(); });
    if (timer_) timer_->start();
  });
  connect(step_, &QPushButton::released, this,
          [this] { forward([](MainSession& s) { s.step_released(); }); });
}

void InputPanel::build_sides() {
  static constexpr std::array<const char*, 2> kCaptions{"誕生", "現在"};
  static constexpr std::array<const char*, 2> kTips{"誕生日の入力時に選択します。",
                                                    "過去や未来の年齢を計算する時に選択します。"};
  for (int slot = 0; slot < 2; ++slot) {
    auto* option =
        new QRadioButton(QString::fromUtf8(kCaptions[static_cast<std::size_t>(slot)]), this);
    option->setObjectName(QStringLiteral("Option4_%1").arg(slot));
    option->setAccessibleName(option->text());
    option->setToolTip(QString::fromUtf8(kTips[static_cast<std::size_t>(slot)]));
    option->setGeometry(twips_rect(3000 + 840 * slot, 270, 840, 330));
    option->setFocusPolicy(Qt::NoFocus);
    connect(option, &QRadioButton::clicked, this,
            [this, slot] { forward([slot](MainSession& s) { s.Option4_Click(slot); }); });
    sides_[static_cast<std::size_t>(slot)] = option;
  }
}

void InputPanel::enter_typed_date() {
  const std::string text = date_box_->text().toStdString();
  forward([&text](MainSession& s) { s.Command9_Enter(text); });
  enter_->setDefault(false);
  select_date_box();
}

void InputPanel::select_date_box() {
  date_box_->setFocus();
  date_box_->selectAll();
}

bool InputPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == date_box_ && event->type() == QEvent::FocusIn) {
    // Selected after the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, date_box_, &QLineEdit::selectAll);
    forward([](MainSession& s) { s.Text2_GotFocus(); });
  }
  return PanelFrame::eventFilter(watched, event);
}

void InputPanel::render(const MainSession& session) {
  setTitle(text_of(session.view().entry_caption));
  if (session.view().date_box != shown_date_) {
    shown_date_ = session.view().date_box;
    date_box_->setText(text_of(shown_date_));
  }
  const Keypad& keypad = session.keypad();
  display_->setText(QString::fromStdString(keypad.display));
  const KeypadButtons enabled = cHyouji(keypad.state);
  units_[0]->setEnabled(enabled.year);
  units_[1]->setEnabled(enabled.month);
  units_[2]->setEnabled(enabled.day);
  enter_->setEnabled(enabled.enter);
  step_->setEnabled(enabled.step);
  if (timer_) timer_->setInterval(keypad.timer_interval);
  const std::string& side_caption = session.listing_controls().entry_side_caption;
  if (!side_caption.empty()) sides_[0]->setText(QString::fromStdString(side_caption));
  sides_[static_cast<std::size_t>(session.state().entering_slot)]->setChecked(true);
}

}  // namespace pelmira
