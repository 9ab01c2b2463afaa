// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One window procedure for every window class of the program. A window belongs to an object
// that handles its messages; the object is the window's creation parameter
// (CreationParameter), and WindowProcedure ties the two together at WM_NCCREATE, hands the
// object every message with the window's own handle, and unties them at WM_NCDESTROY, the
// window's last message. So no message reaches an object after its window is gone, and
// whatever an object leaves unhandled goes to DefWindowProcW with a window that exists.
#pragma once

#include <windows.h>

namespace vorn::win32 {

class WindowProcedureTarget {
 public:
  virtual ~WindowProcedureTarget() = default;

  // The window is being created: from here on its messages come to the object.
  virtual void WindowCreated(HWND window) = 0;
  // A message of `window`. What the object does not handle it passes to DefWindowProcW.
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The window's last message has come: its handle is no longer valid.
  virtual void WindowDestroyed() = 0;
};

// The lpParam of CreateWindowExW for a window of `target`.
inline void* CreationParameter(WindowProcedureTarget* target) { return target; }

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorn::win32
