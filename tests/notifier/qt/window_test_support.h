#pragma once
// Recording stand-ins for the notifier window's boxes and sound. The application, the
// settings folder and the modal-dialog guard come from support/qt.

#include <QStringList>

#include "notifier/qt/notifier_services.h"
#include "support/qt/qt_environment.h"

namespace pelmira::testing {

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
