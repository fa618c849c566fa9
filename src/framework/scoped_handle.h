// Owners for Win32 handles: each closes its handle once, copying is
// deleted. Release() hands the handle over without closing it.
#pragma once

#include <windows.h>

namespace framework {

template <typename T, typename Traits>
class ScopedObject {
 public:
  ScopedObject() = default;
  explicit ScopedObject(T value) : value_(value) {}
  ~ScopedObject() { Reset(); }
  ScopedObject(const ScopedObject&) = delete;
  ScopedObject& operator=(const ScopedObject&) = delete;
  ScopedObject(ScopedObject&& other) noexcept : value_(other.Release()) {}
  ScopedObject& operator=(ScopedObject&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  T Get() const { return value_; }
  bool IsValid() const { return Traits::IsValid(value_); }
  void Reset(T value = Traits::Invalid()) {
    if (Traits::IsValid(value_)) Traits::Close(value_);
    value_ = value;
  }
  T Release() {
    T v = value_;
    value_ = Traits::Invalid();
    return v;
  }

 private:
  T value_ = Traits::Invalid();
};

struct HandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct GdiTraits {
  static HGDIOBJ Invalid() { return nullptr; }
  static bool IsValid(HGDIOBJ h) { return h != nullptr; }
  static void Close(HGDIOBJ h) { DeleteObject(h); }
};
// A GDI object kept as its own type (HFONT, HBRUSH), so that it goes where
// that type is asked for without a cast.
template <typename T>
struct TypedGdiTraits {
  static T Invalid() { return nullptr; }
  static bool IsValid(T h) { return h != nullptr; }
  static void Close(T h) { DeleteObject(h); }
};
struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static bool IsValid(HMENU h) { return h != nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};
struct ModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static bool IsValid(HMODULE h) { return h != nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
struct GlobalTraits {
  static HGLOBAL Invalid() { return nullptr; }
  static bool IsValid(HGLOBAL h) { return h != nullptr; }
  static void Close(HGLOBAL h) { GlobalFree(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static bool IsValid(HICON h) { return h != nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct AcceleratorTraits {
  static HACCEL Invalid() { return nullptr; }
  static bool IsValid(HACCEL h) { return h != nullptr; }
  static void Close(HACCEL h) { DestroyAcceleratorTable(h); }
};
// A window that is not a framework::Window (a common control made by hand).
// It may already be gone with its owner or parent: only a live one is
// destroyed.
struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static bool IsValid(HWND h) { return h != nullptr; }
  static void Close(HWND h) {
    if (IsWindow(h)) DestroyWindow(h);
  }
};

using ScopedHandle = ScopedObject<HANDLE, HandleTraits>;
using ScopedGdiObject = ScopedObject<HGDIOBJ, GdiTraits>;
using ScopedFont = ScopedObject<HFONT, TypedGdiTraits<HFONT>>;
using ScopedBrush = ScopedObject<HBRUSH, TypedGdiTraits<HBRUSH>>;
using ScopedMenu = ScopedObject<HMENU, MenuTraits>;
using ScopedModule = ScopedObject<HMODULE, ModuleTraits>;
using ScopedGlobal = ScopedObject<HGLOBAL, GlobalTraits>;
using ScopedIcon = ScopedObject<HICON, IconTraits>;
using ScopedAccelerators = ScopedObject<HACCEL, AcceleratorTraits>;
using ScopedWindow = ScopedObject<HWND, WindowTraits>;

}  // namespace framework
