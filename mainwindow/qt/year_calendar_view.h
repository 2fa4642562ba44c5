#pragma once
// The year calendar printed on the main window's surface behind the panels: twelve months as
// text at the places the session's view gives, with the year's scroll bar `HScroll1` below.

#include <QWidget>

#include "holidays/year_calendar.h"

class QScrollBar;

namespace pelmira {

class YearCalendarView : public QWidget {
  Q_OBJECT

 public:
  explicit YearCalendarView(QWidget* parent);

  // Shows a calendar and its year on the scroll bar, or hides both (nullptr).
  void show_calendar(const YearCalendar* calendar, int year);
  QScrollBar* scroll_bar() const { return scroll_; }

 Q_SIGNALS:
  // HScroll1_Change: the user moved the scroll bar to a year.
  void year_changed(int year);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const YearCalendar* calendar_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  bool updating_ = false;
};

// The years the scroll bar offers.
inline constexpr int kFirstCalendarYear = 1;
inline constexpr int kLastCalendarYear = 9999;

}  // namespace pelmira
