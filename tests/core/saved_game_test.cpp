// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A saved game put back in a fresh program goes on as the game would have gone on without
// the break; a damaged saved game is refused with what is wrong, and changes nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/observer.h"
#include "game_fixture.h"
#include "play/preset.h"
#include "play/saved_game.h"
#include "play/take_back.h"
#include "play_record.h"

namespace vorn::testing {
namespace {

class StoneTrace : public GameObserver {
 public:
  void BoardBuilt() override { text += "newgame\n"; }
  void StonePlaced(Integer side, Integer cell) override {
    text += "stone " + std::to_string(side) + " " + std::to_string(cell) + "\n";
  }
  std::string text;
};

class SavedGameTest : public GameTest {
 protected:
  // A fresh program, as a new start finds it.
  void Restart() {
    ResetModuleState();
    AttachWindow(&window);
    Form_Load();
  }

  // What follows a click: its stones and wins, and the whole game and window after it.
  std::string AfterClick(Integer cell) {
    StoneTrace trace;
    AttachObserver(&trace);
    Click(cell);
    AttachObserver(nullptr);
    std::string record = trace.text + SaveGame("Standard");
    for (const auto& [point, fill] : Picture(window)) record += std::to_string(fill) + " ";
    for (const MenuItem item : kGameMenuItems) record += window.MenuEnabled(item) ? "1" : "0";
    return record + (window.MenuChecked(MenuItem::Squarex) ? "1" : "0");
  }

  // Plays the board of `size` and shape with `layout` preset, `clicks` seeded clicks; the
  // record after each, with a save, a new start and a restore before click `breakAt`.
  std::vector<std::string> Play(Integer size, bool square, unsigned seed, int clicks,
                                int breakAt) {
    Restart();
    BuildBoard(size, square ? Yes : No);
    Presetx_Click();
    Click(1, kRightButton);
    Click(2);
    StartPreset_Click();
    std::vector<std::string> records;
    Seeded seeded(seed);
    for (int click = 0; click < clicks; ++click) {
      if (click == breakAt) {
        const std::string saved = SaveGame("Strong");
        Restart();
        std::string level;
        std::string error;
        EXPECT_TRUE(RestoreGame(saved, level, error)) << error;
        EXPECT_EQ(level, "Strong");
        EXPECT_EQ(SaveGame("Strong"), saved);
      }
      if (click == clicks - 2) {
        TakeBack();  // what could be taken back before the break still can
        records.push_back("taken back " + SaveGame("Standard"));
      }
      records.push_back(AfterClick(RandomEmptyCell(seeded)));
    }
    return records;
  }
};

TEST_F(SavedGameTest, AGameRestoredInAFreshProgramGoesOnAsWithoutTheBreak) {
  for (const bool square : {true, false}) {
    SCOPED_TRACE(square ? "square" : "short");
    const std::vector<std::string> unbroken = Play(9, square, 7, 24, -1);
    for (const int breakAt : {0, 3, 20}) {
      EXPECT_EQ(Play(9, square, 7, 24, breakAt), unbroken) << "saved before click " << breakAt;
    }
  }
}

TEST_F(SavedGameTest, PresetModeAndTheFirstBoardComeBack) {
  Presetx_Click();
  Click(5, kRightButton);
  const std::string saved = SaveGame("Standard");
  const std::string shown = PlayRecord(window);
  Restart();
  std::string level;
  std::string error;
  ASSERT_TRUE(RestoreGame(saved, level, error)) << error;
  EXPECT_EQ(PlayRecord(window), shown);
  EXPECT_EQ(TakeBack(), std::vector<Integer>{5});
}

class DamagedGameTest : public SavedGameTest {
 protected:
  void SetUp() override {
    SavedGameTest::SetUp();
    Click(61);
    Click(50);
    saved = SaveGame("Standard");
    Decreasex_Click();  // the game that must stay as it is
    Click(13);
    before = PlayRecord(window);
  }

  // The message of refusing `text`, with the game left untouched.
  std::string Refused(const std::string& text) {
    std::string level = "unchanged";
    std::string error;
    EXPECT_FALSE(RestoreGame(text, level, error));
    EXPECT_EQ(level, "unchanged");
    EXPECT_EQ(PlayRecord(window), before);
    return error;
  }

  // `saved` with its first `from` replaced by `to`.
  std::string With(const std::string& from, const std::string& to) {
    std::string text = saved;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  }

  std::string saved;
  std::string before;
};

TEST_F(DamagedGameTest, EachFaultIsNamedAndChangesNothing) {
  const std::string damaged = "the saved game is damaged: ";
  EXPECT_EQ(Refused(""), damaged + "the text is empty");
  EXPECT_EQ(Refused("[Vorn]\nLevel=Standard\n"),
            damaged + "this is no saved game of Vorn: it does not begin with \"Vorn saved game \"");
  EXPECT_EQ(Refused(With("Vorn saved game 1", "Vorn saved game 2")),
            damaged + "the game was saved in format \"2\" of another version of Vorn; this one "
                      "reads format 1");
  EXPECT_EQ(Refused(saved.substr(0, saved.find("moves 1"))),
            damaged + "the text ends before its line \"moves\": it was cut short");
  EXPECT_EQ(Refused(saved.substr(0, saved.size() - 4)),
            damaged + "the text ends before its line \"end\": it was cut short");
  EXPECT_EQ(Refused(With("board 11 1", "board 23 1")),
            damaged + "line 3: the size 23 is outside 5..21");
  EXPECT_EQ(Refused(With("level Standard", "level Easy")),
            damaged + "line 2: unknown level \"Easy\"");
  EXPECT_EQ(Refused(With("moves 0 2 61 50", "moves 0 2 61 122")),
            damaged + "the game: the moves of side 0 do not end with its stones");
  EXPECT_EQ(Refused(With("moves 0 2 61 50", "moves 0 3 61 50")),
            damaged + "line 13: moves holds 2 values where 3 belong");
  EXPECT_EQ(Refused(With("groups 0 1 061,050,", "groups 0 1 061,150,")),
            damaged + "the game: group 1 of side 0 is not a list of its cells");
  EXPECT_EQ(Refused(With("groups 0 1 061,050,", "groups 0 1 061,")),
            damaged + "the game: the groups of side 0 do not hold each stone once");
  EXPECT_EQ(Refused(With("takebacks 2", "takebacks 3")),
            damaged + "line 36: expected the line \"point\", found \"end\"");
  EXPECT_EQ(Refused(With("\nplay 0 50", "\nplay 0 x50")),
            damaged + "line 4: the selected cell \"x50\" is not a whole number");
  EXPECT_EQ(Refused(saved + "more\n"), damaged + "line 37: more text after \"end\"");
  EXPECT_EQ(Refused(With("\nplay 0 50", "\nplay 1 50")),
            damaged + "line 4: RED to move outside preset mode");
}

}  // namespace
}  // namespace vorn::testing
