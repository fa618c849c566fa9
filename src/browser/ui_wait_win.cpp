#include <windows.h>

#include "browser/ui_wait.h"

namespace browser {

namespace {

// Dispatches without the program's accelerators and dialog keys: enough
// where no program window exists (tests, tools).
class PlainUiWait : public UiWait {
 public:
  void PumpWait(uint32_t milliseconds) override {
    const DWORD start = GetTickCount();
    const DWORD limit = milliseconds == 0 ? 500 : milliseconds;
    for (DWORD elapsed = 0; elapsed < limit; elapsed = GetTickCount() - start) {
      if (DispatchOne()) continue;
      MSG quit;
      if (milliseconds == 0 || PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, limit - elapsed, QS_ALLINPUT);
    }
  }

  bool DispatchOne() override {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message == WM_QUIT) return false;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
  }
};

PlainUiWait plainWait;
UiWait* installed = nullptr;

}  // namespace

void SetUiWait(UiWait* wait) { installed = wait; }

UiWait& CurrentUiWait() { return installed ? *installed : plainWait; }

}  // namespace browser
