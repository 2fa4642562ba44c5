// Decoding a data file's bytes into lines: a Shift-JIS file is converted in one go, and a
// line that does not convert is still the only one marked unreadable, whatever its line ends.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "people/data_file.h"
#include "people_fixtures.h"

namespace pelmira {
namespace {

TEST(DecodeDataFile, ShiftJisLinesWithEveryLineEndAndABadLine) {
  const std::vector<std::string> lines = {"山田^1990 1 2^", "", "'控え", "ｶﾅ^H2.1.2^"};
  struct LineEndRow {
    const char* name;
    std::string line_end;
  };
  const std::vector<LineEndRow> ends = {{"crlf", "\r\n"}, {"lf", "\n"}, {"cr", "\r"}};
  for (const LineEndRow& end : ends) {
    for (const int bad : {-1, 0, 3}) {  // the line given a lone lead byte, -1 for none
      for (const bool final_end : {true, false}) {
        SCOPED_TRACE(std::string(end.name) + " bad line " + std::to_string(bad) +
                     (final_end ? "" : " without a final line end"));
        std::string bytes = testing::sjis(kDataFileHeader);
        for (std::size_t k = 0; k < lines.size(); ++k) {
          bytes += end.line_end + testing::sjis(lines[k]);
          if (static_cast<int>(k) == bad) bytes += '\x82';
        }
        if (final_end) bytes += end.line_end;

        const DataFileText file = decode_data_file(bytes);
        EXPECT_EQ(file.encoding, FileEncoding::kCp932);
        ASSERT_EQ(file.lines.size(), lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k) {
          const bool readable = static_cast<int>(k) != bad;
          EXPECT_EQ(file.lines[k].readable, readable) << k;
          if (readable) {
            EXPECT_EQ(file.lines[k].text, lines[k]) << k;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace pelmira
