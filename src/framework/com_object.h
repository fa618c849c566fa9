// The IUnknown of an object that implements one COM interface.
#pragma once

#include <windows.h>
// The COM headers need windows.h first.
#include <objbase.h>

namespace framework {

// Derived implements Interface's own methods; this answers for IUnknown
// and Interface, and deletes the object (as Derived) when its last
// reference goes. The creator holds the first reference.
template <typename Derived, typename Interface>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(Interface))) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG refs = InterlockedDecrement(&refs_);
    if (refs == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(refs);
  }

 private:
  LONG refs_ = 1;
};

}  // namespace framework
