#include "mainwindow/qt/notification_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "mainwindow/qt/widget_support.h"

namespace pelmira {
namespace {

using RuleBox = MainSession::RuleBox;

// Rows of the pane, in twips from its top.
constexpr int kNameRow = 270;
constexpr int kKindRow = 660;
constexpr int kBoxRow = 1000;
constexpr int kWeekRow = 1320;
constexpr int kMoveRow = 1640;
constexpr int kDescriptionRow = 1980;
constexpr int kButtonRow = 2550;

void set_checked(QCheckBox* box, bool ticked) {
  const QSignalBlocker quiet(box);
  box->setChecked(ticked);
}

}  // namespace

NotificationPanel::NotificationPanel(QWidget* parent)
    : PanelFrame(kNotificationPanel, QStringLiteral("「Lunoka」用入力"), parent) {
  setTitle(QStringLiteral("　入力　リスト　「Lunoka」"));
  build_name_and_days();
  build_kinds();
  build_boxes();
  description_ = add_label(QStringLiteral("Label1_3"), QStringLiteral("お知らせの説明"), 120,
                           kDescriptionRow, 4560, 480);
  description_->setText(QStringLiteral("確認"));
  add_ = add_button(QStringLiteral("Command2_0"), QStringLiteral("追加"), 120, kButtonRow, 1200,
                    330, [](MainSession& s) { s.Command2_Click(0); });
  rewrite_ = add_button(QStringLiteral("Command2_1"), QStringLiteral("書換"), 1440, kButtonRow,
                        1200, 330, [](MainSession& s) { s.Command2_Click(1); });
}

void NotificationPanel::build_name_and_days() {
  QLabel* name_label =
      add_label(QStringLiteral("Label1_1"), QStringLiteral("氏名"), 120, kNameRow + 45, 450, 240);
  name_label->setText(QStringLiteral("氏名"));
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Text1"));
  name_->setAccessibleName(QStringLiteral("氏名"));
  name_->setGeometry(twips_rect(600, kNameRow, 2040, 330));
  name_->setMaxLength(256);
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string name = text.toStdString();
    forward([&name](MainSession& s) { s.Text1_Change(name); });
    add_->setDefault(true);
  });

  days_ = new QLineEdit(this);
  days_->setObjectName(QStringLiteral("Text3"));
  days_->setAccessibleName(QStringLiteral("告知日数"));
  days_->setToolTip(QStringLiteral("誕生日より、ここで指定した日数前から知らせます。"));
  days_->setGeometry(twips_rect(2760, kNameRow, 600, 330));
  days_->setMaxLength(16);
  connect(days_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string days = text.toStdString();
    forward([&days](MainSession& s) { s.Text3_Change(days); });
  });
  QLabel* days_label = add_label(QStringLiteral("Label1_2"), QStringLiteral("日前から告知"), 3420,
                                 kNameRow + 45, 1260, 240);
  days_label->setText(QStringLiteral("日前から告知"));
}

void NotificationPanel::build_kinds() {
  static constexpr std::array<const char*, 4> kCaptions{"日付", "月日", "年月日", "曜日"};
  static constexpr std::array<const char*, 4> kTips{
      "「Lunoka.exe」で日付が一致した時に知らせます。",
      "「Lunoka.exe」で月日が一致した時に知らせます。",
      "「Lunoka.exe」で年月日が一致した時に知らせます。",
      "「Lunoka.exe」で曜日が一致した時に知らせます。"};
  for (int kind = 1; kind <= 4; ++kind) {
    const auto at = static_cast<std::size_t>(kind - 1);
    auto* option = new QRadioButton(QString::fromUtf8(kCaptions[at]), this);
    option->setObjectName(QStringLiteral("option5_%1").arg(kind));
    option->setAccessibleName(option->text());
    option->setToolTip(QString::fromUtf8(kTips[at]));
    option->setGeometry(twips_rect(120 + 1140 * (kind - 1), kKindRow, 1100, 300));
    option->setFocusPolicy(Qt::NoFocus);
    connect(option, &QRadioButton::clicked, this, [this, kind] {
      forward([kind](MainSession& s) { s.option5_Click(static_cast<i16>(kind)); });
    });
    kinds_[at] = option;
  }
}

QCheckBox* NotificationPanel::add_box(const QString& name, const QString& caption,
                                      const QString& tooltip, int left, int top, int width,
                                      RuleBox box, int index) {
  auto* check = new QCheckBox(caption, this);
  check->setObjectName(name);
  check->setAccessibleName(caption);
  check->setToolTip(tooltip);
  check->setGeometry(twips_rect(left, top, width, 300));
  check->setFocusPolicy(Qt::NoFocus);
  connect(check, &QCheckBox::toggled, this, [this, box, index](bool ticked) {
    forward([=](MainSession& s) { s.rule_box_Click(box, index, ticked); });
  });
  return check;
}

void NotificationPanel::build_boxes() {
  show_age_ = add_box(QStringLiteral("Check1"), QStringLiteral("誕生日の表示"),
                      QStringLiteral("誕生日当日に氏名と年齢を表示します。"), 120, kBoxRow, 1800,
                      RuleBox::kShowAge, 0);
  month_end_ = add_box(QStringLiteral("Check2"), QStringLiteral("毎月の末日"),
                       QStringLiteral("日付に関係無く末日に表示します。"), 120, kBoxRow, 1800,
                       RuleBox::kMonthEnd, 0);
  birth_month_ = add_box(QStringLiteral("Check6"), QStringLiteral("月を指定"),
                         QStringLiteral("誕生側の月の指定した曜日に表示します。"), 120, kBoxRow,
                         1500, RuleBox::kBirthMonth, 0);
  static constexpr std::array<const char*, 5> kWeeks{"毎週", "第一", "第二", "第三", "第四"};
  for (int i = 0; i < 5; ++i)
    weeks_[static_cast<std::size_t>(i)] = add_box(
        QStringLiteral("Check5_%1").arg(i), QString::fromUtf8(kWeeks[static_cast<std::size_t>(i)]),
        QString(), i == 0 ? 1740 : 120 + 900 * (i - 1), i == 0 ? kBoxRow : kWeekRow, 880,
        RuleBox::kWeek, i);
  when_ =
      add_label(QStringLiteral("Label1_6"), QStringLiteral("なら"), 3000, kWeekRow + 30, 600, 240);
  when_->setText(QStringLiteral("なら"));
  static constexpr std::array<const char*, 3> kDays{"土曜", "日曜", "祝祭日"};
  for (int i = 0; i < 3; ++i)
    move_on_[static_cast<std::size_t>(i)] = add_box(
        QStringLiteral("Check3_%1").arg(i), QString::fromUtf8(kDays[static_cast<std::size_t>(i)]),
        i == 2 ? QStringLiteral("振り替え休日を含みます。") : QString(), 120 + 960 * i, kWeekRow,
        940, RuleBox::kMoveOn, i);
  static constexpr std::array<const char*, 2> kMoves{"前日へ移動", "後日へ移動"};
  for (int i = 0; i < 2; ++i)
    move_to_[static_cast<std::size_t>(i)] = add_box(
        QStringLiteral("Check4_%1").arg(i), QString::fromUtf8(kMoves[static_cast<std::size_t>(i)]),
        QString(), 120 + 1500 * i, kMoveRow, 1480, RuleBox::kMoveTo, i);
}

void NotificationPanel::render(const MainSession& session) {
  const NoticePane& pane = session.notice_pane();
  const NoticeRule& rule = pane.rule;
  const QString name = QString::fromStdString(pane.name);
  if (name_->text() != name) name_->setText(name);
  const QString days = QString::fromStdString(pane.days_text);
  if (days_->text() != days) days_->setText(days);
  for (int kind = 1; kind <= 4; ++kind)
    kinds_[static_cast<std::size_t>(kind - 1)]->setChecked(rule.kind == kind);
  set_checked(show_age_, rule.show_age);
  set_checked(month_end_, rule.month_end);
  set_checked(birth_month_, rule.birth_month_only);
  set_checked(weeks_[0], rule.every_week);
  for (std::size_t i = 0; i < 4; ++i) set_checked(weeks_[i + 1], rule.weeks[i]);
  for (std::size_t i = 0; i < 3; ++i) set_checked(move_on_[i], rule.move_on[i]);
  for (std::size_t i = 0; i < 2; ++i) set_checked(move_to_[i], rule.move_to[i]);

  const NoticePaneVisibility& shown = session.view().rule_boxes;
  month_end_->setVisible(shown.month_end);
  show_age_->setVisible(shown.show_age);
  birth_month_->setVisible(shown.weekday_boxes);
  for (QCheckBox* week : weeks_) week->setVisible(shown.weekday_boxes);
  for (std::size_t i = 1; i < weeks_.size(); ++i) weeks_[i]->setEnabled(shown.week_boxes_enabled);
  when_->setVisible(shown.move_boxes);
  for (QCheckBox* box : move_on_) box->setVisible(shown.move_boxes);
  for (QCheckBox* box : move_to_) box->setVisible(shown.move_boxes);

  if (!session.view().rule_description.empty())
    description_->setText(text_of(session.view().rule_description));
  add_->setEnabled(session.add_enabled());
  rewrite_->setEnabled(session.rewrite_enabled());
}

}  // namespace pelmira
