// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window, offscreen: its content, and the ways a user closes its modal showing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/version.h"
#include "game/state.h"
#include "ui/qt/about_form.h"
#include "ui/qt/form1.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

// While alive, does `act` to the About window each time it is shown, as soon as its modal
// showing has started, and notes whether that closed it. A window that stays open is closed
// afterwards, so that a failing test does not wait forever.
class WhenAboutShown : public QObject {
 public:
  explicit WhenAboutShown(std::function<void(AboutForm&)> act) : act_(std::move(act)) {
    qApp->installEventFilter(this);
  }
  ~WhenAboutShown() override { qApp->removeEventFilter(this); }

  int shown = 0;
  bool closedByAct = false;
  bool ownedByItsParent = false;
  bool cameBack = false;
  QWidget* focusWhenShown = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* about = qobject_cast<AboutForm*>(watched);
    if (about == nullptr || event->type() != QEvent::Show) return false;
    ++shown;
    QTimer::singleShot(0, about, [this, about] {
      ownedByItsParent = about->windowHandle()->transientParent() ==
                         about->parentWidget()->windowHandle();
      focusWhenShown = about->focusWidget();
      cameBack = ComesBackAfterAClickOn(about, about->parentWidget(), QPoint(5, 5));
      act_(*about);
      closedByAct = !about->isVisible();
      if (!closedByAct) about->hide();
    });
    return false;
  }

 private:
  std::function<void(AboutForm&)> act_;
};

template <typename T>
T* Control(AboutForm& about, const char* name) {
  T* control = about.findChild<T*>(name);
  EXPECT_NE(control, nullptr) << name;
  return control;
}

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }
};

TEST_F(AboutWindowTest, ShowsVersionCreditsAndIcon) {
  AboutForm about;
  EXPECT_EQ(about.windowTitle(), "About VORN");
  EXPECT_TRUE(about.font().bold());
  EXPECT_DOUBLE_EQ(about.font().pointSizeF(), 8.25);
  if (about.logicalDpiX() == 96 && about.logicalDpiY() == 96) {
    EXPECT_EQ(about.size(), QSize(327, 103));  // 4905 x 1545 twips
  }

  auto* text = Control<QPlainTextEdit>(about, "AboutText");
  EXPECT_TRUE(text->isReadOnly());
  const QStringList lines = text->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 5) << text->toPlainText().toStdString();  // the last line break too
  EXPECT_TRUE(lines[0].isEmpty() && lines[1].isEmpty() && lines[4].isEmpty());
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Vorn %1 by ").arg(kVersion)));
  EXPECT_TRUE(lines[3].contains("vorn", Qt::CaseInsensitive));
  EXPECT_EQ(text->palette().color(QPalette::Base), about.palette().color(QPalette::Button));

  auto* version = Control<QLabel>(about, "Label1");
  EXPECT_EQ(version->text(), QStringLiteral("Version %1").arg(kVersion));
  EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(version->palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_TRUE(version->autoFillBackground());

  auto* ok = Control<QPushButton>(about, "AboutOk");
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_TRUE(ok->isDefault());

  const QPixmap icon = Control<QLabel>(about, "Picture1")->pixmap();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(32, 32));
}

TEST_F(AboutWindowTest, OkClosesTheModalShowingAndHoldsTheFocus) {
  Form1 form;
  form.show();
  WhenAboutShown user([](AboutForm& about) { Control<QPushButton>(about, "AboutOk")->click(); });
  form.Aboutx_Click();  // returns only once the window is hidden again
  ASSERT_EQ(user.shown, 1);
  EXPECT_TRUE(user.ownedByItsParent);
  EXPECT_TRUE(user.cameBack);  // a click on the main window brings it back
  ASSERT_NE(form.aboutForm(), nullptr);
  EXPECT_EQ(user.focusWhenShown, form.aboutForm()->findChild<QPushButton*>("AboutOk"));
  EXPECT_TRUE(user.closedByAct);
}

TEST_F(AboutWindowTest, EnterClosesIt) {
  Form1 form;
  form.show();
  WhenAboutShown user([](AboutForm& about) { QTest::keyClick(&about, Qt::Key_Return); });
  form.Aboutx_Click();
  EXPECT_EQ(user.shown, 1);
  EXPECT_TRUE(user.closedByAct);
}

TEST_F(AboutWindowTest, AnyButtonPressedInTheCreditTextClosesIt) {
  Form1 form;
  form.show();
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    WhenAboutShown user([button](AboutForm& about) {
      // Only the press: the window is gone before the button comes up.
      QTest::mousePress(Control<QPlainTextEdit>(about, "AboutText")->viewport(), button);
    });
    form.Aboutx_Click();
    EXPECT_EQ(user.shown, 1) << button;
    EXPECT_TRUE(user.closedByAct) << button;
  }
}

TEST_F(AboutWindowTest, SecondAboutShowsTheSameWindowWithOkFocusedAgain) {
  Form1 form;
  form.show();
  {
    WhenAboutShown user([](AboutForm& about) {
      Control<QPlainTextEdit>(about, "AboutText")->setFocus();
      Control<QPushButton>(about, "AboutOk")->click();
    });
    form.Aboutx_Click();
  }
  AboutForm* first = form.aboutForm();
  const QString credits = first->findChild<QPlainTextEdit*>("AboutText")->toPlainText();

  WhenAboutShown user([](AboutForm& about) { Control<QPushButton>(about, "AboutOk")->click(); });
  form.Aboutx_Click();
  EXPECT_EQ(user.shown, 1);
  EXPECT_TRUE(user.closedByAct);
  EXPECT_EQ(form.aboutForm(), first);
  EXPECT_EQ(user.focusWhenShown, first->findChild<QPushButton*>("AboutOk"));
  EXPECT_EQ(first->findChild<QPlainTextEdit*>("AboutText")->toPlainText(), credits);
}

// Under openbox an About window shown again came a title bar lower than the first time: Qt
// centred it by a frame that the window manager gives it only once shown.
TEST_F(AboutWindowTest, EveryShowingStandsCentredOverTheMainWindow) {
  Form1 form;
  form.move(120, 90);
  form.show();
  QList<QPoint> offCentre;
  WhenAboutShown user([&form, &offCentre](AboutForm& about) {
    offCentre << about.frameGeometry().center() - form.frameGeometry().center();
    Control<QPushButton>(about, "AboutOk")->click();
  });
  form.Aboutx_Click();
  form.Aboutx_Click();
  form.move(300, 200);
  form.Aboutx_Click();
  ASSERT_EQ(offCentre.size(), 3);
  for (const QPoint& off : offCentre) {
    EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();  // halves of odd sizes
  }
}

}  // namespace
}  // namespace vorn::testing
