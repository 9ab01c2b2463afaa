// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window.
#include "ui/qt/form1.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <string>
#include <vector>

#include "computer/reply_search.h"
#include "game/board_queries.h"
#include "game/start_up.h"
#include "play/error_boundary.h"
#include "play/game_commands.h"
#include "play/hint.h"
#include "play/mouse_input.h"
#include "play/take_back.h"
#include "ui/qt/about_form.h"
#include "ui/qt/board_keys.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/help_form.h"
#include "ui/qt/message_box.h"
#include "ui/qt/modal_showing.h"
#include "ui/qt/twips.h"
#include "ui/qt/window_system.h"
#include "ui/shared/front_end_rules.h"

namespace {

QColor ToQColor(vorn::Color color) { return QColor::fromRgb(static_cast<QRgb>(color)); }

vorn::Integer ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return vorn::kLeftButton;
    case Qt::RightButton: return vorn::kRightButton;
    case Qt::MiddleButton: return vorn::kMiddleButton;
    default: return 0;
  }
}

// A rectangle of `width` x `height` pixels centred on `centre`.
QRectF Around(QPointF centre, qreal width, qreal height) {
  return QRectF(centre - QPointF(width / 2, height / 2), QSizeF(width, height));
}

QPointF InPixels(vorn::Single x, vorn::Single y) {
  return QPointF(x / vorn::GameTwipsPerPixelX(), y / vorn::GameTwipsPerPixelY());
}

// The square a circle of the game's stands in, in the board's pixels.
QRectF CircleRect(const vorn::TwipCircle& circle) {
  const QPointF radius = InPixels(circle.radius, circle.radius);
  return Around(InPixels(circle.x, circle.y), 2 * radius.x(), 2 * radius.y());
}

vorn::Integer ShiftMask(Qt::KeyboardModifiers modifiers) {
  return vorn::ModifierMask({.shift = modifiers.testFlag(Qt::ShiftModifier),
                             .ctrl = modifiers.testFlag(Qt::ControlModifier),
                             .alt = modifiers.testFlag(Qt::AltModifier)});
}

// Calls `follow` each time `watched` takes a new size.
class SizeFollower : public QObject {
 public:
  SizeFollower(QWidget& watched, std::function<void()> follow) : follow_(std::move(follow)) {
    watched.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) follow_();
    return false;
  }

 private:
  std::function<void()> follow_;
};

}  // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), searches_([this](vorn::SearchAnswer answer) {
        // On the search's thread: the answer waits in this window's queue, and goes with the
        // window if it closes first.
        QMetaObject::invokeMethod(
            this, [this, answer = std::move(answer)] { answerSearch(answer); },
            Qt::QueuedConnection);
      }) {
  setObjectName("Form1");
  // The size is the board's alone: the window can be minimised and closed, not maximised.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  buildMenus();
  buildControls();
  vorn::AttachWindow(this);
  runGuarded(vorn::Form_Load);
}

Form1::~Form1() {
  searches_.Close();  // no answer may be posted to a window being destroyed
  delete helpForm_;  // it has no owner, and a pending deferred delete may never run
  vorn::AttachWindow(nullptr);
}

void Form1::buildMenus() {
  using vorn::MenuItem;
  QMenu* vornMenu = menuBar()->addMenu(vorn::kVornMenuCaption);
  vornMenu->setObjectName("Vornx");
  addCommand(vornMenu, MenuItem::Restartx);
  addCommand(vornMenu, MenuItem::Presetx);
  addCommand(vornMenu, MenuItem::StartPreset);
  addTakeBackCommand(vornMenu);
  addHintCommand(vornMenu);

  sizeMenu_ = menuBar()->addMenu(vorn::MenuItemCaption(MenuItem::Sizex));
  const char* sizeName = vorn::MenuItemName(MenuItem::Sizex);
  sizeMenu_->setObjectName(sizeName);
  sizeMenu_->menuAction()->setObjectName(sizeName);
  actions_[int(MenuItem::Sizex)] = sizeMenu_->menuAction();
  QAction* square = addCommand(sizeMenu_, MenuItem::Squarex);
  square->setCheckable(true);
  square->setChecked(true);
  addCommand(sizeMenu_, MenuItem::Increasex);
  addCommand(sizeMenu_, MenuItem::Decreasex);
  buildLevelMenu();

  // "Help", "About" and "Exit" are commands on the menu bar itself.
  addBarCommand(MenuItem::Helpx, &Form1::Helpx_Click);
  addBarCommand(MenuItem::Aboutx, &Form1::Aboutx_Click);
  addBarCommand(MenuItem::Exitx, &Form1::Exitx_Click);
}

void Form1::buildLevelMenu() {
  levelMenu_ = menuBar()->addMenu(vorn::kLevelMenuCaption);
  levelMenu_->setObjectName("Levelx");
  auto* group = new QActionGroup(levelMenu_);
  group->setExclusive(true);
  for (const vorn::Level level : vorn::kLevels) {
    QAction* action = levelMenu_->addAction(vorn::LevelCaption(level));
    action->setObjectName(QStringLiteral("Level%1").arg(vorn::LevelName(level)));
    action->setCheckable(true);
    action->setChecked(level == vorn::ComputerLevel());
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, level] {
      runGuarded([level] { vorn::SetComputerLevel(level); });
      tell(session_.KeepLevel(vorn::ComputerLevel()));
    });
  }
  addMarkLastMoveItem();
}

// The dot is the window's own drawing over the board: choosing the item changes nothing in
// the game.
void Form1::addMarkLastMoveItem() {
  levelMenu_->addSeparator();
  markLastMoveAction_ = levelMenu_->addAction(vorn::kMarkLastMoveCaption);
  markLastMoveAction_->setObjectName("MarkLastMovex");
  markLastMoveAction_->setCheckable(true);
  markLastMoveAction_->setChecked(session_.MarkLastMove());
  connect(markLastMoveAction_, &QAction::triggered, this, [this](bool checked) {
    tell(session_.KeepMarkLastMove(checked));
    showMarks();
  });
}

// Taking back while a message box waits would change the game under an event that has not
// ended; the item is disabled then (MessageBox), and refuses even a late trigger.
void Form1::addTakeBackCommand(QMenu* vornMenu) {
  takeBackAction_ = vornMenu->addAction(vorn::kTakeBackCaption);
  takeBackAction_->setObjectName("TakeBackx");
  takeBackAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  takeBackAction_->setEnabled(false);  // until a click has placed stones
  connect(takeBackAction_, &QAction::triggered, this, [this] {
    if (messagesWaiting_ > 0) return;
    runGuarded([] { vorn::TakeBack(); });
  });
}

QAction* Form1::levelAction(vorn::Level level) const {
  return levelMenu_->actions().value(static_cast<int>(level));
}

void Form1::addHintCommand(QMenu* vornMenu) {
  hintAction_ = vornMenu->addAction(vorn::kHintCaption);
  hintAction_->setObjectName("Hintx");
  hintAction_->setShortcut(QKeySequence("H"));
  hintAction_->setEnabled(false);  // until the game has started up
  connect(hintAction_, &QAction::triggered, this, [this] { runGuarded(vorn::Hintx_Click); });
  // The game's state can change without a command of this window (a message box answered),
  // so the item is brought up to date when its menu opens too.
  connect(vornMenu, &QMenu::aboutToShow, this, &Form1::followGame);
}

QAction* Form1::addCommand(QMenu* menu, vorn::MenuItem item) {
  const vorn::MenuCommand command = vorn::GameMenuCommand(item);
  QAction* action = menu->addAction(vorn::MenuItemCaption(item));
  action->setObjectName(vorn::MenuItemName(item));
  actions_[int(item)] = action;
  // The check mark of "Square" is the game's to set, not the click's.
  connect(action, &QAction::triggered, this, [this, action, command] {
    const bool checked = action->isChecked();
    if (action->isCheckable()) action->setChecked(!checked);
    runGuarded(command);
  });
  return action;
}

void Form1::addBarCommand(vorn::MenuItem item, void (Form1::*command)()) {
  QAction* action = menuBar()->addAction(vorn::MenuItemCaption(item));
  action->setObjectName(vorn::MenuItemName(item));
  actions_[int(item)] = action;
  connect(action, &QAction::triggered, this, [this, command] {
    runGuarded([this, command] { (this->*command)(); });
  });
}

void Form1::buildControls() {
  surface_ = new BoardSurface(this);
  surface_->setObjectName("BoardSurface");
  setCentralWidget(surface_);
  surface_->onMouseRelease = [this](QMouseEvent* event) {
    const vorn::Integer button = ButtonCode(event->button());
    if (button == 0) return;
    keyFocusShown_ = false;  // the mouse plays: the board looks as it does without keys
    const QPointF at = event->position();
    releaseOnBoard(button, ShiftMask(event->modifiers()),
                   static_cast<vorn::Single>(at.x()) * vorn::GameTwipsPerPixelX(),
                   static_cast<vorn::Single>(at.y()) * vorn::GameTwipsPerPixelY());
  };
}

void Form1::releaseOnBoard(vorn::Integer button, vorn::Integer shift, vorn::Single x,
                           vorn::Single y) {
  if (vorn::AwaitingReply()) {
    showMarks();
    return;
  }
  runGuarded([=] { vorn::Form_MouseUp(button, shift, x, y); });
}

// The keys play where the frame stands, as a release in the middle of that cell's click box
// would. Enter and Space first show the frame when it is hidden, so that no stone goes on a
// cell the player has not seen; the Menu key needs no cell for the computer's opening.
void Form1::keyPressEvent(QKeyEvent* event) {
  if (keyFocus_ > vorn::CellsOnBoard()) keyFocus_ = 1;
  const vorn::BoardKey key = vorn::ReadBoardKey(event->key(), event->modifiers(), keyFocus_,
                                                vorn::CellsPerRow(), vorn::RowsOfBoard());
  switch (key.act) {
    case vorn::BoardKeyAct::kNone:
      QMainWindow::keyPressEvent(event);
      return;
    case vorn::BoardKeyAct::kMove:
      keyFocus_ = key.cell;
      break;
    case vorn::BoardKeyAct::kLeftClick:
      if (keyFocusShown_ && !event->isAutoRepeat()) playFromKeyboard(vorn::kLeftButton);
      break;
    case vorn::BoardKeyAct::kRightClick:
      if (!event->isAutoRepeat()) playFromKeyboard(vorn::kRightButton);
      break;
  }
  event->accept();
  keyFocusShown_ = true;
  showMarks();
}

void Form1::playFromKeyboard(vorn::Integer button) {
  const vorn::TwipPoint middle = vorn::ClickBoxMiddle(keyFocus_);
  releaseOnBoard(button, 0, middle.x, middle.y);
}

QAction* Form1::menuAction(vorn::MenuItem item) const { return actions_[int(item)]; }

HelpForm* Form1::helpForm() const { return helpForm_; }

// --- Window services -------------------------------------------------------------------

void Form1::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

// Sizes and positions are converted with the twips per pixel the game works with, which may
// be fewer than the screen's (see WorkingTwipsPerPixel): the board keeps its pixels.
void Form1::SetOuterSize(vorn::Single widthTwips, vorn::Single heightTwips) {
  requestedOuter_ = QSize(qRound(widthTwips / vorn::GameTwipsPerPixelX()),
                          qRound(heightTwips / vorn::GameTwipsPerPixelY()));
  applyOuterSize();
}

// The game sizes the whole window, frame included; the frame is known only once the window
// system has decorated the window, so the size is applied again when it is.
void Form1::applyOuterSize() {
  if (requestedOuter_.isEmpty()) return;
  const QSize frame = frameGeometry().size() - geometry().size();
  QSize inner = (requestedOuter_ - frame).expandedTo(QSize(1, 1));
  if (!messageRoom_.isEmpty()) {
    inner = QSize(qMax(inner.width(), messageRoom_.width()),
                  inner.height() + messageRoom_.height());
  }
  if (inner != size() || minimumSize() != inner) setFixedSize(inner);
  placeIndicators();
}

void Form1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  applyOuterSize();
  QTimer::singleShot(0, this, &Form1::applyOuterSize);
}

void Form1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  applyOuterSize();
}

void Form1::SetBackColor(vorn::Color color) { surface_->setBackColor(ToQColor(color)); }

void Form1::SetDrawWidth(vorn::Integer pixels) { surface_->setDrawWidth(pixels); }

void Form1::Polygon(const vorn::Outline& points, vorn::Color fillColor, vorn::Integer fillStyle) {
  QPolygon polygon;
  for (int v = 0; v < 6; ++v) polygon << QPoint(points[v].x, points[v].y);
  surface_->drawPolygon(polygon, ToQColor(fillColor), vorn::CheckedFillStyle(fillStyle));
}

void Form1::Cls() { surface_->clear(); }

void Form1::Refresh() { surface_->refresh(); }

void Form1::SetEnabled(bool enabled) { setEnabled(enabled); }

vorn::Single Form1::TwipsPerPixelX() const {
  return static_cast<vorn::Single>(vorn::TwipsPerPixelX(*this));
}

vorn::Single Form1::TwipsPerPixelY() const {
  return static_cast<vorn::Single>(vorn::TwipsPerPixelY(*this));
}

void Form1::SetMenuEnabled(vorn::MenuItem item, bool enabled) {
  if (item == vorn::MenuItem::Sizex) {
    // The submenu itself is disabled, not just its entry on the bar: re-enabling the window
    // re-enables every child widget that was not disabled on its own, and the entry follows
    // its menu.
    sizeMenu_->setEnabled(enabled);
  }
  menuAction(item)->setEnabled(enabled);
}

void Form1::SetMenuChecked(vorn::MenuItem item, bool checked) {
  menuAction(item)->setChecked(checked);
}

QRectF Form1::indicatorRect(int side) const {
  const double twipsX = vorn::GameTwipsPerPixelX();
  const double twipsY = vorn::GameTwipsPerPixelY();
  return QRectF(vorn::kIndicatorLeft / twipsX, vorn::kIndicatorTop[side] / twipsY,
                vorn::kIndicatorSize / twipsX, vorn::kIndicatorSize / twipsY);
}

void Form1::placeIndicators() {
  for (int side = 0; side < 2; ++side) {
    surface_->setIndicator(side, indicatorRect(side), surface_->indicatorColor(side));
  }
}

void Form1::SetIndicatorColor(vorn::Integer side, vorn::Color color) {
  const int checked = vorn::CheckedSide(side);  // before it picks the indicator's place
  surface_->setIndicator(checked, indicatorRect(checked), ToQColor(color));
}

// Once the main window is closed nothing more is shown: the program is ending.
void Form1::MessageBox(const std::string& prompt) {
  if (closed_) return;
  vorn::GameMessageBox box(QString::fromStdString(prompt), this);
  ++messagesWaiting_;
  takeBackAction_->setEnabled(false);
  if (vorn::CanPlaceWindows()) {
    vorn::ShowModal(box);
  } else {
    showInside(box);
  }
  --messagesWaiting_;
}

// Where the program cannot place its windows (Wayland) the compositor put the box over the
// board, mostly over the winning chain, and mapped it anew at each click that brought it back.
// There the message stands inside the window instead, on a strip that the window grows below
// the board for it; the title bar above it names the program.
void Form1::showInside(QMessageBox& box) {
  const bool enabled = isEnabled();
  const int boardBottom = height();
  box.setWindowFlags(Qt::Widget);
  box.setAutoFillBackground(true);
  box.setFocusProxy(box.button(QMessageBox::Ok));
  const SizeFollower follower(box, [this, &box, boardBottom] {
    messageRoom_ = box.size();
    applyOuterSize();
    box.move((width() - box.width()) / 2, boardBottom);
  });
  // A child is disabled with its window, and the box must take the player's answer: the
  // window is enabled but for its menus and board.
  setEnabled(true);
  menuBar()->setEnabled(enabled);
  surface_->setEnabled(enabled);
  vorn::ShowModal(box);
  menuBar()->setEnabled(true);
  surface_->setEnabled(true);
  setEnabled(enabled);
  messageRoom_ = QSize();
  applyOuterSize();
}

// --- The error boundary ----------------------------------------------------------------

void Form1::runGuarded(const std::function<void()>& handler) {
  const vorn::GuardOutcome outcome = vorn::RunGuarded(handler);
  if (!closed_) {
    followGame();
    if (outcome != vorn::GuardOutcome::kStopped) tell(session_.Keep());
  }
  if (outcome != vorn::GuardOutcome::kStopped) return;
  QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(EXIT_FAILURE); },
                            Qt::QueuedConnection);
}

// --- Commands on the menu bar ----------------------------------------------------------

// The help window has no owner, so it stays usable beside the main window.
void Form1::Helpx_Click() {
  if (helpForm_ == nullptr) helpForm_ = new HelpForm;
  helpForm_->setTag(vorn::HelpPageAddress(vorn::ProgramFolder()));
  helpForm_->show();
  helpForm_->raise();
  helpForm_->activateWindow();
}

void Form1::Aboutx_Click() {
  if (aboutForm_ == nullptr) aboutForm_ = new AboutForm(this);
  aboutForm_->update();
  aboutForm_->centreOverOwner();
  vorn::ShowModal(*aboutForm_);
}

// "Exit" closes the main window, which closes the help and About windows first and then
// ends the program. Nothing is asked: the game keeps nothing worth saving.
void Form1::Exitx_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, and every other window goes with it, hidden
  // ones included, and a message or the About window that is open.
  closed_ = true;
  closeOtherWindows();
  event->accept();
  QApplication::quit();
}

// Every other window is found by identity, never by its caption, so a window that happens
// to share the main window's caption is closed all the same.
void Form1::closeOtherWindows() {
  QList<QPointer<QWidget>> others;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this) others << window;
  }
  for (const QPointer<QWidget>& window : others) {
    if (window) window->close();
  }
}

// --- The engine's searches and the hint --------------------------------------------------

// SwitchTurn has disabled the whole window for RED's turn; while the worker searches the
// menus answer again (each item keeps the state the game gave it) and the board alone
// refuses input.
bool Form1::StartSearch(const vorn::SearchRequest& request) {
  ++searchesRunning_;
  searches_.Start(request);
  if (request.purpose == vorn::SearchPurpose::Reply) {
    setEnabled(true);
    surface_->setEnabled(false);
  }
  return true;
}

void Form1::answerSearch(const vorn::SearchAnswer& answer) {
  --searchesRunning_;
  runGuarded([&answer] { vorn::CompleteSearch(answer); });
}

void Form1::followGame() {
  surface_->setEnabled(!vorn::AwaitingReply());
  hintAction_->setEnabled(vorn::HintAvailable());
  takeBackAction_->setEnabled(messagesWaiting_ == 0 && vorn::CanTakeBack());
  showMarks();
  if (QAction* level = levelAction(vorn::ComputerLevel())) level->setChecked(true);
  markLastMoveAction_->setChecked(session_.MarkLastMove());
}

void Form1::showMarks() {
  const vorn::Integer hinted = vorn::HintedCell();
  if (hinted == 0) {
    surface_->setHintMark(QRectF());
  } else {
    surface_->setHintMark(CircleRect(vorn::HintRingOf(hinted)));
  }
  const vorn::Integer marked = session_.MarkLastMove() ? vorn::LastMarkedCell() : 0;
  if (marked == 0) {
    surface_->setMoveMark(QRectF(), QColor());
  } else {
    surface_->setMoveMark(CircleRect(vorn::MarkDotOf(marked)), ToQColor(vorn::kMarkDotColor));
  }
  if (keyFocus_ > vorn::CellsOnBoard()) keyFocus_ = 1;
  if (!keyFocusShown_) {
    surface_->setKeyFocus(QRectF());
  } else {
    const vorn::TwipBox box = vorn::ClickBox(keyFocus_);
    surface_->setKeyFocus(QRectF(InPixels(box.left, box.top), InPixels(box.right, box.bottom)));
  }
}

// --- The player's files ----------------------------------------------------------------

void Form1::resumeSession() {
  std::string notice;
  runGuarded([&] { notice = session_.Resume(); });  // which shows the game resumed
  tell(notice);
}

void Form1::tell(const std::string& notice) {
  if (!notice.empty()) showLater(notice);
}

// Outside any event of the game, once the event loop runs and the window stands.
void Form1::showLater(const std::string& text) {
  QTimer::singleShot(0, this, [this, text] {
    MessageBox(text);
    followGame();
  });
}
