// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's files, in folders of the test's own: a game stored and resumed by a new
// start, the folders the environment names, and files that cannot be written or read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/game_fixture.h"
#include "core/play_record.h"
#include "storage/user_files.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;

class UserFilesTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    root = fs::temp_directory_path() /
           ("vorn-user-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "home");
    setenv("HOME", (root / "home").c_str(), 1);
    setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
  }
  void TearDown() override {
    fs::remove_all(root);
    GameTest::TearDown();
  }

  void Restart() {
    ResetModuleState();
    AttachWindow(&window);
    Form_Load();
  }

  static void WriteFile(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
  }

  fs::path root;
};

TEST_F(UserFilesTest, AStoredGameIsResumedByANewStart) {
  std::string level;
  std::string error;
  EXPECT_FALSE(storage::ResumeGame(level, error));  // none yet
  EXPECT_EQ(error, "");
  Click(61);
  ASSERT_TRUE(storage::StoreGame("Strong", error)) << error;
  const std::string shown = PlayRecord(window);
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(root / "state" / "vorn"), {}),
            std::vector<fs::path>{root / "state" / "vorn" / "saved-game.txt"});
  Restart();
  ASSERT_TRUE(storage::ResumeGame(level, error)) << error;
  EXPECT_EQ(level, "Strong");
  EXPECT_EQ(PlayRecord(window), shown);
}

TEST_F(UserFilesTest, ASessionIsKeptAfterEachEventAndResumedByTheNextStart) {
  Settings settings;
  std::string level;
  EXPECT_TRUE(storage::ResumeSession(settings, level).empty());  // a first start
  EXPECT_EQ(level, "Standard");
  EXPECT_FALSE(fs::exists(root / "config"));  // nothing written before an event
  Decreasex_Click();
  EXPECT_EQ(storage::KeepSession(settings, "Standard"), "");
  Click(13);
  EXPECT_EQ(storage::KeepSession(settings, "Standard"), "");
  const std::string shown = PlayRecord(window);
  Restart();
  Settings next;
  EXPECT_TRUE(storage::ResumeSession(next, level).empty());
  EXPECT_EQ(next.boardSize, 10);
  EXPECT_EQ(PlayRecord(window), shown);
}

TEST_F(UserFilesTest, RelativeOrMissingFoldersFallBackToTheHomeFolder) {
  setenv("XDG_STATE_HOME", "state", 1);
  unsetenv("XDG_CONFIG_HOME");
  std::string error;
  EXPECT_EQ(storage::SavedGamePath(error), root / "home/.local/state/vorn/saved-game.txt");
  EXPECT_EQ(storage::SettingsPath(error), root / "home/.config/vorn/vorn.conf");
  unsetenv("HOME");
  EXPECT_EQ(storage::SettingsPath(error), fs::path());
  EXPECT_EQ(error, "neither XDG_CONFIG_HOME nor HOME names a folder");
}

TEST_F(UserFilesTest, FilesThatCannotBeWrittenOrReadAreNamedAndChangeNothing) {
  std::string error;
  // A folder that cannot be made: a file stands where it belongs.
  WriteFile(root / "state", "not a folder");
  EXPECT_FALSE(storage::StoreGame("Standard", error));
  EXPECT_EQ(error, "cannot make the folder " + (root / "state/vorn").string() +
                       ": Not a directory");
  // A saved game that is a folder.
  fs::remove(root / "state");
  fs::create_directories(root / "state/vorn/saved-game.txt");
  EXPECT_FALSE(storage::StoreGame("Standard", error));
  EXPECT_EQ(error, "cannot write " + (root / "state/vorn/saved-game.txt").string() +
                       ": Is a directory");
  EXPECT_EQ(std::distance(fs::directory_iterator(root / "state/vorn"), {}), 1);  // no leftovers
  const std::string before = PlayRecord(window);
  std::string level;
  EXPECT_FALSE(storage::ResumeGame(level, error));
  EXPECT_EQ(error, "cannot read " + (root / "state/vorn/saved-game.txt").string() +
                       ": it is a folder");
  // A damaged one.
  fs::remove(root / "state/vorn/saved-game.txt");
  WriteFile(root / "state/vorn/saved-game.txt", "Vorn saved game 1\nlevel Standard\n");
  EXPECT_FALSE(storage::ResumeGame(level, error));
  EXPECT_EQ(error, (root / "state/vorn/saved-game.txt").string() +
                       ": the saved game is damaged: the text ends before its line \"board\": it "
                       "was cut short");
  EXPECT_EQ(PlayRecord(window), before);
}

TEST_F(UserFilesTest, SettingsAreStoredAndReadBackAndBadOnesReported) {
  std::vector<std::string> problems;
  EXPECT_EQ(storage::LoadSettings(problems).boardSize, 11);  // a first start
  EXPECT_TRUE(problems.empty());
  Settings settings;
  settings.boardSize = 13;
  std::string error;
  ASSERT_TRUE(storage::StoreSettings(settings, error)) << error;
  EXPECT_EQ(storage::LoadSettings(problems).boardSize, 13);
  EXPECT_TRUE(problems.empty());
  const fs::path file = root / "config/vorn/vorn.conf";
  WriteFile(file, "[Vorn]\nBoardSize=4\n");
  EXPECT_EQ(storage::LoadSettings(problems).boardSize, 11);
  EXPECT_EQ(problems, std::vector<std::string>{
                          file.string() + ": line 2: BoardSize \"4\" is not a whole number from 5 "
                                          "to 21; the default is kept"});
  fs::remove(file);
  fs::create_directories(file);
  problems.clear();
  EXPECT_EQ(storage::LoadSettings(problems).boardSize, 11);
  EXPECT_EQ(problems, std::vector<std::string>{"cannot read " + file.string() +
                                               ": it is a folder; the default settings are used"});
}

}  // namespace
}  // namespace vorn::testing
