// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fuzz target of the whole replay: script bytes in, trace out, through the same code as
// vorn-replay. Every input must end as documented (the end of the script or Exitx with
// status 0, or one bad line reported in one short line with status 2, never a fault of the
// game), its trace must keep the rules of a sound trace, and the script must fall into the
// same lines however its reads are cut.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/trace_invariants.h"
#include "tools/replay/line_reader.h"
#include "tools/replay/session.h"

namespace {

using namespace vorn::replay;

// Room for the longest message: a line number, the words and a token cut to 40 bytes of
// \xNN each.
constexpr std::size_t kLongestMessage = 512;

struct Outcome {
  int status = -1;
  std::string trace;
  std::string errors;
};

Outcome Replay(std::string_view script) {
  TextSource source(script);
  std::ostringstream trace;
  std::ostringstream errors;
  Outcome run;
  run.status = RunScript(source, trace, errors);
  run.trace = trace.str();
  run.errors = errors.str();
  return run;
}

// The lines of the script, up to a line that is too long, read `piece` bytes at a time.
std::vector<std::string> Lines(std::string_view script, std::size_t piece) {
  TextSource source(script, piece);
  LineReader reader(source);
  std::vector<std::string> lines;
  std::string line;
  for (LineResult result; (result = reader.Next(line)) != LineResult::End;) {
    lines.push_back(result == LineResult::Line ? line : "\n(too long)");
    if (result == LineResult::TooLong) break;
  }
  return lines;
}

std::string EndFault(const Outcome& run) {
  if (run.status == kExitSuccess) return run.errors.empty() ? "" : "success with a message";
  if (run.status != kExitScriptError) return "a status other than 0 or 2";
  if (run.errors.rfind("vorn-replay: line ", 0) != 0) return "a message that names no line";
  if (run.errors.find('\n') + 1 != run.errors.size()) return "a message of more than one line";
  if (run.errors.size() > kLongestMessage) return "a message longer than any should be";
  return {};
}

[[noreturn]] void Fail(const std::string& fault, const Outcome& run) {
  std::fprintf(stderr, "fault: %s\nstatus %d\nmessage: %s\ntrace:\n%s\n", fault.c_str(), run.status,
               run.errors.c_str(), run.trace.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  const Outcome run = Replay(script);
  if (const std::string fault = EndFault(run); !fault.empty()) Fail(fault, run);
  if (const std::string fault = vorn::testing::TraceFault(run.trace); !fault.empty()) {
    Fail(fault, run);
  }
  // A piece size from the input itself, so that a failure repeats from the same input.
  if (Lines(script, 1 + size % 7) != Lines(script, size + 1)) {
    Fail("the script falls into other lines when read in pieces", run);
  }
  return 0;
}
