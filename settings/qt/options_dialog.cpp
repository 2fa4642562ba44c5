#include "settings/qt/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string_view>

#include "core/qt/box_text.h"

namespace pelmira {
namespace {

std::string std_text(const QString& text) {
  return text.toStdString();
}

// Names a control: its object name, the name a screen reader reads and its tool tip.
template <class Widget>
Widget* named(Widget* widget, const QString& object_name, const QString& accessible_name,
              std::string_view tool_tip = {}) {
  widget->setObjectName(object_name);
  widget->setAccessibleName(accessible_name);
  if (!tool_tip.empty()) {
    widget->setToolTip(from_utf8(tool_tip));
    widget->setAccessibleDescription(widget->toolTip());
  }
  return widget;
}

QLabel* path_label(const QString& object_name, const QString& accessible_name) {
  auto* label = named(new QLabel, object_name, accessible_name);
  // A path is shown as it is, never as rich text.
  label->setTextFormat(Qt::PlainText);
  // A long path must not widen the dialog beyond the screen: the label takes the width the
  // page gives it, and its tool tip shows the whole path.
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setFrameShape(QFrame::StyledPanel);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* caption_label(std::string_view text, const QString& object_name) {
  auto* label = new QLabel(from_utf8(text));
  label->setObjectName(object_name);
  label->setAccessibleName(label->text());
  return label;
}

QCheckBox* check_box(std::string_view caption, const QString& object_name) {
  auto* box = new QCheckBox(from_utf8(caption));
  return named(box, object_name, box->text());
}

QPushButton* push_button(std::string_view caption, const QString& object_name,
                         std::string_view tool_tip = {}) {
  auto* button = new QPushButton(from_utf8(caption));
  return named(button, object_name, button->text(), tool_tip);
}

struct TabText {
  std::string_view caption;
  std::string_view tool_tip;
};
constexpr std::array<TabText, kOptionsPageCount> kTabs{{
    {"表示", "入力画面とリスト画面の表示の設定"},
    {"起動時", "自動入力の設定"},
    {"終了時", ""},
    {"計算法", "年齢計算法と暦法の設定"},
    {"Lunoka", "Lunokaの設定"},
}};

struct PresetButton {
  std::string_view caption;
  std::string_view tool_tip;
};
constexpr std::array<PresetButton, 3> kPresets{{
    {"全てを表示", "全てにチェックを入れます。"},
    {"全て非表示", "全てのチェックを外します。"},
    {"デフォルト", "デフォルトの状態に戻します。"},
}};

constexpr std::string_view kTabCountTip =
    "長い名前が含まれている場合に、大きな数字を指定すると見やすくなります。";

}  // namespace

OptionsDialog::OptionsDialog(SettingsStore& store, MainDialogs& dialogs,
                             const OptionsContext& context, QWidget* parent)
    : QDialog(parent), store_(store), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmOptions"));
  setWindowTitle(from_utf8(kOptionsTitle));
  setAccessibleName(windowTitle().trimmed());
  setModal(true);
  form_.load(store, context);

  tabs_ = named(new QTabWidget(this), QStringLiteral("tbsOptions"), QStringLiteral("設定の項目"));
  const std::array<QWidget*, kOptionsPageCount> pages{build_display_page(), build_startup_page(),
                                                      build_exit_page(), build_calculation_page(),
                                                      build_notifier_page()};
  for (int k = 0; k < kOptionsPageCount; ++k) {
    QWidget* page = pages[static_cast<std::size_t>(k)];
    const TabText& tab = kTabs[static_cast<std::size_t>(k)];
    page->setObjectName(QStringLiteral("picOptions_%1").arg(k));
    page->setAccessibleName(from_utf8(tab.caption));
    tabs_->addTab(page, from_utf8(tab.caption));
    if (!tab.tool_tip.empty()) tabs_->setTabToolTip(k, from_utf8(tab.tool_tip));
    pages_[static_cast<std::size_t>(k)] = page;
  }
  connect(tabs_, &QTabWidget::currentChanged, this, &OptionsDialog::page_selected);
  // Ctrl+Tab anywhere in the dialog, the buttons below the pages included.
  auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
  next->setObjectName(QStringLiteral("nextTabShortcut"));
  connect(next, &QShortcut::activated, this, &OptionsDialog::next_tab);

  QPushButton* ok = push_button("OK", QStringLiteral("cmdOK"));
  QPushButton* cancel = push_button("ｷｬﾝｾﾙ", QStringLiteral("cmdCancel"));
  QPushButton* apply_button = push_button("更新", QStringLiteral("cmdApply"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
  connect(apply_button, &QPushButton::clicked, this, &OptionsDialog::apply);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(apply_button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);

  render();
  page_selected(tabs_->currentIndex());
}

QWidget* OptionsDialog::build_display_page() {
  auto* page = new QWidget;

  auto* items = named(new QGroupBox(QStringLiteral("入力画面の表示項目")),
                      QStringLiteral("inputItemFrame"), QStringLiteral("入力画面の表示項目"));
  auto* item_grid = new QGridLayout(items);
  auto* item_group = new QButtonGroup(items);
  for (int k = 0; k < kInputItemCount; ++k) {
    auto* option = new QRadioButton(from_utf8(form_.input_item_caption(k)));
    named(option, QStringLiteral("Option1_%1").arg(k), option->text(),
          k == 0 ? "「入力」の文字が表示されます" : "");
    item_group->addButton(option, k);
    item_grid->addWidget(option, k % 5, k / 5);
    connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) form_.values.input_item = static_cast<i16>(k);
    });
    input_items_[static_cast<std::size_t>(k)] = option;
  }

  auto* columns = named(new QGroupBox(QStringLiteral("リスト画面の表示項目")),
                        QStringLiteral("listColumnFrame"), QStringLiteral("リスト画面の表示項目"));
  auto* column_grid = new QGridLayout(columns);
  for (int k = 0; k < static_cast<int>(kListColumnCount); ++k) {
    QCheckBox* box = check_box(form_.column_caption(k), QStringLiteral("Check5_%1").arg(k));
    column_grid->addWidget(box, k % 6, k / 6);
    connect(box, &QCheckBox::toggled, this,
            [this, k](bool on) { form_.values.columns[static_cast<std::size_t>(k)] = on; });
    columns_[static_cast<std::size_t>(k)] = box;
  }
  auto* presets = new QVBoxLayout;
  for (int k = 0; k < static_cast<int>(kPresets.size()); ++k) {
    const PresetButton& preset = kPresets[static_cast<std::size_t>(k)];
    QPushButton* button =
        push_button(preset.caption, QStringLiteral("Command3_%1").arg(k), preset.tool_tip);
    connect(button, &QPushButton::clicked, this, [this, k] {
      form_.Command3_Click(k);
      render();
    });
    presets->addWidget(button);
  }
  tab_count_ = named(new QComboBox, QStringLiteral("Combo1"),
                     QStringLiteral("氏名の後ろのＴＡＢ数"), kTabCountTip);
  tab_count_->setEditable(true);
  tab_count_->setInsertPolicy(QComboBox::NoInsert);
  for (i16 n = kFewestNameTabs; n <= kMostNameTabs; ++n) tab_count_->addItem(QString::number(n));
  connect(tab_count_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { form_.values.tab_text = std_text(text); });
  presets->addStretch(1);
  presets->addWidget(caption_label("氏名の後ろのＴＡＢ数。", QStringLiteral("tabCountLabel")));
  presets->addWidget(tab_count_);
  column_grid->addLayout(presets, 0, 3, 6, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(items);
  layout->addWidget(columns);
  return page;
}

QWidget* OptionsDialog::build_startup_page() {
  auto* page = new QWidget;
  auto* frame = named(new QGroupBox(QStringLiteral("Pelmiraの起動時の設定")),
                      QStringLiteral("startupFrame"), QStringLiteral("Pelmiraの起動時の設定"));

  load_start_file_ =
      check_box("Pelmira起動時に、リスト画面にデータを読み込む。", QStringLiteral("Check2"));
  connect(load_start_file_, &QCheckBox::toggled, this,
          [this](bool on) { form_.values.load_start_file = on; });
  QPushButton* choose = push_button("ファイルを指定", QStringLiteral("Command1"));
  connect(choose, &QPushButton::clicked, this, [this] {
    if (Command1_Click(form_, dialogs_)) render();
  });
  start_file_ = path_label(QStringLiteral("Label8"), QStringLiteral("起動時に読み込むファイル"));

  start_date_ = named(new QLineEdit, QStringLiteral("Text1"),
                      QStringLiteral("Pelmira起動時の誕生側の年月日"));
  connect(start_date_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.values.start_date = std_text(text); });
  QPushButton* birth_date = push_button("「誕生」側の年月日を指定。", QStringLiteral("Command4"));
  connect(birth_date, &QPushButton::clicked, this, [this] {
    form_.Command4_Click();
    render();
  });

  auto* file_row = new QHBoxLayout;
  file_row->addWidget(choose);
  file_row->addWidget(start_file_, 1);
  auto* date_row = new QHBoxLayout;
  date_row->addWidget(start_date_, 1);
  date_row->addWidget(birth_date);

  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(load_start_file_);
  layout->addLayout(file_row);
  layout->addSpacing(12);
  layout->addWidget(
      caption_label("Pelmira起動時の誕生側の年月日を指定。", QStringLiteral("startDateLabel")));
  layout->addLayout(date_row);

  auto* page_layout = new QVBoxLayout(page);
  page_layout->addWidget(frame);
  page_layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::build_exit_page() {
  auto* page = new QWidget;
  confirm_exit_ =
      check_box("Pelmiraの終了時に確認メッセージを表示する。", QStringLiteral("Check4"));
  connect(confirm_exit_, &QCheckBox::toggled, this,
          [this](bool on) { form_.values.confirm_exit = on; });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(confirm_exit_);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::build_calculation_page() {
  auto* page = new QWidget;

  auto* ageing = named(new QGroupBox(QStringLiteral("加齢方法の設定")),
                       QStringLiteral("ageingFrame"), QStringLiteral("加齢方法の設定"));
  auto* ageing_layout = new QVBoxLayout(ageing);
  auto* ageing_group = new QButtonGroup(ageing);
  constexpr std::array<std::string_view, 2> kAgeing{"誕生日の当日に加齢", "誕生日の前日に加齢"};
  for (int k = 0; k < 2; ++k) {
    auto* option = new QRadioButton(from_utf8(kAgeing[static_cast<std::size_t>(k)]));
    named(option, QStringLiteral("Option2_%1").arg(k), option->text());
    ageing_group->addButton(option, k);
    ageing_layout->addWidget(option);
    connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) form_.values.ageing_rule = static_cast<i16>(k);
    });
    ageing_rules_[static_cast<std::size_t>(k)] = option;
  }
  ageing_layout->addWidget(caption_label("　入学や保険・年金などの事務処理の便宜のために使います",
                                         QStringLiteral("ageingNote")));

  auto* calendar = named(new QGroupBox(QStringLiteral("暦の設定")), QStringLiteral("calendarFrame"),
                         QStringLiteral("暦の設定"));
  auto* calendar_layout = new QVBoxLayout(calendar);
  auto* calendar_group = new QButtonGroup(calendar);
  constexpr std::array<std::string_view, 3> kModes{"自動", "グレゴリオ暦に固定",
                                                   "ユリウス暦に固定"};
  for (int k = 0; k < 3; ++k) {
    auto* option = new QRadioButton(from_utf8(kModes[static_cast<std::size_t>(k)]));
    named(option, QStringLiteral("Option3_%1").arg(k), option->text());
    calendar_group->addButton(option, k);
    calendar_layout->addWidget(option);
    connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) form_.values.calendar_mode = static_cast<i16>(k);
    });
    calendar_modes_[static_cast<std::size_t>(k)] = option;
  }

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(ageing);
  layout->addWidget(calendar);
  layout->addStretch(1);
  return page;
}

QWidget* OptionsDialog::build_notifier_page() {
  auto* page = new QWidget;

  auto* behaviour = named(new QGroupBox(QStringLiteral("Lunokaの設定")),
                          QStringLiteral("notifierFrame"), QStringLiteral("Lunokaの設定"));
  hide_without_match_ =
      check_box("該当するデータが無い時は、表示しない。", QStringLiteral("Check6"));
  play_sound_ = check_box("表示した時に音楽を鳴らす。", QStringLiteral("Check1"));
  auto_close_ = check_box("表示後自動的に終了する。", QStringLiteral("Check7"));
  show_holiday_ = check_box("祝祭日当日に祝祭日名を表示する。", QStringLiteral("Check3"));
  const std::array<std::pair<QCheckBox*, bool OptionsValues::*>, 4> boxes{{
      {hide_without_match_, &OptionsValues::hide_without_match},
      {play_sound_, &OptionsValues::play_sound},
      {auto_close_, &OptionsValues::auto_close},
      {show_holiday_, &OptionsValues::show_holiday},
  }};
  auto* behaviour_layout = new QVBoxLayout(behaviour);
  for (const auto& [box, member] : boxes) {
    behaviour_layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this,
            [this, member = member](bool on) { form_.values.*member = on; });
  }

  auto* leap_day = named(new QGroupBox(QStringLiteral("2月29日生まれの通知")),
                         QStringLiteral("leapDayFrame"), QStringLiteral("2月29日生まれの通知"));
  auto* leap_day_layout = new QVBoxLayout(leap_day);
  auto* leap_day_group = new QButtonGroup(leap_day);
  constexpr std::array<std::string_view, kLeapDayChoiceCount> kLeapDayChoices{
      "うるう年だけ通知する。", "うるう年以外は2月28日に通知する。",
      "うるう年以外は3月1日に通知する。"};
  for (int k = 0; k < kLeapDayChoiceCount; ++k) {
    auto* option = new QRadioButton(from_utf8(kLeapDayChoices[static_cast<std::size_t>(k)]));
    named(option, QStringLiteral("Option4_%1").arg(k), option->text());
    leap_day_group->addButton(option, k);
    leap_day_layout->addWidget(option);
    connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) form_.values.leap_day = static_cast<i16>(k);
    });
    leap_days_[static_cast<std::size_t>(k)] = option;
  }

  auto* place = named(new QGroupBox(QStringLiteral("Lunokaの動作確認用")),
                      QStringLiteral("notifierPlaceFrame"), QStringLiteral("Lunokaの動作確認用"));
  notifier_path_ = path_label(QStringLiteral("Label7"), QStringLiteral("Lunokaの場所"));
  QPushButton* choose = push_button("場所を指定", QStringLiteral("Command2"));
  connect(choose, &QPushButton::clicked, this, [this] {
    if (Command2_Click(form_, dialogs_)) render();
  });
  auto* place_layout = new QVBoxLayout(place);
  place_layout->addWidget(
      caption_label("Lunokaの場所を指定して下さい。", QStringLiteral("Label5")));
  place_layout->addWidget(notifier_path_);
  place_layout->addWidget(choose, 0, Qt::AlignRight);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(behaviour);
  layout->addWidget(leap_day);
  layout->addWidget(place);
  layout->addStretch(1);
  return page;
}

void OptionsDialog::render() {
  const OptionsValues& v = form_.values;
  for (int k = 0; k < kInputItemCount; ++k) {
    QRadioButton* option = input_items_[static_cast<std::size_t>(k)];
    const QSignalBlocker quiet(option);
    option->setChecked(k == v.input_item);
  }
  for (std::size_t k = 0; k < kListColumnCount; ++k) {
    const QSignalBlocker quiet(columns_[k]);
    columns_[k]->setChecked(v.columns[k]);
  }
  {
    const QSignalBlocker quiet(tab_count_);
    tab_count_->setEditText(from_utf8(v.tab_text));
  }
  const std::array<std::pair<QCheckBox*, bool>, 6> flags{{
      {load_start_file_, v.load_start_file},
      {confirm_exit_, v.confirm_exit},
      {hide_without_match_, v.hide_without_match},
      {play_sound_, v.play_sound},
      {auto_close_, v.auto_close},
      {show_holiday_, v.show_holiday},
  }};
  for (const auto& [box, on] : flags) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
  }
  for (const auto& [label, path] :
       {std::pair{start_file_, &v.start_file}, std::pair{notifier_path_, &v.notifier_path}}) {
    label->setText(from_utf8(*path));
    label->setToolTip(label->text());
  }
  start_date_->setText(from_utf8(v.start_date));
  for (std::size_t k = 0; k < ageing_rules_.size(); ++k) {
    const QSignalBlocker quiet(ageing_rules_[k]);
    ageing_rules_[k]->setChecked(static_cast<int>(k) == v.ageing_rule);
  }
  for (std::size_t k = 0; k < calendar_modes_.size(); ++k) {
    const QSignalBlocker quiet(calendar_modes_[k]);
    calendar_modes_[k]->setChecked(static_cast<int>(k) == v.calendar_mode);
  }
  for (std::size_t k = 0; k < leap_days_.size(); ++k) {
    const QSignalBlocker quiet(leap_days_[k]);
    leap_days_[k]->setChecked(static_cast<int>(k) == v.leap_day);
  }
}

void OptionsDialog::page_selected(int index) {
  if (index < 0) return;
  form_.select_page(static_cast<OptionsPage>(index));
  // Only the page shown takes input, so that 更新 saves exactly what the user sees.
  for (int k = 0; k < kOptionsPageCount; ++k)
    pages_[static_cast<std::size_t>(k)]->setEnabled(k == index);
}

void OptionsDialog::next_tab() {
  tabs_->setCurrentIndex(static_cast<int>(form_.next_page()));
}

void OptionsDialog::finish_save(const OptionsSave& save) {
  render();
  if (save.message) dialogs_.message(save.message->title, save.message->text, save.message->icon);
  if (saved_ && save.changes.any()) saved_(save.changes);
}

void OptionsDialog::apply() {
  finish_save(form_.cmdApply_Click(store_));
}

void OptionsDialog::accept() {
  finish_save(form_.cmdOK_Click(store_));
  QDialog::accept();
}

void OptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (centred_ || event->spontaneous()) return;
  centred_ = true;
  if (const QScreen* shown_on = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(shown_on->availableGeometry().center());
    move(frame.topLeft());
  }
}

OptionsResult run_options_dialog(QWidget* parent, SettingsStore& store, MainDialogs& dialogs,
                                 const OptionsContext& context,
                                 OptionsDialog::SavedCallback saved) {
  OptionsDialog dialog(store, dialogs, context, parent);
  dialog.set_saved_callback(std::move(saved));
  OptionsResult result;
  result.accepted = dialog.exec() == QDialog::Accepted;
  result.changes = dialog.form().saved();
  return result;
}

}  // namespace pelmira
