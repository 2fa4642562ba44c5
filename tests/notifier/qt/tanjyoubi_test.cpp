// The notifier window on the offscreen platform: caption, list, place, count-down, the click,
// hiding, the test date, the boxes and the settings written at unload.

#include "notifier/qt/tanjyoubi.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include "notifier/notifier_fixtures.h"
#include "notifier/qt/hit_list_model.h"
#include "settings/qt/qsettings_store.h"
#include "settings/setting_values.h"
#include "support/test_folder.h"
#include "window_test_support.h"

namespace pelmira {
namespace {

using testing::cp932;
using testing::kMonday;
using testing::ModalDialogGuard;
using testing::RecordingDialogs;
using testing::RecordingSound;
using testing::TestFolder;

const QString kCaption = QStringLiteral("2026年12月7日（月）  Lunoka");

QStringList rows_of(const QAbstractItemModel* model) {
  QStringList rows;
  for (int row = 0; row < model->rowCount(); ++row)
    rows << model->data(model->index(row, 0)).toString();
  return rows;
}

class TanjyoubiTest : public ::testing::Test {
 protected:
  void with_hits() {
    folder_.write("family.txt", testing::cp932_data_file(
                                    {"今日^1990 12 7^", "三日後^1990 12 10^7^02001111000000^"}));
  }
  void without_hits() {
    folder_.write("family.txt", testing::cp932_data_file({"明日^1990 12 8^"}));
  }

  Tanjyoubi& loaded(SettingsStore& store) {
    session_.emplace(store, folder_.path(), "/opt/pelmira", kMonday);
    window_.emplace(*session_, dialogs_, sound_);
    window_->load();
    return *window_;
  }
  Tanjyoubi& loaded() { return loaded(store_); }

  std::string value(const SettingKey& key) const {
    return store_.value(kSettingsApplication, key.section, key.key).value_or("<missing>");
  }

  ModalDialogGuard guard_;
  TestFolder folder_;
  MemorySettingsStore store_;
  RecordingDialogs dialogs_;
  RecordingSound sound_;
  std::optional<NotifierSession> session_;
  std::optional<Tanjyoubi> window_;
};

TEST_F(TanjyoubiTest, CaptionListAndPlace) {
  with_hits();
  Tanjyoubi& w = loaded();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.windowTitle(), kCaption);
  QAbstractItemModelTester tester(w.list()->model(),
                                  QAbstractItemModelTester::FailureReportingMode::Warning);
  EXPECT_EQ(rows_of(w.list()->model()),
            (QStringList{QStringLiteral("今日                        36歳の誕生日"), QString(),
                         QStringLiteral("     3日後  三日後")}));
  EXPECT_EQ(w.list()->font().family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(w.list()->font().pointSize(), 13);
  EXPECT_EQ(w.pos(), QPoint(81, 56));  // 1215 and 840 twips
  EXPECT_EQ(w.width(), 446);           // 6690 twips
  EXPECT_EQ(w.list()->width(), 436);   // 6540 twips
  EXPECT_EQ(w.list()->height(), (3 * 13 * 24 + 240) / 15);
  EXPECT_EQ(sound_.plays, 1);
  EXPECT_TRUE(w.timer()->isActive());
  EXPECT_EQ(w.timer()->interval(), 1000);
  EXPECT_TRUE(dialogs_.read_errors.isEmpty());
}

TEST_F(TanjyoubiTest, CountsDownAndClosesAfterTwentyTicks) {
  with_hits();
  Tanjyoubi& w = loaded();
  QSignalSpy unloaded(&w, &Tanjyoubi::unloaded);
  for (int tick = 1; tick <= 19; ++tick) w.tick();
  EXPECT_EQ(w.windowTitle(), kCaption + QStringLiteral("  1"));
  EXPECT_FALSE(w.is_unloaded());
  EXPECT_EQ(sound_.closes, 0);
  w.tick();
  EXPECT_EQ(w.windowTitle(), kCaption + QStringLiteral("  0"));
  EXPECT_TRUE(w.is_unloaded());
  EXPECT_EQ(unloaded.count(), 1);
  EXPECT_FALSE(w.isVisible());
  EXPECT_GE(sound_.closes, 1);
  EXPECT_FALSE(w.timer()->isActive());
  EXPECT_EQ(value(setting::kNotifierWindowCount), "0");
  EXPECT_EQ(value(setting::kDeleteMark), "1");
  EXPECT_TRUE(dialogs_.count_boxes.isEmpty());
}

TEST_F(TanjyoubiTest, AClickOnTheListStopsTheCountDown) {
  with_hits();
  Tanjyoubi& w = loaded();
  for (int tick = 1; tick <= 3; ++tick) w.tick();
  QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(w.timer()->isActive());
  EXPECT_EQ(w.windowTitle(), kCaption + QStringLiteral("  17"));
  QTest::qWait(50);  // the guard looks for dialogs meanwhile
  EXPECT_FALSE(w.is_unloaded());
}

TEST_F(TanjyoubiTest, HiddenWhenThereIsNothingToShow) {
  without_hits();
  Tanjyoubi& w = loaded();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(sound_.plays, 0);
  EXPECT_TRUE(w.timer()->isActive());
  EXPECT_EQ(w.list()->model()->rowCount(), 0);
  EXPECT_EQ(value(setting::kNotifierWindowCount), "<missing>");
  for (int tick = 1; tick <= 20; ++tick) w.tick();
  EXPECT_TRUE(w.is_unloaded());
  EXPECT_EQ(value(setting::kNotifierLeft), "1215");  // the stored place is kept
  EXPECT_EQ(value(setting::kNotifierTop), "840");
  EXPECT_EQ(value(setting::kNotifierWidth), "6690");
}

TEST_F(TanjyoubiTest, WithoutAutoCloseNothingToShowEndsAtTheFirstTick) {
  without_hits();
  write_text(store_, setting::kAutoClose, "0");
  Tanjyoubi& w = loaded();
  w.tick();
  EXPECT_TRUE(w.is_unloaded());
  EXPECT_EQ(w.windowTitle(), kCaption);
}

TEST_F(TanjyoubiTest, TheTestDateAlwaysShowsAndReportsItsCounts) {
  without_hits();
  write_text(store_, setting::kTestYear, "2024");
  write_text(store_, setting::kTestMonth, "2");
  write_text(store_, setting::kTestDay, "29");
  Tanjyoubi& w = loaded();
  EXPECT_EQ(value(setting::kTestYear), "0");
  EXPECT_EQ(w.windowTitle(), QStringLiteral("2024年2月29日（木）  Lunoka"));
  EXPECT_TRUE(w.isVisible());
  w.close();
  EXPECT_TRUE(w.is_unloaded());
  ASSERT_EQ(dialogs_.count_boxes.size(), 1);
  EXPECT_EQ(dialogs_.count_boxes[0],
            QStringLiteral("パス    /opt/pelmira\nテキストファイル数  1\nPelmiraファイル数  1\n"
                           "Pelmiraデータ数  1\n該当データ数  0"));
}

TEST_F(TanjyoubiTest, AReadErrorShowsItsBoxAndUnloads) {
  folder_.write("family.txt", testing::cp932_data_file({"今日^1990 12 7^", "壊れた行^1990 12 7"}));
  Tanjyoubi& w = loaded();
  ASSERT_EQ(dialogs_.read_errors.size(), 1);
  EXPECT_TRUE(dialogs_.read_errors[0].startsWith(
      QStringLiteral("データを読込中にエラーが発生しました。\n\nエラー番号　5\n")));
  EXPECT_TRUE(dialogs_.read_errors[0].contains(QStringLiteral("データ内容 壊れた行^1990 12 7\n")));
  EXPECT_TRUE(w.is_unloaded());
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(sound_.plays, 0);
  EXPECT_EQ(value(setting::kNotifierWindowCount), "0");
  EXPECT_EQ(value(setting::kDeleteMark), "1");
}

TEST_F(TanjyoubiTest, TheDateReadersFatalBoxEndsTheRun) {
  folder_.write("family.txt",
                testing::cp932_data_file({"x^1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18^"}));
  Tanjyoubi& w = loaded();
  EXPECT_EQ(
      dialogs_.alerts,
      QStringList{QStringLiteral("ｴﾗｰ 9\n予期しないエラーが発生しました。\n強制終了します。")});
  EXPECT_TRUE(dialogs_.read_errors.isEmpty());
  EXPECT_TRUE(w.is_unloaded());
}

TEST_F(TanjyoubiTest, ASecondWindowIsPlacedToTheRightAndStaysSilent) {
  with_hits();
  write_text(store_, setting::kNotifierWindowCount, "1");
  Tanjyoubi& w = loaded();
  EXPECT_EQ(w.pos(), QPoint((1215 + 3390) / 15, 56));
  EXPECT_EQ(sound_.plays, 0);
  w.move(500, 300);
  QTest::qWait(20);
  w.close();
  EXPECT_EQ(value(setting::kNotifierLeft), "<missing>");
  EXPECT_EQ(value(setting::kNotifierWindowCount), "0");
}

TEST_F(TanjyoubiTest, TheUnloadStoresWhereTheUserLeftTheWindow) {
  with_hits();
  Tanjyoubi& w = loaded();
  w.move(200, 100);
  w.resize(500, w.height());
  QTest::qWait(20);  // the window system reports the new geometry
  EXPECT_EQ(w.list()->font().pointSize(), (500 - 10) * 15 / 480);
  w.close();
  EXPECT_EQ(value(setting::kNotifierLeft), "3000");
  EXPECT_EQ(value(setting::kNotifierTop), "1500");
  EXPECT_EQ(value(setting::kNotifierWidth), "7500");
  EXPECT_EQ(value(setting::kNotifierWindowCount), "0");
}

TEST_F(TanjyoubiTest, TheUsersStoreReceivesEveryWrite) {
  with_hits();
  QSettingsStore store;
  deleteAllSettings(store, kSettingsApplication);
  write_text(store, setting::kTestYear, "2026");
  write_text(store, setting::kTestMonth, "12");
  write_text(store, setting::kTestDay, "10");
  Tanjyoubi& w = loaded(store);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("2026年12月10日（木）  Lunoka"));
  QSettingsStore other;  // another program's view of the same file
  EXPECT_EQ(read_text(other, setting::kTestYear), "0");
  EXPECT_EQ(read_text(other, setting::kNotifierWindowCount), "1");
  w.close();
  EXPECT_EQ(read_text(other, setting::kNotifierWindowCount), "0");
  EXPECT_EQ(read_text(other, setting::kNotifierWidth), "6690");
  EXPECT_EQ(read_text(other, setting::kDeleteMark), "1");
  EXPECT_EQ(dialogs_.count_boxes.size(), 1);
}

TEST(HitListModel, ChecksOut) {
  HitListModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.set_lines({"a", "", "   3日後  b"});
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.data(model.index(2, 0)).toString(), QStringLiteral("   3日後  b"));
  EXPECT_FALSE(model.data(model.index(2, 0), Qt::DecorationRole).isValid());
  model.set_lines({});
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace pelmira
