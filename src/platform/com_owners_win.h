// Owners for COM on Windows: the library's initialisation for a scope, and
// one interface pointer. Copying is deleted.
#pragma once

#include <windows.h>
// The COM headers need windows.h first.
#include <objbase.h>

namespace platform {

// Initialises COM for a scope; a thread that already did keeps its state
// (the program runs with OLE initialised, vellox-cli without).
class ScopedCom {
 public:
  ScopedCom() : result_(CoInitialize(nullptr)) {}
  ~ScopedCom() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ScopedCom(const ScopedCom&) = delete;
  ScopedCom& operator=(const ScopedCom&) = delete;

 private:
  HRESULT result_;
};

// An interface pointer that releases itself.
template <typename I>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  I* Get() const { return ptr_; }
  I* operator->() const { return ptr_; }
  // Where a call puts a new pointer; the one held before is released.
  I** Receive() {
    Reset();
    return &ptr_;
  }
  void Reset() {
    if (ptr_) ptr_->Release();
    ptr_ = nullptr;
  }

 private:
  I* ptr_ = nullptr;
};

}  // namespace platform
