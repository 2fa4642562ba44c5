#include "window_test_support.h"

#include <QWidget>

#include <cstdlib>

namespace pelmira::testing {
namespace {

int g_argc = 1;
char g_program[] = "test_notifier_qt";
char* g_argv[] = {g_program, nullptr};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void QtEnvironment::SetUp() {
  config_home_ = std::make_unique<TestFolder>();
  ::setenv("XDG_CONFIG_HOME", config_home_->path().c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  app_ = std::make_unique<QApplication>(g_argc, g_argv);
  QApplication::setQuitOnLastWindowClosed(false);
}

void QtEnvironment::TearDown() {
  app_.reset();
  config_home_.reset();
}

ModalDialogGuard::ModalDialogGuard() {
  timer_.setInterval(20);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
      modal->close();
    }
  });
  timer_.start();
}

ModalDialogGuard::~ModalDialogGuard() {
  timer_.stop();
}

}  // namespace pelmira::testing
