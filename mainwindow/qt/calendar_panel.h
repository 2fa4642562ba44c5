#pragma once
// Panel 2, the month calendar: the year and month captions, the weekday headers, 42 day
// cells at their design places, today's ring `Shape1`, and the option pair "誕生月"/"現在月".
// A click on a day cell makes that day the shown slot's day.

#include <array>

#include "holidays/month_grid.h"
#include "mainwindow/qt/panel_frames.h"

class QRadioButton;

namespace pelmira {

class CalendarPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit CalendarPanel(QWidget* parent);
  void render(const MainSession& session) override;

  QLabel* cell(int index) const { return cells_[static_cast<std::size_t>(index - kFirstDayCell)]; }
  QWidget* ring() const { return ring_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_headers();
  void build_cells();
  void build_options();

  QLabel* year_caption_ = nullptr;
  QLabel* month_caption_ = nullptr;
  std::array<QLabel*, kDayCells> cells_{};
  QWidget* ring_ = nullptr;
  std::array<QRadioButton*, 2> options_{};
};

}  // namespace pelmira
