// The per-user INI store: where it lives, what it keeps, and that two processes writing at
// once lose nothing. XDG_CONFIG_HOME points at a folder of the test, never at the user's.

#include "settings/qt/qsettings_store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>

#include <cstdlib>
#include <fstream>

#include "settings/ini_settings_file.h"
#include "settings/setting_values.h"
#include "support/qt/qt_environment.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

// The shared window-test environment points XDG_CONFIG_HOME at a folder of the run before
// any QSettings exists (QSettings takes the user's config folder once per process).
std::string config_home() {
  return testing::QtEnvironment::config_home();
}

class QSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteAllSettings(store_, "pelmira"); }
  QSettingsStore store_;
};

std::string file_text(const QString& path) {
  std::ifstream in(path.toStdString());
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs `body` in child processes started together, and waits for all of them.
void in_processes(int count, const std::function<void(int)>& body) {
  std::vector<pid_t> children;
  for (int i = 0; i < count; ++i) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      body(i);
      ::_exit(0);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
}

TEST_F(QSettingsStoreTest, TheUsersIniFileUnderTheConfigFolder) {
  writeSetting(store_, "pelmira", "lunoka", "top", "900");
  const QString file = store_.file_of("pelmira");
  EXPECT_EQ(file.toStdString(), config_home() + "/pelmira/pelmira.ini");
  const std::string text = file_text(file);
  EXPECT_NE(text.find("[lunoka]\ntop=900\n"), std::string::npos) << text;
}

TEST_F(QSettingsStoreTest, TextsComeBackAsWritten) {
  struct Row {
    const char* name;
    const char* section;
    const char* key;
    const char* text;
  };
  const Row rows[] = {
      {"japanese", "pelmira", "listdata", "/home/利用者/家族.txt"},
      {"blanks", "pelmira", "kidounen", "1996 10 1"},
      {"comma", "pelmira", "listdata", "a, b,c"},
      {"leading_at", "pelmira", "ver", "@Variant(x)"},
      {"empty", "tannyugamen", "e", ""},
      {"backslash_and_quotes", "tannyugamen", "lunokapath", "C:\\Pelmira\\\"Lunoka.exe\""},
      {"equals_and_semicolon", "hyoujikoumoku", "a", "x=1;y"},
      {"numeric_key", "rireki", "1", "/data/list.txt"},
      {"section_named_like_a_revision_note", "ver", "250", "お知らせ"},
      {"ideographic_space", "kensaku", "top", "　1425　"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    writeSetting(store_, "pelmira", r.section, r.key, r.text);
    EXPECT_EQ(readSetting(store_, "pelmira", r.section, r.key, "<default>"), r.text);
    // A fresh store reads the file again.
    QSettingsStore other;
    EXPECT_EQ(readSetting(other, "pelmira", r.section, r.key, "<default>"), r.text);
  }
}

TEST_F(QSettingsStoreTest, TheQtFreeReaderReadsWhatQSettingsWrote) {
  const char* texts[] = {
      "840",       "1996 10 1",   "/home/利用者/家族.txt",
      "a, b,c",    "@Variant(x)", "",
      "  12 ",     "x=1;y",       "C:\\P\\\"L.exe\"",
      "tab\there", "line\nbreak", "　1425　",
      "\x01\x7f",  "ü é",         "%U0041",
      "[s]",       "\\x41",       "#1",
  };
  for (std::size_t i = 0; i < std::size(texts); ++i)
    writeSetting(store_, "pelmira", "s" + std::to_string(i % 3), "k" + std::to_string(i), texts[i]);
  EXPECT_EQ(user_settings_file("pelmira"), store_.file_of("pelmira").toStdString());
  const IniSettingsFile file("pelmira");
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    SCOPED_TRACE(texts[i]);
    EXPECT_EQ(readSetting(file, "pelmira", "s" + std::to_string(i % 3), "k" + std::to_string(i),
                          "<missing>"),
              texts[i]);
  }
}

TEST_F(QSettingsStoreTest, MissingKeysAndDeleteAll) {
  EXPECT_EQ(read_text(store_, setting::kNotifierLeft), "1215");
  write_text(store_, setting::kNotifierLeft, "3000");
  writeSetting(store_, "other", "s", "k", "kept");
  deleteAllSettings(store_, "pelmira");
  EXPECT_EQ(read_text(store_, setting::kNotifierLeft), "1215");
  EXPECT_EQ(readSetting(QSettingsStore(), "pelmira", "lunoka", "left", "gone"), "gone");
  EXPECT_EQ(readSetting(store_, "other", "s", "k", ""), "kept");
}

TEST_F(QSettingsStoreTest, AHandEditedListIsStillOneText) {
  writeSetting(store_, "pelmira", "x", "y", "placeholder");
  {
    std::ofstream out(store_.file_of("pelmira").toStdString(), std::ios::trunc);
    out << "[pelmira]\nlistdata=a, b\n";
  }
  EXPECT_EQ(readSetting(QSettingsStore(), "pelmira", "pelmira", "listdata", ""), "a, b");
}

TEST_F(QSettingsStoreTest, SeesWhatAnotherProcessWrote) {
  write_text(store_, setting::kNotifierWindowCount, "0");
  EXPECT_EQ(read_text(store_, setting::kNotifierWindowCount), "0");
  in_processes(1, [](int) {
    QSettingsStore child;
    write_text(child, setting::kNotifierWindowCount, "12");
  });
  EXPECT_EQ(read_text(store_, setting::kNotifierWindowCount), "12");
}

TEST_F(QSettingsStoreTest, ConcurrentWritersLoseNoKey) {
  constexpr int kProcesses = 4;
  constexpr int kKeys = 25;
  in_processes(kProcesses, [](int process) {
    QSettingsStore child;
    for (int k = 0; k < kKeys; ++k)
      writeSetting(child, "pelmira", "p" + std::to_string(process), std::to_string(k),
                   std::to_string(process * 1000 + k));
  });
  QSettingsStore fresh;
  for (int process = 0; process < kProcesses; ++process)
    for (int k = 0; k < kKeys; ++k)
      EXPECT_EQ(readSetting(fresh, "pelmira", "p" + std::to_string(process), std::to_string(k), ""),
                std::to_string(process * 1000 + k))
          << process << "/" << k;
}

TEST(QSettingsStoreFolder, AStoreInAGivenFolder) {
  testing::TestFolder folder;
  QSettingsStore store(QString::fromStdString(folder.path()));
  writeSetting(store, "pelmira", "lunoka", "width", "7000");
  EXPECT_EQ(store.file_of("pelmira").toStdString(), folder.path() + "/pelmira.ini");
  EXPECT_EQ(readSetting(QSettingsStore(QString::fromStdString(folder.path())), "pelmira", "lunoka",
                        "width", ""),
            "7000");
}

}  // namespace
}  // namespace pelmira
