#include "app/program_ui_wait.h"

#include <windows.h>

#include "framework/message_loop.h"

void ProgramUiWait::PumpWait(uint32_t milliseconds) { framework::PumpWait(milliseconds); }

bool ProgramUiWait::DispatchOne() {
  MSG msg;
  // WM_QUIT stays queued for the main loop.
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) || msg.message == WM_QUIT) return false;
  return framework::MessageLoop::PumpMessage();
}
