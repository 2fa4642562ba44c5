#pragma once
// Panel 5, the notification entry "　入力　リスト　「Lunoka」": the name `Text1`, the notice
// days `Text3`, the kind `option5`(1..4), the rule boxes Check1-Check6 with their arrays,
// the rule's description `Label1`(3), and "追加"/"書換" `Command2`(0..1) into the person list.

#include <array>

#include "mainwindow/qt/panel_frames.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace pelmira {

class NotificationPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit NotificationPanel(QWidget* parent);
  void render(const MainSession& session) override;

  QLineEdit* name_box() const { return name_; }

 private:
  void build_name_and_days();
  void build_kinds();
  void build_boxes();
  QCheckBox* add_box(const QString& name, const QString& caption, const QString& tooltip, int left,
                     int top, int width, MainSession::RuleBox box, int index);

  QLineEdit* name_ = nullptr;
  QLineEdit* days_ = nullptr;
  std::array<QRadioButton*, 4> kinds_{};
  QCheckBox* show_age_ = nullptr;        // Check1
  QCheckBox* month_end_ = nullptr;       // Check2
  QCheckBox* birth_month_ = nullptr;     // Check6
  std::array<QCheckBox*, 5> weeks_{};    // Check5(0..4)
  std::array<QCheckBox*, 3> move_on_{};  // Check3(0..2)
  std::array<QCheckBox*, 2> move_to_{};  // Check4(0..1)
  QLabel* when_ = nullptr;               // Label1(6) "なら"
  QLabel* description_ = nullptr;        // Label1(3)
  QPushButton* add_ = nullptr;
  QPushButton* rewrite_ = nullptr;
};

}  // namespace pelmira
