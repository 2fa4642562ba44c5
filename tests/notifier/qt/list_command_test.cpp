// `lunoka --list` end to end: the program run as a process, its output and exit status.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include "settings/qt/qsettings_store.h"
#include "settings/setting_values.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

struct Result {
  int status = -1;
  QString out, err;
};

// Runs lunoka without a display and with its settings in `config_home`.
Result run_lunoka(const QStringList& args, const std::string& config_home) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config_home));
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(PELMIRA_LUNOKA_PATH), QStringList{QStringLiteral("--list")} + args);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

const QString kSample = QStringLiteral(PELMIRA_TEST_DATA "/notifier");

TEST(ListCommand, TheSampleFolder) {
  testing::TestFolder config;
  const Result r =
      run_lunoka({QStringLiteral("--date"), QStringLiteral("2026-12-07"), kSample}, config.path());
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.toStdString(),
            "山田太郎                    36歳の誕生日\n"
            "Mike Brown                  49歳の誕生日\n"
            "第一月曜\n"
            "\n"
            "     1日後  髙橋 🎂                 誕生日\n"
            "     2日後  月例会^定例\n"
            "     3日後  鈴木花子                誕生日\n"
            "     7日後  結婚記念日              誕生日\n"
            "    10日後  佐藤一郎\n");
  EXPECT_EQ(r.err, QString());
  // Reading settings wrote none: no settings file was made.
  EXPECT_FALSE(QFile::exists(QString::fromStdString(config.path() + "/pelmira/pelmira.ini")));
}

TEST(ListCommand, ReadsTheStoredSettings) {
  testing::TestFolder config;
  testing::TestFolder empty;
  QSettingsStore store(QString::fromStdString(config.path() + "/pelmira"));
  const QStringList args{QStringLiteral("--date=2026-11-23"), QString::fromStdString(empty.path())};
  EXPECT_EQ(run_lunoka(args, config.path()).out, QStringLiteral("勤労感謝の日\n"));
  write_text(store, setting::kShowHoliday, "0");
  EXPECT_EQ(run_lunoka(args, config.path()).out, QString());
}

TEST(ListCommand, AReadErrorAndAUsageError) {
  testing::TestFolder config;
  testing::TestFolder folder;
  folder.write("bad.txt", testing::cp932("Pelmira年齢計算用リスト\r\n壊れた行^1990 12 7\r\n"));
  const Result bad = run_lunoka({QString::fromStdString(folder.path())}, config.path());
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, QString());
  EXPECT_TRUE(bad.err.startsWith(QStringLiteral("データを読込中にエラーが発生しました。\n")));
  EXPECT_TRUE(
      bad.err.contains(QStringLiteral("ファイル名 bad.txt\nデータ内容 壊れた行^1990 12 7\n")));

  const Result usage =
      run_lunoka({QStringLiteral("--date"), QStringLiteral("2026-02-30")}, config.path());
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(usage.out, QString());
  EXPECT_TRUE(usage.err.contains(QStringLiteral("usage: lunoka --list")));
}

TEST(LunokaProgram, WithoutListItRunsTheWindowProgram) {
  // Nothing to show and no auto-close: the window program ends at its first tick, and its
  // unload writes the settings.
  testing::TestFolder config;
  testing::TestFolder data;
  QSettingsStore store(QString::fromStdString(config.path() + "/pelmira"));
  write_text(store, setting::kAutoClose, "0");
  write_text(store, setting::kNoDataShow, "1");
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config.path()));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QString::fromStdString(data.path()));
  process.start(QStringLiteral(PELMIRA_LUNOKA_PATH), {});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_EQ(read_text(store, setting::kDeleteMark), "1");
  EXPECT_EQ(read_text(store, setting::kNotifierWindowCount), "0");
}

}  // namespace
}  // namespace pelmira
