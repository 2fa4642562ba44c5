#pragma once
// Reading the data files of a folder for the notifier: every "*.txt" file in the order of
// a file list (by name, letter case ignored), the data files among them recognised by their
// header line (CP932, or UTF-8 with or without a byte-order mark), each person's rule
// evaluated against today, and the hits collected in the order found.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/runtime_error.h"
#include "notifier/holiday_table.h"
#include "notifier/kpelmirahm.h"
#include "notifier/notification_rule.h"
#include "people/person_table.h"

namespace pelmira {

struct ReadCounts {
  int text_files = 0;  // entries of the file list
  int data_files = 0;  // files with the header
  int data_lines = 0;  // lines with a separator
  int hits = 0;
};

struct Hit {
  i32 distance = 0;
  std::string line;
};

// A read that stopped: the box to show before the window unloads.
struct ReadFailure {
  std::string text;             // lines ended by CR
  bool by_date_reader = false;  // the date reader's own fatal box (its text)
};

struct HitCollection {
  std::vector<Hit> hits;  // in the order found
  ReadCounts counts;
  std::vector<DateReaderAlert> alerts;  // the date reader's boxes, in order
  std::optional<ReadFailure> failure;
};

// The names of the "*.txt" files of a folder, as a file list shows them: regular files, no
// hidden ones, sorted by name with letter case ignored. Raises 76 when the folder cannot be
// listed.
std::vector<std::string> text_file_names(const std::string& folder);

// Called for each person of a data line while the line is read, with the name's bytes in the
// file's encoding: a run-time error it raises stops the reading like a bad line does.
using PersonVisitor =
    std::function<void(std::string_view name, FileEncoding encoding, const NoticePerson& person)>;

// Reads the data files among `paths`, in order, handing every person to `visit`; files
// without the header are passed over. Counts, the date reader's boxes and a failure (its box
// names the file by its name without folders) go to `into`; its hits stay untouched.
void read_persons(const std::vector<std::string>& paths, const PersonVisitor& visit,
                  HitCollection& into);

// Reads every data file of the folder into `into`, each person's rule evaluated against
// today. A run-time error stops the reading and leaves its box text in `into.failure`.
void read_data_files(const std::string& folder, const NotifierToday& today,
                     const HolidayTable& holidays, LeapDayMove leap_day, HitCollection& into);

// The holiday table of a year, or nullopt with the box of the error that stopped it in
// `into.failure`.
std::optional<HolidayTable> holidays_for_reading(i16 year, HitCollection& into);

// The read-error box: what failed, where, in which file and on which line.
std::string read_error_text(const RuntimeError& error, std::string_view file_name,
                            std::string_view line);

}  // namespace pelmira
