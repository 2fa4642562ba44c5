#pragma once
// Paints one line of text per row, as the list panes show their fixed-pitch lines: the text
// and, for the selected row, the selection colours. It does without the style's item layout
// (icons, check boxes, eliding), which is most of the time a page of a long list takes.

#include <QStyledItemDelegate>

namespace pelmira {

class LineDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace pelmira
