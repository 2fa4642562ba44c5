// The notification entry pane through the session: a rule entered for each kind and added to
// the person list with its code, the live description, the notice-days box, the enabling of
// 追加/書換, and starting the notifier for the "現在" date.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "fake_window_port.h"
#include "mainwindow/main_session.h"
#include "people/notice_code.h"
#include "settings/setting_keys.h"
#include "settings/setting_values.h"
#include "support/recording_main_dialogs.h"
#include "support/recording_reporter.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::FakeWindowPort;
using ::testing::HasSubstr;
using testing::RecordingMainDialogs;
using testing::RecordingReporter;
using testing::TestFolder;
using RuleBox = MainSession::RuleBox;
using Answer = MainDialogs::Answer;

class NoticePaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramInfo info;
    info.program_folder = programs_.path();
    info.data_folder = data_.path();
    write_text(store_, setting::kPanes, "111111");
    session_.emplace(store_, dialogs_, window_, info,
                     fixed_clock(LocalDateTime{2026, 12, 8, 10, 20, 30}));
    session_->Form_Load({});
  }
  MainSession& session() { return *session_; }

  RecordingReporter reporter_;
  TestFolder programs_;
  TestFolder data_;
  MemorySettingsStore store_;
  RecordingMainDialogs dialogs_;
  FakeWindowPort window_;
  std::optional<MainSession> session_;
};

struct KindRow {
  const char* name;
  i16 kind;
  std::vector<std::pair<RuleBox, int>> boxes;  // ticked in this order
  const char* days;
  const char* code;         // as stored, digits 1..14
  const char* description;  // for the birth side 1996-10-01 (a Tuesday)
};

class NoticeKindTest : public NoticePaneTest, public ::testing::WithParamInterface<KindRow> {};

TEST_P(NoticeKindTest, RuleIsAddedWithItsCode) {
  const KindRow& row = GetParam();
  session().Text1_Change("山田太郎");
  session().option5_Click(row.kind);
  for (const auto& [box, index] : row.boxes) session().rule_box_Click(box, index, true);
  session().Text3_Change(row.days);
  EXPECT_EQ(session().view().rule_description, row.description);
  ASSERT_TRUE(session().add_enabled());
  session().Command2_Click(0);
  const PersonTable& persons = session().persons();
  ASSERT_EQ(persons.personCount, 1);
  EXPECT_EQ(notice_code_text(persons.noticeCode[1]), row.code);
  EXPECT_EQ(persons.noticeDays[1], std::stoi(row.days));
  EXPECT_EQ(trimmed_name(persons.personName[1]), "山田太郎");
  EXPECT_EQ(persons.personDate[1], (PersonDate{1996, 10, 1}));
  EXPECT_EQ(session().view().list.persons.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NoticeKindTest,
    ::testing::Values(
        KindRow{"DayOfMonthAtMonthEnd",
                kRuleDayOfMonth,
                {{RuleBox::kMonthEnd, 0}},
                "3",
                "11101111000000",
                "毎月 末日の 3日前から表示"},
        KindRow{"MonthDayWithAge",
                kRuleMonthDay,
                {},
                "0",
                "12001111000000",
                "毎年 10月 1日に 誕生日の表示"},
        KindRow{"ExactDateMovedOnHolidays",
                kRuleExactDate,
                {{RuleBox::kMoveOn, 2}, {RuleBox::kMoveTo, 1}},
                "30",
                "13001111001010",
                "1996(平成8)年 10月 1日(火曜日)の 30日前から表示\r\n但し 祝祭日 の場合後日とする"},
        KindRow{"WeekdayEveryWeekInTheBirthMonth",
                kRuleWeekday,
                {{RuleBox::kBirthMonth, 0}, {RuleBox::kWeek, 0}},
                "0",
                "14011111000001",
                "10月の毎週 火曜日に表示"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NoticePaneTest, NoticeDaysBeyondSixteenBitsBecomeTheLargest) {
  session().Text3_Change("99999");
  EXPECT_EQ(session().notice_pane().days_text, "32767");
  session().Text3_Change("１２");  // full-width digits count, shown as typed
  EXPECT_THAT(session().view().rule_description, HasSubstr("の １２日前から"));
  session().Text1_Change("佐藤");
  session().Command2_Click(0);
  EXPECT_EQ(session().persons().noticeDays[1], 12);
}

TEST_F(NoticePaneTest, AddNeedsANameAndRewriteASelectedPerson) {
  EXPECT_FALSE(session().add_enabled());
  session().Text1_Change("   ");
  EXPECT_FALSE(session().add_enabled());
  session().Text1_Change("佐藤");
  EXPECT_TRUE(session().add_enabled());
  EXPECT_FALSE(session().rewrite_enabled());
  session().Command2_Click(0);
  session().List1_Click(0);
  EXPECT_TRUE(session().rewrite_enabled());
  session().Text1_Change("佐藤花子");
  session().Command2_Click(1);
  EXPECT_EQ(trimmed_name(session().persons().personName[1]), "佐藤花子");
  EXPECT_EQ(session().persons().personCount, 1);
}

TEST_F(NoticePaneTest, MoveBoxesExcludeEachOther) {
  session().rule_box_Click(RuleBox::kMoveTo, 0, true);
  session().rule_box_Click(RuleBox::kMoveTo, 1, true);
  EXPECT_FALSE(session().notice_pane().rule.move_to[0]);
  EXPECT_TRUE(session().notice_pane().rule.move_to[1]);
  session().option5_Click(kRuleWeekday);
  EXPECT_TRUE(session().view().rule_boxes.weekday_boxes);
  EXPECT_FALSE(session().view().rule_boxes.move_boxes);
}

TEST_F(NoticePaneTest, NotifierStartsForTheCurrentDateInTheDataFolder) {
  const std::string program = programs_.write("lunoka", "#!/bin/sh\n");
  ::chmod(program.c_str(), 0755);
  dialogs_.answers = {Answer::kNo};  // Cancel: nothing happens
  session().lunokas2_Click();
  EXPECT_TRUE(window_.started.empty());
  EXPECT_THAT(dialogs_.shown.back().text,
              ::testing::StartsWith("2026(令和8)年 12月 8日で「Lunoka.exe」を実行します。"));
  session().lunokas2_Click();
  ASSERT_EQ(window_.started.size(), 1u);
  EXPECT_EQ(window_.started[0].first, program);
  EXPECT_EQ(window_.started[0].second, data_.path());
  EXPECT_EQ(read_text(store_, setting::kTestYear), "2026");
  EXPECT_EQ(read_text(store_, setting::kTestMonth), "12");
  EXPECT_EQ(read_text(store_, setting::kTestDay), "8");
}

TEST_F(NoticePaneTest, NotifierPathThatIsNoProgramIsReported) {
  for (const std::string& path : {programs_.path() + "/missing", programs_.make_folder("folder"),
                                  programs_.write("not-executable", "text")}) {
    write_text(store_, setting::kNotifierPath, path);
    session().lunokas2_Click();
    EXPECT_THAT(dialogs_.shown.back().text, ::testing::StartsWith("Lunoka.exeが見つかりません。"))
        << path;
  }
  EXPECT_TRUE(window_.started.empty());
  EXPECT_EQ(read_text(store_, setting::kTestYear), "0");
}

}  // namespace
}  // namespace pelmira
