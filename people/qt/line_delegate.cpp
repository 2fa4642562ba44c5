#include "people/qt/line_delegate.h"

#include <QPainter>

namespace pelmira {
namespace {

// The text's distance from the row's left edge, as the style leaves it.
constexpr int kTextMargin = 3;

}  // namespace

void LineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette::ColorGroup group =
      option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  painter->setPen(
      option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  painter->drawText(option.rect.adjusted(kTextMargin, 0, 0, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs,
                    index.data(Qt::DisplayRole).toString());
}

QSize LineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QFontMetrics metrics(option.font);
  const QString text = index.data(Qt::DisplayRole).toString();
  return QSize(metrics.horizontalAdvance(text) + 2 * kTextMargin, metrics.height() + 2);
}

}  // namespace pelmira
