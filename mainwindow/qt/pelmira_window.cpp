#include "mainwindow/qt/pelmira_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>

#include "core/error_report.h"
#include "core/twips.h"
#include "mainwindow/qt/calendar_panel.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/input_panel.h"
#include "mainwindow/qt/listing_panel.h"
#include "mainwindow/qt/main_dialogs_qt.h"
#include "mainwindow/qt/notification_panel.h"
#include "mainwindow/qt/panel_frames.h"
#include "mainwindow/qt/year_calendar_view.h"
#include "people/qt/correction_dialog.h"
#include "people/qt/search_window.h"
#include "settings/qt/options_dialog.h"

namespace pelmira {
namespace {

// However few panels are shown, the window keeps its menu bar usable.
constexpr int kMinimumWidth = 240;
constexpr int kMinimumHeight = 120;

}  // namespace

PelmiraWindow::PelmiraWindow(SettingsStore& store, ProgramInfo info, MainDialogs* dialogs,
                             Clock clock, QWidget* parent)
    : QMainWindow(parent), store_(store) {
  setObjectName(QStringLiteral("pelmira"));
  setAccessibleName(QStringLiteral("Pelmira"));
  setWindowTitle(QStringLiteral("Pelmira(年齢計算ソフト)"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  timer_.setObjectName(QStringLiteral("Timer1"));
  if (!dialogs) {
    own_dialogs_ = std::make_unique<QtMainDialogs>(this);
    dialogs = own_dialogs_.get();
  }
  dialogs_ = dialogs;
  session_ =
      std::make_unique<MainSession>(store, *dialogs, *this, std::move(info), std::move(clock));
  build_search_window(store, *dialogs);
  menus_ = build_main_menus(menuBar());
  auto* surface = new QWidget(this);
  surface->setObjectName(QStringLiteral("surface"));
  setCentralWidget(surface);
  build_panels(surface);
  connect_menus();
  session_->set_correction_window(
      [this](CorrectionWindow& window) { show_correction_dialog(window, this); });
}

PelmiraWindow::~PelmiraWindow() {
  if (help_) delete help_;
  while (busy_depth_ > 0) set_busy(false);
}

void PelmiraWindow::build_panels(QWidget* surface) {
  year_calendar_ = new YearCalendarView(surface);
  connect(year_calendar_, &YearCalendarView::year_changed, this, [this](int year) {
    forward([&] { session_->HScroll1_Change(static_cast<i16>(year)); });
  });
  auto* listing = new ListingPanel(surface);
  auto* list = new ListPanel(*session_, surface);
  panels_ = {new InputPanel(&timer_, surface),
             new ReportPanel(surface),
             new CalendarPanel(surface),
             listing,
             list,
             new NotificationPanel(surface)};
  for (PanelFrame* panel : panels_) {
    panel->hide();
    panel->set_forward([this](const std::function<void(MainSession&)>& operation) {
      forward([&] { operation(*session_); });
    });
    connect(panel, &PanelFrame::close_clicked, this,
            [this](int index) { forward([&] { session_->Command6_Click(index); }); });
  }
  connect(listing, &ListingPanel::context_menu_requested, this,
          [this](const QPoint& at) { menus_.listing->popup(at); });
  connect(listing, &ListingPanel::person_row_selected, list, &ListPanel::select_row);
  connect(list, &ListPanel::context_menu_requested, this,
          [this](const QPoint& at) { menus_.edit->popup(at); });
  connect(&timer_, &QTimer::timeout, this, &PelmiraWindow::Timer1_Timer);
}

void PelmiraWindow::Timer1_Timer() {
  TimerTick tick;
  forward([&] { tick = session_->Timer1_Timer(); });
  if (tick.stop_timer)
    timer_.stop();
  else
    timer_.setInterval(tick.interval);
}

void PelmiraWindow::connect_menus() {
  const auto on = [this](QAction* action, auto operation) {
    connect(action, &QAction::triggered, this, [this, operation] { forward(operation); });
  };
  connect_file_menu();
  connect_edit_menu();
  on(menus_.msryu, [this] { session_->msryu_Click(); });
  on(menus_.rsyuryou, [this] { session_->rsyuryou_Click(); });
  for (int slot = 0; slot < 2; ++slot)
    on(menus_.m2[static_cast<std::size_t>(slot)], [this, slot] { session_->m2_Click(slot); });
  for (int i = 0; i < kPanelCount; ++i)
    on(menus_.m1[static_cast<std::size_t>(i)], [this, i] { session_->m1_Click(i); });
  for (int i = 0; i < 2; ++i)
    on(menus_.msg2[static_cast<std::size_t>(i)], [this, i] { session_->msg2_Click(i); });
  on(menus_.riremodos, [this] { session_->riremodos_Click(); });
  on(menus_.fnc01, [this] { session_->fnc01_Click(); });
  on(menus_.lunokas2, [this] { session_->lunokas2_Click(); });
  connect(menus_.setteig, &QAction::triggered, this, &PelmiraWindow::open_settings);
  for (int kind = 0; kind < kListingKindCount; ++kind)
    on(menus_.itirank1[static_cast<std::size_t>(kind)],
       [this, kind] { session_->itirank1_Click(static_cast<i16>(kind)); });
  connect(menus_.pelmirahelp01, &QAction::triggered, this, &PelmiraWindow::open_help);
  on(menus_.ghfail, [this] { session_->ghfail_Click(); });
  on(menus_.pelmirahelp03, [this] { session_->pelmirahelp03_Click(); });
}

void PelmiraWindow::build_search_window(SettingsStore& store, MainDialogs& dialogs) {
  SearchWindow::Hooks hooks;
  hooks.state = [this]() -> const ProgramState& { return session_->state(); };
  hooks.search = [this](const SearchForm& form) {
    SearchOutcome outcome;
    forward([&] { outcome = session_->search(form); });
    return outcome;
  };
  hooks.tell = [&dialogs](std::string_view text) {
    dialogs.message(kSearchTitle, text, BoxIcon::kInformation);
  };
  search_window_ = new SearchWindow(store, std::move(hooks), this);
}

void PelmiraWindow::connect_file_menu() {
  const auto on = [this](QAction* action, auto operation) {
    connect(action, &QAction::triggered, this, [this, operation] { forward(operation); });
  };
  on(menus_.ls12, [this] { session_->ls12_Click(); });
  on(menus_.ls121, [this] { session_->ls121_Click(); });
  on(menus_.uHozon, [this] { session_->uHozon_Click(); });
  on(menus_.ls13, [this] { session_->ls13_Click(); });
  on(menus_.txtout, [this] { session_->txtout_Click(); });
  on(menus_.txtoutir, [this] { session_->txtoutir_Click(); });
  on(menus_.txtoutH, [this] { session_->txtoutH_Click(); });
  on(menus_.icalout, [this] { session_->icalout_Click(); });
  for (int i = 0; i < static_cast<int>(menus_.rirekid.size()); ++i)
    on(menus_.rirekid[static_cast<std::size_t>(i)], [this, i] { session_->rirekid_Click(i + 1); });
  on(menus_.rirekic, [this] { session_->rirekic_Click(); });
  on(menus_.risinki, [this] { session_->risinki_Click(); });
}

void PelmiraWindow::connect_edit_menu() {
  const auto on = [this](QAction* action, auto operation) {
    connect(action, &QAction::triggered, this, [this, operation] { forward(operation); });
  };
  on(menus_.ls231, [this] { session_->ls231_Click(); });
  on(menus_.ls23, [this] { session_->ls23_Click(); });
  on(menus_.ls26, [this] { session_->ls26_Click(); });
  on(menus_.ls27, [this] { session_->ls27_Click(); });
  on(menus_.ls22, [this] { session_->ls22_Click(); });
  on(menus_.ls25, [this] { session_->ls25_Click(); });
  for (int key = 0; key < 5; ++key)
    on(menus_.ls36[static_cast<std::size_t>(key)], [this, key] { session_->ls36_Click(key); });
  for (int item = 0; item < 2; ++item)
    on(menus_.ls32[static_cast<std::size_t>(item)],
       [this, item] { session_->ls32_Click(item == 0); });
  on(menus_.ls38, [this] { session_->ls38_Click(); });
  connect(menus_.ls14, &QAction::triggered, this, [this] { search_window_->open(); });
  on(menus_.ls24, [this] { session_->ls24_Click(); });
  on(menus_.ls241, [this] { session_->ls241_Click(); });
}

template <class Operation>
void PelmiraWindow::forward(Operation&& operation) {
  if (unloaded_) return;
  operation();
  render();
}

void PelmiraWindow::load(const std::vector<std::string>& arguments) {
  session_->Form_Load(arguments);
  render();
}

void PelmiraWindow::render() {
  setWindowTitle(QString::fromStdString(session_->view().report.window_caption));
  render_menus(menus_, *session_);
  for (PanelFrame* panel : panels_) panel->render(*session_);
  const std::optional<YearCalendar>& calendar = session_->view().year_calendar;
  year_calendar_->show_calendar(calendar ? &*calendar : nullptr, session_->year_calendar_year());
}

void PelmiraWindow::open_help() {
  if (!help_) help_ = new HelpWindow();
  show_help_contents(*help_, session_->info().program_folder);
}

void PelmiraWindow::open_settings() {
  if (unloaded_) return;
  run_options_dialog(this, store_, *dialogs_, session_->options_context(),
                     [this](const OptionsChanges& changes) {
                       forward([&] { session_->apply_options(changes); });
                     });
}

// --- Events ---------------------------------------------------------------------------------

void PelmiraWindow::closeEvent(QCloseEvent* event) {
  if (unloaded_) {
    event->accept();
    return;
  }
  if (!session_->Form_QueryUnload()) {
    event->ignore();
    render();
    return;
  }
  // The search window stores its place as it closes: before the unload, which either keeps
  // it with the other settings or deletes every setting, its place included.
  search_window_->close();
  session_->Form_Unload();
  unloaded_ = true;
  if (help_) help_->close();
  event->accept();
  Q_EMIT unloaded();
}

void PelmiraWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (year_calendar_) year_calendar_->setGeometry(centralWidget()->rect());
  if (!unloaded_) session_->Form_Resize();
}

void PelmiraWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && !unloaded_) session_->Form_Resize();
}

// --- WindowPort -----------------------------------------------------------------------------

WindowState PelmiraWindow::window_state() const {
  if (isMinimized()) return WindowState::kMinimised;
  if (isMaximized()) return WindowState::kMaximised;
  return WindowState::kNormal;
}

int PelmiraWindow::window_width() const {
  return pixels_to_twips(width());
}

int PelmiraWindow::window_height() const {
  return pixels_to_twips(height());
}

int PelmiraWindow::window_left() const {
  return pixels_to_twips(pos().x());
}

int PelmiraWindow::window_top() const {
  return pixels_to_twips(pos().y());
}

int PelmiraWindow::screen_vertical_pixels() const {
  const QScreen* shown_on = screen() ? screen() : QGuiApplication::primaryScreen();
  return shown_on ? shown_on->geometry().height() : 768;
}

void PelmiraWindow::move_window(int left, int top) {
  QPoint place(twips_to_pixels(left), twips_to_pixels(top));
  // A stored place off every screen (another monitor gone, a damaged setting) would leave
  // the window out of reach: it then opens at the top left of the available area.
  const QScreen* shown_on = QGuiApplication::screenAt(place);
  if (!shown_on && QGuiApplication::primaryScreen())
    place = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
  move(place);
}

void PelmiraWindow::resize_window(std::optional<int> width, std::optional<int> height) {
  resize(width ? twips_to_pixels(*width) : this->width(),
         height ? twips_to_pixels(*height) : this->height());
}

void PelmiraWindow::show_normal() {
  if (isMinimized() || isMaximized()) showNormal();
}

void PelmiraWindow::place_panels(const LayoutPlan& plan) {
  const auto& shown = session_->panel_items();
  for (int i = 0; i < kPanelCount; ++i) {
    PanelFrame* panel = panels_[static_cast<std::size_t>(i)];
    if (i == kListPanel) continue;
    const std::optional<PanelPlace>& place = plan.places[static_cast<std::size_t>(i)];
    if (place) panel->move(twips_to_pixels(place->left), twips_to_pixels(place->top));
    panel->setVisible(place.has_value());
  }
  PanelFrame* list = panels_[kListPanel];
  if (plan.list)
    list->setGeometry(twips_to_pixels(plan.list->left), twips_to_pixels(plan.list->top),
                      twips_to_pixels(plan.list->width), twips_to_pixels(plan.list->height));
  list->setVisible(shown[kListPanel]);
}

bool PelmiraWindow::start_program(const std::string& path, const std::string& folder) {
  return QProcess::startDetached(QString::fromStdString(path), {}, QString::fromStdString(folder));
}

void PelmiraWindow::request_close() {
  QTimer::singleShot(0, this, [this] { close(); });
}

void PelmiraWindow::set_busy(bool busy) {
  if (!busy && busy_depth_ == 0) return;
  busy_depth_ += busy ? 1 : -1;
  if (busy && busy_depth_ == 1) QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!busy && busy_depth_ == 0) QApplication::restoreOverrideCursor();
  for (PanelFrame* panel : panels_) panel->setEnabled(busy_depth_ == 0);
  if (search_window_) search_window_->set_busy(busy);
}

}  // namespace pelmira
