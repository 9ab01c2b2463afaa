// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window.
#include "ui/win32/help_form.h"

#include <shellapi.h>

#include <cmath>
#include <vector>

#include "game/board_queries.h"
#include "ui/help_layout.h"
#include "ui/shared/front_end_rules.h"
#include "ui/win32/resource.h"

namespace vorn::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"VornHelpWindow";
constexpr wchar_t kHelpPageName[] = L"vorn.htm";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

enum ButtonId { kBack = 1, kForward = 2, kExit = 3 };

using namespace help_layout;

// The buttons' font: Arial, 8.25 points.
constexpr int kButtonFontHundredthsOfAPoint = 825;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORN), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

double ScaleOf(HWND window) {
  return GetDpiForWindow(window) / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
}

}  // namespace

std::wstring ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      std::wstring folder(path.data(), length);
      const std::size_t slash = folder.find_last_of(L"\\/");
      if (slash == std::wstring::npos) return folder;
      // A drive's root keeps its backslash.
      const bool root = slash == 2 && folder[1] == L':';
      return folder.substr(0, root ? slash + 1 : slash);
    }
    path.resize(path.size() * 2);
  }
}

std::wstring HelpPageAddress(const std::wstring& folder) {
  std::wstring address = folder;
  if (address.empty() || address.back() != L'\\') address += L'\\';
  return address + kHelpPageName;
}

bool OpenInDefaultViewer(HWND owner, const std::wstring& page) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

std::unique_ptr<HelpForm> HelpForm::Create(HINSTANCE instance) {
  RegisterWindowClass(instance, WindowProcedure);
  std::unique_ptr<HelpForm> form(new HelpForm);
  // Created at the default place and size first, for the DPI of the monitor it lands on.
  HWND window = CreateWindowExW(0, kWindowClass, L"Vorn Help", kWindowStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                instance, CreationParameter(form.get()));
  if (window == nullptr) return nullptr;
  RECT outer = form->Twips(0, 0, kClientWidth, kClientHeight);
  AdjustWindowRectExForDpi(&outer, kWindowStyle, FALSE, 0, GetDpiForWindow(window));
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!form->BuildControls(instance)) return nullptr;
  form->Form_Resize();
  return form;
}

HelpForm::~HelpForm() {
  WebBrowser1.reset();
  if (window_ != nullptr) DestroyWindow(window_);
  if (buttonFont_ != nullptr) DeleteObject(buttonFont_);
}

RECT HelpForm::Twips(double left, double top, double width, double height) const {
  const double scale = ScaleOf(window_);
  auto x = [&](double twips) {
    return static_cast<LONG>(std::lround(twips / GameTwipsPerPixelX() * scale));
  };
  auto y = [&](double twips) {
    return static_cast<LONG>(std::lround(twips / GameTwipsPerPixelY() * scale));
  };
  return {x(left), y(top), x(left) + x(width), y(top) + y(height)};
}

bool HelpForm::BuildControls(HINSTANCE instance) {
  const int dpi = static_cast<int>(GetDpiForWindow(window_));
  buttonFont_ = CreateFontW(-MulDiv(kButtonFontHundredthsOfAPoint, dpi, 7200), 0, 0, 0,
                            FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            L"Arial");
  AddButton(instance, kBack, L"Back", kBackLeft);
  AddButton(instance, kForward, L"Forward", kForwardLeft);
  AddButton(instance, kExit, L"Exit", kExitLeft);
  RECT client{};
  GetClientRect(window_, &client);
  const RECT area = Twips(kBrowserLeft, kBrowserTop, 0, 0);
  WebBrowser1 = WebBrowser::Create(window_, {area.left, area.top, client.right, client.bottom});
  return WebBrowser1 != nullptr;
}

HWND HelpForm::AddButton(HINSTANCE instance, int id, const wchar_t* caption, double leftTwips) {
  const RECT place = Twips(leftTwips, kButtonTop, kButtonWidth, kButtonHeight);
  HWND button = CreateWindowExW(0, L"BUTTON", caption,
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, place.left,
                                place.top, place.right - place.left, place.bottom - place.top,
                                window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                instance, nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), FALSE);
  return button;
}

void HelpForm::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  Form_Activate();  // an already active window gets no new activation
}

bool HelpForm::HandleDialogMessage(MSG& message) {
  if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
    return false;
  }
  if (WebBrowser1->TranslateKeys(message)) return true;
  return IsDialogMessageW(window_, &message) != FALSE;
}

void HelpForm::WindowCreated(HWND window) { window_ = window; }

void HelpForm::WindowDestroyed() { window_ = nullptr; }

LRESULT HelpForm::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) Form_Activate();
      break;
    case WM_SIZE:
      Form_Resize();
      return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kBack: Command1_Click(); return 0;
        case kForward: Command2_Click(); return 0;
        case kExit: Command3_Click(); return 0;
        default: break;
      }
      break;
    // The close box unloads the window: the next "Help" builds a fresh one.
    case WM_CLOSE:
      WebBrowser1.reset();
      DestroyWindow(window);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// "Back" and "Forward" only step through the history while the page shown was reached
// through a link to an anchor; on a page without one they leave it where it is.
bool HelpForm::OnAnchorPage() const {
  if (!WebBrowser1) return false;
  const std::wstring address = WebBrowser1->LocationURL();
  return ReachedThroughAnchor(std::wstring_view(address));
}

void HelpForm::Command1_Click() {
  if (OnAnchorPage()) WebBrowser1->GoBack();
}

void HelpForm::Command2_Click() {
  if (OnAnchorPage()) WebBrowser1->GoForward();
}

// "Exit" only hides the window, so the next "Help" shows the same one again.
void HelpForm::Command3_Click() { ShowWindow(window_, SW_HIDE); }

// Every activation shows the help page from its top.
void HelpForm::Form_Activate() {
  if (WebBrowser1 && !tag_.empty()) WebBrowser1->Navigate(tag_);
}

// The view follows the client area; its left and top stay put, and a side the window is
// too small for keeps its last value.
void HelpForm::Form_Resize() {
  if (!WebBrowser1) return;
  RECT client{};
  GetClientRect(window_, &client);
  const RECT origin = Twips(kBrowserLeft, kBrowserTop, 0, 0);
  const RECT margins = Twips(0, 0, kBrowserWidthMargin, kBrowserHeightMargin);
  if (client.right < margins.right || client.bottom < margins.bottom) return;
  WebBrowser1->Move({origin.left, origin.top, origin.left + client.right - margins.right,
                     origin.top + client.bottom - margins.bottom});
}

}  // namespace vorn::win32
