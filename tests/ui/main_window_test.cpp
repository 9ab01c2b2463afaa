// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real main window, offscreen: start-up state, menus and their keys, the drawn board, the
// fixed size, and the error boundary around the game's handlers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QWindow>
#include <QTest>

#include "game/state.h"
#include "ui/qt/about_form.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "ui/qt/program_identity.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }
};

QColor PixelAt(const Form1& form, int x, int y) {
  const QImage& image = form.surface()->image();
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor(qRound(x * ratio), qRound(y * ratio));
}

TEST_F(MainWindowTest, StartUpShowsTheEmptyElevenByElevenBoard) {
  Form1 form;
  form.show();
  EXPECT_EQ(form.windowTitle(), "VORN SIZE 11");
  EXPECT_EQ(CellCount, 121);
  // Cell 1 has its vertex 0 at (148, 14): its left side is black, its middle light grey.
  EXPECT_EQ(PixelAt(form, 148, 20), QColor(0, 0, 0));
  EXPECT_EQ(PixelAt(form, 161, 20), QColor(192, 192, 192));
  // Between two rows, left of the board: background.
  EXPECT_EQ(PixelAt(form, 60, 20), QColor(192, 192, 192));
  EXPECT_EQ(form.surface()->indicatorColor(0), QColor(0, 128, 0));
  EXPECT_EQ(form.surface()->indicatorColor(1), QColor(192, 192, 192));
  const QImage shot = form.surface()->grab().toImage();
  const int indicatorMiddle = qRound((72 + 126) / TwipsX * shot.devicePixelRatio());
  EXPECT_EQ(shot.pixelColor(indicatorMiddle, indicatorMiddle), QColor(0, 128, 0));
}

TEST_F(MainWindowTest, TheWholeWindowTakesTheSizeOfTheBoard) {
  Form1 form;
  form.show();
  QApplication::processEvents();
  // 486 x 308 pixels outside, frame and menu bar included.
  EXPECT_EQ(form.requestedOuterSize(), QSize(486, 308));
  EXPECT_EQ(form.frameGeometry().size(), QSize(486, 308));
  form.findChild<QAction*>("Increasex")->trigger();
  EXPECT_EQ(form.requestedOuterSize(), QSize(526, 329));  // 459 + 67.5 rounds to the even 526
  EXPECT_EQ(form.frameGeometry().size(), form.requestedOuterSize());
  EXPECT_GE(form.surface()->width(), 487);  // cell 12 ends at x 486
}

// Alt+V did nothing: no menu had a mnemonic.
TEST_F(MainWindowTest, EveryMenuOpensAndEveryCommandRunsFromTheKeyboard) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  QApplication::setActiveWindow(&form);
  auto* vornMenu = form.findChild<QMenu*>("Vornx");
  QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
  ASSERT_TRUE(vornMenu->isVisible());
  QTest::keyClick(vornMenu, Qt::Key_P);
  EXPECT_EQ(PresetMode, Yes);
  EXPECT_EQ(answerer.texts, QStringList{"left-click to set GREEN, right-click for RED"});
  // Within each menu, and on the bar itself, no two entries share a key.
  for (QWidget* menu : {static_cast<QWidget*>(form.menuBar()), static_cast<QWidget*>(vornMenu),
                        static_cast<QWidget*>(form.findChild<QMenu*>("Sizex"))}) {
    QList<QKeySequence> keys;
    for (QAction* action : menu->actions()) {
      const QKeySequence key = QKeySequence::mnemonic(action->text());
      EXPECT_FALSE(key.isEmpty()) << action->objectName().toStdString();
      EXPECT_FALSE(keys.contains(key)) << action->objectName().toStdString();
      keys << key;
    }
  }
}

// The window's size is the board's: a maximise button could only do nothing.
TEST_F(MainWindowTest, TheWindowOffersNoMaximiseAndKeepsItsSize) {
  Form1 form;
  form.show();
  QApplication::processEvents();
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.frameGeometry().size(), QSize(486, 308));
}

// What the window system is told of a window of fixed size: no maximise button, and a
// smallest size that is also its largest (which X11 window managers and Wayland compositors
// read as "cannot be resized or maximised").
void ExpectNoMaximise(QWidget& window, const char* name) {
  ASSERT_NE(window.windowHandle(), nullptr) << name;
  const Qt::WindowFlags told = window.windowHandle()->flags();
  EXPECT_TRUE(told & Qt::CustomizeWindowHint) << name << ": its own choice of buttons";
  EXPECT_FALSE(told & (Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint)) << name;
  EXPECT_TRUE(told & Qt::WindowCloseButtonHint) << name;
  EXPECT_EQ(window.windowHandle()->minimumSize(), window.windowHandle()->maximumSize()) << name;
}

// A maximise button on the About window and on the message boxes did nothing, their size
// being fixed.
TEST_F(MainWindowTest, NoWindowOfFixedSizeOffersMaximise) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  QApplication::processEvents();
  ExpectNoMaximise(form, "the main window");
  answerer.onShown = [](QMessageBox* box) { ExpectNoMaximise(*box, "a message box"); };
  form.findChild<QAction*>("Presetx")->trigger();
  EXPECT_EQ(answerer.texts.size(), 1);
  AboutForm about(&form);
  about.show();
  QApplication::processEvents();
  ExpectNoMaximise(about, "About");
}

// Docks did not join the window to its launcher: the desktop entry named no StartupWMClass,
// while on X11 the class of the windows is the program's name.
TEST_F(MainWindowTest, TheDesktopEntryNamesTheClassAndTheIdThatTheProgramGivesItsWindows) {
  SetUpProgramIdentity();
  QFile entry(VORN_DESKTOP_ENTRY);
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
  QString windowClass;
  for (const QString& line : QString::fromUtf8(entry.readAll()).split('\n')) {
    if (line.startsWith("StartupWMClass=")) windowClass = line.section('=', 1);
  }
  EXPECT_EQ(windowClass, QCoreApplication::applicationName());
  EXPECT_EQ(QFileInfo(entry).fileName(), QGuiApplication::desktopFileName() + ".desktop");
}

// A run-time error in a handler would have unwound through Qt's event loop, which Qt does
// not allow: the program would have died without a word to the player.
TEST_F(MainWindowTest, ARunTimeErrorInAClickIsShownAndPlayGoesOnFromAFreshBoard) {
  MessageBoxAnswerer answerer;
  QString title;
  answerer.onShown = [&](QMessageBox* box) { title = box->windowTitle(); };
  Form1 form;
  form.show();
  form.findChild<QAction*>("Squarex")->trigger();  // a fresh board keeps the shape
  const QPoint cell61 = MiddleOfCell(61);
  SideToMove = 2;  // no such side: placing the stone fails
  QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, cell61);
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_EQ(answerer.texts[0],
            "Vorn met an internal error and starts a fresh board:\n"
            "subscript out of range: 2 not in 0..1");
  EXPECT_EQ(title, "VORN");
  EXPECT_EQ(CellCount, 110);
  for (Integer cell = 1; cell <= CellCount; ++cell) ASSERT_EQ(CellOwner[cell], -1) << cell;
  EXPECT_EQ(SideToMove, 0);
  EXPECT_TRUE(form.isEnabled());
  EXPECT_EQ(form.surface()->indicatorColor(0), QColor(0, 128, 0));
  // And the game goes on: the same click now plays.
  QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, cell61);
  EXPECT_EQ(CellOwner[61], 0);
  EXPECT_EQ(answerer.texts.size(), 1);
}

}  // namespace
}  // namespace vorn::testing
