#pragma once
// Panel 3, the listing: the list `List3` of the listing kind in force, above it the option
// pair `Option6` (the side counted from) or the selection pair `Combo1`, as the kind uses
// them. A left click on a row takes it into the dates; a right click opens the listing menu.

#include <array>
#include <string>
#include <vector>

#include "mainwindow/qt/panel_frames.h"

class QComboBox;
class QRadioButton;

namespace pelmira {

class ListingPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit ListingPanel(QWidget* parent);
  void render(const MainSession& session) override;
  QListView* list() const { return list_; }
  QComboBox* combo(int index) const { return combos_[static_cast<std::size_t>(index)]; }

 Q_SIGNALS:
  // The listing menu as a context menu, at a global position.
  void context_menu_requested(const QPoint& global);
  // A row of the same-date listing points at this row of the person list.
  void person_row_selected(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void render_controls(const ListingControls& controls);

  HitListModel model_;
  QListView* list_ = nullptr;
  std::array<QRadioButton*, 2> sides_{};
  std::array<QComboBox*, 2> combos_{};
  std::array<std::vector<std::string>, 2> combo_items_;  // what each box holds now
};

}  // namespace pelmira
