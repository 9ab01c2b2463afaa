// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading script lines.
#include "tools/replay/line_reader.h"

#include <algorithm>
#include <cstring>

namespace vorn::replay {

std::size_t TextSource::Read(char* buffer, std::size_t size) {
  const std::size_t count = std::min({size, piece_, text_.size()});
  std::memcpy(buffer, text_.data(), count);
  text_.remove_prefix(count);
  return count;
}

// A terminal says "end" once per Ctrl-D and would be read again after it, so the end is
// kept once seen.
bool LineReader::Fill() {
  if (ended_) return false;
  at_ = 0;
  end_ = source_.Read(buffer_.data(), buffer_.size());
  ended_ = end_ == 0;
  return !ended_;
}

LineResult LineReader::Next(std::string& line) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const LineResult result = ReadLine(line);
  if (atStart_ && result == LineResult::Line && line.starts_with(kByteOrderMark)) {
    line.erase(0, kByteOrderMark.size());
  }
  atStart_ = false;
  return result;
}

LineResult LineReader::ReadLine(std::string& line) {
  line.clear();
  for (;;) {
    if (at_ == end_ && !Fill()) return line.empty() ? LineResult::End : LineResult::Line;
    if (afterCarriage_) {
      afterCarriage_ = false;
      if (buffer_[at_] == '\n') {
        ++at_;
        continue;
      }
    }
    const char* begin = buffer_.data() + at_;
    const char* stop = buffer_.data() + end_;
    const char* lineEnd = std::find_if(begin, stop, [](char c) { return c == '\n' || c == '\r'; });
    const auto length = static_cast<std::size_t>(lineEnd - begin);
    if (line.size() + length > kMaxLineLength) return LineResult::TooLong;
    line.append(begin, length);
    at_ += length;
    if (lineEnd != stop) {
      afterCarriage_ = *lineEnd == '\r';
      ++at_;
      return LineResult::Line;
    }
  }
}

}  // namespace vorn::replay
