#pragma once
// Answering real modal dialogs in window tests. A test announces the dialog it expects, then
// calls the code that opens it; a timer of the dialog's own event loop finds the dialog, lets
// the test look at it and closes it, so the call returns instead of waiting for a user.
// Answerers queue: with several alive, the oldest takes the next dialog. One that is
// destroyed without having seen a dialog fails the test.

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "support/qt/qt_environment.h"

namespace pelmira::testing {

// Calls `act` with the next modal widget that opens; `act` must close it.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QWidget&)> act);
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  bool answered() const { return answered_; }

 private:
  void poll();

  std::function<void(QWidget&)> act_;
  QTimer timer_;
  bool answered_ = false;
};

// The next modal dialog, which must be a T (else the test fails and the dialog is closed).
template <typename T>
[[nodiscard]] ModalAnswerer answer_next_dialog(std::function<void(T&)> act) {
  return ModalAnswerer([act = std::move(act)](QWidget& widget) {
    if (T* dialog = qobject_cast<T*>(&widget)) {
      act(*dialog);
      return;
    }
    ADD_FAILURE() << "unexpected kind of modal dialog: " << widget.metaObject()->className();
    close_modal(widget);
  });
}

// What a message box showed.
struct MessageBoxSeen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  const QWidget* parent = nullptr;
};

// Records the next message box and clicks `button` on it.
class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(QMessageBox::StandardButton button);

  bool answered() const { return answerer_.answered(); }
  const MessageBoxSeen& box() const { return seen_; }

 private:
  MessageBoxSeen seen_;
  ModalAnswerer answerer_;
};

[[nodiscard]] inline MessageBoxAnswer answer_next_message_box(QMessageBox::StandardButton button) {
  return MessageBoxAnswer(button);
}

}  // namespace pelmira::testing
