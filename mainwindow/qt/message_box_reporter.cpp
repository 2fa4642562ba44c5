#include "mainwindow/qt/message_box_reporter.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include "core/qt/box_text.h"

namespace pelmira {

ReportAnswer MessageBoxReporter::show_report(const ErrorReport& report) {
  const bool three = report.buttons == ReportButtons::kYesNoCancel;
  QMessageBox box(QMessageBox::Critical, box_text(report.title), box_text(report.message()),
                  three ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                        : QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  box.setObjectName(QStringLiteral("errorReportBox"));
  box.setDefaultButton(three ? QMessageBox::Yes : QMessageBox::Ok);
  // Escape, or closing the box, goes on: only the Cancel button itself ends the program.
  box.setEscapeButton(three ? QMessageBox::No : QMessageBox::Ok);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Cancel:
      return ReportAnswer::kCancel;
    case QMessageBox::Yes:
      return ReportAnswer::kYes;
    case QMessageBox::No:
      return ReportAnswer::kNo;
    default:
      return three ? ReportAnswer::kNo : ReportAnswer::kOk;
  }
}

void MessageBoxReporter::show_save_warning(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Critical, box_text(title), box_text(text), QMessageBox::Ok, parent_);
  box.setObjectName(QStringLiteral("saveWarningBox"));
  box.exec();
}

void connect_error_report(QWidget* main_window, QTimer* timer, MessageBoxReporter& reporter) {
  ErrorChannel& channel = error_channel();
  reporter.set_parent(main_window);
  channel.reporter = &reporter;
  channel.environment.program_folder = QCoreApplication::applicationDirPath().toStdString();

  channel.actions.set_clipboard = [](const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
  };
  // The close goes through the window's own close handling (its save question included),
  // after the procedure that trapped the error has returned.
  channel.actions.end_program = [window = QPointer<QWidget>(main_window)] {
    if (window) QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
  };
  channel.actions.stop_timer = [guarded = QPointer<QTimer>(timer)] {
    if (guarded) guarded->stop();
  };
  // Every save writes a temporary file and renames it, so no file is ever left open.
  channel.actions.close_all_files = [] {};
}

}  // namespace pelmira
