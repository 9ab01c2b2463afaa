// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The script and the trace on pipes made non-blocking by the program at their other end:
// the replay waits for them as it would on blocking ones.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <thread>

#include "tools/replay/files.h"

namespace vorn::replay {
namespace {

// Waits for `condition` with a generous timeout; false when it never came.
bool WaitFor(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Whether the thread sleeps, as it does while it waits for a descriptor.
bool Sleeping(pid_t thread) {
  std::ifstream stat("/proc/self/task/" + std::to_string(thread) + "/stat");
  const std::string line((std::istreambuf_iterator<char>(stat)), {});
  const std::size_t afterName = line.rfind(')');
  return afterName != std::string::npos && line.compare(afterName, 3, ") S") == 0;
}

struct Pipe {
  Pipe() { EXPECT_EQ(::pipe(ends), 0); }
  ~Pipe() {
    for (int& end : ends) {
      if (end >= 0) ::close(end);
    }
  }
  void CloseEnd(int which) {
    ::close(ends[which]);
    ends[which] = -1;
  }
  int ends[2] = {-1, -1};
};

void MakeNonBlocking(int descriptor) {
  ASSERT_EQ(::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK), 0);
}

// The script comes only once the replay is waiting for it. A failure, "Resource temporarily
// unavailable", stopped the run instead.
TEST(ReplayFiles, AnEmptyNonBlockingScriptIsWaitedFor) {
  Pipe script;
  MakeNonBlocking(script.ends[0]);
  const pid_t replay = ::gettid();
  std::thread writer([&script, replay] {
    EXPECT_TRUE(WaitFor([replay] { return Sleeping(replay); }));
    EXPECT_EQ(::write(script.ends[1], "dump\n", 5), 5);
    script.CloseEnd(1);
  });
  FileSource source(script.ends[0], "standard input", false);
  std::string read;
  std::string failure;
  try {
    char buffer[64];
    for (std::size_t count; (count = source.Read(buffer, sizeof buffer)) > 0;) {
      read.append(buffer, count);
    }
  } catch (const ReadError& error) {
    failure = error.what();
  }
  writer.join();
  EXPECT_EQ(failure, "");
  EXPECT_EQ(read, "dump\n");
}

// The trace goes on once the reader has made room.
TEST(ReplayFiles, AFullNonBlockingTraceIsWaitedFor) {
  Pipe trace;
  MakeNonBlocking(trace.ends[1]);
  std::size_t filled = 0;
  const std::string block(4096, 'x');
  for (ssize_t count; (count = ::write(trace.ends[1], block.data(), block.size())) > 0;) {
    filled += static_cast<std::size_t>(count);
  }
  ASSERT_TRUE(errno == EAGAIN || errno == EWOULDBLOCK);
  const pid_t replay = ::gettid();
  std::string drained;
  std::thread reader([&trace, &drained, replay] {
    EXPECT_TRUE(WaitFor([replay] { return Sleeping(replay); }));
    char buffer[4096];
    for (ssize_t count; (count = ::read(trace.ends[0], buffer, sizeof buffer)) > 0;) {
      drained.append(buffer, static_cast<std::size_t>(count));
    }
  });
  std::string failure;
  {
    FileOutput output(trace.ends[1]);
    std::ostream out(&output);
    out << "newgame 121\n" << std::flush;
    failure = output.failure();
  }
  trace.CloseEnd(1);
  reader.join();
  EXPECT_EQ(failure, "");
  EXPECT_EQ(drained.size(), filled + 12);
  EXPECT_EQ(drained.substr(filled), "newgame 121\n");
}

}  // namespace
}  // namespace vorn::replay
