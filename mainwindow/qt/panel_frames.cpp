#include "mainwindow/qt/panel_frames.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QResizeEvent>

#include "core/twips.h"

namespace pelmira {
namespace {

// The close button: 255 twips from the frame's right edge, on the caption line.
constexpr int kCloseButtonInset = 255;
constexpr int kCloseButtonSize = 240;
// The light cyan of today's "現在" block.
const QColor kTodayBackground(192, 255, 255);

QString text_of(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

// A colour of the window design, written 0xBBGGRR.
QColor design_colour(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QRect twips_rect(int left, int top, int width, int height) {
  return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
               twips_to_pixels(height));
}

void set_colours(QWidget* widget, const QColor& text, const QColor& background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Window, background);
  widget->setAutoFillBackground(true);
  widget->setPalette(palette);
}

QListView* new_list_view(const QString& name, const QString& accessible_name,
                         QAbstractItemModel* model, QWidget* parent) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setAccessibleName(accessible_name);
  list->setModel(model);
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setFont(list_pane_font());
  return list;
}

}  // namespace

QFont list_pane_font() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPointSize(9);
  return font;
}

// --- The frame ------------------------------------------------------------------------------

PanelFrame::PanelFrame(int index, const QString& accessible_name, QWidget* parent)
    : QGroupBox(parent), index_(index) {
  setObjectName(QStringLiteral("Frame1_%1").arg(index));
  setAccessibleName(accessible_name);
  const PanelSize size = kDesignPanelSizes[static_cast<std::size_t>(index)];
  resize(twips_to_pixels(size.width), twips_to_pixels(size.height));
  close_ = new QPushButton(QStringLiteral("X"), this);
  close_->setObjectName(QStringLiteral("Command6_%1").arg(index));
  close_->setAccessibleName(accessible_name + QStringLiteral("を閉じる"));
  close_->setToolTip(QStringLiteral("閉じる"));
  close_->setFocusPolicy(Qt::NoFocus);
  connect(close_, &QPushButton::clicked, this, [this] { Q_EMIT close_clicked(index_); });
}

void PanelFrame::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  const int size = twips_to_pixels(kCloseButtonSize);
  close_->setGeometry(width() - twips_to_pixels(kCloseButtonInset), 0, size, size);
}

QLabel* PanelFrame::add_label(const QString& name, const QString& accessible_name, int left,
                              int top, int width, int height) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAccessibleName(accessible_name);
  label->setGeometry(twips_rect(left, top, width, height));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// --- Panel 0: the date entry ----------------------------------------------------------------

InputPanel::InputPanel(QWidget* parent) : PanelFrame(kInputPanel, QStringLiteral("入力"), parent) {
  date_box_ = new QLineEdit(this);
  date_box_->setObjectName(QStringLiteral("Text2_0"));
  date_box_->setAccessibleName(QStringLiteral("年月日"));
  date_box_->setToolTip(QStringLiteral("ここに年月日を入力して[Enter]キーで決定します。"));
  date_box_->setReadOnly(true);
  date_box_->setGeometry(twips_rect(120, 300, 4560, 330));
}

void InputPanel::render(const MainSession& session) {
  setTitle(text_of(session.view().entry_caption));
  date_box_->setText(text_of(session.view().date_box));
}

// --- Panel 1: the age report ----------------------------------------------------------------

ReportPanel::ReportPanel(QWidget* parent)
    : PanelFrame(kReportPanel, QStringLiteral("表示"), parent) {
  setTitle(QStringLiteral("  表示  "));
  birth_ =
      add_label(QStringLiteral("Label2_10"), QStringLiteral("誕生側の年月日"), 120, 270, 4560, 720);
  age_ = add_label(QStringLiteral("Label2_11"), QStringLiteral("満年齢"), 120, 1005, 4560, 240);
  now_ =
      add_label(QStringLiteral("Label2_12"), QStringLiteral("現在の年月日"), 120, 1260, 4560, 720);
  totals_ =
      add_label(QStringLiteral("Label2_13"), QStringLiteral("月数と日数"), 120, 1995, 4560, 720);
  counted_ = add_label(QStringLiteral("Label2_38"), QStringLiteral("数え年"), 120, 2730, 4560, 480);
  birthstone_ =
      add_label(QStringLiteral("Label1_0"), QStringLiteral("誕生石"), 120, 3225, 4560, 240);
}

void ReportPanel::render(const MainSession& session) {
  const ReportTexts& report = session.view().report;
  birth_->setText(text_of(report.birth_block));
  age_->setText(text_of(report.age_line));
  now_->setText(text_of(report.now_block));
  totals_->setText(text_of(report.totals_block));
  counted_->setText(text_of(report.counted_age_block));
  counted_->setToolTip(text_of(report.counted_age_tooltip));
  counted_->setVisible(!report.counted_age_hidden);
  birthstone_->setText(text_of(report.birthstone));
  birthstone_->setVisible(!report.birthstone_hidden);
  const QColor button_text = palette().color(QPalette::ButtonText);
  if (report.now_is_today)
    set_colours(now_, button_text, kTodayBackground);
  else
    set_colours(now_, kTodayBackground, button_text);
}

// --- Panel 2: the month calendar ------------------------------------------------------------

CalendarPanel::CalendarPanel(QWidget* parent)
    : PanelFrame(kCalendarPanel, QStringLiteral("カレンダー"), parent) {
  year_caption_ = add_label(QStringLiteral("Label7_0"), QStringLiteral("年"), 120, 240, 975, 495);
  month_caption_ = add_label(QStringLiteral("Label7_1"), QStringLiteral("月"), 120, 840, 975, 255);
  static constexpr std::array<const char*, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};
  for (int c = 0; c < 7; ++c) {
    QLabel* header = add_label(QStringLiteral("Label7_%1").arg(c + 3),
                               QString::fromUtf8(kWeekdays[static_cast<std::size_t>(c)]),
                               cell_left(kFirstDayCell + c), 240, 180, 180);
    header->setText(QString::fromUtf8(kWeekdays[static_cast<std::size_t>(c)]));
    header->setAlignment(Qt::AlignCenter);
    if (c == 0) set_colours(header, Qt::red, palette().color(QPalette::Window));
  }
  for (int cell = kFirstDayCell; cell <= kLastDayCell; ++cell) {
    QLabel* label =
        add_label(QStringLiteral("Label7_%1").arg(cell), QStringLiteral("日付のセル %1").arg(cell),
                  cell_left(cell), cell_top(cell), 180, 180);
    label->setAlignment(Qt::AlignCenter);
    QFont small = label->font();
    small.setPointSize(7);
    label->setFont(small);
    cells_[static_cast<std::size_t>(cell - kFirstDayCell)] = label;
  }
}

void CalendarPanel::render(const MainSession& session) {
  if (!session.view().month) return;
  const MonthGrid& grid = *session.view().month;
  setTitle(QString::fromUtf8(grid.panel_caption.c_str()));
  const QColor caption_colour = design_colour(highlight_colour(grid.shown_slot));
  year_caption_->setText(text_of(grid.year_caption));
  month_caption_->setText(text_of(grid.month_caption));
  set_colours(year_caption_, palette().color(QPalette::WindowText), caption_colour);
  set_colours(month_caption_, palette().color(QPalette::WindowText), caption_colour);
  for (int cell = kFirstDayCell; cell <= kLastDayCell; ++cell) {
    const GridCell& shown = grid.cell(cell);
    QLabel* label = cells_[static_cast<std::size_t>(cell - kFirstDayCell)];
    label->setText(QString::fromStdString(shown.caption));
    label->setToolTip(QString::fromStdString(shown.tooltip));
    const QColor ink = shown.ink == CellInk::kRed     ? QColor(Qt::red)
                       : shown.ink == CellInk::kWhite ? QColor(Qt::white)
                                                      : palette().color(QPalette::ButtonText);
    const QColor background = shown.highlight_slot >= 0
                                  ? design_colour(highlight_colour(shown.highlight_slot))
                                  : design_colour(kColourCell);
    set_colours(label, ink, background);
  }
}

// --- Panel 3: the listing -------------------------------------------------------------------

ListingPanel::ListingPanel(QWidget* parent)
    : PanelFrame(kListingPanel, QStringLiteral("一覧表示"), parent) {
  list_ = new_list_view(QStringLiteral("List3"), QStringLiteral("一覧"), &model_, this);
  list_->setGeometry(twips_rect(120, 300, 4560, 4080));
}

void ListingPanel::render(const MainSession& session) {
  setTitle(text_of(session.listing_controls().pane_caption));
  const Listing& listing = session.view().listing;
  model_.set_lines(listing.lines);
  if (listing.selected >= 0) list_->setCurrentIndex(model_.index(listing.selected, 0));
}

// --- Panel 4: the person list ---------------------------------------------------------------

ListPanel::ListPanel(QWidget* parent) : PanelFrame(kListPanel, QStringLiteral("リスト"), parent) {
  setTitle(QStringLiteral("  リスト  "));
  header_ =
      add_label(QStringLiteral("Label8"), QStringLiteral("リストの見出し"), 120, 270, 4560, 240);
  header_->setFont(list_pane_font());
  list_ = new_list_view(QStringLiteral("List1"), QStringLiteral("氏名リスト"), &model_, this);
  summary_ = add_label(QStringLiteral("Label9"), QStringLiteral("状態"), 120, 0, 4560, 240);
}

void ListPanel::resizeEvent(QResizeEvent* event) {
  PanelFrame::resizeEvent(event);
  // The list fills the panel less 600 twips of height and 200 of width; the summary line
  // sits 250 above the panel's bottom.
  const int width_twips = pixels_to_twips(width());
  const int height_twips = pixels_to_twips(height());
  list_->setGeometry(twips_rect(100, 510, width_twips - 200, height_twips - 600 - 270));
  summary_->setGeometry(twips_rect(120, height_twips - 250 - 60, width_twips - 240, 240));
}

void ListPanel::render(const MainSession& session) {
  const WindowView& view = session.view();
  header_->setText(QString::fromStdString(view.list_header));
  model_.set_lines(view.list.fill.lines);
  if (view.list.fill.selected >= 0)
    list_->setCurrentIndex(model_.index(view.list.fill.selected, 0));
  summary_->setText(text_of(view.status_text));
  const bool today = view.report.now_is_today;
  set_colours(summary_, today ? QColor(Qt::black) : QColor(Qt::red),
              palette().color(QPalette::Window));
}

// --- Panel 5: the notification entry --------------------------------------------------------

NotificationPanel::NotificationPanel(QWidget* parent)
    : PanelFrame(kNotificationPanel, QStringLiteral("「Lunoka」用入力"), parent) {
  setTitle(QStringLiteral("　入力　リスト　「Lunoka」"));
}

void NotificationPanel::render(const MainSession& session) {
  (void)session;
}

}  // namespace pelmira
