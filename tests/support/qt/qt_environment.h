#pragma once
// The ground every window test stands on: one QApplication on the offscreen platform, the
// user's config folder moved into a folder of the test run, and a guard that fails a test
// when a modal dialog nobody expected is left open.
//
// The environment registers itself from qt_environment.cpp. A test program gets it by using
// ModalDialogGuard or the modal answerers (modal_answer.h), which pull that object file in
// from the static library; every window test uses the guard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <ostream>
#include <string>

#include "support/test_folder.h"

namespace pelmira::testing {

// Creates the application once, before the first test; settings go to a test folder.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

  // The folder XDG_CONFIG_HOME points at while the tests run.
  static const std::string& config_home();

 private:
  std::unique_ptr<TestFolder> config_home_;
  std::unique_ptr<QApplication> app_;
};

// While it lives, any modal dialog that opens fails the running test and is closed, unless a
// modal answerer is waiting for it.
class ModalDialogGuard {
 public:
  ModalDialogGuard();
  ~ModalDialogGuard();
  ModalDialogGuard(const ModalDialogGuard&) = delete;
  ModalDialogGuard& operator=(const ModalDialogGuard&) = delete;

 private:
  QTimer timer_;
};

// Closes a modal widget even when it ignores close requests (a Yes/No box has no escape).
void close_modal(QWidget& widget);

// Answerers announce themselves here, so that the guard leaves their dialog alone.
void expect_modal_dialog();
void stop_expecting_modal_dialog();

}  // namespace pelmira::testing

// Test failures print texts as text rather than as arrays of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
