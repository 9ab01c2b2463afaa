// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the program's files through their descriptors, where the system says
// what went wrong.
#include "tools/replay/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

#include <cerrno>
#include <system_error>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#elif __has_include(<poll.h>)
#include <poll.h>
#endif

#ifdef __EMSCRIPTEN__
// Built for Node (vorn-replay.js), the standard streams are Node's own descriptors, which the
// emulated file system reads and writes but can neither wait for nor describe: Node is asked.

// A pause of a millisecond, the only wait Node offers a program that runs to its end.
EM_JS(void, NodePause, (), { Atomics.wait(new Int32Array(new SharedArrayBuffer(4)), 0, 0, 1); });

// Whether the descriptor is a directory.
EM_JS(bool, NodeIsDirectory, (int descriptor), {
  try {
    return require("fs").fstatSync(descriptor).isDirectory();
  } catch (error) {
    return false;  // anything else shows when it is read
  }
});

// Whether the descriptor is Node's stand-in for a stream that was closed when the program
// started: Node opens /dev/null for reading and writing in its place before any script runs
// (a shell's redirection to /dev/null opens it for writing only).
EM_JS(bool, NodeStandsInForAClosedStream, (int descriptor), {
  try {
    const fs = require("fs");
    if (fs.readlinkSync("/proc/self/fd/" + descriptor) !== "/dev/null") return false;
    const info = fs.readFileSync("/proc/self/fdinfo/" + descriptor, "utf8");
    const flags = /^flags:[^0-7]*([0-7]+)/m.exec(info);
    return flags !== null && (parseInt(flags[1], 8) & 3) === 2;  // O_RDWR
  } catch (error) {
    return false;  // no /proc to ask: the stream is taken as it is
  }
});
#endif

namespace vorn::replay {

namespace {

std::string SystemText(int error) { return std::generic_category().message(error); }

// A descriptor made non-blocking (by the program at its other end, which shares it) says
// "try again" instead of waiting. The replay waits as it would on a blocking one.
bool MustWait(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

// Waits until the descriptor can be read or written; false where that cannot be waited for.
bool AwaitReady([[maybe_unused]] int descriptor, [[maybe_unused]] bool forWriting) {
#ifdef __EMSCRIPTEN__
  NodePause();  // then the caller tries again
  return true;
#elif __has_include(<poll.h>)
  pollfd ready{descriptor, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
  while (::poll(&ready, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
#else
  return false;
#endif
}

// Scripts and traces are bytes. Windows opens files and standard streams in text mode, which
// turns "\n" into "\r\n" on the way out and stops reading at a Ctrl-Z; and it has no
// close-on-exec flag, which this program, starting no others, does not need there.
#ifdef _WIN32
constexpr int kScriptOpenFlags = O_RDONLY | O_BINARY;
void UseBinaryMode(int descriptor) { _setmode(descriptor, O_BINARY); }
#else
constexpr int kScriptOpenFlags = O_RDONLY | O_CLOEXEC;
void UseBinaryMode(int) {}
#endif

// 0 when the descriptor can be read as a script, else the error that says why not.
int WhyUnreadable(int descriptor) {
#ifdef __EMSCRIPTEN__
  if (descriptor == STDIN_FILENO) return NodeIsDirectory(descriptor) ? EISDIR : 0;
#endif
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) return errno;
  return S_ISDIR(status.st_mode) ? EISDIR : 0;
}

}  // namespace

FileSource::FileSource(int descriptor, std::string name, bool owned)
    : descriptor_(descriptor), name_(std::move(name)), owned_(owned) {}

FileSource::~FileSource() {
  if (owned_) ::close(descriptor_);
}

std::size_t FileSource::Read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(descriptor_, buffer, size);
    if (count >= 0) return static_cast<std::size_t>(count);
    const int error = errno;
    if (error == EINTR || (MustWait(error) && AwaitReady(descriptor_, false))) continue;
    throw ReadError("cannot read " + name_ + ": " + SystemText(error));
  }
}

std::unique_ptr<FileSource> OpenScript(const std::string& path) {
  const bool standardInput = path == "-";
  const std::string name = standardInput ? "standard input" : "script " + path;
  int descriptor = STDIN_FILENO;
  if (standardInput) {
    UseBinaryMode(descriptor);
  } else {
    descriptor = ::open(path.c_str(), kScriptOpenFlags);
    if (descriptor < 0) throw ReadError("cannot open " + name + ": " + SystemText(errno));
  }
  auto script = std::make_unique<FileSource>(descriptor, name, !standardInput);
  // A directory opens, and a closed standard input shows only when it is used; either is
  // refused here, before the start-up's trace could pass for that of an empty script.
  if (const int error = WhyUnreadable(descriptor)) {
    throw ReadError("cannot read " + name + ": " + SystemText(error));
  }
  return script;
}

FileOutput::FileOutput(int descriptor) : descriptor_(descriptor) {
  UseBinaryMode(descriptor);
  setp(buffer_.data(), buffer_.data() + buffer_.size());
#ifdef __EMSCRIPTEN__
  // Writing to Node's stand-in would throw the output away and succeed.
  if (NodeStandsInForAClosedStream(descriptor)) failure_ = SystemText(EBADF);
#endif
}

FileOutput::~FileOutput() { Drain(); }

FileOutput::int_type FileOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FileOutput::sync() { return Drain() ? 0 : -1; }

// Writes out what is buffered; a short write is continued, a failed one ends all writing.
bool FileOutput::Drain() {
  if (!failure_.empty()) return false;
  const char* at = pbase();
  while (at < pptr()) {
    const ssize_t count = ::write(descriptor_, at, static_cast<std::size_t>(pptr() - at));
    const int error = count < 0 ? errno : 0;
    if (error == EINTR || (MustWait(error) && AwaitReady(descriptor_, true))) continue;
    if (count <= 0) {
      failure_ = SystemText(count < 0 ? error : EIO);
      return false;
    }
    at += count;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

std::string WriteFailure(const std::ostream& stream) {
  const auto* file = dynamic_cast<const FileOutput*>(stream.rdbuf());
  return file != nullptr && !file->failure().empty() ? file->failure() : "the stream failed";
}

}  // namespace vorn::replay
