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
  void ShowHint(vorn::Integer cell) override;

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
  // The engine's searches started in workers and not yet answered.
  int searchesRunning() const { return searchesRunning_; }

 signals:
  // A worker's answer has been handed to the game (which drops it if it is stale).
  void searchAnswered();

 public slots:
  void Helpx_Click();
  void Aboutx_Click();
  void Exitx_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void buildMenus();
  void buildControls();
  // The "Level" menu, after "Size", and the "Hint" command at the end of the "Vorn" menu.
  void buildLevelMenu();
  void addHintCommand(QMenu* vornMenu);
  // After every command, click and answer: the board takes input unless RED's reply is
  // being searched for, "Hint" is enabled when a hint can be asked for, the mark of a hint
  // shows while it holds and the level's check mark is on the level in force.
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
  vorn::SearchThreads searches_;  // last, so that it closes before anything else goes
};
