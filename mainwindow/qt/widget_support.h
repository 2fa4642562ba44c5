#pragma once
// Small helpers the main window's panels share: texts, colours and places as the session's
// view gives them, turned into what Qt shows.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>

class QAbstractItemModel;
class QListView;
class QWidget;

namespace pelmira {

// A text of the view with its CR LF line breaks as Qt shows them.
QString text_of(const std::string& text);

// A colour of the window design, written 0xBBGGRR.
QColor design_colour(std::uint32_t bgr);

// A place in twips as pixels.
QRect twips_rect(int left, int top, int width, int height);

// Text and background colours of a label or button.
void set_colours(QWidget* widget, const QColor& text, const QColor& background);

// The fixed-pitch font of the list panes, so that column texts line up.
QFont list_pane_font();

// A list view of a model's lines in the list font, read-only.
QListView* new_list_view(const QString& name, const QString& accessible_name,
                         QAbstractItemModel* model, QWidget* parent);

}  // namespace pelmira
