// Finding the help file: beside the program first, then in the data folder, and the errors
// for a help file that is missing or cannot be read.

#include "mainwindow/help_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/runtime_error.h"
#include "support/file_permissions.h"
#include "support/test_folder.h"

namespace pelmira {
namespace {

using testing::TestFolder;

// What a folder holds under the help file's name.
enum class Entry { kNone, kFile, kFolder, kPipe };

void make(const std::string& folder, Entry entry) {
  const std::string path = folder + "/pelmira.hlp";
  switch (entry) {
    case Entry::kNone:
      return;
    case Entry::kFile:
      std::ofstream(path) << "<html><body>help</body></html>";
      return;
    case Entry::kFolder:
      ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
      return;
    case Entry::kPipe:
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
      return;
  }
}

enum class Where { kProgram, kData };

// A program folder and a data folder in a test folder of their own.
struct Folders {
  Folders(Entry in_program, Entry in_data)
      : program(root.make_folder("bin")), data(root.make_folder("share")) {
    make(program, in_program);
    make(data, in_data);
  }
  std::string help(Where where) const {
    return (where == Where::kProgram ? program : data) + "/pelmira.hlp";
  }

  TestFolder root;
  std::string program, data;
};

TEST(HelpFile, CandidatesInOrder) {
  struct Row {
    const char* name;
    std::string program, data;
    std::vector<std::string> candidates;
  };
  const Row rows[] = {
      {"both",
       "/opt/pelmira",
       "/usr/share/pelmira",
       {"/opt/pelmira/pelmira.hlp", "/usr/share/pelmira/pelmira.hlp"}},
      {"trailing_slash", "/opt/pelmira/", "/", {"/opt/pelmira/pelmira.hlp", "/pelmira.hlp"}},
      {"no_data_folder", "/opt/pelmira", "", {"/opt/pelmira/pelmira.hlp"}},
      {"no_program_folder", "", "/usr/share/pelmira", {"/usr/share/pelmira/pelmira.hlp"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(help_file_candidates(row.program, row.data), row.candidates);
  }
}

TEST(HelpFile, FirstExistingFileWins) {
  struct Row {
    const char* name;
    Entry in_program, in_data;
    Where found;
  };
  constexpr Row kRows[] = {
      {"both", Entry::kFile, Entry::kFile, Where::kProgram},
      {"program_only", Entry::kFile, Entry::kNone, Where::kProgram},
      {"data_only", Entry::kNone, Entry::kFile, Where::kData},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Folders folders(row.in_program, row.in_data);
    EXPECT_EQ(find_help_file(folders.program, folders.data), folders.help(row.found));
  }
}

TEST(HelpFile, ProgramFolderThatIsNoFolderIsPassedOver) {
  const Folders folders(Entry::kNone, Entry::kFile);
  std::ofstream(folders.root.path() + "/plain") << "x";
  EXPECT_EQ(find_help_file(folders.root.path() + "/plain", folders.data),
            folders.help(Where::kData));
  EXPECT_EQ(find_help_file(folders.root.path() + "/missing", folders.data),
            folders.help(Where::kData));
}

// The error, and the path it names both in its description and through `failed_path`.
TEST(HelpFile, Errors) {
  struct Row {
    const char* name;
    Entry in_program, in_data;
    std::int32_t number;
    Where about;
  };
  constexpr Row kRows[] = {
      {"none_names_the_program_folder", Entry::kNone, Entry::kNone, err::kFileNotFound,
       Where::kProgram},
      {"folder_in_program_folder_beats_data_copy", Entry::kFolder, Entry::kFile,
       err::kPathFileAccess, Where::kProgram},
      {"folder_in_data_folder", Entry::kNone, Entry::kFolder, err::kPathFileAccess, Where::kData},
      {"named_pipe_is_refused_at_once", Entry::kPipe, Entry::kFile, err::kPathFileAccess,
       Where::kProgram},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Folders folders(row.in_program, row.in_data);
    std::string failed;
    try {
      find_help_file(folders.program, folders.data, &failed);
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), row.number);
      EXPECT_NE(error.description().find(folders.help(row.about)), std::string::npos)
          << error.description();
      EXPECT_EQ(failed, folders.help(row.about));
    }
  }
}

// The copy beside the program cannot be read: its error, not the readable copy of the data
// folder. The mode bits bind root as well, so the test runs under every user.
TEST(HelpFile, UnreadableFileIsPermissionDenied) {
  const Folders folders(Entry::kFile, Entry::kFile);
  ASSERT_EQ(::chmod(folders.help(Where::kProgram).c_str(), 0), 0);
  const testing::PermissionBitsBindRoot bits_bind;
  ASSERT_TRUE(bits_bind.ok());
  try {
    find_help_file(folders.program, folders.data);
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), err::kPermissionDenied);
  }
}

}  // namespace
}  // namespace pelmira
