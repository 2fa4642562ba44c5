#pragma once
// The six panels of the main window: each a frame (`Frame1`(i)) with its caption and its
// "X" close button (`Command6`(i)), holding the controls that show the session's view. The
// panels paint what the view says and nothing else.

#include <QGroupBox>

#include <array>

#include "mainwindow/main_session.h"
#include "notifier/qt/hit_list_model.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace pelmira {

class PanelFrame : public QGroupBox {
  Q_OBJECT

 public:
  PanelFrame(int index, const QString& accessible_name, QWidget* parent);

  int index() const { return index_; }
  QPushButton* close_button() const { return close_; }

  // Shows what the session's view holds for this panel.
  virtual void render(const MainSession& session) = 0;

 Q_SIGNALS:
  void close_clicked(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // A label at a place given in twips inside the frame.
  QLabel* add_label(const QString& name, const QString& accessible_name, int left, int top,
                    int width, int height);

 private:
  int index_;
  QPushButton* close_ = nullptr;
};

// Panel 0: the date entry.
class InputPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit InputPanel(QWidget* parent);
  void render(const MainSession& session) override;

 private:
  QLineEdit* date_box_ = nullptr;
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

// Panel 2: the month calendar.
class CalendarPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit CalendarPanel(QWidget* parent);
  void render(const MainSession& session) override;

 private:
  QLabel* year_caption_ = nullptr;
  QLabel* month_caption_ = nullptr;
  std::array<QLabel*, kDayCells> cells_{};
};

// Panel 3: the listing.
class ListingPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit ListingPanel(QWidget* parent);
  void render(const MainSession& session) override;
  QListView* list() const { return list_; }

 private:
  HitListModel model_;
  QListView* list_ = nullptr;
};

// Panel 4: the person list, its header line and its summary line.
class ListPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit ListPanel(QWidget* parent);
  void render(const MainSession& session) override;
  QListView* list() const { return list_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  HitListModel model_;
  QLabel* header_ = nullptr;
  QListView* list_ = nullptr;
  QLabel* summary_ = nullptr;
};

// Panel 5: the notification entry for the notifier.
class NotificationPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit NotificationPanel(QWidget* parent);
  void render(const MainSession& session) override;
};

// The fixed-pitch font of the list panes, so that column texts line up.
QFont list_pane_font();

}  // namespace pelmira
