// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: the board's drawing surface, the menu bar and the turn indicator. It
// carries the game through the window services and hands every mouse release and menu
// command to the game, behind an error boundary: the game's run-time errors must not unwind
// into Qt's event loop.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "computer/levels.h"
#include "game/window_services.h"
#include "storage/player_session.h"
#include "ui/search_threads.h"

class QAction;
class QMenu;
class QMessageBox;
class BoardSurface;
class AboutForm;
class HelpForm;

class Form1 : public QMainWindow, public vorn::WindowServices {
  Q_OBJECT

 public:
  // Builds the window and runs the game's start-up on it.
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // From now on the window keeps the player's files: the stored settings and the saved game
  // are put back now (what could not be read is said once, when the event loop runs), the
  // game is saved after every event and the settings whenever they change. The program
  // calls it once after building the window; a window without it touches no file.
  void resumeSession();

  // Window services.
  void SetCaption(const std::string& caption) override;
  void SetOuterSize(vorn::Single widthTwips, vorn::Single heightTwips) override;
  void SetEnabled(bool enabled) override;
  void SetBackColor(vorn::Color color) override;
  void SetDrawWidth(vorn::Integer pixels) override;
  void Polygon(const vorn::Outline& points, vorn::Color fillColor,
               vorn::Integer fillStyle) override;
  void Cls() override;
  void Refresh() override;
  vorn::Single TwipsPerPixelX() const override;
  vorn::Single TwipsPerPixelY() const override;
  void SetMenuEnabled(vorn::MenuItem item, bool enabled) override;
  void SetMenuChecked(vorn::MenuItem item, bool checked) override;
  void SetIndicatorColor(vorn::Integer side, vorn::Color color) override;
  void MessageBox(const std::string& prompt) override;
  bool StartSearch(const vorn::SearchRequest& request) override;

  BoardSurface* surface() const { return surface_; }
  QAction* menuAction(vorn::MenuItem item) const;
  // The outer size in pixels the game asked for, frame and menu bar included.
  QSize requestedOuterSize() const { return requestedOuter_; }
  // The help and About windows, while they are loaded.
  HelpForm* helpForm() const;
  AboutForm* aboutForm() const { return aboutForm_; }
  // The "Level" menu's item of a level, and the "Hint" command.
  QAction* levelAction(vorn::Level level) const;
  QAction* hintAction() const { return hintAction_; }
  // "Take Back" in the "Vorn" menu, and "Mark Last Move" at the end of the "Level" menu.
  QAction* takeBackAction() const { return takeBackAction_; }
  QAction* markLastMoveAction() const { return markLastMoveAction_; }
  // The cell the keyboard plays, or 0 while its frame is not shown.
  vorn::Integer keyFocusCell() const { return keyFocusShown_ ? keyFocus_ : 0; }
  // The engine's searches started in workers and not yet answered.
  int searchesRunning() const { return searchesRunning_; }

 public slots:
  void Helpx_Click();
  void Aboutx_Click();
  void Exitx_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildMenus();
  void buildControls();
  // The "Level" menu, after "Size", and the "Hint" command at the end of the "Vorn" menu.
  void buildLevelMenu();
  void addHintCommand(QMenu* vornMenu);
  void addTakeBackCommand(QMenu* vornMenu);
  void addMarkLastMoveItem();
  // A button release on the board at (x, y) twips, from the mouse or the keyboard.
  void releaseOnBoard(vorn::Integer button, vorn::Integer shift, vorn::Single x, vorn::Single y);
  void playFromKeyboard(vorn::Integer button);
  // The marks the window draws over the board, read from the game.
  void showMarks();
  // Says what the player's files had to tell, if anything, once the window stands.
  void tell(const std::string& notice);
  void showLater(const std::string& text);
  // After every command, click and answer: the board takes input unless RED's reply is
  // being searched for, "Hint" and "Take Back" are enabled when they can act, the marks over
  // the board show what holds and the level's check mark is on the level in force.
  void followGame();
  void answerSearch(const vorn::SearchAnswer& answer);
  // An item of the "Vorn" or "Size" menu, which runs the game's command of that name.
  QAction* addCommand(QMenu* menu, vorn::MenuItem item);
  void addBarCommand(vorn::MenuItem item, void (Form1::*command)());
  // Runs a handler behind the game's error boundary; ends the program when the game cannot
  // go on.
  void runGuarded(const std::function<void()>& handler);
  void applyOuterSize();
  void placeIndicators();
  QRectF indicatorRect(int side) const;
  void closeOtherWindows();
  // Shows a message box inside this window, below the board, until it is answered.
  void showInside(QMessageBox& box);

  BoardSurface* surface_ = nullptr;
  QMenu* sizeMenu_ = nullptr;
  QAction* actions_[vorn::kMenuItemCount] = {};
  QSize requestedOuter_;
  QSize messageRoom_;  // the strip below the board while a message stands inside the window
  QPointer<HelpForm> helpForm_;   // a window of its own, deleted when it is closed
  AboutForm* aboutForm_ = nullptr;  // a child of this window, kept once loaded
  bool closed_ = false;
  QMenu* levelMenu_ = nullptr;
  QAction* hintAction_ = nullptr;
  int searchesRunning_ = 0;
  QAction* takeBackAction_ = nullptr;
  QAction* markLastMoveAction_ = nullptr;
  int messagesWaiting_ = 0;  // message boxes standing, nested in each other
  vorn::Integer keyFocus_ = 1;
  bool keyFocusShown_ = false;
  vorn::storage::PlayerSession session_;
  vorn::SearchThreads searches_;  // last, so that it closes before anything else goes
};
