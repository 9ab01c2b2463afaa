// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's aids in the real main window, offscreen: "Take Back", "Mark Last Move", play
// from the keyboard, and the settings and the game kept from one window to the next, in
// folders of the test's own.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "computer/levels.h"
#include "game/state.h"
#include "play/saved_game.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

constexpr int kAnswerTimeoutMs = 60000;
const QColor kGreen(0, 128, 0), kRed(128, 0, 0), kGrey(192, 192, 192), kWhite(255, 255, 255);

// Points the player's folders at a temporary one for as long as it lives.
class TemporaryPlayerFolders {
 public:
  TemporaryPlayerFolders()
      : config_(qgetenv("XDG_CONFIG_HOME")), state_(qgetenv("XDG_STATE_HOME")) {
    qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toUtf8());
    qputenv("XDG_STATE_HOME", folder_.filePath("state").toUtf8());
  }
  ~TemporaryPlayerFolders() {
    qputenv("XDG_CONFIG_HOME", config_);
    qputenv("XDG_STATE_HOME", state_);
  }
  QString settingsFile() const { return folder_.filePath("config/vorn/vorn.conf"); }
  QString gameFile() const { return folder_.filePath("state/vorn/saved-game.txt"); }

 private:
  QTemporaryDir folder_;
  QByteArray config_;
  QByteArray state_;
};

class PlayerAidsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }

  // A window as the program opens it: built, its session resumed, shown.
  static std::unique_ptr<Form1> StartProgram() {
    ResetModuleState();
    auto form = std::make_unique<Form1>();
    form->resumeSession();
    form->show();
    QApplication::setActiveWindow(form.get());
    QCoreApplication::processEvents();
    return form;
  }
  static void Release(Form1& form, Integer cell) {
    QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, MiddleOfCell(cell));
  }
  static void Choose(Form1& form, const char* name) { form.findChild<QAction*>(name)->trigger(); }
  static QColor Shown(Form1& form, QPoint at) {
    const QImage image = form.surface()->grab().toImage();
    return image.pixelColor(at * image.devicePixelRatio());
  }
  static Integer LastStone(Integer side) {
    return PlayerMoves[side].empty() ? 0 : PlayerMoves[side].back();
  }
  static int Stones() {
    int count = 0;
    for (Integer cell = 1; cell <= CellCount; ++cell) count += CellOwner[cell] != -1;
    return count;
  }
  // Everything a click can change that the player sees or the game goes on from.
  struct Look {
    QImage drawing;
    QImage shown;
    std::string game;
    QList<bool> enabled;
    bool operator==(const Look&) const = default;
  };
  static Look LookOf(Form1& form) {
    QList<bool> enabled;
    for (QAction* action : form.findChildren<QAction*>()) enabled << action->isEnabled();
    return {form.surface()->image(), form.surface()->grab().toImage(), SaveGame("Standard"),
            enabled};
  }
};

TEST_F(PlayerAidsTest, TakeBackPutsThePictureAndTheGameBackExactlyAndWaitsForMessages) {
  Form1 form;
  form.show();
  QApplication::setActiveWindow(&form);
  QStringList items;
  for (QAction* action : form.findChild<QMenu*>("Vornx")->actions()) items << action->objectName();
  EXPECT_EQ(items, QStringList({"Restartx", "Presetx", "StartPreset", "TakeBackx", "Hintx"}));
  QAction* take = form.takeBackAction();
  EXPECT_EQ(take->text(), "&Take Back");
  EXPECT_EQ(take->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_FALSE(take->isEnabled());

  const Look start = LookOf(form);
  Release(form, 61);
  const Look afterOne = LookOf(form);
  Release(form, 1);
  ASSERT_EQ(Stones(), 4);
  EXPECT_TRUE(take->isEnabled());
  take->trigger();
  EXPECT_TRUE(LookOf(form) == afterOne);
  QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(LookOf(form) == start);
  EXPECT_FALSE(take->isEnabled());

  // The same click then gets the same reply.
  Release(form, 61);
  EXPECT_TRUE(LookOf(form) == afterOne);

  // While a message waits, the game is inside an event: nothing is taken back.
  MessageBoxAnswerer answerer;
  bool enabledDuring = true;
  answerer.onShown = [&](QMessageBox*) {
    enabledDuring = take->isEnabled();
    take->trigger();
  };
  form.MessageBox("A moment");
  EXPECT_EQ(answerer.pressedOk, 1);
  EXPECT_FALSE(enabledDuring);
  EXPECT_EQ(Stones(), 2);
}

TEST_F(PlayerAidsTest, MarkLastMoveDotsTheComputersLastStoneOverTheDrawingOnlyWhenOn) {
  Form1 form;
  form.show();
  QAction* mark = form.markLastMoveAction();
  const QList<QAction*> levelItems = form.findChild<QMenu*>("Levelx")->actions();
  ASSERT_GE(levelItems.size(), 2);
  EXPECT_TRUE(levelItems[levelItems.size() - 2]->isSeparator());
  EXPECT_EQ(levelItems.back(), mark);
  EXPECT_EQ(mark->text(), "&Mark Last Move");
  EXPECT_TRUE(mark->isCheckable());
  EXPECT_FALSE(mark->isChecked());

  Release(form, 61);
  const Integer first = LastStone(1);
  Release(form, 1);
  const Integer second = LastStone(1);
  ASSERT_NE(first, second);
  EXPECT_EQ(Shown(form, MiddleOfCell(second)), kRed);  // off: the stone as drawn
  mark->trigger();
  EXPECT_EQ(Shown(form, MiddleOfCell(second)), kWhite);
  EXPECT_EQ(Shown(form, MiddleOfCell(second) + QPoint(7, 0)), kRed);  // a small dot
  EXPECT_EQ(Shown(form, MiddleOfCell(first)), kRed);
  EXPECT_EQ(form.surface()->image().pixelColor(MiddleOfCell(second) *
                                               form.surface()->image().devicePixelRatio()),
            kRed);  // never in the game's drawing
  // A take-back moves it to the stone before.
  form.takeBackAction()->trigger();
  EXPECT_EQ(Shown(form, MiddleOfCell(second)), kGrey);
  EXPECT_EQ(Shown(form, MiddleOfCell(first)), kWhite);
  mark->trigger();
  EXPECT_EQ(Shown(form, MiddleOfCell(first)), kRed);
}

TEST_F(PlayerAidsTest, TheKeyboardMovesAFrameAndPlaysWhereItStands) {
  Form1 form;
  form.show();
  QApplication::setActiveWindow(&form);
  const QImage untouched = form.surface()->grab().toImage();
  EXPECT_EQ(form.keyFocusCell(), 0);
  QTest::keyClick(&form, Qt::Key_Return);  // shows the frame, plays nothing yet
  EXPECT_EQ(form.keyFocusCell(), 1);
  EXPECT_EQ(Stones(), 0);
  EXPECT_NE(form.surface()->grab().toImage(), untouched);
  QTest::keyClick(&form, Qt::Key_Up);
  QTest::keyClick(&form, Qt::Key_Left);
  EXPECT_EQ(form.keyFocusCell(), 1);  // the board's corner holds it
  QTest::keyClick(&form, Qt::Key_Right);
  QTest::keyClick(&form, Qt::Key_Down);
  EXPECT_EQ(form.keyFocusCell(), 13);
  QTest::keyClick(&form, Qt::Key_End);
  EXPECT_EQ(form.keyFocusCell(), 22);
  QTest::keyClick(&form, Qt::Key_Home);
  EXPECT_EQ(form.keyFocusCell(), 12);
  QTest::keyClick(&form, Qt::Key_Space);
  EXPECT_EQ(CellOwner[12], 0);
  EXPECT_EQ(PlayerMoves[1].size(), 1U);
  // The frame's edge, white and black dashes over the cell's click box.
  const QColor edge = Shown(form, MiddleOfCell(12) - QPoint(0, 7));
  EXPECT_TRUE(edge == kWhite || edge == Qt::black) << edge.name().toStdString();
  // The mouse plays as before, and the board looks as without keys.
  Integer empty = 100;
  while (CellOwner[empty] != -1) --empty;
  Release(form, empty);
  EXPECT_EQ(form.keyFocusCell(), 0);
  EXPECT_EQ(CellOwner[empty], 0);

  // The Menu key lets the computer open, Shift+F10 lays RED in preset mode.
  MessageBoxAnswerer answerer;
  Choose(form, "Restartx");
  const std::size_t redStones = PlayerMoves[1].size();
  QTest::keyClick(&form, Qt::Key_Menu);
  EXPECT_EQ(PlayerMoves[1].size(), redStones + 1);
  EXPECT_EQ(Stones(), 1);
  EXPECT_EQ(SideToMove, 0);
  Choose(form, "Restartx");
  Choose(form, "Presetx");
  QTest::keyClick(&form, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(CellOwner[12], 1);
  QTest::keyClick(&form, Qt::Key_Right);
  QTest::keyClick(&form, Qt::Key_Enter);
  EXPECT_EQ(CellOwner[13], 0);
}

TEST_F(PlayerAidsTest, SettingsAndTheGameSurviveTheWindowAndTheNextReplyIsTheSame) {
  const TemporaryPlayerFolders folders;
  Integer expectedReply = 0;
  {
    // The game without a break, for the reply it gives.
    Form1 form;
    form.show();
    Choose(form, "Decreasex");
    Release(form, 45);
    Release(form, 12);
    Choose(form, "LevelStrong");
    Release(form, 80);
    ASSERT_TRUE(QTest::qWaitFor([&form] { return form.searchesRunning() == 0; },
                                kAnswerTimeoutMs));
    expectedReply = LastStone(1);
  }
  QImage before;
  {
    auto form = StartProgram();
    EXPECT_EQ(CellCount, 121);  // a first start is as ever
    Choose(*form, "Decreasex");
    Choose(*form, "MarkLastMovex");
    Release(*form, 45);
    Release(*form, 12);
    Choose(*form, "LevelStrong");
    before = form->surface()->grab().toImage();
  }
  EXPECT_TRUE(QFile::exists(folders.settingsFile()));
  auto form = StartProgram();
  EXPECT_EQ(BoardSize, 10);
  EXPECT_EQ(form->windowTitle(), "VORN SIZE 10");
  EXPECT_EQ(form->surface()->grab().toImage(), before);
  EXPECT_TRUE(form->levelAction(Level::Strong)->isChecked());
  EXPECT_TRUE(form->markLastMoveAction()->isChecked());
  EXPECT_TRUE(form->takeBackAction()->isEnabled());
  Release(*form, 80);
  ASSERT_TRUE(QTest::qWaitFor([&form] { return form->searchesRunning() == 0; },
                              kAnswerTimeoutMs));
  EXPECT_EQ(LastStone(1), expectedReply);
}

TEST_F(PlayerAidsTest, BadFilesAreSaidOnceAndTheirSettingsFallBack) {
  const TemporaryPlayerFolders folders;
  ASSERT_TRUE(QDir().mkpath(QFileInfo(folders.settingsFile()).path()));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(folders.gameFile()).path()));
  QFile settings(folders.settingsFile());
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write("[Vorn]\nLevel=Grand\nBoardSize=9\nMarkLastMove=1\n");
  settings.close();
  QFile game(folders.gameFile());
  ASSERT_TRUE(game.open(QIODevice::WriteOnly));
  game.write("Vorn saved game 1\nlevel Standard\nboard 9 1\nplay nonsense\n");
  game.close();

  MessageBoxAnswerer answerer;
  {
    auto form = StartProgram();
    ASSERT_TRUE(QTest::qWaitFor([&answerer] { return answerer.pressedOk == 1; }, 10000));
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(answerer.texts[0].contains("Grand")) << answerer.texts[0].toStdString();
    EXPECT_TRUE(answerer.texts[0].contains("saved game")) << answerer.texts[0].toStdString();
    EXPECT_EQ(BoardSize, 9);  // the good settings hold
    EXPECT_EQ(Stones(), 0);
    EXPECT_TRUE(form->levelAction(Level::Standard)->isChecked());
    EXPECT_TRUE(form->markLastMoveAction()->isChecked());
  }
  auto form = StartProgram();
  QCoreApplication::processEvents();
  EXPECT_EQ(answerer.texts.size(), 1);  // said once
  EXPECT_EQ(BoardSize, 9);
}

}  // namespace
}  // namespace vorn::testing
