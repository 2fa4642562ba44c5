#include "support/qt/qt_environment.h"

#include <QDialog>
#include <QWidget>

#include <cstdlib>

namespace pelmira::testing {
namespace {

int g_argc = 1;
char g_program[] = "pelmira-window-test";
char* g_argv[] = {g_program, nullptr};

std::string g_config_home;
int g_expected_modals = 0;

// The one registration of the test program (see the header for how this file is linked in).
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void QtEnvironment::SetUp() {
  config_home_ = std::make_unique<TestFolder>();
  g_config_home = config_home_->path();
  ::setenv("XDG_CONFIG_HOME", g_config_home.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  app_ = std::make_unique<QApplication>(g_argc, g_argv);
  QApplication::setQuitOnLastWindowClosed(false);
}

void QtEnvironment::TearDown() {
  app_.reset();
  config_home_.reset();
}

const std::string& QtEnvironment::config_home() {
  return g_config_home;
}

void close_modal(QWidget& widget) {
  widget.close();
  if (auto* dialog = qobject_cast<QDialog*>(&widget); dialog && dialog->isVisible())
    dialog->reject();
}

void expect_modal_dialog() {
  ++g_expected_modals;
}

void stop_expecting_modal_dialog() {
  --g_expected_modals;
}

ModalDialogGuard::ModalDialogGuard() {
  timer_.setInterval(20);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    if (g_expected_modals > 0) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
      close_modal(*modal);
    }
  });
  timer_.start();
}

ModalDialogGuard::~ModalDialogGuard() {
  timer_.stop();
}

}  // namespace pelmira::testing
