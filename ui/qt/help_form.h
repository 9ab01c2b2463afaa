// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: the help page "vorn.htm", found beside the program or in the installed
// tree's data folder, in an HTML view, with "Back", "Forward" and "Exit" buttons above it.
// It is modeless and resizable, and the main window stays usable while it is open.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <optional>

class QPushButton;

namespace vorn {

// The folder of the running program, in the bytes the system names it by.
QByteArray ProgramFolder();

// The address of the help page for a program living in `programFolder`: the page beside the
// program, as in a build folder; else the page in the data folder of the installed tree,
// found from the program's folder (kDataFolderFromProgram), so the tree can be moved whole;
// else, when neither exists, the address beside the program. Folder and page are joined by
// exactly one "/". Any bytes may name the folder: where they are no UTF-8, which Qt would
// read wrongly, the page is reached through the folder's open descriptor instead.
QString HelpPageAddress(const QByteArray& programFolder);

// One side of the HTML view for a help window whose client area measures `clientTwips` on
// that side: the client side less `marginTwips`. No value when the window is too small for
// any view, in which case the view keeps its side.
std::optional<double> BrowserExtent(double clientTwips, double marginTwips);

// The HTML view of the help window. It only ever shows local files; a link to anything
// else is handed to the desktop (web and mail links) or ignored, and a page that cannot be
// read is shown as a short "page not found" text.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(QWidget* parent = nullptr);

  // Shows the page at `address`: a local path or a file URL, possibly with a fragment.
  // Showing the page already shown loads it again and scrolls it to its top.
  void Navigate(const QString& address);
  void GoBack() { backward(); }
  void GoForward() { forward(); }
  // The address of the page shown, as text; empty before the first page.
  QString LocationURL() const { return source().toString(); }

  QVariant loadResource(int type, const QUrl& name) override;

 signals:
  // A link that leaves the local files was followed; it was not opened here.
  void foreignLinkRequested(const QUrl& url);

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
};

// Keeps the click that activated `window` from the widgets it watches, whose content the
// activation has just changed under the pointer; later clicks pass as usual. That click may
// come whole before the activation (it met the widgets as they were, and nothing is to be
// done), its press may come before it (the press under way then is that click's), or it may
// come after it (the press that follows, with the pointer resting over the widgets since
// the activation, is).
class ActivatingClickFilter : public QObject {
 public:
  explicit ActivatingClickFilter(QWidget* window);
  void watch(QWidget* widget);
  // Call on every activation of the window.
  void windowActivated();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool pointerOver_ = false;
  QPoint pointer_;  // where the pointer was last seen over the widgets
  bool pressed_ = false;
  bool clickedWhileInactive_ = false;
  bool expectingClick_ = false;
  bool holdingClick_ = false;
};

}  // namespace vorn

class HelpForm : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE setTag)

 public:
  explicit HelpForm(QWidget* parent = nullptr);

  // The address of the help page, set by the opener and shown from its top on every
  // activation. The click that activates the window does nothing more: the page has just
  // moved under the pointer, and whatever lies there now is not what the user aimed at.
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  vorn::HelpBrowser* browser() const { return WebBrowser1; }

 public slots:
  void Command1_Click();  // "Back"
  void Command2_Click();  // "Forward"
  void Command3_Click();  // "Exit"

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  QPushButton* addButton(const char* name, const QString& caption, double leftTwips);
  void Form_Activate();
  void Form_Resize();
  bool onAnchorPage() const;

  QString tag_;
  vorn::ActivatingClickFilter* pageClicks_ = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  vorn::HelpBrowser* WebBrowser1 = nullptr;
};
