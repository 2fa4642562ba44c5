#pragma once
// Shared pieces of the notifier's window tests: one QApplication on the offscreen platform,
// the user's config folder moved into a test folder, a guard that fails a test when a real
// modal dialog appears, and recording stand-ins for the boxes and the sound.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "notifier/qt/notifier_services.h"
#include "support/test_folder.h"

namespace pelmira::testing {

// Creates the application once, before the first test; settings go to a test folder.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

 private:
  std::unique_ptr<TestFolder> config_home_;
  std::unique_ptr<QApplication> app_;
};

// While it lives, any modal dialog that opens fails the running test and is closed.
class ModalDialogGuard {
 public:
  ModalDialogGuard();
  ~ModalDialogGuard();

 private:
  QTimer timer_;
};

class RecordingDialogs : public NotifierDialogs {
 public:
  void read_error(const QString& text) override { read_errors << text; }
  void date_reader_alert(const QString& text) override { alerts << text; }
  void count_box(const QString& text) override { count_boxes << text; }

  QStringList read_errors, alerts, count_boxes;
};

class RecordingSound : public SoundPlayer {
 public:
  void open_and_play() override { ++plays; }
  void close() override { ++closes; }

  int plays = 0;
  int closes = 0;
};

}  // namespace pelmira::testing
