#include "mainwindow/qt/widget_support.h"

#include <QListView>

#include "core/twips.h"
#include "people/qt/line_delegate.h"

namespace pelmira {

QString text_of(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

QColor design_colour(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QRect twips_rect(int left, int top, int width, int height) {
  return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
               twips_to_pixels(height));
}

void set_colours(QWidget* widget, const QColor& text, const QColor& background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Button, background);
  widget->setAutoFillBackground(true);
  widget->setPalette(palette);
}

QFont list_pane_font() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPointSize(9);
  return font;
}

QListView* new_list_view(const QString& name, const QString& accessible_name,
                         QAbstractItemModel* model, QWidget* parent) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setAccessibleName(accessible_name);
  list->setModel(model);
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setFont(list_pane_font());
  list->setItemDelegate(new LineDelegate(list));
  return list;
}

}  // namespace pelmira
