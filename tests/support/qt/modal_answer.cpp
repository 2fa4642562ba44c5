#include "support/qt/modal_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <deque>

namespace pelmira::testing {
namespace {

// The answerers alive, oldest first.
std::deque<const ModalAnswerer*>& queue() {
  static std::deque<const ModalAnswerer*> answerers;
  return answerers;
}

void leave_queue(const ModalAnswerer* answerer) {
  auto& answerers = queue();
  answerers.erase(std::remove(answerers.begin(), answerers.end(), answerer), answerers.end());
}

}  // namespace

ModalAnswerer::ModalAnswerer(std::function<void(QWidget&)> act) : act_(std::move(act)) {
  expect_modal_dialog();
  queue().push_back(this);
  // The first tick comes from the first event loop that runs: normally the dialog's exec().
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() {
  timer_.stop();
  if (!answered_) {
    leave_queue(this);
    stop_expecting_modal_dialog();
    ADD_FAILURE() << "the expected modal dialog never opened";
  }
}

void ModalAnswerer::poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || queue().front() != this) {
    timer_.setInterval(5);
    return;
  }
  timer_.stop();
  answered_ = true;
  leave_queue(this);
  stop_expecting_modal_dialog();
  act_(*modal);
}

MessageBoxAnswer::MessageBoxAnswer(QMessageBox::StandardButton button)
    : answerer_([this, button](QWidget& widget) {
        auto* box = qobject_cast<QMessageBox*>(&widget);
        if (!box) {
          ADD_FAILURE() << "expected a message box, got " << widget.metaObject()->className();
          close_modal(widget);
          return;
        }
        seen_.title = box->windowTitle();
        seen_.text = box->text();
        seen_.icon = box->icon();
        seen_.buttons = box->standardButtons();
        seen_.default_button = box->standardButton(box->defaultButton());
        seen_.parent = box->parentWidget();
        if (QAbstractButton* target = box->button(button)) {
          target->click();
        } else {
          ADD_FAILURE() << "the message box has no such button: " << button;
          close_modal(*box);
        }
      }) {}

}  // namespace pelmira::testing
