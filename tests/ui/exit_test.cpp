// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending the program: "Exit" and the main window's close box close every window of the
// program, ask nothing, and end the event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "game/state.h"
#include "play/mouse_input.h"
#include "ui/qt/about_form.h"
#include "ui/qt/form1.h"
#include "ui/qt/help_form.h"
#include "ui/qt/program_end.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

constexpr int kLoopStillRunning = 99;

// Runs the program's event loop, doing `act` first thing inside it. Returns the loop's exit
// code: 0 when `act` ended it, kLoopStillRunning when the loop went on afterwards.
int RunEventLoop(const std::function<void()>& act) {
  // The check is only reached by a later pass of the loop, which a requested quit never
  // makes. It is sent to an object of this call's own: left pending after it, the check
  // would end the event loops of the tests that follow.
  QObject check;
  QTimer::singleShot(0, qApp, [&act, &check] {
    act();
    QTimer::singleShot(0, &check, [] { QCoreApplication::exit(kLoopStillRunning); });
  });
  const int code = QApplication::exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return code;
}

// Notes whether a window was closed, and whether the main window was still open then, as
// it is when the main window closes the others on its way out.
class CloseWatcher : public QObject {
 public:
  CloseWatcher(QWidget* watched, const QWidget* main) : main_(main) {
    watched->installEventFilter(this);
  }
  bool closed = false;
  bool closedBeforeTheMainWindow = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      closed = true;
      closedBeforeTheMainWindow = main_->isVisible();
    }
    return false;
  }

 private:
  const QWidget* main_;
};

// Loads the About window and leaves it hidden, as after one "About" and "OK".
void LoadAbout(Form1& form) {
  QTimer::singleShot(0, &form, [&form] {
    form.aboutForm()->findChild<QPushButton*>("AboutOk")->click();
  });
  form.Aboutx_Click();
  ASSERT_NE(form.aboutForm(), nullptr);
}

// Notes whether a window was ever blocked by a modal one.
class BlockWatcher : public QObject {
 public:
  BlockWatcher(QWidget* watched, bool* blocked) : blocked_(blocked) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) *blocked_ = true;
    return false;
  }

 private:
  bool* blocked_;
};

class ExitTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }

  MessageBoxAnswerer questions_;
};

TEST_F(ExitTest, ExitWithOnlyTheMainWindowEndsTheProgram) {
  Form1 form;
  form.show();
  EXPECT_EQ(RunEventLoop([&form] { form.Exitx_Click(); }), 0);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(questions_.texts.isEmpty());
}

TEST_F(ExitTest, ExitClosesTheHelpAndAboutWindowsAndEndsTheProgram) {
  Form1 form;
  form.show();
  LoadAbout(form);
  form.Helpx_Click();
  QPointer<HelpForm> help = form.helpForm();
  ASSERT_TRUE(help && help->isVisible());
  CloseWatcher helpClose(help, &form);
  CloseWatcher aboutClose(form.aboutForm(), &form);

  EXPECT_EQ(RunEventLoop([&form] { form.Exitx_Click(); }), 0);
  EXPECT_TRUE(helpClose.closedBeforeTheMainWindow);
  EXPECT_TRUE(aboutClose.closed && aboutClose.closedBeforeTheMainWindow);
  EXPECT_TRUE(help.isNull());  // unloaded, not just hidden
  EXPECT_FALSE(form.aboutForm()->isVisible());
  EXPECT_FALSE(form.isVisible());
  for (QWidget* window : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
  }
  EXPECT_TRUE(questions_.texts.isEmpty());
}

// On Wayland the process now and then stayed after "Exit": the windows, the main one among
// them, were still there when the application and its connection went. At the program's end
// none is left, hidden or owned by another.
TEST_F(ExitTest, AtTheProgramsEndNoWindowOutlivesTheEventLoop) {
  QPointer<Form1> form = new Form1;
  form->show();
  LoadAbout(*form);
  form->Helpx_Click();
  const QPointer<QWidget> about = form->aboutForm();
  const QPointer<QWidget> help = form->helpForm();
  const QPointer<QWidget> hiddenStray = new QWidget;
  ASSERT_EQ(RunEventLoop([&form] { form->Exitx_Click(); }), 0);
  DestroyWindows();
  EXPECT_TRUE(form.isNull());
  EXPECT_TRUE(about.isNull());
  EXPECT_TRUE(help.isNull());
  EXPECT_TRUE(hiddenStray.isNull());
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(ExitTest, CloseBoxOfTheMainWindowTakesTheOtherWindowsWithIt) {
  Form1 form;
  form.show();
  LoadAbout(form);
  form.Helpx_Click();
  QPointer<HelpForm> help = form.helpForm();
  ASSERT_TRUE(help && help->isVisible());
  CloseWatcher helpClose(help, &form);
  CloseWatcher aboutClose(form.aboutForm(), &form);

  EXPECT_EQ(RunEventLoop([&form] { form.close(); }), 0);
  EXPECT_TRUE(helpClose.closedBeforeTheMainWindow);
  EXPECT_TRUE(aboutClose.closed);
  EXPECT_TRUE(help.isNull());
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(questions_.texts.isEmpty());
}

TEST_F(ExitTest, ExitInTheMiddleOfAGameAsksNothing) {
  Form1 form;
  form.show();
  Form_MouseUp(kLeftButton, 0, CellTwipX[1] + 1, CellTwipY[1] + 1);
  ASSERT_EQ(CellOwner[1], 0);
  EXPECT_EQ(RunEventLoop([&form] { form.Exitx_Click(); }), 0);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(questions_.texts.isEmpty());
}

// Windows that are loaded but hidden are unloaded as well.
TEST_F(ExitTest, ExitUnloadsAHiddenHelpWindow) {
  Form1 form;
  form.show();
  form.Helpx_Click();
  QPointer<HelpForm> help = form.helpForm();
  help->findChild<QPushButton*>("Command3")->click();
  ASSERT_TRUE(help && !help->isVisible());

  EXPECT_EQ(RunEventLoop([&form] { form.Exitx_Click(); }), 0);
  EXPECT_TRUE(help.isNull());
}

TEST_F(ExitTest, AWindowSharingTheMainCaptionIsClosedAllTheSame) {
  Form1 form;
  form.show();
  QWidget lookalike;
  lookalike.setWindowTitle(form.windowTitle());
  CloseWatcher lookalikeClose(&lookalike, &form);
  EXPECT_EQ(RunEventLoop([&form] { form.Exitx_Click(); }), 0);
  EXPECT_TRUE(lookalikeClose.closed);
}

// The close box did nothing while a message or the About window was open: Qt's modality
// marked the main window blocked, and Qt drops the window system's request to close a blocked
// window.
TEST_F(ExitTest, TheCloseBoxEndsTheProgramWhileAMessageOrTheAboutWindowIsOpen) {
  for (const char* command : {"Presetx", "Aboutx"}) {
    Form1 form;
    form.show();
    bool blocked = false;
    BlockWatcher watcher(&form, &blocked);
    // Closes the main window as soon as the dialog is up, before the message is answered.
    int closedWithTheDialogUp = 0;
    bool dialogClosed = false;
    const auto closeTheMainWindow = [&](QWidget* dialog) {
      ++closedWithTheDialogUp;
      form.close();
      dialogClosed = !dialog->isVisible();
    };
    questions_.onShown = closeTheMainWindow;
    const int code = RunEventLoop([&form, &closeTheMainWindow, command] {
      QTimer::singleShot(0, &form, [&form, &closeTheMainWindow] {
        if (form.aboutForm() != nullptr) closeTheMainWindow(form.aboutForm());
      });
      form.findChild<QAction*>(command)->trigger();
    });
    EXPECT_EQ(code, 0) << command;
    EXPECT_EQ(closedWithTheDialogUp, 1) << command;
    EXPECT_TRUE(dialogClosed) << command;
    EXPECT_FALSE(form.isVisible()) << command;
    EXPECT_FALSE(blocked) << command;
  }
}

// An error that leaves not even a fresh board to play on ends the program, with its word.
TEST_F(ExitTest, AnErrorThatBreaksEvenAFreshBoardIsShownAndEndsTheProgram) {
  Form1 form;
  form.show();
  const int code = RunEventLoop([&form] {
    BoardSize = 30;  // more cells than a board can hold
    form.findChild<QAction*>("Restartx")->trigger();
    QCoreApplication::sendPostedEvents();  // the end the program asked for
  });
  EXPECT_EQ(code, EXIT_FAILURE);
  ASSERT_EQ(questions_.texts.size(), 2);
  EXPECT_TRUE(questions_.texts[0].startsWith("Vorn met an internal error and starts a fresh board:\n"));
  EXPECT_TRUE(questions_.texts[1].startsWith("Vorn cannot build a fresh board and stops:\n"));
  EXPECT_FALSE(form.isEnabled());
}

}  // namespace
}  // namespace vorn::testing
