// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running replay scripts in-process: what is traced, how menus and clicks reach the game, and
// how a bad line, an unreadable script or a lost trace ends the run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/state.h"
#include "tools/replay/session.h"

namespace vorn::replay {
namespace {

struct Outcome {
  int status = -1;
  std::string trace;
  std::string errors;
};

Outcome Replay(ScriptSource& script) {
  std::ostringstream trace;
  std::ostringstream errors;
  Outcome run;
  run.status = RunScript(script, trace, errors);
  run.trace = trace.str();
  run.errors = errors.str();
  return run;
}

Outcome Replay(const std::string& text) {
  TextSource script(text);
  return Replay(script);
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

const std::string kStartUp = "newgame 121\n";
const std::string kDownTo5 = Repeat("menu Decreasex\n", 6);
const std::string kBoardsDownTo5 =
    "newgame 100\nnewgame 81\nnewgame 64\nnewgame 49\nnewgame 36\nnewgame 25\n";

TEST(ReplaySession, StartUpBuildsTheFirstBoardAndAnEmptyScriptEndsThere) {
  const Outcome run = Replay("");
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.trace, kStartUp);
  EXPECT_EQ(run.errors, "");
}

TEST(ReplaySession, ACellClickHitsThatCellOnEveryBoard) {
  // In preset mode every click on an empty cell lays a stone there and nothing else, so the
  // trace shows exactly which cell each click hit.
  for (const std::string& resize : {std::string(), kDownTo5, std::string("menu Squarex\n")}) {
    std::string script = resize + "menu Presetx\n";
    for (int cell = 1; cell <= 121; ++cell) script += "cell 1 0 " + std::to_string(cell) + "\n";
    std::istringstream lines(Replay(script).trace);
    std::string line;
    int expected = 1;
    while (std::getline(lines, line)) {
      if (line.rfind("stone ", 0) == 0) {
        EXPECT_EQ(line, "stone 0 " + std::to_string(expected++));
      }
    }
    EXPECT_EQ(expected - 1, CellCount) << "cells hit on a board of " << CellCount;
  }
}

TEST(ReplaySession, UpClicksAtTwipsAndMissesBetweenRows) {
  // Cell 1's click box runs from (2220, 210) to (2625, 420) twips on the start-up board; the
  // next row's boxes start at 525.
  const Outcome run = Replay(
      "menu Presetx\n"
      "up 1 0 2219.9 300\n"   // left of every box
      "up 1 0 2220 210\n"     // cell 1's top-left corner
      "up 2 0 2625 420\n"     // shared corner of cells 1 and 2: the lower number, occupied
      "up 2 0 2625.5 300\n"   // cell 2
      "up 1 0 2300 470\n");   // between the first two rows
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.trace, kStartUp +
                           "message left-click to set GREEN, right-click for RED\n"
                           "stone 0 1\n"
                           "stone 1 2\n");
}

TEST(ReplaySession, PlayTracesEveryStoneAndTheComputersReply) {
  const Outcome run = Replay("cell 1 0 61\n");
  ASSERT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.trace.rfind(kStartUp + "stone 0 61\nstone 1 ", 0), 0U) << run.trace;
}

TEST(ReplaySession, DisabledMenuItemsAreRefusedAndChangeNothing) {
  const Outcome run = Replay(
      "menu StartPreset\n"   // disabled from start-up on
      "cell 1 0 61\n"        // the first stone disables Size and Preset Board
      "menu Presetx\n"
      "menu Squarex\n"
      "menu Increasex\n"
      "menu Decreasex\n"
      "menu Restartx\n"      // always available
      "menu Presetx\n"       // preset mode disables the Size submenu, not its items
      "menu Squarex\n"
      "dump\n");
  ASSERT_EQ(run.status, kExitSuccess);
  EXPECT_NE(run.trace.find("disabled StartPreset\nstone 0 61\nstone 1 "), std::string::npos);
  EXPECT_NE(run.trace.find("\ndisabled Presetx\ndisabled Squarex\ndisabled Increasex\n"
                           "disabled Decreasex\nnewgame 121\n"
                           "message left-click to set GREEN, right-click for RED\n"
                           "disabled Squarex\nstate 11 1 121 0 0 1\n"),
            std::string::npos)
      << run.trace;
}

TEST(ReplaySession, SizeLimitsAreRefused) {
  const Outcome down = Replay(kDownTo5 + "menu Decreasex\nmenu Increasex\n");
  EXPECT_EQ(down.trace, kStartUp + kBoardsDownTo5 + "disabled Decreasex\nnewgame 36\n");
  const Outcome up = Replay(Repeat("menu Increasex\n", 11));
  std::string boardsUpTo21;
  for (int size = 12; size <= 21; ++size) {
    boardsUpTo21 += "newgame " + std::to_string(size * size) + "\n";
  }
  EXPECT_EQ(up.trace, kStartUp + boardsUpTo21 + "disabled Increasex\n");
}

TEST(ReplaySession, HelpAndAboutDoNothingAndExitEndsTheRun) {
  const Outcome run = Replay("menu Helpx\nmenu Aboutx\nmenu Exitx\nthis line is never read\n");
  EXPECT_EQ(run.status, kExitSuccess);
  EXPECT_EQ(run.trace, kStartUp);
  EXPECT_EQ(run.errors, "");
}

TEST(ReplaySession, ABadLineStopsTheRunAfterTheLinesBeforeIt) {
  const Outcome run = Replay(
      "# a comment\n"
      "\n"
      "menu Decreasex\r\n"
      "menu Restartx\n"
      "cell 1 0 101\n"  // the board has 100 cells now
      "menu Restartx\n"
      "dump\n");
  EXPECT_EQ(run.status, kExitScriptError);
  EXPECT_EQ(run.trace, kStartUp + "newgame 100\nnewgame 100\n");
  EXPECT_EQ(run.errors,
            "vorn-replay: line 5: cell 101 is not on the board: its cells are 1..100\n");
}

TEST(ReplaySession, TheLastLineNeedsNoNewline) {
  const Outcome run = Replay("menu Decreasex\nmenu Decreasex");
  EXPECT_EQ(run.trace, kStartUp + "newgame 100\nnewgame 81\n");
  const Outcome bad = Replay("menu Decreasex\nmenu Decrease");
  EXPECT_EQ(bad.status, kExitScriptError);
  EXPECT_EQ(bad.errors.rfind("vorn-replay: line 2: unknown menu item \"Decrease\"", 0), 0U)
      << bad.errors;
}

// A script source that fails part-way, as a read error on a file would.
class FailingSource : public TextSource {
 public:
  using TextSource::TextSource;
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t count = TextSource::Read(buffer, size);
    if (count == 0) throw ReadError("cannot read script x: Input/output error");
    return count;
  }
};

TEST(ReplaySession, AReadErrorEndsTheRunAfterTheLinesBeforeIt) {
  FailingSource script("menu Decreasex\nmenu Decr", 4);
  const Outcome run = Replay(script);
  EXPECT_EQ(run.status, kExitScriptError);
  EXPECT_EQ(run.trace, kStartUp + "newgame 100\n");
  EXPECT_EQ(run.errors, "vorn-replay: line 2: cannot read script x: Input/output error\n");
}

// A trace stream that takes `room` characters and then fails, as a full disk would.
class FullBuffer : public std::stringbuf {
 public:
  explicit FullBuffer(std::size_t room) : room_(room) {}

 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    if (str().size() + static_cast<std::size_t>(count) > room_) return 0;
    return std::stringbuf::xsputn(text, count);
  }

 private:
  std::size_t room_;
};

TEST(ReplaySession, ATraceThatCannotBeWrittenEndsTheRunAsAnError) {
  for (const std::string& script : {std::string("menu Decreasex\nmenu Decreasex\n"),
                                    std::string("menu Decreasex\nmenu Decreasex\nmenu Exitx\n"),
                                    std::string("menu Decreasex\ndump\nmenu Restartx\n"),
                                    // a later bad line must not hide the lost write
                                    std::string("menu Decreasex\nmenu Decreasex\nbogus\n")}) {
    FullBuffer buffer(kStartUp.size() + 15);  // the start-up and one more board
    std::ostream trace(&buffer);
    std::ostringstream errors;
    TextSource source(script);
    EXPECT_EQ(RunScript(source, trace, errors), kExitScriptError) << script;
    EXPECT_EQ(buffer.str(), kStartUp + "newgame 100\n");
    EXPECT_EQ(errors.str(), "vorn-replay: cannot write the trace: the stream failed\n");
  }
}

}  // namespace
}  // namespace vorn::replay
