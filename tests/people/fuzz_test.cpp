// Random and mutated lines through the validator and the record reader, and random files
// through the whole read with random answers in the correction window. Seeds are fixed, so
// a failure repeats; the trace names the seed and the input.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text.h"
#include "people/data_reader.h"
#include "people/line_check.h"
#include "people/notice_code.h"
#include "people/numeric_text.h"
#include "people_fixtures.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;
using testing::TempFolder;

// Pieces lines are made of, weighted towards what the reader cares about.
const std::vector<std::string> kPieces = {"^",
                                          "^",
                                          "^",
                                          "^",
                                          "0",
                                          "1",
                                          "2",
                                          "9",
                                          "12",
                                          "20000",
                                          "20001",
                                          "32767",
                                          "99999",
                                          " ",
                                          " ",
                                          "'",
                                          "-",
                                          ".",
                                          "/",
                                          "年",
                                          "月",
                                          "日",
                                          "H",
                                          "令",
                                          "１",
                                          "．",
                                          "　",
                                          "山",
                                          "𠮷",
                                          "\n",
                                          "e5",
                                          "a",
                                          "^3^",
                                          "^10^",
                                          "12001111000000",
                                          "13001111000000",
                                          "1e9",
                                          "+",
                                          "&H"};

std::string random_line(std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> count(0, 24);
  std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
  std::string line;
  for (std::size_t n = count(random); n > 0; --n) line += kPieces[piece(random)];
  return line;
}

// A valid record with a random mutation: a piece inserted, a character dropped or replaced.
std::string mutated_line(std::mt19937& random) {
  static const std::vector<std::string> kValid = {
      "山田太郎^1990 1 2^", "^3^a^b^1990 1 2^", "a^1985 12 31^30^13001111000110^",
      "a^１９９０．１．２^", "^10^0123456789^2000 2 29^0^41111111111111^"};
  std::u32string line = to_u32(kValid[random() % kValid.size()]);
  const int mutations = 1 + static_cast<int>(random() % 3);
  for (int m = 0; m < mutations; ++m) {
    const std::size_t at = line.empty() ? 0 : random() % (line.size() + 1);
    switch (random() % 3) {
      case 0:
        line.insert(at, to_u32(kPieces[random() % kPieces.size()]));
        break;
      case 1:
        if (at < line.size()) line.erase(at, 1);
        break;
      default:
        if (at < line.size()) line[at] = to_u32(kPieces[random() % kPieces.size()]).front();
        break;
    }
  }
  return to_utf8(line);
}

// What must hold for any line: the validator ends without a run-time error; a line it passes
// is a record the reader takes as the validator saw it, without any error.
void check_line(const std::string& line) {
  SCOPED_TRACE(line);
  RecordingReporter reporter;
  const LineCheck check = datachekku(line);
  EXPECT_TRUE(check.result == 0 || check.result == 1);
  EXPECT_EQ(check.report.empty(), check.message.empty());
  const bool comment = !line.empty() && line.front() == '\'';
  const std::optional<RecordFields> record = cut_record(line);
  if (!check.has_errors() && !comment) {
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->name, check.fields[0]);
    EXPECT_EQ(record->date, check.fields[1]);
    if (check.field_count == 4) {
      ASSERT_TRUE(record->code.has_value());
      EXPECT_EQ(*record->code, check.fields[3]);
    }
    PersonValues values;
    try {
      values = person_values(testing::test_state(), *record);
    } catch (const RuntimeError& e) {
      // The one thing the validator does not see: a short year ("'20") takes the century in
      // front, which can carry a checked group past 16 bits.
      EXPECT_NE(check.fields[1].find('\''), std::string::npos);
      EXPECT_EQ(e.number(), err::kOverflow);
      return;
    }
    if (check.field_count == 4) {
      // Each character of the code is stored as its digit value (a non-digit as 0).
      std::string digits;
      for (const char32_t c : to_u32(check.fields[3])) digits += std::to_string(digit_value(c));
      EXPECT_EQ(notice_code_text(values.code), digits);
    } else {
      EXPECT_EQ(values.code, kDefaultNoticeCode);
    }
  } else if (record) {
    // A line read unchecked (強制) is read or refused with a run-time error, nothing worse.
    try {
      const PersonValues values = person_values(testing::test_state(), *record);
      EXPECT_EQ(char_count(values.name), kNameLength);
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), err::kOverflow);
    }
  }
  EXPECT_TRUE(reporter.empty()) << reporter.places().front() << ": "
                                << reporter.reports().front().lines[2];
}

TEST(Fuzz, RandomLines) {
  std::mt19937 random(20240601);
  for (int n = 0; n < 20000; ++n) check_line(random_line(random));
}

TEST(Fuzz, MutatedRecords) {
  std::mt19937 random(19900102);
  for (int n = 0; n < 20000; ++n) check_line(mutated_line(random));
}

TEST(Fuzz, RandomBytesInEitherEncoding) {
  std::mt19937 random(7);
  for (int n = 0; n < 3000; ++n) {
    std::string bytes(random() % 40, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 8 == 0 ? '^' : random() & 0xFF);
    const std::string file =
        (n % 2 ? testing::sjis(kDataFileHeader) : std::string(kDataFileHeader)) + "\r\n" + bytes;
    const DataFileText text = decode_data_file(file);
    for (const DataLine& line : text.lines) {
      // Whatever the bytes, the decoded text is valid UTF-8 the validator can take.
      EXPECT_EQ(to_utf8(to_u32(line.text)), line.text);
      if (line.readable) check_line(line.text);
    }
  }
}

// The correction window answered at random, with random edits.
class RandomHost : public ReadHost {
 public:
  explicit RandomHost(unsigned seed) : random_(seed) {}
  void show_correction(CorrectionWindow& window) override {
    ++windows;
    // Bounded, so that a run of re-checks cannot go on for ever.
    if (windows > 200) {
      window.press(CorrectionButton::kStop);
      return;
    }
    if (random_() % 4 == 0) window.edit_text = mutated_line(random_);
    const CorrectionButton buttons[] = {CorrectionButton::kRecheck, CorrectionButton::kForce,
                                        CorrectionButton::kSkip, CorrectionButton::kRevert,
                                        CorrectionButton::kStop};
    const CorrectionButton button = buttons[random_() % 5];
    window.press(button);
    // The revert button leaves the window open; the user then closes it by its box.
  }
  int windows = 0;

 private:
  std::mt19937 random_;
};

TEST(Fuzz, RandomFilesLeaveASoundTable) {
  TempFolder folder;
  std::mt19937 random(42);
  for (int n = 0; n < 60; ++n) {
    SCOPED_TRACE("file " + std::to_string(n));
    std::vector<std::string> lines;
    for (int k = static_cast<int>(random() % 60); k > 0; --k)
      lines.push_back(random() % 2 ? random_line(random) : mutated_line(random));
    const std::string path = folder.file("f" + std::to_string(n) + ".txt");
    testing::write_bytes(path, n % 3 ? testing::utf8_data_file(lines)
                                     : testing::sjis_data_file({"a^1990 1 2^"}) + "b^\x81^^\r\n");
    RecordingReporter reporter;
    RandomHost host(static_cast<unsigned>(n));
    PersonTable table;
    table.append = static_cast<std::uint8_t>(n % 2);
    for (int read = 0; read < 2; ++read) rist02(table, testing::test_state(), path, -1, host);
    const i16 count = table.personCount;
    EXPECT_EQ(order_length(table.viewOrder[0]), count);
    EXPECT_EQ(order_length(table.loadOrder), count);
    for (i16 r = 1; r <= count; ++r) {
      EXPECT_EQ(table.loadOrder[static_cast<std::size_t>(r)], r);
      EXPECT_EQ(table.viewOrder[1][static_cast<std::size_t>(r)],
                table.viewOrder[0][static_cast<std::size_t>(count + 1 - r)]);
      EXPECT_EQ(char_count(table.personName[static_cast<std::size_t>(r)]), kNameLength);
    }
    for (const std::string& place : reporter.places()) EXPECT_EQ(place, "rist02");
  }
}

}  // namespace
}  // namespace pelmira
