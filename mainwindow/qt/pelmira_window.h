#pragma once
// The main window `pelmira`: its menus, its six panels and the year calendar on its surface.
// The session decides everything; the window renders the session's view after each event it
// forwards, and does for the session what only a window can (WindowPort): report its size,
// place the panels, resize, move and close itself.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/main_session.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/main_menus.h"

namespace pelmira {

class PanelFrame;
class SearchWindow;
class YearCalendarView;

class PelmiraWindow : public QMainWindow, public WindowPort {
  Q_OBJECT

 public:
  // Without `dialogs` the window shows its own message boxes and file dialogs.
  PelmiraWindow(SettingsStore& store, ProgramInfo info, MainDialogs* dialogs = nullptr,
                Clock clock = system_now, QWidget* parent = nullptr);
  ~PelmiraWindow() override;

  // The window's load: the session's start-up, then the first rendering.
  void load(const std::vector<std::string>& arguments);

  MainSession& session() { return *session_; }
  const MainSession& session() const { return *session_; }
  const MainMenus& menus() const { return menus_; }
  PanelFrame* panel(int index) const { return panels_[static_cast<std::size_t>(index)]; }
  YearCalendarView* year_calendar() const { return year_calendar_; }
  QTimer* timer() { return &timer_; }  // Timer1, stopped by the error report
  HelpWindow* help_window() const { return help_; }
  SearchWindow* search_window() const { return search_window_; }
  bool is_unloaded() const { return unloaded_; }

  // Shows everything the session's view holds.
  void render();

  // A tick of Timer1: one more step while "＝" is held (tests call it for the timer).
  void Timer1_Timer();

  // --- WindowPort ---
  WindowState window_state() const override;
  int window_width() const override;
  int window_height() const override;
  int window_left() const override;
  int window_top() const override;
  int screen_vertical_pixels() const override;
  void move_window(int left, int top) override;
  void resize_window(std::optional<int> width, std::optional<int> height) override;
  void show_normal() override;
  void place_panels(const LayoutPlan& plan) override;
  void request_close() override;
  void set_busy(bool busy) override;
  bool start_program(const std::string& path, const std::string& folder) override;

 Q_SIGNALS:
  // The window has unloaded: its settings are written (or deleted) and the program may end.
  void unloaded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void build_panels(QWidget* surface);
  void connect_menus();
  void connect_file_menu();
  void connect_edit_menu();
  void build_search_window(SettingsStore& store, MainDialogs& dialogs);
  // Runs a session operation, then renders what it changed.
  template <class Operation>
  void forward(Operation&& operation);
  void open_help();
  void open_settings();

  SettingsStore& store_;
  std::unique_ptr<MainDialogs> own_dialogs_;
  MainDialogs* dialogs_ = nullptr;
  std::unique_ptr<MainSession> session_;
  MainMenus menus_;
  std::array<PanelFrame*, kPanelCount> panels_{};
  YearCalendarView* year_calendar_ = nullptr;
  QPointer<HelpWindow> help_;
  SearchWindow* search_window_ = nullptr;
  QTimer timer_;
  int busy_depth_ = 0;
  bool unloaded_ = false;
};

}  // namespace pelmira
