// The notification entry pane with real widgets, and the notifier started for a test date
// through a stand-in program that records the folder it was started in.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>

#include "people/notice_code.h"
#include "window_fixture.h"

namespace pelmira {
namespace {

using ::testing::HasSubstr;

class NoticeWindowTest : public testing::WindowTest {};

TEST_F(NoticeWindowTest, WeekdayRuleTypedAndAdded) {
  write_text(store_, setting::kPanes, "111111");
  loaded();
  QTest::keyClicks(control<QLineEdit>("Text1"), QStringLiteral("Tanaka"));
  control<QRadioButton>("option5_4")->click();  // 曜日
  EXPECT_TRUE(control<QCheckBox>("Check5_0")->isVisible());
  EXPECT_FALSE(control<QCheckBox>("Check3_0")->isVisible());
  control<QCheckBox>("Check5_2")->click();  // 第二 off: 第一, 第三, 第四 stay
  EXPECT_EQ(control<QLabel>("Label1_3")->text(), QStringLiteral("第一 第三 第四  火曜日に表示"));
  control<QCheckBox>("Check5_0")->click();  // 毎週 disables the four
  EXPECT_FALSE(control<QCheckBox>("Check5_1")->isEnabled());
  QPushButton* add = control<QPushButton>("Command2_0");
  ASSERT_TRUE(add->isEnabled());
  add->click();
  const PersonTable& persons = window_->session().persons();
  ASSERT_EQ(persons.personCount, 1);
  EXPECT_EQ(notice_code_text(persons.noticeCode[1]), "14001011000001");
  EXPECT_EQ(control<QListView>("List1")->model()->rowCount(), 1);
}

TEST_F(NoticeWindowTest, NotifierStartsInTheDataFolderWithTheTestDate) {
  loaded();
  const std::string record = data_.path() + "/started-in.txt";
  const std::string program = config_.write("lunoka", "#!/bin/sh\npwd > '" + record + "'\n");
  ::chmod(program.c_str(), 0755);
  write_text(store_, setting::kNotifierPath, program);
  action("lunokas2")->trigger();
  // The stand-in runs on its own: wait until it has written its line.
  std::string folder;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        std::ifstream in(record);
        return static_cast<bool>(std::getline(in, folder)) && !folder.empty();
      },
      5000));
  EXPECT_EQ(folder, data_.path());
  EXPECT_EQ(stored(setting::kTestYear), "2026");
  EXPECT_EQ(stored(setting::kTestMonth), "12");
  EXPECT_EQ(stored(setting::kTestDay), "8");
  EXPECT_THAT(dialogs_.texts().front(), HasSubstr("で「Lunoka.exe」を実行します。"));
}

}  // namespace
}  // namespace pelmira
