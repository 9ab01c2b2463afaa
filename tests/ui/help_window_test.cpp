// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window, offscreen: the page address, the Back and Forward rule, activation,
// resizing, hiding and unloading, and what the view does with pages that are missing or
// not local.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "game/state.h"
#include "ui/help_layout.h"
#include "ui/qt/form1.h"
#include "ui/qt/help_form.h"

namespace vorn::testing {
namespace {

// Receives the links the help window hands to the desktop, instead of a web browser.
class LinkRecorder : public QObject {
  Q_OBJECT

 public:
  explicit LinkRecorder(const QStringList& schemes) : schemes_(schemes) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "open");
  }
  ~LinkRecorder() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }

  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }

 private:
  QStringList schemes_;
};

QString Filler(int paragraphs) {
  QString text;
  for (int i = 0; i < paragraphs; ++i) text += QString("<p>Filler paragraph %1.</p>").arg(i);
  return text;
}

// A page long enough to scroll, with anchors, a second local page and two foreign links.
QString FixturePage() {
  return "<html><body><h1><a name=\"top\">Fixture</a></h1>"
         "<p><a href=\"#rules\">Read the rules</a></p>"
         "<p><a href=\"other.htm\">The other page</a></p>"
         "<p><a href=\"https://example.org/more\">On the web</a></p>"
         "<p><a href=\"ftp://example.org/file\">By file transfer</a></p>" +
         Filler(60) +
         "<h2><a name=\"rules\">Rules</a></h2><p><a href=\"#end\">To the end</a></p>" +
         Filler(60) + "<p><a name=\"end\">The end</a></p></body></html>";
}

// Moves the pointer over the page to the link whose text is `text` and clicks it, as a user
// would.
void ClickLink(QTextBrowser* browser, const QString& text) {
  const QTextCursor found = browser->document()->find(text);
  ASSERT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor middle(browser->document());
  middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
  browser->setTextCursor(middle);
  browser->ensureCursorVisible();
  const QPoint link = browser->cursorRect(middle).center();
  QTest::mouseMove(browser->viewport(), link + QPoint(0, 40));
  QTest::mouseMove(browser->viewport(), link);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    ASSERT_TRUE(pages_.isValid());
    fixture_ = WritePage("help.htm", FixturePage());
    WritePage("other.htm", "<html><body><p>The other page.</p></body></html>");
  }

  QString WritePage(const QString& name, const QString& html) {
    const QString path = pages_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(html.toUtf8());
    return path;
  }

  // A help window showing the fixture page, as on its first activation.
  void OpenFixture(HelpForm& help) {
    help.setTag(fixture_);
    help.show();
    QApplication::setActiveWindow(&help);
    ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_));
  }

  static QString Location(const QString& path, const QString& fragment = {}) {
    QUrl url = QUrl::fromLocalFile(path);
    if (!fragment.isEmpty()) url.setFragment(fragment);
    return url.toString();
  }

  static void Press(HelpForm& help, const char* button) {
    help.findChild<QPushButton*>(button)->click();
  }

  QTemporaryDir pages_;
  QString fixture_;
};

TEST(HelpPageAddressTest, JoinsFolderAndPageWithExactlyOneSeparator) {
  EXPECT_EQ(HelpPageAddress("/opt/games/board"), "/opt/games/board/vorn.htm");
  EXPECT_EQ(HelpPageAddress("/"), "/vorn.htm");
  EXPECT_EQ(HelpPageAddress("/opt/games/board/"), "/opt/games/board/vorn.htm");
  EXPECT_EQ(HelpPageAddress("/home/me/C#games"), "/home/me/C#games/vorn.htm");
}

TEST(HelpBrowserExtentTest, ViewIsTheClientSizeLessTheMargins) {
  EXPECT_EQ(BrowserExtent(9000, help_layout::kBrowserWidthMargin), 8940);
  EXPECT_EQ(BrowserExtent(7000, help_layout::kBrowserHeightMargin), 6550);
  EXPECT_EQ(BrowserExtent(450, help_layout::kBrowserHeightMargin), 0);
  EXPECT_EQ(BrowserExtent(449, help_layout::kBrowserHeightMargin), std::nullopt);
  EXPECT_EQ(BrowserExtent(-15, help_layout::kBrowserWidthMargin), std::nullopt);
}

TEST_F(HelpWindowTest, HelpCommandOpensTheProgramsPageModeless) {
  Form1 form;
  form.show();
  ASSERT_EQ(form.helpForm(), nullptr);
  form.Helpx_Click();
  HelpForm* help = form.helpForm();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Vorn Help");
  EXPECT_EQ(help->property("Tag").toString(),
            QDir(QCoreApplication::applicationDirPath()).filePath("vorn.htm"));
  // No owner and no modality: the board stays playable beside it.
  EXPECT_EQ(help->parentWidget(), nullptr);
  EXPECT_EQ(help->windowModality(), Qt::NonModal);
  EXPECT_TRUE(form.isEnabled());
  QApplication::setActiveWindow(help);
  EXPECT_EQ(help->browser()->LocationURL(), Location(help->Tag()));
}

TEST_F(HelpWindowTest, ControlsSitWhereTheLayoutPutsThem) {
  HelpForm help;
  if (help.logicalDpiX() != 96 || help.logicalDpiY() != 96) GTEST_SKIP() << "needs 96 dpi";
  // 15 twips to the pixel: a client area of 7185 x 5625 twips, buttons 1095 x 375.
  EXPECT_EQ(help.size(), QSize(479, 375));
  const std::tuple<const char*, const char*, int> buttons[] = {
      {"Command1", "Back", 4}, {"Command2", "Forward", 77}, {"Command3", "Exit", 150}};
  for (const auto& [name, caption, left] : buttons) {
    auto* button = help.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->geometry(), QRect(left, 2, 73, 25)) << name;
    EXPECT_EQ(button->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 8.25);
    EXPECT_FALSE(button->font().bold());
  }
  EXPECT_EQ(help.browser()->pos(), QPoint(2, 28));
  EXPECT_EQ(help.findChild<QPushButton*>("Command1")->nextInFocusChain(),
            help.findChild<QPushButton*>("Command2"));
}

TEST_F(HelpWindowTest, BackDoesNothingOnAPageReachedWithoutAnAnchor) {
  HelpForm help;
  help.show();
  help.browser()->Navigate(pages_.filePath("other.htm"));
  help.browser()->Navigate(fixture_);
  ASSERT_TRUE(help.browser()->isBackwardAvailable());
  Press(help, "Command1");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
}

TEST_F(HelpWindowTest, BackReturnsFromAnAnchorOnlyOnce) {
  HelpForm help;
  help.browser()->Navigate(pages_.filePath("other.htm"));
  OpenFixture(help);
  ClickLink(help.browser(), "Read the rules");
  ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_, "rules"));

  Press(help, "Command1");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
  // The other page is still in the history, but the page shown has no "#".
  Press(help, "Command1");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
}

TEST_F(HelpWindowTest, ForwardStepsOnlyFromAnAnchor) {
  HelpForm help;
  OpenFixture(help);
  ClickLink(help.browser(), "Read the rules");
  ClickLink(help.browser(), "To the end");
  ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_, "end"));

  Press(help, "Command1");
  ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_, "rules"));
  Press(help, "Command2");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_, "end"));

  Press(help, "Command1");
  Press(help, "Command1");
  ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_));
  Press(help, "Command2");  // history ahead, but no "#" here
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
}

TEST_F(HelpWindowTest, ForwardWithNoHistoryAheadIsHarmless) {
  HelpForm help;
  OpenFixture(help);
  ClickLink(help.browser(), "Read the rules");
  Press(help, "Command2");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_, "rules"));
}

TEST_F(HelpWindowTest, AHashInTheFolderNameIsNoAnchor) {
  ASSERT_TRUE(QDir(pages_.path()).mkdir("C#games"));
  const QByteArray folder = QFile::encodeName(pages_.filePath("C#games"));
  QFile::copy(fixture_, HelpPageAddress(folder));
  HelpForm help;
  help.browser()->Navigate(pages_.filePath("other.htm"));
  help.setTag(HelpPageAddress(folder));
  help.show();
  QApplication::setActiveWindow(&help);
  ASSERT_TRUE(help.browser()->toPlainText().contains("Fixture"));
  Press(help, "Command1");
  EXPECT_EQ(help.browser()->source(), QUrl::fromLocalFile(HelpPageAddress(folder)));
}

TEST_F(HelpWindowTest, EveryActivationShowsThePageFromItsTop) {
  Form1 form;
  form.show();
  HelpForm help;
  OpenFixture(help);
  ClickLink(help.browser(), "Read the rules");
  ClickLink(help.browser(), "To the end");
  QScrollBar* scroll = help.browser()->verticalScrollBar();
  ASSERT_GT(scroll->value(), 0);

  QApplication::setActiveWindow(&form);
  EXPECT_GT(scroll->value(), 0);  // leaving the window changes nothing
  QApplication::setActiveWindow(&help);
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
  EXPECT_EQ(scroll->value(), 0);
}

TEST_F(HelpWindowTest, ActivationLoadsThePageAgain) {
  HelpForm help;
  OpenFixture(help);
  WritePage("help.htm", "<html><body><p>A newer page.</p></body></html>");
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(&help);
  EXPECT_TRUE(help.browser()->toPlainText().contains("A newer page."));
}

TEST_F(HelpWindowTest, ExitOrEscapeHidesAndTheNextHelpShowsTheSameWindow) {
  Form1 form;
  form.show();
  form.Helpx_Click();
  HelpForm* help = form.helpForm();
  ASSERT_NE(help, nullptr);
  Press(*help, "Command3");
  EXPECT_FALSE(help->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(form.helpForm(), help);

  form.Helpx_Click();
  EXPECT_EQ(form.helpForm(), help);
  EXPECT_TRUE(help->isVisible());

  QApplication::setActiveWindow(help);
  QTest::keyClick(help->browser(), Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());
  form.Helpx_Click();
  EXPECT_EQ(form.helpForm(), help);
}

TEST_F(HelpWindowTest, CloseBoxUnloadsAndTheNextHelpBuildsAFreshWindow) {
  Form1 form;
  form.show();
  form.Helpx_Click();
  QPointer<HelpForm> first = form.helpForm();
  ASSERT_TRUE(first->close());
  EXPECT_FALSE(first->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(form.helpForm(), nullptr);

  form.Helpx_Click();
  ASSERT_NE(form.helpForm(), nullptr);
  EXPECT_TRUE(form.helpForm()->isVisible());
}

// The view was sized from the outer size before the window system had framed the window,
// and never again until the user resized it: 33 pixels stayed empty under the page.
TEST_F(HelpWindowTest, TheViewLeavesTwoPixelsBesideAndBelowThePageAtEverySize) {
  HelpForm help;
  if (help.logicalDpiX() != 96 || help.logicalDpiY() != 96) GTEST_SKIP() << "needs 96 dpi";
  help.show();
  // 15 twips to the pixel: the view stands at (2, 28) and leaves 2 pixels right and below.
  EXPECT_EQ(help.browser()->geometry(), QRect(2, 28, 475, 345));
  for (const QSize client : {QSize(596, 437), QSize(1000, 700), QSize(200, 100)}) {
    help.resize(client);
    EXPECT_EQ(help.browser()->geometry(),
              QRect(2, 28, client.width() - 4, client.height() - 30)) << client.width();
  }
  help.hide();
  help.resize(640, 480);
  help.show();
  EXPECT_EQ(help.browser()->geometry(), QRect(2, 28, 636, 450));
  EXPECT_EQ(help.findChild<QPushButton*>("Command3")->pos(), QPoint(150, 2));
}

TEST_F(HelpWindowTest, TooSmallAWindowKeepsTheViewsHeight) {
  HelpForm help;
  help.show();
  if (help.logicalDpiX() != 96 || help.logicalDpiY() != 96) GTEST_SKIP() << "needs 96 dpi";
  const int heightBefore = help.browser()->height();
  // 29 pixels high is 435 twips, less than the 450 the view's height is measured from.
  help.resize(100, 29);
  EXPECT_EQ(help.browser()->size(), QSize(96, heightBefore));
}

// With the page scrolled down, a click on plain text that activated the window brought the
// page to its top and then followed the link that had come under the pointer.
TEST_F(HelpWindowTest, TheClickThatActivatesTheWindowOnlyBringsThePageToItsTop) {
  Form1 form;
  form.show();
  HelpForm help;
  help.move(0, form.frameGeometry().bottom() + 10);  // the pointer over the page is over it alone
  OpenFixture(help);
  QTextCursor link = help.browser()->document()->find("The other page");
  link.setPosition((link.selectionStart() + link.selectionEnd()) / 2);
  const QPoint overLinkAtTop = help.browser()->cursorRect(link).center();
  QWidget* page = help.browser()->viewport();

  // The activation comes before the press, as under a window manager that activates on
  // press; between press and release, or after the release of a quick click, as without
  // one, where the program activates the window itself once it is clicked.
  for (const int activationAfter : {0, 1, 2}) {  // how many of press and release
    help.browser()->Navigate(fixture_);
    ClickLink(help.browser(), "Read the rules");
    ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_, "rules"));
    ASSERT_TRUE(help.browser()->anchorAt(overLinkAtTop).isEmpty());
    QApplication::setActiveWindow(&form);
    QTest::mouseMove(page, overLinkAtTop);  // the pointer comes to rest over the page
    if (activationAfter == 0) QApplication::setActiveWindow(&help);
    QTest::mousePress(page, Qt::LeftButton, {}, overLinkAtTop);
    if (activationAfter == 1) QApplication::setActiveWindow(&help);
    QTest::mouseRelease(page, Qt::LeftButton, {}, overLinkAtTop);
    if (activationAfter == 2) QApplication::setActiveWindow(&help);
    EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_)) << activationAfter;
    EXPECT_EQ(help.browser()->verticalScrollBar()->value(), 0) << activationAfter;
    // The next click, even with the pointer still where it was, follows the link as usual.
    QTest::mouseClick(page, Qt::LeftButton, {}, overLinkAtTop);
    EXPECT_EQ(help.browser()->LocationURL(), Location(pages_.filePath("other.htm")))
        << activationAfter;
  }

  // So does the first click after an activation that found the pointer elsewhere, once it
  // has come onto the page, moving or jumping there.
  for (const bool jump : {false, true}) {
    QEvent away(QEvent::Leave);  // the pointer goes over to the main window
    QCoreApplication::sendEvent(page, &away);
    QApplication::setActiveWindow(&form);
    QApplication::setActiveWindow(&help);
    ASSERT_EQ(help.browser()->LocationURL(), Location(fixture_));
    if (jump) {
      QEnterEvent entry(overLinkAtTop, overLinkAtTop, page->mapToGlobal(overLinkAtTop));
      QCoreApplication::sendEvent(page, &entry);
      QTest::mouseClick(page, Qt::LeftButton, {}, overLinkAtTop);
    } else {
      ClickLink(help.browser(), "The other page");
    }
    EXPECT_EQ(help.browser()->LocationURL(), Location(pages_.filePath("other.htm"))) << jump;
  }
}

TEST_F(HelpWindowTest, MissingPageIsReportedInsideTheWindow) {
  const QString missing = pages_.filePath("gone <b>&</b>/vorn.htm");
  HelpForm help;
  help.setTag(missing);
  help.show();
  QApplication::setActiveWindow(&help);
  const QString shown = help.browser()->toPlainText();
  EXPECT_TRUE(shown.contains("Page not found")) << shown.toStdString();
  EXPECT_TRUE(shown.contains(missing)) << shown.toStdString();
  EXPECT_EQ(help.browser()->LocationURL(), Location(missing));
}

TEST_F(HelpWindowTest, ForeignLinksAreNeverOpenedInside) {
  LinkRecorder desktop({"https", "ftp"});
  HelpForm help;
  OpenFixture(help);
  QSignalSpy foreign(help.browser(), &HelpBrowser::foreignLinkRequested);

  ClickLink(help.browser(), "On the web");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
  EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl("https://example.org/more")});

  // Schemes other than the web's and mail's are ignored altogether.
  ClickLink(help.browser(), "By file transfer");
  EXPECT_EQ(help.browser()->LocationURL(), Location(fixture_));
  EXPECT_EQ(desktop.opened.size(), 1);
  EXPECT_EQ(foreign.count(), 2);
  EXPECT_TRUE(help.browser()->toPlainText().contains("Fixture"));
}

TEST_F(HelpWindowTest, LocalLinksOpenInside) {
  HelpForm help;
  OpenFixture(help);
  ClickLink(help.browser(), "The other page");
  EXPECT_EQ(help.browser()->LocationURL(), Location(pages_.filePath("other.htm")));
  EXPECT_TRUE(help.browser()->toPlainText().contains("The other page."));
}

// The page the program ships, as placed beside the program in the build folder.
class ShippedHelpPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile file(VORN_BUILT_HELP_PAGE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << VORN_BUILT_HELP_PAGE;
    html_ = QString::fromUtf8(file.readAll());
  }
  QString html_;
};

TEST_F(ShippedHelpPageTest, EveryLinkLeadsToAPlaceOnThePage) {
  HelpForm help;
  help.setTag(VORN_BUILT_HELP_PAGE);
  help.show();
  QApplication::setActiveWindow(&help);
  QStringList anchors;
  QStringList links;
  for (QTextBlock block = help.browser()->document()->begin(); block.isValid();
       block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      anchors << format.anchorNames();
      if (!format.anchorHref().isEmpty()) links << format.anchorHref();
    }
  }
  EXPECT_GE(links.size(), 7);  // at least the table of contents
  for (const QString& link : links) {
    ASSERT_TRUE(link.startsWith('#')) << link.toStdString();
    EXPECT_TRUE(anchors.contains(link.mid(1))) << link.toStdString();
  }
}

TEST_F(ShippedHelpPageTest, NeedsNothingFromOutside) {
  for (const char* outside : {"<script", "src=", "<link", "<iframe", "url(", "http:", "https:"}) {
    EXPECT_FALSE(html_.contains(outside, Qt::CaseInsensitive)) << outside;
  }
}

}  // namespace
}  // namespace vorn::testing

#include "help_window_test.moc"
