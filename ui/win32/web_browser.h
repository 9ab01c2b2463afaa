// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows' web browser control (the WebBrowser ActiveX control and its HTML engine), hosted
// in a window of the program through the few OLE interfaces an in-place control asks of its
// container. Only what the help window uses: Navigate, GoBack, GoForward and LocationURL.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

struct IOleObject;
struct IWebBrowser2;

namespace vorn::win32 {

class WebBrowser {
 public:
  // The control placed over `area` of `parent`, or null where it cannot be created: a
  // system without the control, or without the HTML engine behind it (as Wine without its
  // browser engine). OLE must be initialised on the thread.
  static std::unique_ptr<WebBrowser> Create(HWND parent, const RECT& area);
  ~WebBrowser();
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  void Navigate(const std::wstring& address);
  // Each does nothing where the history holds no page in its direction.
  void GoBack();
  void GoForward();
  // The address of the page shown; empty before the first page.
  std::wstring LocationURL() const;

  void Move(const RECT& area);
  // Gives the control the keys meant for it (arrows, Page Up, Tab inside the page); true
  // when it took the message.
  bool TranslateKeys(MSG& message);

 private:
  class Site;
  WebBrowser() = default;

  std::unique_ptr<Site> site_;
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
};

}  // namespace vorn::win32
