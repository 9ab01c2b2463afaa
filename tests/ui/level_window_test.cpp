// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's levels and the hint in the real main window, offscreen: the "Level" menu's
// check marks, when "Hint" can be chosen and its mark, and a Strong reply searched for in a
// worker while the window repaints, answers its menus and refuses the board.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QTest>

#include "computer/levels.h"
#include "computer/reply_search.h"
#include "game/state.h"
#include "play/hint.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "ui/search_threads.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

// Far more than any search takes, so that only a search that never answers fails.
constexpr int kAnswerTimeoutMs = 60000;

class LevelWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }

  static void Choose(Form1& form, const char* name) { form.findChild<QAction*>(name)->trigger(); }
  static void Release(Form1& form, Integer cell) {
    QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, MiddleOfCell(cell));
  }
  static int Stones(Integer side) {
    int count = 0;
    for (Integer cell = 1; cell <= CellCount; ++cell) count += CellOwner[cell] == side;
    return count;
  }
  static bool AllAnswered(Form1& form) {
    return QTest::qWaitFor([&form] { return form.searchesRunning() == 0; }, kAnswerTimeoutMs);
  }
};

TEST_F(LevelWindowTest, TheLevelMenuFollowsSizeAndChecksExactlyTheLevelInForce) {
  Form1 form;
  QStringList bar;
  for (QAction* action : form.menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, QStringList({"&Vorn", "&Size", "&Level", "&Help", "&About", "E&xit"}));
  QAction* standard = form.findChild<QAction*>("LevelStandard");
  QAction* strong = form.findChild<QAction*>("LevelStrong");
  ASSERT_TRUE(standard && strong);
  EXPECT_EQ(standard->text(), "&Standard");
  EXPECT_EQ(strong->text(), "S&trong");
  EXPECT_TRUE(standard->isChecked());
  EXPECT_FALSE(strong->isChecked());
  strong->trigger();
  EXPECT_EQ(ComputerLevel(), Level::Strong);
  EXPECT_TRUE(strong->isChecked());
  EXPECT_FALSE(standard->isChecked());
  strong->trigger();  // choosing the level in force again keeps it
  EXPECT_TRUE(strong->isChecked());
  standard->trigger();
  EXPECT_EQ(ComputerLevel(), Level::Standard);
  EXPECT_TRUE(standard->isChecked());
  EXPECT_FALSE(strong->isChecked());
}

TEST_F(LevelWindowTest, HintIsOfferedOnlyToGreenInAGameAndItsMarkGoesWithTheNextMove) {
  MessageBoxAnswerer answerer;  // Preset Board explains itself
  Form1 form;
  form.show();
  QAction* hint = form.hintAction();
  ASSERT_EQ(hint, form.findChild<QAction*>("Hintx"));
  EXPECT_EQ(hint->shortcut(), QKeySequence("H"));
  EXPECT_TRUE(hint->isEnabled());
  Choose(form, "Presetx");
  EXPECT_FALSE(hint->isEnabled());
  Choose(form, "Restartx");
  EXPECT_TRUE(hint->isEnabled());

  hint->trigger();
  ASSERT_TRUE(AllAnswered(form));
  const Integer hinted = HintedCell();
  ASSERT_GE(hinted, 1);
  ASSERT_EQ(CellOwner[hinted], -1);
  // The ring sits around the hinted cell's middle, over the drawing, not in it.
  const QRectF mark = form.surface()->hintMark();
  ASSERT_FALSE(mark.isEmpty());
  EXPECT_LT(QLineF(mark.center(), MiddleOfCell(hinted)).length(), 1.5);
  const QImage shown = form.surface()->grab().toImage();
  const QPoint onRing(qRound(mark.right()), qRound(mark.center().y()));
  EXPECT_EQ(shown.pixelColor(onRing * shown.devicePixelRatio()), QColor(0, 0, 128));
  EXPECT_NE(form.surface()->image().pixelColor(onRing * shown.devicePixelRatio()),
            QColor(0, 0, 128));

  Release(form, hinted == 1 ? 2 : 1);  // Standard answers at once
  EXPECT_EQ(HintedCell(), 0);
  EXPECT_TRUE(form.surface()->hintMark().isEmpty());
  EXPECT_TRUE(hint->isEnabled());
}

TEST_F(LevelWindowTest, AStrongReplyIsSearchedForWhileTheWindowRepaintsAndRefusesTheBoard) {
  Form1 form;
  form.show();
  Choose(form, "LevelStrong");
  Release(form, 61);
  // The click has returned before RED has moved: the search runs off the window's thread.
  ASSERT_TRUE(AwaitingReply());
  EXPECT_EQ(form.searchesRunning(), 1);
  EXPECT_EQ(Stones(1), 0);
  EXPECT_EQ(SideToMove, 1);
  // It repaints, with RED to move.
  const QImage shown = form.surface()->grab().toImage();
  // The middle of RED's indicator, 252 twips wide at (72, 396).
  const QPoint redIndicator(qRound((72 + 126) / TwipsX), qRound((396 + 126) / TwipsY));
  EXPECT_EQ(shown.pixelColor(redIndicator * shown.devicePixelRatio()), QColor(128, 0, 0));
  // The menus answer, the board does not; and no hint while RED thinks.
  EXPECT_TRUE(form.isEnabled());
  EXPECT_TRUE(form.findChild<QAction*>("Restartx")->isEnabled());
  EXPECT_FALSE(form.findChild<QAction*>("Sizex")->isEnabled());
  EXPECT_FALSE(form.hintAction()->isEnabled());
  EXPECT_FALSE(form.surface()->isEnabled());
  Release(form, 1);
  EXPECT_EQ(CellOwner[1], -1);

  ASSERT_TRUE(AllAnswered(form));
  EXPECT_FALSE(AwaitingReply());
  EXPECT_EQ(Stones(1), 1);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_TRUE(form.surface()->isEnabled());
  EXPECT_TRUE(form.hintAction()->isEnabled());
  Release(form, 1);
  EXPECT_EQ(CellOwner[1], 0);
  ASSERT_TRUE(AllAnswered(form));
  EXPECT_EQ(Stones(1), 2);
}

TEST_F(LevelWindowTest, EndCurrentGameDuringASearchLeavesNoLateStone) {
  Form1 form;
  form.show();
  Choose(form, "LevelStrong");
  Release(form, 61);
  ASSERT_TRUE(AwaitingReply());
  Choose(form, "Restartx");
  EXPECT_FALSE(AwaitingReply());
  EXPECT_EQ(SideToMove, 0);
  EXPECT_TRUE(form.surface()->isEnabled());
  EXPECT_EQ(form.surface()->indicatorColor(0), QColor(0, 128, 0));
  EXPECT_EQ(form.surface()->indicatorColor(1), QColor(192, 192, 192));
  ASSERT_TRUE(AllAnswered(form));
  EXPECT_EQ(Stones(0) + Stones(1), 0);
  // The new game plays on as usual.
  Release(form, 61);
  ASSERT_TRUE(AllAnswered(form));
  EXPECT_EQ(Stones(0), 1);
  EXPECT_EQ(Stones(1), 1);

  // A size command and closing the window mid-search: no answer reaches the game or a
  // window that is gone.
  Release(form, 1);
  ASSERT_TRUE(AwaitingReply());
  Choose(form, "Increasex");
  EXPECT_EQ(CellCount, 144);
  ASSERT_TRUE(AllAnswered(form));
  EXPECT_EQ(Stones(0) + Stones(1), 0);
}

TEST_F(LevelWindowTest, AWindowClosedDuringASearchHearsNoMoreOfIt) {
  {
    Form1 form;
    form.show();
    Choose(form, "LevelStrong");
    Release(form, 61);
    ASSERT_TRUE(AwaitingReply());
  }
  // The search ends after its window has gone, and nothing it might have posted runs.
  ASSERT_TRUE(QTest::qWaitFor([] { return SearchThreads::Running() == 0; }, kAnswerTimeoutMs));
  QCoreApplication::processEvents();
  EXPECT_TRUE(AwaitingReply());
  EXPECT_EQ(Stones(1), 0);
}

}  // namespace
}  // namespace vorn::testing
