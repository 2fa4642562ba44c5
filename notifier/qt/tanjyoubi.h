#pragma once
// The notifier window: its caption, the list of hits, its place and size, the sound and the
// one-second count-down. The session decides all of it; the window renders what it says and
// forwards the timer, a click on the list and the close to it.

#include <QTimer>
#include <QWidget>

#include "notifier/notifier_session.h"
#include "notifier/qt/hit_list_model.h"
#include "notifier/qt/notifier_services.h"

class QListView;

namespace pelmira {

class Tanjyoubi : public QWidget {
  Q_OBJECT

 public:
  Tanjyoubi(NotifierSession& session, NotifierDialogs& dialogs, SoundPlayer& sound,
            QWidget* parent = nullptr);

  // The window's load: runs the session, shows its boxes, fills and places the window,
  // shows it (when the session says so), plays the sound and starts the count-down. A read
  // that stopped unloads the window at once.
  void load();

  bool is_unloaded() const { return unloaded_; }
  QListView* list() const { return list_; }
  QTimer* timer() { return &timer_; }

 public Q_SLOTS:
  // One tick of the count-down timer.
  void tick();

 Q_SIGNALS:
  // The window has unloaded: its settings are written and the program may end.
  void unloaded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void apply_layout(const NotifierLayout& layout);
  void unload();
  WindowPlace place() const;

  NotifierSession& session_;
  NotifierDialogs& dialogs_;
  SoundPlayer& sound_;
  HitListModel model_;
  QListView* list_ = nullptr;
  QTimer timer_;
  bool unloaded_ = false;
};

}  // namespace pelmira
