// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box. MessageBoxW runs a dialog of its own; two hooks of this thread
// reach into it while it is up: a CBT hook places the box as it is activated, and a message
// filter sees the mouse in its modal loop.
#include "ui/win32/message_box.h"

#include <cstdint>
#include <vector>

#include "display/window_placement.h"
#include "ui/shared/front_end_rules.h"

namespace vorn::win32 {

namespace {

// The box being shown; one at a time, as each is modal.
struct ShownBox {
  HWND owner = nullptr;
  std::wstring text;
  HWND box = nullptr;
  MessageBoxMouse clicks;  // the mouse rule of the box
  HHOOK placement = nullptr;
  HHOOK mouse = nullptr;
};
thread_local ShownBox* shown = nullptr;

ScreenRect ToScreenRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PlaceBesideOwner(ShownBox& box) {
  if (box.owner == nullptr || !IsWindowVisible(box.owner)) return;
  RECT window{};
  RECT boxRect{};
  GetWindowRect(box.owner, &window);
  GetWindowRect(box.box, &boxRect);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(box.owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const int gap = MulDiv(kGapToTheWindow, static_cast<int>(GetDpiForWindow(box.owner)),
                         USER_DEFAULT_SCREEN_DPI);
  const ScreenPoint at =
      PlaceBeside(ToScreenRect(window), boxRect.right - boxRect.left,
                  boxRect.bottom - boxRect.top, ToScreenRect(monitor.rcWork), gap);
  SetWindowPos(box.box, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK OnActivation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && shown != nullptr && shown->box == nullptr) {
    shown->box = reinterpret_cast<HWND>(wParam);
    PlaceBesideOwner(*shown);
    shown->clicks.Shown(static_cast<std::int64_t>(GetTickCount64()), GetDoubleClickTime());
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool IsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsRelease(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

bool IsLeftButton(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool InBox(const ShownBox& box, HWND window) {
  return window == box.box || IsChild(box.box, window);
}

// The static control that shows the text. It lets the mouse through to the box, so a click
// on it is told by where the pointer is.
bool OverText(const ShownBox& box, POINT point) {
  struct Search {
    const std::wstring* text;
    POINT point;
    bool found;
  } search{&box.text, point, false};
  EnumChildWindows(
      box.box,
      [](HWND child, LPARAM data) -> BOOL {
        auto& wanted = *reinterpret_cast<Search*>(data);
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") != 0) return TRUE;
        const int length = GetWindowTextLengthW(child);
        std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
        GetWindowTextW(child, text.data(), length + 1);
        RECT rect{};
        GetWindowRect(child, &rect);
        if (*wanted.text == text.data() && PtInRect(&rect, wanted.point)) wanted.found = true;
        return !wanted.found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The box's mouse rule (MessageBoxMouse); returns true for a message the box must not see.
bool FilterMouse(ShownBox& box, const MSG& message) {
  if (box.box == nullptr || !InBox(box, message.hwnd)) return false;
  using Verdict = MessageBoxMouse::Verdict;
  const bool left = IsLeftButton(message.message);
  Verdict verdict = Verdict::kPassOn;
  if (IsPress(message.message)) {
    verdict = box.clicks.Press(static_cast<std::int64_t>(GetTickCount64()), left,
                              OverText(box, message.pt));
  } else if (IsRelease(message.message)) {
    verdict = box.clicks.Release(left, OverText(box, message.pt));
  }
  if (verdict == Verdict::kClose) PostMessageW(box.box, WM_COMMAND, IDOK, 0);
  return verdict != Verdict::kPassOn;
}

LRESULT CALLBACK OnDialogMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && shown != nullptr &&
      FilterMouse(*shown, *reinterpret_cast<const MSG*>(lParam))) {
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The other windows of the program (the help window) take no input while a box is up; the
// owner is disabled by the box itself.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
          auto& self = *reinterpret_cast<OtherWindowsDisabled*>(data);
          if (window != self.owner_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            self.disabled_.push_back(window);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
  }
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  HWND owner_;
  std::vector<HWND> disabled_;
};

}  // namespace

void ShowGameMessage(HWND owner, const std::wstring& text) {
  ShownBox box;
  box.owner = owner;
  box.text = text;
  ShownBox* outer = shown;
  shown = &box;
  const DWORD thread = GetCurrentThreadId();
  box.placement = SetWindowsHookExW(WH_CBT, OnActivation, nullptr, thread);
  box.mouse = SetWindowsHookExW(WH_MSGFILTER, OnDialogMessage, nullptr, thread);
  {
    OtherWindowsDisabled others(owner);
    MessageBoxW(owner, text.c_str(), kMessageTitle, MB_OK | MB_APPLMODAL | MB_SETFOREGROUND);
  }
  UnhookWindowsHookEx(box.mouse);
  UnhookWindowsHookEx(box.placement);
  shown = outer;
}

}  // namespace vorn::win32
