#pragma once
// The error report of the window program: a modal message box with the critical icon, and
// the actions that let the user's answer copy the report, end the program or stop the timer.

#include <QPointer>
#include <QWidget>

#include "core/error_report.h"

class QTimer;

namespace pelmira {

class MessageBoxReporter : public ErrorReporter {
 public:
  explicit MessageBoxReporter(QWidget* parent = nullptr) : parent_(parent) {}

  // OK and Cancel, or Yes, No and Cancel for the unexpected-error form; the first button is
  // the default. Escape, or a box closed without a button, answers OK (No in the three-button
  // form): the program goes on, and only an explicit Cancel (or Yes) ends it.
  ReportAnswer show_report(const ErrorReport& report) override;
  // The critical icon and OK.
  void show_save_warning(std::string_view title, std::string_view text) override;

  void set_parent(QWidget* parent) { parent_ = parent; }

 private:
  QPointer<QWidget> parent_;
};

// Makes `reporter`, with the main window as its boxes' parent, the program's error report,
// and fills the report's environment (the program folder) and actions: the clipboard, a
// close request to the main window queued so that the trapping procedure returns first, and
// stopping `timer` (may be nullptr). The actions hold the window and the timer by guarded
// pointers; the reporter must outlive its use by the channel.
void connect_error_report(QWidget* main_window, QTimer* timer, MessageBoxReporter& reporter);

}  // namespace pelmira
