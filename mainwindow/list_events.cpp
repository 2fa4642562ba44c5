// The ファイル menu and the person list's edit menu: reading files into the list, saving and
// exporting it, the recent files, and editing, sorting and undoing. Each operation ends with
// the list refilled and its summary and menu states renewed.

#include "core/trap.h"
#include "listings/dispatch.h"
#include "mainwindow/main_session.h"
#include "people/editing.h"
#include "people/list03.h"
#include "people/list_view.h"
#include "people/sorting.h"

namespace pelmira {
namespace {

constexpr std::string_view kOpenDialogTitle = "ファイルを開く";

// The date text of a slot as the date box shows it.
const std::string& date_text(const ProgramState& state, int slot) {
  const DateSlot& shown = state.slots[static_cast<std::size_t>(slot)];
  return state.western_only == 1 ? shown.western_text : shown.era_text;
}

}  // namespace

// --- Files ----------------------------------------------------------------------------------

void MainSession::rist01(std::uint8_t append) {
  const std::optional<std::string> path = dialogs_.choose_open_path(
      kOpenDialogTitle, open_dialog_file_name(persons_), kOpenDialogFilter);
  if (!path) return;  // a cancelled dialog is passed over silently
  persons_.append = append;
  rist02(persons_, state_, *path, -1, read_host_);
  refresh_person_list();
}

void MainSession::ls12_Click() {
  if (!lets_step_go_on(shozon(persons_, save_host_))) return;
  rist01(0);
}

void MainSession::ls121_Click() {
  rist01(1);
}

void MainSession::uHozon_Click() {
  // Offered only while the list is one whole file (the menu item is disabled otherwise).
  if (!can_overwrite_current_file(persons_)) return;
  list03(persons_, kSaveDataOver, save_host_);
  refill_person_list();
}

void MainSession::ls13_Click() {
  list03(persons_, kSaveDataAs, save_host_);
  refill_person_list();
}

void MainSession::txtout_Click() {
  list03(persons_, kExportList, save_host_);
  refill_person_list();
}

void MainSession::txtoutir_Click() {
  list03(persons_, kExportListing, save_host_);
  refill_person_list();
}

void MainSession::txtoutH_Click() {
  list03(persons_, kExportReport, save_host_);
  refill_person_list();
}

void MainSession::rirekid_Click(int index) {
  if (index < 1 || index > recent_.count()) return;
  const std::string path = recent_.paths[static_cast<std::size_t>(index - 1)];
  if (!lets_step_go_on(shozon(persons_, save_host_))) return;
  persons_.append = 0;
  rist02(persons_, state_, path, static_cast<i16>(index), read_host_);
  refresh_person_list();
}

void MainSession::rirekic_Click() {
  pelmira::rirekic_Click(recent_);
}

void MainSession::risinki_Click() {
  if (!lets_step_go_on(shozon(persons_, save_host_))) return;
  clear_list(persons_);
  pane_ = NoticePane{};
  refresh_person_list();
  view_.status_text = kEmptyListCaption;
}

std::vector<std::string> MainSession::export_lines(i16 mode) {
  switch (mode) {
    case kExportList: {
      std::vector<std::string> lines = st7(persons_, state_, display_).lines;
      return person_list_export(date_text(state_, 1), view_.list_header, lines);
    }
    case kExportListing: {
      ListingExportTexts texts;
      texts.listing_kind = listing_.kind;
      texts.birth_date_text = date_text(state_, 0);
      texts.now_date_text = date_text(state_, 1);
      for (std::size_t i = 0; i < 2; ++i) {
        const ComboBox& box = listing_controls_.combos[i];
        const std::string chosen =
            box.selected >= 0 && static_cast<std::size_t>(box.selected) < box.items.size()
                ? box.items[static_cast<std::size_t>(box.selected)]
                : "";
        (i == 0 ? texts.first_choice : texts.second_choice) = chosen;
      }
      texts.header = listing_controls_.pane_caption;
      texts.lines = view_.listing.lines;
      return listing_export(texts);
    }
    case kExportReport:
      return report_export_lines(view_.report);
    default:
      return {};
  }
}

// --- The person list and its edit menu -----------------------------------------------------

void MainSession::refill_person_list() {
  view_.list = refresh_rows(persons_, state_, display_);
  if (persons_.personCount > 0) view_.status_text = view_.list.summary.summary;
}

void MainSession::List1_Click(int row) {
  list1c(persons_, display_, state_, row, pane_);
  refill_person_list();
  mein1();
}

// Runs an edit of the list; when it changed the persons a save writes or their order, the
// list holds an unsaved change.
template <class Edit>
void MainSession::edit_list(Edit&& edit) {
  const std::vector<i16> before = listed_persons(persons_);
  edit();
  if (listed_persons(persons_) != before) persons_.changed = 1;
  refill_person_list();
}

void MainSession::ls23_Click() {
  edit_list([&] { list05(persons_, display_, kDeleteMode); });
}

void MainSession::ls231_Click() {
  edit_list([&] { ls231(persons_, display_); });
}

void MainSession::ls25_Click() {
  edit_list([&] { jyufuku(persons_); });
}

void MainSession::ls26_Click() {
  ls26(persons_);
  refill_person_list();
}

void MainSession::ls27_Click() {
  edit_list([&] { ls27(persons_, display_); });
}

void MainSession::ls22_Click() {
  edit_list([&] { ls22(persons_, display_); });
}

// The two order items are always opposite; choosing the one already in force keeps it.
void MainSession::ls32_Click(bool ascending) {
  if (display_.ascending != ascending) ls32(display_);
  refill_person_list();
}

void MainSession::ls36_Click(int key) {
  edit_list([&] {
    st1(persons_, state_, display_.listing_code, static_cast<i16>(key), hooks_.set_busy);
  });
}

void MainSession::ls38_Click() {
  edit_list([&] { ls38(persons_); });
}

SearchOutcome MainSession::search(const SearchForm& form) {
  SearchOutcome outcome;
  edit_list([&] { outcome = run_search(persons_, state_, form, hooks_.set_busy); });
  return outcome;
}

void MainSession::ls24_Click() {
  edit_list([&] { ls24(persons_); });
}

void MainSession::ls241_Click() {
  edit_list([&] { ls241(persons_); });
}

}  // namespace pelmira
