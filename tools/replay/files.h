// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own script and trace: a file or standard input to read, standard output to
// write, each failure told in the system's own words.
#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include "tools/replay/line_reader.h"

namespace vorn::replay {

// A script read from an open file descriptor, which it closes if it opened it.
class FileSource : public ScriptSource {
 public:
  // `name` says what the script is in a message: "standard input", "script games/a.script".
  FileSource(int descriptor, std::string name, bool owned);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  int descriptor_;
  std::string name_;
  bool owned_;
};

// The script at `path`, or standard input for "-". A script that cannot be read at all (a
// missing file, a directory, a closed standard input) throws ReadError before anything runs.
std::unique_ptr<FileSource> OpenScript(const std::string& path);

// An output buffer on a file descriptor that keeps the cause of a failed write; the stream
// over it goes bad, and writes nothing more, from then on.
class FileOutput : public std::streambuf {
 public:
  explicit FileOutput(int descriptor);
  ~FileOutput() override;
  FileOutput(const FileOutput&) = delete;
  FileOutput& operator=(const FileOutput&) = delete;

  // Empty while every write has succeeded.
  const std::string& failure() const { return failure_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int descriptor_;
  std::array<char, 4096> buffer_{};
  std::string failure_;
};

// Why `stream` failed, in the system's words where its buffer is a FileOutput.
std::string WriteFailure(const std::ostream& stream);

}  // namespace vorn::replay
