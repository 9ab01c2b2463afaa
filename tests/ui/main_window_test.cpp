// The real main window, offscreen: start-up state, menus and the drawn board.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

#include "game/state.h"
#include "ui/board_surface.h"
#include "ui/form1.h"
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
  const double twips = 1440.0 / form.logicalDpiX();
  const int indicatorMiddle = qRound((72 + 126) / twips * shot.devicePixelRatio());
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

TEST_F(MainWindowTest, MenusCarryTheirNamesAndCaptions) {
  Form1 form;
  const std::pair<const char*, const char*> items[] = {
      {"Restartx", "End Current Game"}, {"Presetx", "Preset Board"},
      {"StartPreset", "Start Preset Game"}, {"Sizex", "Size"}, {"Squarex", "Square"},
      {"Increasex", "Increase"}, {"Decreasex", "Decrease"}, {"Helpx", "Help"},
      {"Aboutx", "About"}, {"Exitx", "Exit"}};
  for (const auto& [name, caption] : items) {
    auto* action = form.findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), caption) << name;
  }
  EXPECT_FALSE(form.findChild<QAction*>("StartPreset")->isEnabled());
  EXPECT_TRUE(form.findChild<QAction*>("Presetx")->isEnabled());
  EXPECT_TRUE(form.findChild<QAction*>("Sizex")->isEnabled());
  EXPECT_TRUE(form.findChild<QAction*>("Squarex")->isChecked());
  // "Help", "About" and "Exit" sit on the menu bar itself.
  const auto barActions = form.menuBar()->actions();
  QStringList bar;
  for (QAction* action : barActions) bar << action->text();
  EXPECT_EQ(bar, QStringList({"Vorn", "Size", "Help", "About", "Exit"}));
  EXPECT_FALSE(form.findChild<QListWidget*>("PlayerMoves0")->isVisible());
  EXPECT_FALSE(form.findChild<QLabel*>("Label3")->isVisible());
}

}  // namespace
}  // namespace vorn::testing
