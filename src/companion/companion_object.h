// The companion object: sited in a browser window (IObjectWithSite), it
// enters itself in the running-object table under the class whose first
// field is that browser's main window handle, and answers the web-browser
// interface by passing every call to the browser. Sited nowhere again, it
// leaves the table.
#pragma once

#include <windows.h>
// The OLE headers need windows.h first.
#include <ocidl.h>

#include "companion/site_browser_forwarder.h"

namespace companion {

class CompanionObject final : public SiteBrowserForwarder, public IObjectWithSite {
 public:
  CompanionObject();
  CompanionObject(const CompanionObject&) = delete;
  CompanionObject& operator=(const CompanionObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE SetSite(IUnknown* site) override;
  HRESULT STDMETHODCALLTYPE GetSite(REFIID iid, void** site) override;

 private:
  ~CompanionObject();
  void LeaveSite();

  LONG references_ = 1;
  DWORD runningEntry_ = 0;  // the running-object table's cookie; 0 none
};

// Objects and class factories alive, for DllCanUnloadNow.
LONG LiveObjects();
void CountObject(bool created);

}  // namespace companion
