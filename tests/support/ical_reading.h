#pragma once
// Reading an exported calendar back, for the tests: with libical, and with Python's
// icalendar module (Debian's /usr/bin/python3) as a reader written by other hands.

#include <optional>
#include <string>
#include <vector>

namespace pelmira::testing {

struct ReadBackEvent {
  std::string date;  // DTSTART, YYYYMMDD
  std::string end;   // DTEND, YYYYMMDD
  std::string summary;
  std::string uid;
  std::string trigger;  // the alarm's TRIGGER, "" without an alarm

  friend bool operator==(const ReadBackEvent&, const ReadBackEvent&) = default;
};

// The events of a calendar text as libical parses it; an empty list when it is no calendar.
std::vector<ReadBackEvent> libical_events(const std::string& text);

// The events as Python's icalendar reads the file at `path`; nullopt when that reader is not
// installed (the reason in `why`).
std::optional<std::vector<ReadBackEvent>> python_icalendar_events(const std::string& path,
                                                                  std::string& why);

}  // namespace pelmira::testing
