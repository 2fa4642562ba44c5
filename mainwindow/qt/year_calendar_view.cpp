#include "mainwindow/qt/year_calendar_view.h"

#include <QPainter>
#include <QScrollBar>

#include "core/twips.h"

namespace pelmira {
namespace {

// The surface the calendar is printed on: dark, so that its white and red text stands out.
const QColor kSurface(24, 40, 56);
const QColor kWhiteInk(Qt::white);
const QColor kRedInk(255, 0, 0);
constexpr int kScrollBarHeight = 17;

}  // namespace

YearCalendarView::YearCalendarView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("yearCalendar"));
  setAccessibleName(QStringLiteral("年間カレンダー"));
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName(QStringLiteral("HScroll1"));
  scroll_->setAccessibleName(QStringLiteral("年間カレンダーの年"));
  scroll_->setRange(kFirstCalendarYear, kLastCalendarYear);
  scroll_->setPageStep(10);
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int year) {
    if (!updating_) Q_EMIT year_changed(year);
  });
  hide();
}

void YearCalendarView::show_calendar(const YearCalendar* calendar, int year) {
  calendar_ = calendar;
  setVisible(calendar != nullptr);
  if (calendar) {
    updating_ = true;
    scroll_->setValue(year);
    updating_ = false;
  }
  update();
}

void YearCalendarView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  scroll_->setGeometry(0, height() - kScrollBarHeight, width(), kScrollBarHeight);
}

void YearCalendarView::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  painter.fillRect(rect(), kSurface);
  if (!calendar_) return;
  const int ascent = painter.fontMetrics().ascent();
  for (const PrintedItem& item : calendar_->items) {
    painter.setPen(item.ink == PrintInk::kRed ? kRedInk : kWhiteInk);
    painter.drawText(twips_to_pixels(item.x), twips_to_pixels(item.y) + ascent,
                     QString::fromStdString(item.text));
  }
}

}  // namespace pelmira
