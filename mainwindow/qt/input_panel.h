#pragma once
// Panel 0, the date entry: the date box `Text2`(0), the keypad display `Text2`(1), the
// digit, unit, era and sign buttons, "消す↑", "Enter", the step button "＝" with its repeat
// timer, and the option pair "誕生"/"現在" choosing the slot being entered.

#include <array>

#include "mainwindow/qt/panel_frames.h"

class QLineEdit;
class QRadioButton;
class QTimer;

namespace pelmira {

class InputPanel : public PanelFrame {
  Q_OBJECT

 public:
  // `timer` is the window's Timer1, which repeats the step while "＝" is held.
  InputPanel(QTimer* timer, QWidget* parent);
  void render(const MainSession& session) override;

  QLineEdit* date_box() const { return date_box_; }
  // After a typed date: the date box keeps the focus with all its text selected.
  void select_date_box();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_keypad();
  void build_sides();
  void enter_typed_date();

  QTimer* timer_;
  QLineEdit* date_box_ = nullptr;
  QLineEdit* display_ = nullptr;
  std::array<QPushButton*, 3> units_{};
  QPushButton* enter_ = nullptr;
  QPushButton* step_ = nullptr;
  std::array<QRadioButton*, 2> sides_{};
  std::string shown_date_;  // the date text last put into the box
};

}  // namespace pelmira
