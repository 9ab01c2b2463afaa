// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window of the Windows program: the board's persistent bitmap, the menu bar and
// the turn indicator. It carries the game through the window services and hands every mouse
// release and menu command to the game behind the error boundary: the game's run-time
// errors must not unwind through Windows' message dispatch.
//
// The window is aware of each monitor's DPI. The game's pixels are those of an unscaled
// screen; the window scales them to its monitor when it draws and sizes itself, and scales
// the mouse back, so the board is crisp at any display scale and every click meets the cell
// under the pointer. Where the board at the monitor's scale would not fit the work area, the
// board alone is drawn smaller (board_fit.h): its drawing, its marks and the mouse share the
// one board scale, while the frame and the menu bar keep the monitor's.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "game/window_services.h"
#include "play/mouse_input.h"
#include "storage/player_session.h"
#include "ui/search_threads.h"
#include "ui/win32/board_bitmap.h"
#include "ui/win32/keyboard_focus.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/window_procedure.h"

namespace vorn::win32 {

class HelpForm;

class Form1 final : public WindowServices, private WindowProcedureTarget {
 public:
  // Creates the window, hidden, and runs the game's start-up on it.
  explicit Form1(HINSTANCE instance);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND Handle() const { return window_; }
  void Show(int showCommand);
  // Whether a message belongs to a dialog-like window of the program (the help window's
  // buttons take Tab and Enter), which has then handled it.
  bool HandleDialogMessage(MSG& message);
  // Whether a message is a keyboard shortcut of the main window (H for "Hint", Ctrl+Z for
  // "Take Back"), which has then been sent to it as its command.
  bool TranslateShortcut(MSG& message);
  // The status the program ends with: 0, or 1 once the game stopped on a fault.
  int ExitStatus() const { return exitStatus_; }

  // Window services.
  void SetCaption(const std::string& caption) override;
  void SetOuterSize(Single widthTwips, Single heightTwips) override;
  void SetEnabled(bool enabled) override;
  void SetBackColor(Color color) override;
  void SetDrawWidth(Integer pixels) override;
  void Polygon(const Outline& points, Color fillColor, Integer fillStyle) override;
  void Cls() override;
  void Refresh() override;
  Single TwipsPerPixelX() const override;
  Single TwipsPerPixelY() const override;
  void SetMenuEnabled(MenuItem item, bool enabled) override;
  void SetMenuChecked(MenuItem item, bool checked) override;
  void SetIndicatorColor(Integer side, Color color) override;
  void MessageBox(const std::string& prompt) override;
  bool StartSearch(const SearchRequest& request) override;

  // The commands on the menu bar that are the window's own.
  void Helpx_Click();
  void Aboutx_Click();
  void Exitx_Click();

 private:
  void WindowCreated(HWND window) override;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowDestroyed() override;
  void OnPaint();
  void PaintClient(HDC dc, const RECT& area);
  void OnCommand(UINT id);
  void OnMouseRelease(Integer button, WPARAM keys, LPARAM position);
  // A release at (x, y) twips, from the mouse or the keyboard.
  void PlayRelease(Integer button, Integer shift, Single x, Single y);
  // The keyboard's play: whether the key was the board's.
  bool OnKey(UINT message, WPARAM key, LPARAM flags);
  void PlayFocusedCell(Integer button);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  double MonitorScale() const;
  void OnDestroy();
  // The commands of the player's aids, which are not items of the game's own menus.
  bool OnAidCommand(UINT id);
  bool TakeBackChoosable() const;
  // A worker's answer, posted to the window's thread.
  void OnSearchAnswered(LPARAM answer);
  // After every command, click and answer: the aids' menu items, and the marks over the
  // board.
  void FollowGame();
  // What the player must be told of the settings and the saved game, if anything.
  void Tell(const std::string& notice);

  // The marks the window draws over the board, never into the game's drawing, each by the
  // cell it stands on (0 for none): they are read from the game, and kept here so that a
  // mark that moves is erased where it stood.
  struct BoardMarks {
    Integer hint = 0;
    Integer lastMove = 0;
    Integer focus = 0;
  };
  BoardMarks WantedMarks() const;
  void ShowMarks(const BoardMarks& wanted);
  void PaintMarks(HDC dc) const;
  void InvalidateCell(Integer cell);
  // A cell's click box, and the ring of the hint around its middle, in device pixels.
  RECT CellBoxRect(Integer cell) const;
  RECT CircleRect(const TwipCircle& circle) const;
  // Runs a handler behind the game's error boundary; ends the program when the game cannot
  // go on.
  void RunGuarded(const std::function<void()>& handler);
  // Sizes the window on `monitor` as the game asked, the board drawn at the largest scale up
  // to the monitor's at which the window fits the work area.
  void ApplyOuterSize(HMONITOR monitor, int left, int top, UINT flags);
  void SetBoardScale(double scale);
  void KeepInWorkArea(HMONITOR monitor);
  void FitBitmapToClient();
  RECT IndicatorRect(int side) const;
  // A position of the client area in device pixels, as twips of the game, and back: the
  // mouse and every drawing over the board go through these, at the board's scale.
  Single ToTwipsX(int devicePixels) const;
  Single ToTwipsY(int devicePixels) const;
  double ToDeviceX(Single twips) const;
  double ToDeviceY(Single twips) const;

  HINSTANCE instance_;
  HWND window_ = nullptr;
  MenuBar menus_;
  BoardBitmap bitmap_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;  // the monitor's
  // Device pixels per game pixel in the client area: the monitor's DPI / 96, or less where
  // the board would not fit the work area so.
  double boardScale_ = 1.0;
  bool movedByHand_ = false;  // the player drags the window
  // The outer size the game asked for, in game pixels (twips over the game's twips per pixel).
  double outerWidth_ = 0;
  double outerHeight_ = 0;
  std::array<COLORREF, 2> indicator_{};
  std::unique_ptr<HelpForm> helpForm_;
  int exitStatus_ = 0;
  HACCEL shortcuts_ = nullptr;
  BoardMarks marks_;
  KeyboardFocus focus_;
  bool contextKeyTaken_ = false;  // Shift+F10 played: its F10 must not open the menu bar
  int messagesWaiting_ = 0;       // message boxes up, each waiting for the player
  storage::PlayerSession session_;
  std::string startNotice_;  // told once the window shows
  // Last, so that it closes before the rest of the window goes.
  SearchThreads searches_;
};

// The game's 0xRRGGBB as a GDI colour.
COLORREF ToColorRef(Color color);

}  // namespace vorn::win32
