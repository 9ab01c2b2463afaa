// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: the help page "vorn.htm" from the program's folder in Windows' web
// browser control, with "Back", "Forward" and "Exit" buttons above it. It is modeless and
// resizable, has no owner, and the main window stays usable while it is open. Where the
// control cannot be created there is no help window; the page opens in the system's viewer.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/win32/web_browser.h"
#include "ui/win32/window_procedure.h"

namespace vorn::win32 {

// The folder that holds the program, without a trailing backslash unless it is a drive's
// root ("C:\Games\Board", "D:\").
std::wstring ProgramFolder();

// The help page in `folder`: the folder, a backslash unless it already ends in one, and
// "vorn.htm" ("C:\Games\Board\vorn.htm", "D:\vorn.htm").
std::wstring HelpPageAddress(const std::wstring& folder);

// Opens `page` with the system's default handler for it; false when none would open it.
bool OpenInDefaultViewer(HWND owner, const std::wstring& page);

class HelpForm final : private WindowProcedureTarget {
 public:
  // The help window, hidden, or null where the web browser control cannot be created.
  static std::unique_ptr<HelpForm> Create(HINSTANCE instance);
  ~HelpForm() override;
  HelpForm(const HelpForm&) = delete;
  HelpForm& operator=(const HelpForm&) = delete;

  // The address of the help page, set by the opener and shown from its top on every
  // activation of the window.
  void SetTag(const std::wstring& address) { tag_ = address; }
  // Shows the window and makes it the active one.
  void Show();
  // False once its close box has closed it; the next "Help" builds a fresh one.
  bool IsLoaded() const { return window_ != nullptr; }
  // Tab between the buttons, and the keys of the page; true when the message was handled.
  bool HandleDialogMessage(MSG& message);

  void Command1_Click();  // "Back"
  void Command2_Click();  // "Forward"
  void Command3_Click();  // "Exit"

 private:
  HelpForm() = default;
  void WindowCreated(HWND window) override;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowDestroyed() override;
  bool OnAnchorPage() const;
  bool BuildControls(HINSTANCE instance);
  HWND AddButton(HINSTANCE instance, int id, const wchar_t* caption, double leftTwips);
  RECT Twips(double left, double top, double width, double height) const;
  void Form_Activate();
  void Form_Resize();

  HWND window_ = nullptr;
  HFONT buttonFont_ = nullptr;
  std::unique_ptr<WebBrowser> WebBrowser1;
  std::wstring tag_;
};

}  // namespace vorn::win32
