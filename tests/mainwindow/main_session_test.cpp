// The main window's session without widgets: start-up from the settings (fresh, damaged,
// "000000", "rdq", command-line files), the panel menu and its rules, the year calendar,
// closing with its questions, and what shut-down stores or deletes.

#include "mainwindow/main_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_window_port.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/recording_main_dialogs.h"
#include "support/recording_reporter.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using ::testing::ElementsAre;
using testing::FakeWindowPort;
using ::testing::HasSubstr;
using testing::RecordingMainDialogs;
using testing::RecordingReporter;
using testing::TestFolder;
using Answer = MainDialogs::Answer;

const LocalDateTime kNow{2026, 12, 8, 10, 20, 30};
constexpr int kRevision = 3;

class MainSessionTest : public ::testing::Test {
 protected:
  MainSession& started(std::vector<std::string> arguments = {}) {
    ProgramInfo info;
    info.major = 1;
    info.minor = 2;
    info.revision = kRevision;
    info.program_folder = "/opt/pelmira";
    info.data_folder = folder_.path();
    session_.emplace(store_, dialogs_, window_, info, fixed_clock(kNow));
    session_->Form_Load(arguments);
    return *session_;
  }

  void set(const SettingKey& key, std::string_view text) { write_text(store_, key, text); }
  std::string stored(const SettingKey& key) const {
    return store_.value(kSettingsApplication, key.section, key.key).value_or("<missing>");
  }
  std::string recent(const std::string& key) const {
    return store_.value(kSettingsApplication, "rireki", key).value_or("<missing>");
  }
  std::vector<bool> items() const {
    const auto& shown = session_->panel_items();
    return std::vector<bool>(shown.begin(), shown.end());
  }

  RecordingReporter reporter_;
  TestFolder folder_;
  MemorySettingsStore store_;
  RecordingMainDialogs dialogs_;
  FakeWindowPort window_;
  std::optional<MainSession> session_;
};

// --- Start-up -------------------------------------------------------------------------------

TEST_F(MainSessionTest, FirstStartOnAnEmptyStore) {
  MainSession& session = started();
  EXPECT_TRUE(session.started());
  EXPECT_TRUE(reporter_.empty());
  EXPECT_TRUE(dialogs_.shown.empty());
  EXPECT_EQ(window_.left, 100);
  EXPECT_EQ(window_.top, 100);
  EXPECT_THAT(items(), ElementsAre(true, true, true, true, false, false));
  EXPECT_FALSE(session.year_calendar_shown());

  const DateSlot& birth = session.state().slots[0];
  EXPECT_EQ(birth.year, 1996);
  EXPECT_EQ(birth.month, 10);
  EXPECT_EQ(birth.day, 1);
  EXPECT_EQ(birth.era_label(), "平成");
  const DateSlot& now = session.state().slots[1];
  EXPECT_EQ(now.year, 2026);
  EXPECT_EQ(now.month, 12);
  EXPECT_EQ(now.day, 8);
  EXPECT_EQ(session.listing().kind, kListingFortune);
  EXPECT_EQ(session.state().calendar_mode, kModeAutomatic);
  EXPECT_EQ(session.state().age_shift, 0);
  EXPECT_EQ(session.start_hour(), 11);
  EXPECT_EQ(session.start_minute(), 21);
  EXPECT_FALSE(session.solar_term_listing_offered());
  EXPECT_EQ(session.view().status_text, kEmptyListCaption);
  EXPECT_EQ(session.view().report.age_line, "満年齢 30歳 2ヶ月 7日");
  EXPECT_FALSE(session.view().listing.lines.empty());
  EXPECT_TRUE(session.view().month.has_value());
  EXPECT_EQ(session.persons().personCount, 0);
  EXPECT_EQ(session.persons().current_path, folder_.path() + "/*.txt");
  // Nothing is stored at start but the panels the layout placed, and the listing reset by a
  // revision newer than the stored one (none).
  EXPECT_EQ(stored(setting::kPanes), "111100");
  EXPECT_EQ(stored(setting::kListingKind), "9");
  EXPECT_EQ(stored(setting::kTop), "<missing>");
}

TEST_F(MainSessionTest, FirstStartLaysOutTwoColumns) {
  // Available height: 13 x 1024 pixels, at most 8000. Column 1 takes panels 0 and 3
  // (3300 + 4500 = 7800), column 2 panels 1 and 2 (3600 + 2250 = 5850).
  // Window: 7800 + 850 high, 50 + 2 x (4800 + 50) + 100 wide.
  started();
  ASSERT_FALSE(window_.plans.empty());
  const LayoutPlan& plan = window_.plans.back();
  ASSERT_TRUE(plan.places[0] && plan.places[1] && plan.places[2] && plan.places[3]);
  EXPECT_EQ(plan.places[0]->left, 50);
  EXPECT_EQ(plan.places[0]->top, 50);
  EXPECT_EQ(plan.places[3]->top, 3400);
  EXPECT_EQ(plan.places[1]->left, 4900);
  EXPECT_EQ(plan.places[2]->top, 3700);
  EXPECT_EQ(window_.width, 9850);
  EXPECT_EQ(window_.height, 8650);
  EXPECT_EQ(session_->resize_tracker().cause, kCauseIdle);
}

TEST_F(MainSessionTest, AllPanelsHiddenStartsInTheYearCalendar) {
  set(setting::kPanes, "000000");
  MainSession& session = started();
  EXPECT_TRUE(session.year_calendar_shown());
  EXPECT_THAT(items(), ElementsAre(false, false, false, false, false, false));
  EXPECT_EQ(session.year_calendar_year(), 2026);
  ASSERT_TRUE(session.view().year_calendar.has_value());
  EXPECT_THAT(session.view().year_calendar->items.front().text, HasSubstr("2026"));
  // The year calendar needs at least 10500 x 8500.
  EXPECT_EQ(window_.width, 10500);
  EXPECT_EQ(window_.height, 8500);
  EXPECT_EQ(stored(setting::kPanes), "000000");
}

TEST_F(MainSessionTest, RdqDeletesEverySettingAndEnds) {
  set(setting::kTop, "555");
  set(setting::kConfirmExit, "1");
  MainSession& session = started({"rdq"});
  EXPECT_EQ(session.exit_mode(), ExitMode::kDeleteForced);
  EXPECT_EQ(window_.close_requests, 1);
  EXPECT_EQ(window_.moves, 0);
  EXPECT_FALSE(session.started());
  // The exit question of "kakunin" is not asked for the command word.
  EXPECT_TRUE(session.Form_QueryUnload());
  session.Form_Unload();
  EXPECT_THAT(dialogs_.texts(), ElementsAre("レジストリの内容を削除して終了します。"));
  EXPECT_EQ(dialogs_.shown[0].icon, BoxIcon::kInformation);
  EXPECT_TRUE(store_.sections(kSettingsApplication).empty());
}

TEST_F(MainSessionTest, FilesOnTheCommandLineAreAddedAndShowTheList) {
  const std::string family = folder_.write(
      "family.txt", testing::cp932_data_file({"山田太郎^1990 1 2^", "山田花子^1992 3 4^"}));
  const std::string friends =
      folder_.write("friends.txt", testing::cp932_data_file({"佐藤一郎^1985 5 6^"}));
  MainSession& session = started({family, friends});
  EXPECT_TRUE(session.started());
  EXPECT_TRUE(reporter_.empty());
  EXPECT_EQ(session.persons().personCount, 3);
  EXPECT_EQ(session.persons().open_files_count, 2);
  EXPECT_EQ(session.view().list.persons.size(), 3u);
  EXPECT_THAT(session.view().status_text, HasSubstr("総数  3"));
  // Refilling the list with persons shows its panel.
  EXPECT_THAT(items(), ElementsAre(true, true, true, true, true, false));
  EXPECT_EQ(stored(setting::kPanes), "111110");
  EXPECT_EQ(session.recent_files().count(), 2);
}

TEST_F(MainSessionTest, BadCommandLineFilesAreReportedAndTheWindowStarts) {
  const std::string not_data = folder_.write("notes.txt", "just some notes\r\n");
  MainSession& session = started({folder_.path() + "/missing.txt", not_data});
  EXPECT_TRUE(session.started());
  EXPECT_THAT(reporter_.places(), ElementsAre("rist02", "rist02"));
  EXPECT_EQ(reporter_.reports()[0].number, err::kFileNotFound);
  EXPECT_EQ(reporter_.reports()[1].number, err::kBadFileFormat);
  EXPECT_EQ(session.persons().personCount, 0);
}

struct DamagedSetting {
  const char* name;
  SettingKey key;
  const char* text;
};

class DamagedSettingTest : public MainSessionTest,
                           public ::testing::WithParamInterface<DamagedSetting> {};

TEST_P(DamagedSettingTest, StartsWithTheDefaults) {
  set(GetParam().key, GetParam().text);
  MainSession& session = started();
  EXPECT_TRUE(session.started());
  EXPECT_TRUE(reporter_.empty()) << reporter_.places().front();
  EXPECT_EQ(window_.left, 100);
  EXPECT_EQ(window_.top, 100);
  EXPECT_THAT(items(), ElementsAre(true, true, true, true, false, false));
  EXPECT_EQ(session.state().slots[0].year, 1996);
  EXPECT_EQ(session.state().calendar_mode, kModeAutomatic);
  EXPECT_EQ(session.state().age_shift, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DamagedSettingTest,
    ::testing::Values(DamagedSetting{"TopNotANumber", setting::kTop, "abc"},
                      DamagedSetting{"LeftNotANumber", setting::kLeft, "1,5"},
                      DamagedSetting{"PanelsTooShort", setting::kPanes, "101"},
                      DamagedSetting{"BirthDateUnreadable", setting::kStartBirthDate, "いつか"},
                      DamagedSetting{"BirthDateEmpty", setting::kStartBirthDate, ""},
                      DamagedSetting{"CalendarModeOutOfRange", setting::kCalendarMode, "7"},
                      DamagedSetting{"AgeingRuleGarbage", setting::kAgeingRule, "x"},
                      DamagedSetting{"TabCountGarbage", setting::kTabCount, "zz"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainSessionTest, StoredListingKindIsKeptInRange) {
  set(setting::kRevision, std::to_string(kRevision));
  const std::pair<const char*, i16> cases[] = {{"99", 11}, {"-5", 9}, {"zz", 9}, {"3", 3}};
  for (const auto& [text, kind] : cases) {
    set(setting::kListingKind, text);
    started();
    EXPECT_EQ(session_->listing().kind, kind) << text;
  }
}

TEST_F(MainSessionTest, SolarTermListingIsOfferedWhenStored) {
  set(setting::kSolarTermListing, "1");
  EXPECT_TRUE(started().solar_term_listing_offered());
}

TEST_F(MainSessionTest, NewerCopyInstalledIsWarnedAbout) {
  const TestFolder installed;
  const std::string newer = installed.path();
  installed.write("pelmira", "");
  set(setting::kRevision, "9");
  set(setting::kVersion, "2.50");
  set(setting::kProgramFolder, newer + "/");
  started();
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].icon, BoxIcon::kExclamation);
  EXPECT_EQ(dialogs_.shown[0].text,
            "このコンピュータには既に新しいPelmiraver2.50が存在しています。\r\n\r\n場所　" + newer);
  // An older program does not reset the listing.
  EXPECT_EQ(stored(setting::kListingKind), "<missing>");
}

TEST_F(MainSessionTest, ReleaseNoteAndListingResetOnANewerRevision) {
  writeSetting(store_, kSettingsApplication, "ver", std::to_string(kRevision), "新しい機能の案内");
  set(setting::kRevision, "1");
  set(setting::kListingKind, "4");
  MainSession& session = started();
  EXPECT_THAT(dialogs_.texts(), ElementsAre("新しい機能の案内"));
  EXPECT_EQ(dialogs_.shown[0].icon, BoxIcon::kInformation);
  EXPECT_EQ(session.listing().kind, kListingFortune);
}

TEST_F(MainSessionTest, RecentFilesStopAtTheFirstEmptyKey) {
  writeSetting(store_, kSettingsApplication, "rireki", "1", "/data/old.txt");
  writeSetting(store_, kSettingsApplication, "rireki", "2", "/data/new.txt");
  writeSetting(store_, kSettingsApplication, "rireki", "4", "/data/lost.txt");
  EXPECT_THAT(started().recent_files().paths, ElementsAre("/data/new.txt", "/data/old.txt"));
}

// --- Panels ---------------------------------------------------------------------------------

struct PanelStep {
  const char* name;
  std::function<void(MainSession&)> step;
  std::vector<bool> items;
};

class PanelMenuTest : public MainSessionTest, public ::testing::WithParamInterface<PanelStep> {};

TEST_P(PanelMenuTest, ChecksTheItemsAndLaysOutAgain) {
  MainSession& session = started();
  const std::size_t plans = window_.plans.size();
  GetParam().step(session);
  EXPECT_EQ(items(), GetParam().items);
  EXPECT_GT(window_.plans.size(), plans);
  std::string setting;
  for (const bool item : GetParam().items) setting += item ? '1' : '0';
  EXPECT_EQ(stored(setting::kPanes), setting);
}

INSTANTIATE_TEST_SUITE_P(Menu, PanelMenuTest,
                         ::testing::Values(PanelStep{"HideInput",
                                                     [](MainSession& s) { s.m1_Click(0); },
                                                     {false, true, true, true, false, false}},
                                           PanelStep{"ShowList",
                                                     [](MainSession& s) { s.m1_Click(4); },
                                                     {true, true, true, true, true, false}},
                                           PanelStep{"NotificationBringsTheList",
                                                     [](MainSession& s) { s.m1_Click(5); },
                                                     {true, true, true, true, true, true}},
                                           PanelStep{"HidingTheListHidesTheNotification",
                                                     [](MainSession& s) {
                                                       s.m1_Click(5);
                                                       s.m1_Click(4);
                                                     },
                                                     {true, true, true, true, false, false}},
                                           PanelStep{"CloseButtonOfTheList",
                                                     [](MainSession& s) {
                                                       s.msg2_Click(0);
                                                       s.Command6_Click(4);
                                                     },
                                                     {true, true, true, true, false, false}},
                                           PanelStep{"CloseButtonOfTheReport",
                                                     [](MainSession& s) { s.Command6_Click(1); },
                                                     {true, false, true, true, false, false}},
                                           PanelStep{"ShowAll",
                                                     [](MainSession& s) { s.msg2_Click(0); },
                                                     {true, true, true, true, true, true}},
                                           PanelStep{"HideAll",
                                                     [](MainSession& s) { s.msg2_Click(1); },
                                                     {false, false, false, false, false, false}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainSessionTest, ShowingTheFortuneListingTakesTheCurrentTime) {
  MainSession& session = started();
  session.m1_Click(3);  // hidden
  session.m1_Click(3);  // shown again: 10:20 gives the items 11 and 21
  EXPECT_EQ(session.listing().hour_choice, 11);
  EXPECT_EQ(session.listing().minute_choice, 21);
  EXPECT_EQ(session.listing_controls().combos[0].selected, 11);
}

TEST_F(MainSessionTest, HiddenCalendarCatchesUpWhenShown) {
  MainSession& session = started();
  session.m1_Click(2);  // the calendar hidden
  session.m2_Click(0);  // the birth side becomes today; the hidden calendar keeps its month
  EXPECT_EQ(session.view().month->year_caption.substr(0, 4), "1996");
  session.m1_Click(2);  // shown again: refreshed
  EXPECT_EQ(session.view().month->year_caption.substr(0, 4), "2026");
}

TEST_F(MainSessionTest, YearCalendarSwitch) {
  MainSession& session = started();
  session.fnc01_Click();
  EXPECT_TRUE(session.year_calendar_shown());
  EXPECT_THAT(items(), ElementsAre(false, false, false, false, false, false));
  EXPECT_EQ(session.year_calendar_year(), 2026);
  EXPECT_EQ(stored(setting::kPanes), "111100");  // the switch does not store the items
  EXPECT_EQ(window_.width, 10500);

  session.HScroll1_Change(2030);
  EXPECT_THAT(session.view().year_calendar->items.front().text, HasSubstr("2030"));

  session.fnc01_Click();
  EXPECT_FALSE(session.year_calendar_shown());
  EXPECT_FALSE(session.view().year_calendar.has_value());
  EXPECT_THAT(items(), ElementsAre(true, true, true, true, false, false));
  EXPECT_EQ(window_.width, 9850);
}

TEST_F(MainSessionTest, UserResizeOfTheWidthRelaysTheColumns) {
  MainSession& session = started();
  window_.width = 5000;  // narrower by 4850: the width is put back
  session.Form_Resize();
  EXPECT_EQ(window_.width, 9850);
  EXPECT_EQ(session.resize_tracker().cause, kCauseIdle);
  EXPECT_EQ(session.resize_tracker().last_width, 9850);
}

TEST_F(MainSessionTest, MinimisingDoesNotLayOut) {
  MainSession& session = started();
  const std::size_t plans = window_.plans.size();
  window_.state = WindowState::kMinimised;
  session.Form_Resize();
  EXPECT_EQ(window_.plans.size(), plans);
  EXPECT_EQ(session.resize_tracker().cause, kCauseIdle);
  window_.state = WindowState::kNormal;  // restored: cause 5 sizes the window again
  session.Form_Resize();
  EXPECT_EQ(window_.plans.size(), plans + 1);
}

TEST_F(MainSessionTest, SolarTermListingShowsItsNotice) {
  MainSession& session = started();
  session.itirank1_Click(kListingSolarTerms);
  EXPECT_EQ(session.listing().kind, kListingSolarTerms);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_THAT(dialogs_.shown[0].text, HasSubstr("２４節気の表示に付いての注意"));
  session.itirank1_Click(kListingMemorial);
  EXPECT_EQ(session.listing_controls().side_caption, "死去から計算");
  EXPECT_TRUE(session.view().report.counted_age_hidden);
}

// --- Closing and shut-down ------------------------------------------------------------------

TEST_F(MainSessionTest, NormalExitStoresPlaceVersionListingAndRecentFiles) {
  writeSetting(store_, kSettingsApplication, "rireki", "1", "/data/a.txt");
  writeSetting(store_, kSettingsApplication, "rireki", "2", "/data/b.txt");
  MainSession& session = started();
  session.itirank1_Click(kListingAges);
  window_.left = 1500;
  window_.top = 2250;
  window_.state = WindowState::kMaximised;
  ASSERT_TRUE(session.Form_QueryUnload());
  session.Form_Unload();
  EXPECT_EQ(window_.state, WindowState::kNormal);
  EXPECT_EQ(stored(setting::kLeft), "1500");
  EXPECT_EQ(stored(setting::kTop), "2250");
  EXPECT_EQ(stored(setting::kVersion), "1.2");
  EXPECT_EQ(stored(setting::kRevision), "3");
  EXPECT_EQ(stored(setting::kProgramFolder), "/opt/pelmira");
  EXPECT_EQ(stored(setting::kListingKind), "1");
  EXPECT_EQ(recent("1"), "/data/a.txt");
  EXPECT_EQ(recent("2"), "/data/b.txt");
  EXPECT_EQ(recent("3"), "");
  EXPECT_EQ(recent("11"), "");
}

TEST_F(MainSessionTest, OlderProgramLeavesTheVersionKeys) {
  set(setting::kRevision, "9");
  set(setting::kVersion, "2.50");
  MainSession& session = started();
  session.Form_Unload();
  EXPECT_EQ(stored(setting::kRevision), "9");
  EXPECT_EQ(stored(setting::kVersion), "2.50");
  EXPECT_EQ(stored(setting::kListingKind), "9");
}

TEST_F(MainSessionTest, ExitQuestionWhenConfirmationIsOn) {
  set(setting::kConfirmExit, "1");
  MainSession& session = started();
  dialogs_.answers = {Answer::kNo};
  EXPECT_FALSE(session.Form_QueryUnload());
  EXPECT_THAT(dialogs_.texts(), ElementsAre("Pelmiraを終了しますか?"));
  EXPECT_EQ(dialogs_.shown[0].icon, BoxIcon::kQuestion);
  dialogs_.answers = {Answer::kYes};
  EXPECT_TRUE(session.Form_QueryUnload());
}

TEST_F(MainSessionTest, NoExitQuestionWhenConfirmationIsOff) {
  MainSession& session = started();
  EXPECT_TRUE(session.Form_QueryUnload());
  EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(MainSessionTest, SettingsDeletionAnsweredNoSavesAsANormalExit) {
  set(setting::kConfirmExit, "1");
  MainSession& session = started();
  session.rsyuryou_Click();
  EXPECT_EQ(session.exit_mode(), ExitMode::kDeleteAsked);
  EXPECT_EQ(window_.close_requests, 1);
  // No to the exit question cancels the deletion too.
  dialogs_.answers = {Answer::kNo};
  EXPECT_FALSE(session.Form_QueryUnload());
  EXPECT_EQ(session.exit_mode(), ExitMode::kNormal);

  session.rsyuryou_Click();
  dialogs_.answers = {Answer::kYes, Answer::kNo};
  ASSERT_TRUE(session.Form_QueryUnload());
  session.Form_Unload();
  EXPECT_THAT(dialogs_.shown.back().text, HasSubstr("　削除しますか？\r\n"));
  EXPECT_THAT(dialogs_.shown.back().text,
              ::testing::StartsWith("　レジストリ内のPelmiraに関する情報を削除します。\r\n\r\n"));
  EXPECT_EQ(stored(setting::kTop), "100");
  EXPECT_EQ(stored(setting::kRevision), "3");
}

TEST_F(MainSessionTest, SettingsDeletionAnsweredYesLeavesAFreshStore) {
  MainSession& session = started();
  session.rsyuryou_Click();
  ASSERT_TRUE(session.Form_QueryUnload());
  session.Form_Unload();
  EXPECT_TRUE(store_.sections(kSettingsApplication).empty());
  // The next start behaves as a first start and resets the listing, the revision being 0.
  started();
  EXPECT_EQ(stored(setting::kListingKind), "9");
}

TEST_F(MainSessionTest, UnsavedChangesAskFirstAndCancelKeepsTheWindow) {
  const std::string family =
      folder_.write("family.txt", testing::cp932_data_file({"山田太郎^1990 1 2^"}));
  MainSession& session = started({family});
  // As an edit of the list would.
  const_cast<PersonTable&>(session.persons()).changed = 1;
  dialogs_.answers = {Answer::kCancel};
  EXPECT_FALSE(session.Form_QueryUnload());
  EXPECT_THAT(dialogs_.shown.back().text, HasSubstr("データが変更されています。"));
  EXPECT_EQ(error_channel().dialog_cancel_flag, 0);
  dialogs_.answers = {Answer::kNo};
  EXPECT_TRUE(session.Form_QueryUnload());
}

TEST_F(MainSessionTest, AboutBoxAndOpenFiles) {
  MainSession& session = started();
  session.pelmirahelp03_Click();
  session.ghfail_Click();
  ASSERT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(dialogs_.shown[0].title, "Pelmiraの情報");
  EXPECT_THAT(
      dialogs_.shown[0].text,
      ::testing::StartsWith("　製品名　　　　　　　Pelmira\r\n　バージョン　　　　　　1.2\r\n"
                            "　　リビジョン　　　　　　3\r\n"));
  EXPECT_EQ(dialogs_.shown[1].title, "Pelmira");
  EXPECT_EQ(dialogs_.shown[1].text, "現在開いているファイルはありません。");
}

}  // namespace
}  // namespace pelmira
