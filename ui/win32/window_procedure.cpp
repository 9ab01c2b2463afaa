// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window procedure of every window of the program.
#include "ui/win32/window_procedure.h"

namespace vorn::win32 {

namespace {

WindowProcedureTarget* TargetOf(HWND window) {
  return reinterpret_cast<WindowProcedureTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* target = static_cast<WindowProcedureTarget*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
    if (target != nullptr) target->WindowCreated(window);
  }
  WindowProcedureTarget* target = TargetOf(window);
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO), and any after WM_NCDESTROY.
  if (target == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    target->WindowDestroyed();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return target->HandleMessage(window, message, wParam, lParam);
}

}  // namespace vorn::win32
