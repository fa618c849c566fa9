// The entry points of the companion library "OrvandIE.dll", an in-process
// COM server with one class (browser::kCompanionClass). Registration makes
// it a browser helper object, so that browsers of the engine that loads
// such objects create it in each of their windows and site it there.
#include <windows.h>
// The OLE headers need windows.h first.
#include <ole2.h>
#include <olectl.h>

#include <new>
#include <string>

#include "browser/companion_class_win.h"
#include "companion/companion_object.h"
#include "companion/companion_registration.h"

namespace {

HMODULE thisLibrary = nullptr;

class CompanionFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  // The factory is static: it lives as long as the library.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* created = new (std::nothrow) companion::CompanionObject();
    if (!created) return E_OUTOFMEMORY;
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    companion::CountObject(lock != FALSE);
    return S_OK;
  }
};

CompanionFactory factory;

std::string LibraryPath() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(thisLibrary, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    thisLibrary = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID id, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (id != browser::kCompanionClass) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return companion::LiveObjects() == 0 ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() {
  const std::string path = LibraryPath();
  if (path.empty()) return SELFREG_E_CLASS;
  return companion::RegisterCompanion(path) ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
  companion::UnregisterCompanion();
  return S_OK;
}

}  // extern "C"
