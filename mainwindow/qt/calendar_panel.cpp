#include "mainwindow/qt/calendar_panel.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include "mainwindow/qt/widget_support.h"

namespace pelmira {
namespace {

constexpr int kCellSize = 180;
constexpr std::array<const char*, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};
// Backgrounds of the option pair, as designed (0xBBGGRR).
constexpr std::array<std::uint32_t, 2> kOptionColours{0x80FFFF, 0xFFFF80};

// Today's ring, drawn over its day cell; clicks go through to the cell.
class Ring : public QWidget {
 public:
  explicit Ring(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Shape1"));
    setAccessibleName(QStringLiteral("今日"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 1.5));
    painter.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
  }
};

}  // namespace

CalendarPanel::CalendarPanel(QWidget* parent)
    : PanelFrame(kCalendarPanel, QStringLiteral("カレンダー"), parent) {
  year_caption_ = add_label(QStringLiteral("Label7_0"), QStringLiteral("年"), 120, 240, 975, 495);
  month_caption_ = add_label(QStringLiteral("Label7_1"), QStringLiteral("月"), 120, 840, 975, 255);
  build_headers();
  build_cells();
  build_options();
  ring_ = new Ring(this);
  ring_->resize(twips_rect(0, 0, kRingSize, kRingSize).size());
  ring_->hide();
}

void CalendarPanel::build_headers() {
  for (int c = 0; c < 7; ++c) {
    const QString name = QString::fromUtf8(kWeekdays[static_cast<std::size_t>(c)]);
    QLabel* header = add_label(QStringLiteral("Label7_%1").arg(c + 3), name,
                               cell_left(kFirstDayCell + c), 240, kCellSize, kCellSize);
    header->setText(name);
    header->setAlignment(Qt::AlignCenter);
    if (c == 0) set_colours(header, Qt::red, palette().color(QPalette::Window));
  }
}

void CalendarPanel::build_cells() {
  for (int cell = kFirstDayCell; cell <= kLastDayCell; ++cell) {
    QLabel* label =
        add_label(QStringLiteral("Label7_%1").arg(cell), QStringLiteral("日付のセル %1").arg(cell),
                  cell_left(cell), cell_top(cell), kCellSize, kCellSize);
    label->setAlignment(Qt::AlignCenter);
    QFont small = label->font();
    small.setPointSize(7);
    label->setFont(small);
    label->installEventFilter(this);
    cells_[static_cast<std::size_t>(cell - kFirstDayCell)] = label;
  }
}

void CalendarPanel::build_options() {
  static constexpr std::array<const char*, 2> kCaptions{"誕生月", "現在月"};
  for (int slot = 0; slot < 2; ++slot) {
    auto* option =
        new QRadioButton(QString::fromUtf8(kCaptions[static_cast<std::size_t>(slot)]), this);
    option->setObjectName(QStringLiteral("Option2_%1").arg(slot));
    option->setAccessibleName(option->text());
    option->setGeometry(twips_rect(120, 1200 + 360 * slot, 975, 300));
    option->setFocusPolicy(Qt::NoFocus);
    set_colours(option, Qt::black, design_colour(kOptionColours[static_cast<std::size_t>(slot)]));
    connect(option, &QRadioButton::clicked, this,
            [this, slot] { forward([slot](MainSession& s) { s.Option2_Click(slot); }); });
    options_[static_cast<std::size_t>(slot)] = option;
  }
}

bool CalendarPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress)
    for (int cell = kFirstDayCell; cell <= kLastDayCell; ++cell)
      if (watched == cells_[static_cast<std::size_t>(cell - kFirstDayCell)]) {
        forward([cell](MainSession& s) { s.Label7_Click(cell); });
        return true;
      }
  return PanelFrame::eventFilter(watched, event);
}

void CalendarPanel::render(const MainSession& session) {
  const std::string& side_caption = session.listing_controls().calendar_month_caption;
  if (!side_caption.empty()) options_[0]->setText(QString::fromStdString(side_caption));
  options_[static_cast<std::size_t>(session.calendar_slot())]->setChecked(true);
  if (!session.view().month) return;
  const MonthGrid& grid = *session.view().month;
  setTitle(QString::fromUtf8(grid.panel_caption.c_str()));
  const QColor caption_colour = design_colour(highlight_colour(grid.shown_slot));
  year_caption_->setText(text_of(grid.year_caption));
  month_caption_->setText(text_of(grid.month_caption));
  set_colours(year_caption_, palette().color(QPalette::WindowText), caption_colour);
  set_colours(month_caption_, palette().color(QPalette::WindowText), caption_colour);
  for (int index = kFirstDayCell; index <= kLastDayCell; ++index) {
    const GridCell& shown = grid.cell(index);
    QLabel* label = cell(index);
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
  ring_->setVisible(grid.ringed_cell.has_value());
  if (grid.ringed_cell) {
    ring_->move(twips_rect(cell_left(*grid.ringed_cell) - kRingOffset,
                           cell_top(*grid.ringed_cell) - kRingOffset, 0, 0)
                    .topLeft());
    ring_->raise();
  }
}

}  // namespace pelmira
