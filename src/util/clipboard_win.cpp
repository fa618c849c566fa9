#include "util/clipboard_win.h"

#include <cstring>

#include "framework/scoped_handle.h"

bool SetClipboardText(UINT format, const void* bytes, size_t length, HWND owner, bool emptyFirst) {
  if (!OpenClipboard(owner)) return false;
  bool ok = !emptyFirst || EmptyClipboard();
  framework::ScopedGlobal block(ok ? GlobalAlloc(GMEM_MOVEABLE, length) : nullptr);
  if (ok && block.IsValid()) {
    void* target = GlobalLock(block.Get());
    if (target) {
      memcpy(target, bytes, length);
      GlobalUnlock(block.Get());
      // On success the clipboard owns the block.
      ok = SetClipboardData(format, block.Get()) != nullptr;
      if (ok) block.Release();
    } else {
      ok = false;
    }
  } else {
    ok = false;
  }
  CloseClipboard();
  return ok;
}
