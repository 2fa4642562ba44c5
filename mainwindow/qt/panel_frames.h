#pragma once
// The panels of the main window: each a frame (`Frame1`(i)) with its caption and its "X"
// close button (`Command6`(i)), holding the controls that show the session's view. A panel
// paints what the view says and forwards its controls' events to the session through the
// window, which then renders what changed.

#include <QGroupBox>

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/main_session.h"
#include "notifier/qt/hit_list_model.h"
#include "people/qt/person_list_model.h"

class QAbstractButton;
class QMimeData;
class QLabel;
class QListView;
class QPushButton;

namespace pelmira {

class PanelFrame : public QGroupBox {
  Q_OBJECT

 public:
  // Runs an operation on the session, then renders the window.
  using Forward = std::function<void(const std::function<void(MainSession&)>&)>;

  PanelFrame(int index, const QString& accessible_name, QWidget* parent);

  int index() const { return index_; }
  QPushButton* close_button() const { return close_; }
  void set_forward(Forward forward) { forward_ = std::move(forward); }

  // Shows what the session's view holds for this panel.
  virtual void render(const MainSession& session) = 0;

 Q_SIGNALS:
  void close_clicked(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // A label at a place given in twips inside the frame.
  QLabel* add_label(const QString& name, const QString& accessible_name, int left, int top,
                    int width, int height);
  // A push button at a place in twips whose click runs `operation` on the session.
  QPushButton* add_button(const QString& name, const QString& caption, int left, int top, int width,
                          int height, std::function<void(MainSession&)> operation);
  void forward(const std::function<void(MainSession&)>& operation) const {
    if (forward_) forward_(operation);
  }

 private:
  int index_;
  QPushButton* close_ = nullptr;
  Forward forward_;
};

// Panel 1: the age report.
class ReportPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit ReportPanel(QWidget* parent);
  void render(const MainSession& session) override;

 private:
  QLabel* birth_ = nullptr;
  QLabel* age_ = nullptr;
  QLabel* now_ = nullptr;
  QLabel* totals_ = nullptr;
  QLabel* counted_ = nullptr;
  QLabel* birthstone_ = nullptr;
};

// Panel 4: the person list, its header line and its summary line. The list's lines are
// built on demand from the session's person table.
class ListPanel : public PanelFrame {
  Q_OBJECT

 public:
  ListPanel(const MainSession& session, QWidget* parent);
  void render(const MainSession& session) override;
  QListView* list() const { return list_; }
  // Selects a row of the list (a same-date listing row points at its person, which the
  // session has selected already): the view follows the session and tells it nothing.
  void select_row(int row);

 Q_SIGNALS:
  // The edit menu as a context menu, at a global position.
  void context_menu_requested(const QPoint& global);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // As many columns of lines as the list's width holds whole header widths.
  void apply_column_count();
  // The view's selection moved without the session (the keyboard): the session is told.
  void selection_changed_by_user();

  PersonListModel model_;
  QWidget* header_clip_ = nullptr;  // keeps the header within the list's width
  QLabel* header_ = nullptr;
  QListView* list_ = nullptr;
  QLabel* summary_ = nullptr;
  int lines_version_ = -1;  // the session's list lines the model shows
  bool rendering_ = false;  // the view is following the session, not the user
  std::string header_text_;
};

// The local files a drag carries, in the order the shell gives them.
std::vector<std::string> dropped_files(const QMimeData& data);

}  // namespace pelmira
