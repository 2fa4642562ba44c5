// `lunoka --notify` end to end: the notification a stand-in service receives on a private
// session bus, the runs that send nothing, and the window in its place without a service.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "settings/qt/qsettings_store.h"
#include "settings/setting_values.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

struct NotifyRun {
  int status = -1;
  std::string out, err;
};

QProcessEnvironment notify_environment(const std::string& config_home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config_home));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return env;
}

// `lunoka --notify ARGS` on a private session bus whose notification service is the
// stand-in (which says it renders markup when `markup`).
NotifyRun notify_on_private_bus(const QStringList& args, const std::string& config_home,
                                bool markup) {
  QProcess process;
  process.setProcessEnvironment(notify_environment(config_home));
  QStringList command{QStringLiteral("--"), QStringLiteral(PELMIRA_STAND_IN_PATH)};
  if (markup) command << QStringLiteral("--markup");
  command << QStringLiteral(PELMIRA_LUNOKA_PATH) << QStringLiteral("--notify") << args;
  process.start(QStringLiteral(PELMIRA_DBUS_RUN_SESSION), command);
  if (!process.waitForFinished(30000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

class LunokaNotify : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(PELMIRA_DBUS_RUN_SESSION).empty())
      GTEST_SKIP() << "dbus-run-session is not installed (Debian package dbus)";
    data_.write("a.txt", testing::cp932_data_file({"山田太郎^1990 11 23^0^12001111000000^",
                                                   "<b>&友^1990 11 25^7^12001111000000^"}));
  }
  NotifyRun notify(const QStringList& args, bool markup = false) const {
    return notify_on_private_bus(args, config_.path(), markup);
  }
  QString folder() const { return QString::fromStdString(data_.path()); }

  testing::TestFolder config_;
  testing::TestFolder data_;
};

// What the stand-in receives: the list with the holiday first, escaped for a service that
// renders markup; nothing at all on a day with nothing due.
TEST_F(LunokaNotify, TheServiceReceivesTheDaysList) {
  struct NotifyBodyRow {
    const char* name;
    const char* date;
    bool markup;
    std::string received;
  };
  const std::string title = "app_name: Lunoka\nsummary: Lunoka\nbody:\n";
  const NotifyBodyRow rows[] = {
      {"plain", "--date=2026-11-23", false,
       title + "勤労感謝の日\n山田太郎 36歳の誕生日\n2日後 <b>&友 誕生日\n--\n"},
      {"markup", "--date=2026-11-23", true,
       title + "勤労感謝の日\n山田太郎 36歳の誕生日\n2日後 &lt;b&gt;&amp;友 誕生日\n--\n"},
      {"nothing_due", "--date=2026-6-1", false, ""},
  };
  for (const NotifyBodyRow& row : rows) {
    SCOPED_TRACE(row.name);
    const NotifyRun r = notify({QString::fromLatin1(row.date), folder()}, row.markup);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, row.received);
  }
}

TEST_F(LunokaNotify, WithoutAServiceTheWindowShowsTheList) {
  // No session bus at all: the reason goes to standard error and the window program stays
  // up with the list (auto-close off), until it is ended here.
  QSettingsStore store(QString::fromStdString(config_.path() + "/pelmira"));
  write_text(store, setting::kAutoClose, "0");
  QProcess process;
  QProcessEnvironment env = notify_environment(config_.path());
  env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
             QString::fromStdString("unix:path=" + data_.path() + "/no-bus"));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(PELMIRA_LUNOKA_PATH),
                {QStringLiteral("--notify"), QStringLiteral("--date=2026-11-23"), folder()});
  process.setReadChannel(QProcess::StandardError);
  QByteArray err;
  while (!err.contains("showing the window instead") && process.waitForReadyRead(30000))
    err += process.readAllStandardError();
  EXPECT_TRUE(err.contains("lunoka: no desktop notification service took the list"))
      << err.toStdString();
  EXPECT_EQ(process.state(), QProcess::Running);
  process.kill();
  process.waitForFinished(30000);
}

}  // namespace
}  // namespace pelmira
