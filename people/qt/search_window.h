#pragma once
// The search window "検索" as the user sees it: a tool window over the main window, not
// modal, with the selection boxes Combo1_0..21, the name part Text1, the date forms
// Option2_0..2 with the grouping marks of each form, and the buttons Command1_0..2 (検索開始,
// キャンセル, リセット). The window keeps a SearchForm for as long as it lives, so that it
// opens again with the last choices; it shows the form and forwards the user's choices to
// the search logic (people/search.h). It does not own the person list: the main window runs
// the search through a hook.
//
// Wiring, in the main window (which owns the settings store, the program state and the table):
//
//   search_window_ = new SearchWindow(store, {
//       .state = [this]() -> const ProgramState& { return session().state(); },
//       .search = [this](const SearchForm& form) {
//         // run_search(table, state, form, busy), where busy turns the main window's busy
//         // state on and off (which calls search_window_->set_busy); then, as after a search
//         // step, rows = refresh_rows(...), model.show_rows(rows.persons), the summary
//         // and the menu states from rows.summary; render.
//         return outcome;
//       },
//       .tell = [this](std::string_view text) {
//         dialogs.message(kSearchTitle, text, BoxIcon::kInformation);  // its MainDialogs
//       }},
//       this);
//   menu ls14 "検索画面の表示": search_window_->open();
//   the main window's busy state: search_window_->set_busy(on);
//   unload: search_window_->close() (stores its place) before the session's Form_Unload,
//   which keeps the settings or deletes them all; a close after the deletion would write
//   the place back into an emptied store.
//
// After 検索開始 the window hides itself and, when the list is left empty, tells the user
// search_notice(outcome) ("該当するデータが有りません。") with `tell`, or with an OK box over
// the main window when no `tell` is given.
//
// Its place is read from the settings ("kensaku" "top" and "left", twips) whenever it is
// shown, and written whenever it is hidden or closed (and when it is destroyed while shown).

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"
#include "people/search.h"
#include "settings/settings_store.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pelmira {

class SearchWindow : public QWidget {
  Q_OBJECT

 public:
  struct Hooks {
    // The program state the age and school boxes are counted at (the "現在" date and the
    // ageing rule). Required; the reference must stay valid until the next call.
    std::function<const ProgramState&()> state;
    // Runs 検索開始 on the main window's list with this form and refills the list; answers
    // what it did (run_search). Required.
    std::function<SearchOutcome(const SearchForm&)> search;
    // Tells the user a note after a search (an OK box). Optional.
    std::function<void(std::string_view text)> tell;
  };

  // Shown over `main_window`, which must outlive it, as must the store.
  SearchWindow(SettingsStore& store, Hooks hooks, QWidget* main_window = nullptr);
  ~SearchWindow() override;

  // "検索画面の表示": shows the window at its stored place, or raises it when it is open.
  void open();

  // The main window's busy state: the window disabled, with the wait pointer over it. Calls
  // nest; the window is usable again after as many offs as ons.
  void set_busy(bool busy);

  // The choices as they stand.
  const SearchForm& form() const { return form_; }

  // The buttons, as their clicks run them.
  void Command1_Click(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void build_date_block();
  void build_other_boxes();
  void build_buttons();
  QComboBox* new_box(int index, const QString& accessible_name, int left, int top, int width);
  QLabel* new_label(const QString& text, int left, int top, int width);
  // A frame around the boxes of one range, with a "～" under its middle when `tilde_below`.
  void add_mark(i16 date_form, int left, int top, int width, int height, bool tilde_below);

  void box_chosen(int index, int position);
  void render();
  void restore_place();
  void store_place();

  SettingsStore& store_;
  Hooks hooks_;
  SearchForm form_;

  std::array<QComboBox*, kSearchBoxCount> boxes_{};
  std::array<std::vector<std::string>, kSearchBoxCount> shown_items_;
  QLineEdit* name_part_ = nullptr;
  std::array<QRadioButton*, 3> date_forms_{};
  std::array<QPushButton*, 3> commands_{};

  // The grouping marks: a frame around the boxes of one range and the "～" joining its ends,
  // each shown only for its date form.
  struct Mark {
    i16 date_form;
    QFrame* frame;
    QLabel* tilde;  // null for a frame without one
  };
  std::vector<Mark> marks_;

  int labels_ = 0;  // captions made so far, for their names Label1_k
  int busy_depth_ = 0;
};

}  // namespace pelmira
