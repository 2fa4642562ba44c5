// `pelmira-cli ical` against `lunoka --list`: every event of an exported year is a line the
// list shows on that day, and every line due that day is an event; two readers agree on
// the file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "notifier/data_files.h"
#include "notifier/kpelmirahm.h"
#include "settings/qt/qsettings_store.h"
#include "settings/setting_values.h"
#include "support/ical_reading.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

// Runs a program with its settings in `config_home`; its standard output, or nullopt when it
// failed.
std::optional<std::string> output_of(const QString& program, const QStringList& args,
                                     const std::string& config_home) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config_home));
  process.setProcessEnvironment(env);
  process.start(program, args);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return std::nullopt;
  }
  return process.readAllStandardOutput().toStdString();
}

// A list line or summary with each run of blanks made one: the list pads names to columns.
std::string one_blank_apart(const std::string& text) {
  std::string out;
  for (const char c : text)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

// The lines `lunoka --list` shows as due on the day itself: those before the empty line.
std::vector<std::string> due_today(const std::string& list) {
  std::vector<std::string> lines;
  std::istringstream in(list);
  for (std::string line; std::getline(in, line) && !line.empty();)
    lines.push_back(one_blank_apart(line));
  return lines;
}

TEST(IcalAgainstList, EveryDayOfAYearAsLunokaListsIt) {
  testing::TestFolder config;
  testing::TestFolder data;
  for (const auto& entry : std::filesystem::directory_iterator(PELMIRA_TEST_DATA "/notifier"))
    std::filesystem::copy(entry.path(), data.path() + "/" + entry.path().filename().string());
  data.write("leap.txt", testing::cp932_data_file({"閏^2000 2 29^3^12001111000000^"}));
  QSettingsStore store(QString::fromStdString(config.path() + "/pelmira"));
  write_text(store, setting::kShowHoliday, "0");
  write_text(store, setting::kLeapDayBirthday, "2");

  QStringList export_args{QStringLiteral("ical"), QStringLiteral("--from=2027-1-1"),
                          QStringLiteral("--years=1"), QStringLiteral("--out"),
                          QString::fromStdString(data.path() + "/year.ics")};
  for (const std::string& name : text_file_names(data.path()))
    export_args << QString::fromStdString(data.path() + "/" + name);
  ASSERT_TRUE(
      output_of(QStringLiteral(PELMIRA_BUILD_DIR "/pelmira-cli"), export_args, config.path()));
  std::ifstream file(data.path() + "/year.ics", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::vector<testing::ReadBackEvent> events = testing::libical_events(text);

  std::map<std::string, std::vector<std::string>> by_day;
  for (const testing::ReadBackEvent& e : events)
    by_day[e.date].push_back(one_blank_apart(e.summary));
  EXPECT_THAT(by_day["20270301"], ::testing::Contains("閏 27歳の誕生日"));  // a common year

  for (i32 n = dayNumber(2027, 1, 1); n <= dayNumber(2027, 12, 31); ++n) {
    i16 y = 0, m = 0, d = 0;
    dateOfDayNumber(n, y, m, d);
    const QString date = QStringLiteral("%1-%2-%3").arg(y).arg(m).arg(d);
    const std::optional<std::string> list =
        output_of(QStringLiteral(PELMIRA_LUNOKA_PATH),
                  {QStringLiteral("--list"), QStringLiteral("--date"), date,
                   QString::fromStdString(data.path())},
                  config.path());
    ASSERT_TRUE(list);
    const std::string key = QStringLiteral("%1%2%3")
                                .arg(y, 4, 10, QLatin1Char('0'))
                                .arg(m, 2, 10, QLatin1Char('0'))
                                .arg(d, 2, 10, QLatin1Char('0'))
                                .toStdString();
    EXPECT_EQ(by_day[key], due_today(*list)) << date.toStdString();
  }

  // Python's icalendar reads the same events.
  std::string why;
  const auto python = testing::python_icalendar_events(data.path() + "/year.ics", why);
  if (!python) GTEST_SKIP() << why;
  EXPECT_EQ(*python, events) << why;
}

}  // namespace
}  // namespace pelmira
