#include "mainwindow/qt/listing_panel.h"

#include <QComboBox>
#include <QListView>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include "mainwindow/qt/widget_support.h"

namespace pelmira {

ListingPanel::ListingPanel(QWidget* parent)
    : PanelFrame(kListingPanel, QStringLiteral("一覧表示"), parent) {
  for (int i = 0; i < 2; ++i) {
    auto* side = new QRadioButton(this);
    side->setObjectName(QStringLiteral("Option6_%1").arg(i));
    side->setAccessibleName(i == 0 ? QStringLiteral("誕生から計算")
                                   : QStringLiteral("現在から計算"));
    side->setGeometry(twips_rect(120 + 2280 * i, 270, 2200, 300));
    side->setFocusPolicy(Qt::NoFocus);
    connect(side, &QRadioButton::clicked, this,
            [this, i] { forward([i](MainSession& s) { s.Option6_Click(i); }); });
    sides_[static_cast<std::size_t>(i)] = side;

    auto* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
    combo->setAccessibleName(i == 0 ? QStringLiteral("一覧の選択 1")
                                    : QStringLiteral("一覧の選択 2"));
    combo->setGeometry(twips_rect(120 + 2280 * i, 240, 2200, 330));
    combo->setMaxVisibleItems(20);
    // Only the user's choices arrive here; filling the boxes raises no event.
    connect(combo, &QComboBox::activated, this, [this, i](int chosen) {
      forward([i, chosen](MainSession& s) { s.Combo1_Click(i, chosen); });
    });
    combos_[static_cast<std::size_t>(i)] = combo;
  }
  list_ = new_list_view(QStringLiteral("List3"), QStringLiteral("一覧"), &model_, this);
  list_->setGeometry(twips_rect(120, 660, 4560, 3720));
  list_->viewport()->installEventFilter(this);
}

bool ListingPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_->viewport() || event->type() != QEvent::MouseButtonPress)
    return PanelFrame::eventFilter(watched, event);
  const auto* press = static_cast<QMouseEvent*>(event);
  if (press->button() == Qt::RightButton) {
    Q_EMIT context_menu_requested(press->globalPosition().toPoint());
    return true;
  }
  if (press->button() == Qt::LeftButton) {
    const QModelIndex index = list_->indexAt(press->position().toPoint());
    if (!index.isValid()) return false;
    int person_row = -1;
    forward([&](MainSession& s) { person_row = s.List3_MouseDown(index.row()); });
    if (person_row >= 0) Q_EMIT person_row_selected(person_row);
    return true;
  }
  return false;
}

void ListingPanel::render(const MainSession& session) {
  const ListingControls& controls = session.listing_controls();
  setTitle(text_of(controls.pane_caption));
  render_controls(controls);
  const Listing& listing = session.view().listing;
  model_.set_lines(listing.lines);
  if (listing.selected >= 0 && listing.selected < model_.rowCount())
    list_->setCurrentIndex(model_.index(listing.selected, 0));
}

void ListingPanel::render_controls(const ListingControls& controls) {
  for (std::size_t i = 0; i < 2; ++i) {
    QRadioButton* side = sides_[i];
    side->setVisible(controls.sides_visible);
    side->setToolTip(QString::fromStdString(controls.side_tooltips[i]));
    QComboBox* combo = combos_[i];
    const ComboBox& shown = controls.combos[i];
    combo->setVisible(controls.combos_visible);
    combo->setToolTip(QString::fromStdString(shown.tooltip));
    // The fill guard: filling and selecting raise no choice of the user.
    const QSignalBlocker guard(combo);
    if (combo_items_[i] != shown.items) {
      combo_items_[i] = shown.items;
      combo->clear();
      for (const std::string& item : shown.items) combo->addItem(QString::fromStdString(item));
    }
    combo->setCurrentIndex(shown.selected);
  }
  if (!controls.side_caption.empty())
    sides_[0]->setText(QString::fromStdString(controls.side_caption));
  sides_[1]->setText(QStringLiteral("現在から計算"));
  sides_[static_cast<std::size_t>(controls.side_selected == 1 ? 1 : 0)]->setChecked(true);
}

}  // namespace pelmira
