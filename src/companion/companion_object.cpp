#include "companion/companion_object.h"

#include <oleauto.h>

#include "browser/companion_class_win.h"

namespace companion {

namespace {

LONG liveObjects = 0;

}  // namespace

LONG LiveObjects() { return liveObjects; }

void CountObject(bool created) {
  if (created)
    InterlockedIncrement(&liveObjects);
  else
    InterlockedDecrement(&liveObjects);
}

CompanionObject::CompanionObject() { CountObject(true); }

CompanionObject::~CompanionObject() {
  LeaveSite();
  CountObject(false);
}

HRESULT CompanionObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IWebBrowser ||
      iid == IID_IWebBrowserApp || iid == IID_IWebBrowser2)
    *object = static_cast<IWebBrowser2*>(this);
  else if (iid == IID_IObjectWithSite)
    *object = static_cast<IObjectWithSite*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG CompanionObject::AddRef() { return InterlockedIncrement(&references_); }

ULONG CompanionObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return left;
}

HRESULT CompanionObject::SetSite(IUnknown* site) {
  LeaveSite();
  if (!site) return S_OK;
  IWebBrowser2* browser = nullptr;
  if (FAILED(site->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser))))
    return E_NOINTERFACE;
  site_ = browser;
  SHANDLE_PTR window = 0;
  if (FAILED(site_->get_HWND(&window)) || !window) return S_OK;
  // A strong entry: the table keeps the object alive until the browser
  // takes it off its site, which revokes the entry.
  const GUID entry = browser::CompanionRunningClass(reinterpret_cast<HWND>(window));
  if (FAILED(RegisterActiveObject(static_cast<IWebBrowser2*>(this), entry, ACTIVEOBJECT_STRONG,
                                  &runningEntry_)))
    runningEntry_ = 0;
  return S_OK;
}

HRESULT CompanionObject::GetSite(REFIID iid, void** site) {
  if (!site) return E_POINTER;
  *site = nullptr;
  return site_ ? site_->QueryInterface(iid, site) : E_FAIL;
}

void CompanionObject::LeaveSite() {
  if (runningEntry_) RevokeActiveObject(runningEntry_, nullptr);
  runningEntry_ = 0;
  if (site_) site_->Release();
  site_ = nullptr;
}

}  // namespace companion
