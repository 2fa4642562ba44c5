#pragma once
// The notifier's run, without a window: what the window `tanjyoubi` shows and does from
// start to unload. The window renders the caption, the lines and the layout, shows the
// boxes, plays the sound and forwards the timer ticks, the click and the close to it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/checked.h"
#include "notifier/data_files.h"
#include "notifier/window_layout.h"
#include "settings/settings_store.h"

namespace pelmira {

struct CalendarDate {
  i16 year = 0, month = 0, day = 0;
};

// The system's local date.
CalendarDate system_today();

// "<year>年<month>月<day>日（<weekday>）  Lunoka".
std::string notifier_caption(const CalendarDate& date);

// The date of the test run left by the main program ("tannyugamen"/"e", "m", "d"), when "e"
// is not 0; it is cleared at once, so it serves one start. A stored date that is not a real
// date gives the system date, still in test mode.
struct StartDate {
  CalendarDate today;
  bool test_mode = false;
};
StartDate take_start_date(SettingsStore& store, const CalendarDate& system_today);

// What the window does on a tick of its one-second timer.
struct TickAction {
  std::optional<std::string> caption;  // the new caption, when it changes
  bool stop_timer = false;
  bool close_sound = false;
  bool unload = false;
};

// The window's place when it unloads, in twips.
struct WindowPlace {
  double left = 0, top = 0, width = 0;
};

class NotifierSession {
 public:
  // `folder` holds the data files; `program_folder` is shown in the test run's count box.
  NotifierSession(SettingsStore& store, std::string folder, std::string program_folder,
                  CalendarDate system_today);

  // The window's load: takes the start date, reads the files, takes a window number and
  // sizes the list when there are hits, and decides visibility and sound.
  void load();

  const std::string& caption() const { return caption_; }
  const std::vector<std::string>& lines() const { return lines_; }
  const NotifierLayout& layout() const { return layout_; }
  bool visible() const { return visible_; }
  bool plays_sound() const { return plays_sound_; }
  bool test_mode() const { return start_.test_mode; }
  const CalendarDate& today() const { return start_.today; }
  i16 window_number() const { return window_number_; }
  const ReadCounts& counts() const { return collection_.counts; }
  // The date reader's boxes, then the box of a read that stopped: shown, then the window
  // unloads.
  const std::vector<DateReaderAlert>& alerts() const { return collection_.alerts; }
  const std::optional<ReadFailure>& failure() const { return collection_.failure; }

  // A tick of the count-down: with auto-close the caption counts 19 down to 0 and the 20th
  // tick unloads; without it the first tick stops the timer (and unloads when there is
  // nothing to show).
  TickAction tick();
  int ticks() const { return ticks_; }

  // The unload: stores the width, shows the count box of a test run through `show_box`,
  // frees the window number and stores the place of window 0.
  void unload(const WindowPlace& place, const std::function<void(const std::string&)>& show_box);

  // The count box of a test run.
  std::string count_box_text() const;

 private:
  SettingsStore& store_;
  std::string folder_;
  std::string program_folder_;
  CalendarDate system_today_;

  StartDate start_;
  std::string caption_;
  HitCollection collection_;
  std::vector<std::string> lines_;
  NotifierLayout layout_;
  i16 window_number_ = 0;
  bool visible_ = false;
  bool plays_sound_ = false;
  int ticks_ = 0;
};

}  // namespace pelmira
