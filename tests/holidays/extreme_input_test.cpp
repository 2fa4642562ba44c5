// Extreme and nonsensical dates: every builder must finish, report what it cannot do, and
// never crash or read outside its tables.

#include <gtest/gtest.h>

#include "holidays/date_info.h"
#include "holidays/day_counts.h"
#include "holidays/holiday_rules.h"
#include "holidays/month_grid.h"
#include "holidays/slot_setup.h"
#include "holidays/year_calendar.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;
using testing::set_slot;

constexpr i16 kYears[] = {-32768, -4800, -1, 0, 1, 1582, 1873, 27967, 27968, 32767};
constexpr i16 kMonths[] = {-32768, 0, 2, 10, 13, 32767};
constexpr i16 kDays[] = {-32768, 0, 29, 32, 32767};

TEST(ExtremeInput, BuildersFinish) {
  RecordingReporter reporter;
  for (const i16 year : kYears) {
    for (const i16 month : kMonths) {
      SCOPED_TRACE(::testing::Message() << year << "-" << month);
      const MonthHolidays table = Ssaijitu(year, month);
      EXPECT_LE(table.entries(), kLastHolidaySlot);
      for (const i16 mode : {kModeAutomatic, kModeGregorian, kModeJulian}) {
        for (const i16 day : kDays) {
          ProgramState state;
          state.calendar_mode = mode;
          set_slot(state, 0, year, month, day);
          set_slot(state, 1, year, month, day);
          ListingSession session;
          const MonthGrid grid = karenda(state, 0);
          EXPECT_TRUE(!grid.ringed_cell ||
                      (*grid.ringed_cell >= kFirstDayCell && *grid.ringed_cell <= kLastDayCell));
          NGHJouhou(state, session, Listing{});
          HsKeisan(state, session, Listing{});
          i32 h = 0, q = 0, r = 0, s = 0, t = 0;
          SNKeisan(state, h, q, r, s, t);
          EXPECT_GE(h, 0);
        }
      }
    }
    formcalnder(year);
    holidays_of_year(year);
  }
}

TEST(ExtremeInput, FarApartDatesAreRefusedNotWalked) {
  RecordingReporter reporter;
  ProgramState state;
  set_slot(state, 0, -32768, 1, 1);
  set_slot(state, 1, 32767, 12, 31);
  ListingSession session;
  EXPECT_EQ(HsKeisan(state, session, Listing{}).lines.size(), 6u);
}

}  // namespace
}  // namespace pelmira
