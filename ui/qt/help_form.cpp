// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window.
#include "ui/qt/help_form.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocument>
#include <algorithm>
#include <climits>

#include "app/install_layout.h"
#include "ui/help_layout.h"
#include "ui/qt/twips.h"
#include "ui/shared/front_end_rules.h"

namespace vorn {

namespace {

constexpr char kHelpPageName[] = "vorn.htm";

using namespace help_layout;

// A plain path is taken literally, so a "#" in a folder name stays part of the path.
QUrl AddressToUrl(const QString& address) {
  const QUrl url(address);
  if (url.scheme().isEmpty()) return QUrl::fromLocalFile(address);
  return url;
}

bool IsReadableFile(const QUrl& url) {
  const QFileInfo file(url.toLocalFile());
  return file.isFile() && file.isReadable();
}

QString PageNotFound(const QUrl& url) {
  return QStringLiteral(
             "<html><body><h2>Page not found</h2>"
             "<p>The help page could not be opened:</p><p><tt>%1</tt></p>"
             "<p>It belongs in the same folder as the program.</p></body></html>")
      .arg(url.toLocalFile().toHtmlEscaped());
}

// The page in `folder`, joined by one "/": the root already ends in one.
QByteArray PageInFolder(const QByteArray& folder) {
  return folder.endsWith('/') ? folder + kHelpPageName : folder + '/' + kHelpPageName;
}

// Cleans a path of bytes as QDir::cleanPath does a text. Read as Latin-1, every byte is one
// character and comes back unchanged; cleaning needs no more than "/" and ".".
QByteArray CleanPath(const QByteArray& path) {
  return QDir::cleanPath(QString::fromLatin1(path)).toLatin1();
}

bool IsFile(const QByteArray& path) {
  struct stat status {};
  return ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

// A name by which Qt opens the file at `path`. Qt names files by text, read from the bytes
// as UTF-8; when the bytes are no UTF-8 the text names another file. The file is then named
// through a descriptor of its folder, held open for the rest of the run, whose name in
// /proc/self/fd is plain.
QString ReachableName(const QByteArray& path) {
  const QString name = QFile::decodeName(path);
  if (QFile::encodeName(name) == path) return name;
  static QHash<QByteArray, int> openFolders;
  const qsizetype slash = path.lastIndexOf('/');
  const QByteArray folder = slash > 0 ? path.left(slash) : QByteArray("/");
  int descriptor = openFolders.value(folder, -1);
  if (descriptor < 0) {
    descriptor = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return name;
    openFolders.insert(folder, descriptor);
  }
  return QStringLiteral("/proc/self/fd/%1/%2")
      .arg(descriptor)
      .arg(QFile::decodeName(path.mid(slash + 1)));
}

// Only the web and mail are worth handing to the desktop; any other scheme is ignored.
bool OpensOnTheDesktop(const QUrl& url) {
  const QString scheme = url.scheme();
  return scheme == "http" || scheme == "https" || scheme == "mailto";
}

}  // namespace

QByteArray ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || length == static_cast<ssize_t>(sizeof path)) {
    return QFile::encodeName(QCoreApplication::applicationDirPath());
  }
  const QByteArray program(path, length);
  return program.left(std::max<qsizetype>(program.lastIndexOf('/'), 1));
}

QString HelpPageAddress(const QByteArray& programFolder) {
  const QByteArray beside = PageInFolder(programFolder);
  if (IsFile(beside)) return ReachableName(beside);
  const QByteArray installed =
      PageInFolder(CleanPath(programFolder + '/' + kDataFolderFromProgram));
  if (IsFile(installed)) return ReachableName(installed);
  return QFile::decodeName(beside);  // where the window then reports it missing
}

std::optional<double> BrowserExtent(double clientTwips, double marginTwips) {
  const double extent = clientTwips - marginTwips;
  if (extent < 0) return std::nullopt;
  return extent;
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(true);
  setOpenExternalLinks(false);
}

void HelpBrowser::Navigate(const QString& address) {
  const QUrl url = AddressToUrl(address);
  if (url == source()) {
    reload();
  } else {
    setSource(url);
  }
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  const QUrl target = name.isRelative() ? source().resolved(name) : name;
  if (target.isEmpty() || target.isLocalFile()) {
    QTextBrowser::doSetSource(name, type);
    return;
  }
  if (OpensOnTheDesktop(target)) QDesktopServices::openUrl(target);
  emit foreignLinkRequested(target);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (type == QTextDocument::HtmlResource && url.isLocalFile() && !IsReadableFile(url)) {
    return PageNotFound(url);
  }
  return QTextBrowser::loadResource(type, name);
}

ActivatingClickFilter::ActivatingClickFilter(QWidget* window)
    : QObject(window), window_(window) {}

void ActivatingClickFilter::watch(QWidget* widget) { widget->installEventFilter(this); }

void ActivatingClickFilter::windowActivated() {
  holdingClick_ = pressed_;
  expectingClick_ = pointerOver_ && !pressed_ && !clickedWhileInactive_;
  clickedWhileInactive_ = false;
}

bool ActivatingClickFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      pointer_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      pressed_ = true;
      holdingClick_ = holdingClick_ || expectingClick_;
      expectingClick_ = false;
      return holdingClick_;
    case QEvent::Enter:
    case QEvent::MouseMove: {
      // The pointer moving after the activation means a click of its own will follow. A
      // move or an entry that leaves it where it was (a window system may send one) does
      // not. Positions are compared within one window only: where the window system gives
      // no global ones, each window has its own.
      const QPoint at = static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint();
      if (at != pointer_) expectingClick_ = false;
      pointer_ = at;
      pointerOver_ = true;
      return holdingClick_ && event->type() == QEvent::MouseMove;
    }
    case QEvent::Leave:
      pointerOver_ = false;
      expectingClick_ = false;
      return false;
    case QEvent::MouseButtonRelease:
      pressed_ = false;
      if (!window_->isActiveWindow()) clickedWhileInactive_ = true;
      if (!holdingClick_) return false;
      holdingClick_ = false;
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace vorn

HelpForm::HelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpForm");
  setWindowTitle("Vorn Help");
  // Closing the window unloads it; the next "Help" builds a fresh one.
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  resize(vorn::TwipsToPixels(*this, vorn::kClientWidth, vorn::kClientHeight));
}

void HelpForm::buildControls() {
  Command1 = addButton("Command1", "Back", vorn::kBackLeft);
  Command2 = addButton("Command2", "Forward", vorn::kForwardLeft);
  Command3 = addButton("Command3", "Exit", vorn::kExitLeft);
  connect(Command1, &QPushButton::clicked, this, &HelpForm::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &HelpForm::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &HelpForm::Command3_Click);

  WebBrowser1 = new vorn::HelpBrowser(this);
  WebBrowser1->setObjectName("WebBrowser1");
  WebBrowser1->setGeometry(vorn::TwipsToPixels(*this, vorn::kBrowserLeft, vorn::kBrowserTop,
                                               vorn::kBrowserWidth, vorn::kBrowserHeight));

  // Escape closes the window as "Exit" does.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &HelpForm::Command3_Click);

  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);
  setTabOrder(Command3, WebBrowser1);

  pageClicks_ = new vorn::ActivatingClickFilter(this);
  pageClicks_->watch(WebBrowser1->viewport());
  pageClicks_->watch(WebBrowser1->verticalScrollBar());
  pageClicks_->watch(WebBrowser1->horizontalScrollBar());
}

QPushButton* HelpForm::addButton(const char* name, const QString& caption,
                                 double leftTwips) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  QFont font("Arial");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setWeight(QFont::Normal);
  button->setFont(font);
  button->setAutoDefault(false);
  button->setGeometry(vorn::TwipsToPixels(*this, leftTwips, vorn::kButtonTop, vorn::kButtonWidth,
                                          vorn::kButtonHeight));
  return button;
}

// "Back" and "Forward" only step through the history while the page shown was reached
// through a link to an anchor (ReachedThroughAnchor).
bool HelpForm::onAnchorPage() const {
  const std::u16string address = WebBrowser1->LocationURL().toStdU16String();
  return vorn::ReachedThroughAnchor(std::u16string_view(address));
}

void HelpForm::Command1_Click() {
  if (onAnchorPage()) WebBrowser1->GoBack();
}

void HelpForm::Command2_Click() {
  if (onAnchorPage()) WebBrowser1->GoForward();
}

// "Exit" only hides the window, so the next "Help" shows the same one again.
void HelpForm::Command3_Click() { hide(); }

bool HelpForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Form_Activate();
    pageClicks_->windowActivated();
  }
  return QWidget::event(event);
}

// Every activation shows the help page from its top.
void HelpForm::Form_Activate() { WebBrowser1->Navigate(tag_); }

void HelpForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Form_Resize();
}

void HelpForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

// The view follows the window's client area, which is known at every showing, before the
// window system has framed the window as well as after; its left and top stay put, and a
// side the window is too small for keeps its last value.
void HelpForm::Form_Resize() {
  const double twipsX = vorn::TwipsPerPixelX(*this);
  const double twipsY = vorn::TwipsPerPixelY(*this);
  QSize view = WebBrowser1->size();
  if (const auto width = vorn::BrowserExtent(this->width() * twipsX, vorn::kBrowserWidthMargin)) {
    view.setWidth(qRound(*width / twipsX));
  }
  if (const auto height =
          vorn::BrowserExtent(this->height() * twipsY, vorn::kBrowserHeightMargin)) {
    view.setHeight(qRound(*height / twipsY));
  }
  WebBrowser1->resize(view);
}

void HelpForm::closeEvent(QCloseEvent* event) {
  hide();
  event->accept();
}
