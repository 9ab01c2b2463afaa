// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web browser control and its container.
#include "ui/win32/web_browser.h"

#include <exdisp.h>
#include <ole2.h>

namespace vorn::win32 {

// The container: a client site with an in-place site and frame, which the control asks for
// as it activates in place. It lives as long as the control; the counts of references are
// kept for the control's sake only.
class WebBrowser::Site final : public IOleClientSite,
                               public IOleInPlaceSite,
                               public IOleInPlaceFrame {
 public:
  Site(HWND window, const RECT& area) : window_(window), area_(area) {}
  void SetArea(const RECT& area) { area_ = area; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IOleClientSite) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (id == IID_IOleWindow || id == IID_IOleInPlaceSite) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (id == IID_IOleInPlaceUIWindow || id == IID_IOleInPlaceFrame) {
      *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, of both the site and the frame
  STDMETHODIMP GetWindow(HWND* window) override {
    *window = window_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO frameInfo) override {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    *position = area_;
    *clip = area_;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = window_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  HWND window_;
  RECT area_;
  ULONG references_ = 0;
};

namespace {

// The HTML engine's document (mshtml), which the import libraries do not name.
constexpr CLSID kHtmlDocument = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

// The HTML engine is looked for on its own: the control itself may exist without one, and
// would then show nothing.
bool HtmlEngineExists() {
  IUnknown* document = nullptr;
  if (FAILED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                              reinterpret_cast<void**>(&document)))) {
    return false;
  }
  document->Release();
  return true;
}

}  // namespace

std::unique_ptr<WebBrowser> WebBrowser::Create(HWND parent, const RECT& area) {
  if (!HtmlEngineExists()) return nullptr;
  std::unique_ptr<WebBrowser> control(new WebBrowser);
  control->site_ = std::make_unique<Site>(parent, area);
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(&control->object_)))) {
    return nullptr;
  }
  IOleClientSite* site = control->site_.get();
  RECT position = area;
  if (FAILED(control->object_->SetClientSite(site)) ||
      FAILED(control->object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, parent,
                                      &position)) ||
      FAILED(control->object_->QueryInterface(IID_IWebBrowser2,
                                              reinterpret_cast<void**>(&control->browser_)))) {
    return nullptr;
  }
  return control;
}

WebBrowser::~WebBrowser() {
  if (browser_ != nullptr) browser_->Release();
  if (object_ == nullptr) return;
  IOleInPlaceObject* inPlace = nullptr;
  if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject,
                                        reinterpret_cast<void**>(&inPlace)))) {
    inPlace->InPlaceDeactivate();
    inPlace->Release();
  }
  object_->Close(OLECLOSE_NOSAVE);
  object_->SetClientSite(nullptr);
  object_->Release();
}

void WebBrowser::Navigate(const std::wstring& address) {
  BSTR url = SysAllocString(address.c_str());
  VARIANT none;
  VariantInit(&none);
  browser_->Navigate(url, &none, &none, &none, &none);
  SysFreeString(url);
}

void WebBrowser::GoBack() { browser_->GoBack(); }

void WebBrowser::GoForward() { browser_->GoForward(); }

std::wstring WebBrowser::LocationURL() const {
  BSTR url = nullptr;
  if (FAILED(browser_->get_LocationURL(&url)) || url == nullptr) return {};
  std::wstring address(url, SysStringLen(url));
  SysFreeString(url);
  return address;
}

void WebBrowser::Move(const RECT& area) {
  site_->SetArea(area);
  IOleInPlaceObject* inPlace = nullptr;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
    return;
  }
  inPlace->SetObjectRects(&area, &area);
  inPlace->Release();
}

bool WebBrowser::TranslateKeys(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  IOleInPlaceActiveObject* active = nullptr;
  if (FAILED(browser_->QueryInterface(IID_IOleInPlaceActiveObject,
                                      reinterpret_cast<void**>(&active)))) {
    return false;
  }
  const bool taken = active->TranslateAccelerator(&message) == S_OK;
  active->Release();
  return taken;
}

}  // namespace vorn::win32
