// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window.
#include "ui/win32/about_form.h"

#include <commctrl.h>

#include "app/version.h"
#include "ui/win32/resource.h"
#include "ui/win32/text.h"

namespace vorn::win32 {

namespace {

constexpr UINT_PTR kCreditTextSubclass = 1;

// A press of any button in the credit text closes the window at once, as OK does.
LRESULT CALLBACK CreditTextProc(HWND text, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
      EndDialog(GetParent(text), IDOK);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(text, CreditTextProc, kCreditTextSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(text, message, wParam, lParam);
}

// Over the middle of the main window, where the player is looking.
void CentreOverOwner(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner == nullptr) return;
  RECT ownerRect{};
  RECT dialogRect{};
  GetWindowRect(owner, &ownerRect);
  GetWindowRect(dialog, &dialogRect);
  const int width = dialogRect.right - dialogRect.left;
  const int height = dialogRect.bottom - dialogRect.top;
  SetWindowPos(dialog, nullptr, (ownerRect.left + ownerRect.right - width) / 2,
               (ownerRect.top + ownerRect.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FillIn(HWND dialog) {
  SetDlgItemTextW(dialog, IDC_ABOUT_TEXT, WithCrLf(Widen(kCreditText)).c_str());
  SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, (L"Version " + Widen(kVersion)).c_str());
  SetWindowSubclass(GetDlgItem(dialog, IDC_ABOUT_TEXT), CreditTextProc, kCreditTextSubclass, 0);
  // The 32 x 32 picture, at the monitor's scale.
  const int size = MulDiv(32, static_cast<int>(GetDpiForWindow(dialog)), USER_DEFAULT_SCREEN_DPI);
  HICON icon = static_cast<HICON>(
      LoadImageW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)),
                 MAKEINTRESOURCEW(IDI_VORN), IMAGE_ICON, size, size, 0));
  SendDlgItemMessageW(dialog, IDC_ABOUT_PICTURE, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      FillIn(dialog);
      CentreOverOwner(dialog);
      return TRUE;  // the focus goes to OK, the first control
    case WM_CTLCOLORSTATIC:
      // The version line is white on black.
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_ABOUT_VERSION)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
      }
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDOK);
      return TRUE;
    case WM_DESTROY: {
      HICON icon = reinterpret_cast<HICON>(
          SendDlgItemMessageW(dialog, IDC_ABOUT_PICTURE, STM_GETICON, 0, 0));
      if (icon != nullptr) DestroyIcon(icon);
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

void ShowAboutForm(HINSTANCE instance, HWND owner) {
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutProc, 0);
}

}  // namespace vorn::win32
