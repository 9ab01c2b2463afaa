// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a script line by line in bounded memory: LF, CRLF and a lone CR each end a line,
// and a line holds at most kMaxLineLength bytes, so no script can make the reader hold more
// than one line however it is written.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorn::replay {

inline constexpr std::size_t kMaxLineLength = 65536;

// A script that cannot be read; the text names the script and the cause.
class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where a script's bytes come from.
class ScriptSource {
 public:
  virtual ~ScriptSource() = default;
  // Reads up to `size` bytes into `buffer` and returns how many; 0 only at the end of the
  // script. A read error throws ReadError.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// A script held in memory, handed out at most `piece` bytes a read, so that tests can cut
// it wherever they like.
class TextSource : public ScriptSource {
 public:
  explicit TextSource(std::string_view text,
                      std::size_t piece = std::numeric_limits<std::size_t>::max())
      : text_(text), piece_(piece) {}
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  std::string_view text_;
  std::size_t piece_;
};

enum class LineResult {
  Line,     // a line was read
  End,      // the script has ended
  TooLong,  // the line holds more than kMaxLineLength bytes; the rest of it was not read
};

class LineReader {
 public:
  explicit LineReader(ScriptSource& source) : source_(source) {}

  // The next line, without its end, in `line`. A UTF-8 byte-order mark at the very start of
  // the script, which editors on Windows write, is no part of the first line. Throws
  // ReadError when the script cannot be read.
  LineResult Next(std::string& line);

 private:
  LineResult ReadLine(std::string& line);
  bool Fill();

  ScriptSource& source_;
  std::array<char, 8192> buffer_{};
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;           // the source said it has no more; it is not asked again
  bool afterCarriage_ = false;   // the last line ended in CR: an LF next completes that end
  bool atStart_ = true;          // no line has been read yet
};

}  // namespace vorn::replay
