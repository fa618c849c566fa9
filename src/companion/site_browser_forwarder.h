// The web-browser interface of the companion object, every call passed
// unchanged to the browser the object is sited in (E_UNEXPECTED while it
// is sited nowhere). The derived object supplies IUnknown.
#pragma once

#include <windows.h>
// The browser interfaces need windows.h first.
#include <exdisp.h>

namespace companion {

class SiteBrowserForwarder : public IWebBrowser2 {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return site_ ? site_->GetTypeInfoCount(count) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return site_ ? site_->GetTypeInfo(index, locale, info) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return site_ ? site_->GetIDsOfNames(iid, names, count, locale, ids) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    return site_ ? site_->Invoke(id, iid, locale, flags, params, result, exception, argumentError)
                 : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE GoBack() override { return site_ ? site_->GoBack() : E_UNEXPECTED; }
  HRESULT STDMETHODCALLTYPE GoForward() override {
    return site_ ? site_->GoForward() : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE GoHome() override { return site_ ? site_->GoHome() : E_UNEXPECTED; }
  HRESULT STDMETHODCALLTYPE GoSearch() override { return site_ ? site_->GoSearch() : E_UNEXPECTED; }
  HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName,
                                     VARIANT* PostData, VARIANT* Headers) override {
    return site_ ? site_->Navigate(URL, Flags, TargetFrameName, PostData, Headers) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE Refresh() override { return site_ ? site_->Refresh() : E_UNEXPECTED; }
  HRESULT STDMETHODCALLTYPE Refresh2(VARIANT* Level) override {
    return site_ ? site_->Refresh2(Level) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE Stop() override { return site_ ? site_->Stop() : E_UNEXPECTED; }
  HRESULT STDMETHODCALLTYPE get_Application(IDispatch** ppDisp) override {
    return site_ ? site_->get_Application(ppDisp) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppDisp) override {
    return site_ ? site_->get_Parent(ppDisp) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Container(IDispatch** ppDisp) override {
    return site_ ? site_->get_Container(ppDisp) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) override {
    return site_ ? site_->get_Document(ppDisp) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL* pBool) override {
    return site_ ? site_->get_TopLevelContainer(pBool) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Type(BSTR* Type) override {
    return site_ ? site_->get_Type(Type) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Left(LONG* pl) override {
    return site_ ? site_->get_Left(pl) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Left(LONG Left) override {
    return site_ ? site_->put_Left(Left) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Top(LONG* pl) override {
    return site_ ? site_->get_Top(pl) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Top(LONG Top) override {
    return site_ ? site_->put_Top(Top) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Width(LONG* pl) override {
    return site_ ? site_->get_Width(pl) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Width(LONG Width) override {
    return site_ ? site_->put_Width(Width) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Height(LONG* pl) override {
    return site_ ? site_->get_Height(pl) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Height(LONG Height) override {
    return site_ ? site_->put_Height(Height) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* LocationName) override {
    return site_ ? site_->get_LocationName(LocationName) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* LocationURL) override {
    return site_ ? site_->get_LocationURL(LocationURL) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL* pBool) override {
    return site_ ? site_->get_Busy(pBool) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE Quit() override { return site_ ? site_->Quit() : E_UNEXPECTED; }
  HRESULT STDMETHODCALLTYPE ClientToWindow(int* pcx, int* pcy) override {
    return site_ ? site_->ClientToWindow(pcx, pcy) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE PutProperty(BSTR Property, VARIANT vtValue) override {
    return site_ ? site_->PutProperty(Property, vtValue) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE GetProperty(BSTR Property, VARIANT* pvtValue) override {
    return site_ ? site_->GetProperty(Property, pvtValue) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* Name) override {
    return site_ ? site_->get_Name(Name) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* pHWND) override {
    return site_ ? site_->get_HWND(pHWND) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_FullName(BSTR* FullName) override {
    return site_ ? site_->get_FullName(FullName) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Path(BSTR* Path) override {
    return site_ ? site_->get_Path(Path) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* pBool) override {
    return site_ ? site_->get_Visible(pBool) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL Value) override {
    return site_ ? site_->put_Visible(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL* pBool) override {
    return site_ ? site_->get_StatusBar(pBool) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL Value) override {
    return site_ ? site_->put_StatusBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_StatusText(BSTR* StatusText) override {
    return site_ ? site_->get_StatusText(StatusText) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_StatusText(BSTR StatusText) override {
    return site_ ? site_->put_StatusText(StatusText) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_ToolBar(int* Value) override {
    return site_ ? site_->get_ToolBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_ToolBar(int Value) override {
    return site_ ? site_->put_ToolBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL* Value) override {
    return site_ ? site_->get_MenuBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL Value) override {
    return site_ ? site_->put_MenuBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* pbFullScreen) override {
    return site_ ? site_->get_FullScreen(pbFullScreen) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL bFullScreen) override {
    return site_ ? site_->put_FullScreen(bFullScreen) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName,
                                      VARIANT* PostData, VARIANT* Headers) override {
    return site_ ? site_->Navigate2(URL, Flags, TargetFrameName, PostData, Headers) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID cmdID, OLECMDF* pcmdf) override {
    return site_ ? site_->QueryStatusWB(cmdID, pcmdf) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt, VARIANT* pvaIn,
                                   VARIANT* pvaOut) override {
    return site_ ? site_->ExecWB(cmdID, cmdexecopt, pvaIn, pvaOut) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT* pvaClsid, VARIANT* pvarShow,
                                           VARIANT* pvarSize) override {
    return site_ ? site_->ShowBrowserBar(pvaClsid, pvarShow, pvarSize) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE* plReadyState) override {
    return site_ ? site_->get_ReadyState(plReadyState) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL* pbOffline) override {
    return site_ ? site_->get_Offline(pbOffline) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL bOffline) override {
    return site_ ? site_->put_Offline(bOffline) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL* pbSilent) override {
    return site_ ? site_->get_Silent(pbSilent) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL bSilent) override {
    return site_ ? site_->put_Silent(bSilent) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL* pbRegister) override {
    return site_ ? site_->get_RegisterAsBrowser(pbRegister) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL bRegister) override {
    return site_ ? site_->put_RegisterAsBrowser(bRegister) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL* pbRegister) override {
    return site_ ? site_->get_RegisterAsDropTarget(pbRegister) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL bRegister) override {
    return site_ ? site_->put_RegisterAsDropTarget(bRegister) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL* pbRegister) override {
    return site_ ? site_->get_TheaterMode(pbRegister) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL bRegister) override {
    return site_ ? site_->put_TheaterMode(bRegister) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL* Value) override {
    return site_ ? site_->get_AddressBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL Value) override {
    return site_ ? site_->put_AddressBar(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL* Value) override {
    return site_ ? site_->get_Resizable(Value) : E_UNEXPECTED;
  }
  HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL Value) override {
    return site_ ? site_->put_Resizable(Value) : E_UNEXPECTED;
  }

 protected:
  IWebBrowser2* site_ = nullptr;  // owned by the derived object
};

}  // namespace companion
