// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The script and the trace on pipes made non-blocking by the program at their other end:
// the replay waits for them as it would on blocking ones, where it used to stop with
// "Resource temporarily unavailable".
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>

#include "tools/replay/files.h"

namespace vorn::replay {
namespace {

// Waits, with a generous timeout, until the thread sleeps, as it does while it waits for a
// descriptor.
bool WaitUntilSleeping(pid_t thread) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream stat("/proc/self/task/" + std::to_string(thread) + "/stat");
    const std::string line((std::istreambuf_iterator<char>(stat)), {});
    if (line.find(") S ") != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

// A pipe whose end `nonBlocking` (0 read, 1 write) is non-blocking.
void MakePipe(int ends[2], int nonBlocking) {
  ASSERT_EQ(::pipe(ends), 0);
  ASSERT_EQ(::fcntl(ends[nonBlocking], F_SETFL, O_NONBLOCK), 0);
}

TEST(ReplayFiles, AnEmptyNonBlockingScriptIsWaitedFor) {
  int script[2];
  MakePipe(script, 0);
  std::thread writer([&script, replay = ::gettid()] {
    EXPECT_TRUE(WaitUntilSleeping(replay));
    EXPECT_EQ(::write(script[1], "dump\n", 5), 5);
    ::close(script[1]);
  });
  FileSource source(script[0], "standard input", true);
  std::string read;
  std::string failure;
  try {
    char buffer[64];
    while (const std::size_t count = source.Read(buffer, sizeof buffer)) read.append(buffer, count);
  } catch (const ReadError& error) {
    failure = error.what();
  }
  writer.join();
  EXPECT_EQ(failure, "");
  EXPECT_EQ(read, "dump\n");
}

TEST(ReplayFiles, AFullNonBlockingTraceIsWaitedFor) {
  int trace[2];
  MakePipe(trace, 1);
  std::size_t filled = 0;
  const std::string block(4096, 'x');
  for (ssize_t count; (count = ::write(trace[1], block.data(), block.size())) > 0;) filled += count;
  std::string drained;
  std::thread reader([&trace, &drained, replay = ::gettid()] {
    EXPECT_TRUE(WaitUntilSleeping(replay));
    char buffer[4096];
    for (ssize_t count; (count = ::read(trace[0], buffer, sizeof buffer)) > 0;) {
      drained.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(trace[0]);
  });
  std::string failure;
  {
    FileOutput output(trace[1]);
    std::ostream(&output) << "newgame 121\n" << std::flush;
    failure = output.failure();
  }
  ::close(trace[1]);
  reader.join();
  EXPECT_EQ(failure, "");
  EXPECT_EQ(drained.size(), filled + 12);
  EXPECT_EQ(drained.substr(filled), "newgame 121\n");
}

}  // namespace
}  // namespace vorn::replay
