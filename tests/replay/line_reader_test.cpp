// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The line reader: every kind of line end, wherever the reads cut the script, and the limit
// on a line's length.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/replay/line_reader.h"

namespace vorn::replay {
namespace {

// The lines of `text` read `piece` bytes at a time; "<too long>" stands for a refused line.
std::vector<std::string> Lines(const std::string& text, std::size_t piece) {
  TextSource source(text, piece);
  LineReader reader(source);
  std::vector<std::string> lines;
  std::string line;
  for (;;) {
    const LineResult result = reader.Next(line);
    if (result == LineResult::End) return lines;
    if (result == LineResult::TooLong) {
      lines.push_back("<too long>");
      return lines;
    }
    lines.push_back(line);
  }
}

TEST(ReplayLineReader, LfCrlfAndALoneCrEachEndALineWhereverTheReadsCut) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> scripts = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"# replay\rmenu Decreasex\rcell 1 0 13\rdump\r",
       {"# replay", "menu Decreasex", "cell 1 0 13", "dump"}},
      {"\r\r\n\n\r", {"", "", "", ""}},  // CR, CRLF, LF, CR
      {"a\n\rb", {"a", "", "b"}},        // LF then CR is two ends
      {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
  };
  for (const auto& [text, expected] : scripts) {
    for (std::size_t piece = 1; piece <= text.size() + 1; ++piece) {
      EXPECT_EQ(Lines(text, piece), expected) << "read " << piece << " at a time: " << text;
    }
  }
}

TEST(ReplayLineReader, ALineLongerThan65536BytesIsRefused) {
  const std::string longest(kMaxLineLength, 'x');
  EXPECT_EQ(Lines(longest + "\r\n" + longest, 5000),
            (std::vector<std::string>{longest, longest}));
  EXPECT_EQ(Lines("a\n" + longest + "y\n", 1 << 20),
            (std::vector<std::string>{"a", "<too long>"}));
  EXPECT_EQ(Lines(longest + "y", 7), std::vector<std::string>{"<too long>"});
}

// A script saved by a Windows editor starts with a byte-order mark, and its first line was
// refused as an unknown command.
TEST(ReplayLineReader, AByteOrderMarkIsSkippedAtTheStartOfTheScriptAndNowhereElse) {
  const std::string mark = "\xEF\xBB\xBF";
  const std::vector<std::pair<std::string, std::vector<std::string>>> scripts = {
      {mark + "menu Decreasex\r\ndump\r\n", {"menu Decreasex", "dump"}},
      {mark, {""}},
      {mark + "\n" + mark + "dump", {"", mark + "dump"}},  // only at the very start
      {"dump\n" + mark + "dump\n", {"dump", mark + "dump"}},
      {" " + mark + "dump", {" " + mark + "dump"}},
      {"\xEF\xBBmenu Decreasex", {"\xEF\xBBmenu Decreasex"}},  // not a whole mark
  };
  for (const auto& [text, expected] : scripts) {
    for (std::size_t piece = 1; piece <= text.size() + 1; ++piece) {
      EXPECT_EQ(Lines(text, piece), expected) << "read " << piece << " at a time: " << text;
    }
  }
}

// A terminal can say "end" more than once; the reader asks only until the first.
class CountingSource : public TextSource {
 public:
  using TextSource::TextSource;
  std::size_t Read(char* buffer, std::size_t size) override {
    ++reads;
    return TextSource::Read(buffer, size);
  }
  int reads = 0;
};

TEST(ReplayLineReader, TheEndIsReadOnce) {
  CountingSource source("dump");
  LineReader reader(source);
  std::string line;
  EXPECT_EQ(reader.Next(line), LineResult::Line);
  EXPECT_EQ(reader.Next(line), LineResult::End);
  EXPECT_EQ(reader.Next(line), LineResult::End);
  EXPECT_EQ(source.reads, 2);
}

}  // namespace
}  // namespace vorn::replay
