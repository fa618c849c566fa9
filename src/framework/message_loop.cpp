#include "framework/message_loop.h"

#include <algorithm>
#include <vector>

#include "framework/owner_keys.h"

namespace framework {
namespace {

Application* currentApplication = nullptr;
std::vector<HWND>& ModelessDialogs() {
  static std::vector<HWND> dialogs;
  return dialogs;
}
int exitCode = 0;

// Messages that do not end an idle phase (they come back by themselves).
bool IsIdleMessage(const MSG& msg) {
  return msg.message != WM_PAINT && msg.message != 0x0118 /* WM_SYSTIMER: caret blink */ &&
         msg.message != WM_TIMER;
}

// True when hwnd lies in one of the modeless dialogs that owner owns.
bool InOwnedModeless(HWND owner, HWND hwnd) {
  HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  if (!root || root == owner || GetWindow(root, GW_OWNER) != owner) return false;
  const auto& dialogs = ModelessDialogs();
  return std::find(dialogs.begin(), dialogs.end(), root) != dialogs.end();
}

bool IsAltKey(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

}  // namespace

void MessageLoop::AddModeless(HWND dialog) { ModelessDialogs().push_back(dialog); }

void MessageLoop::RemoveModeless(HWND dialog) {
  auto& dialogs = ModelessDialogs();
  dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

bool MessageLoop::PumpMessage(MSG* processed) {
  MSG msg;
  BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    exitCode = got == 0 ? static_cast<int>(msg.wParam) : -1;
    return false;
  }
  Application* app = Application::Current();
  if (!app || !app->PreTranslateMessage(&msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (processed) *processed = msg;
  return true;
}

int MessageLoop::ExitCode() { return exitCode; }

Application::Application() { currentApplication = this; }
Application::~Application() {
  if (currentApplication == this) currentApplication = nullptr;
}

Application* Application::Current() { return currentApplication; }

bool Application::PreTranslateMessage(MSG* msg) {
  // The window procedure never sees the key of an Alt accelerator, so on the
  // Alt key's release it would take Alt as pressed alone and activate the
  // menu bar (Wine does): that release is dropped.
  if (IsAltKey(msg->wParam)) {
    bool down = msg->message == WM_SYSKEYDOWN || msg->message == WM_KEYDOWN;
    bool up = msg->message == WM_SYSKEYUP || msg->message == WM_KEYUP;
    if (down && !(HIWORD(msg->lParam) & KF_REPEAT)) altChordUsed_ = false;
    if (up && altChordUsed_) {
      altChordUsed_ = false;
      return true;
    }
  }
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && accelerators_) {
    HWND target = accelWindow_ ? accelWindow_ : mainWindow_;
    bool forTarget = target && (msg->hwnd == target || IsChild(target, msg->hwnd) ||
                                (InOwnedModeless(target, msg->hwnd) && IsKeyForOwnerWindow(*msg)));
    if (forTarget && TranslateAcceleratorA(target, accelerators_, msg)) {
      if (msg->message == WM_SYSKEYDOWN) altChordUsed_ = true;
      return true;
    }
  }
  // A copy: a dialog may close (and leave the list) while handling a key.
  std::vector<HWND> dialogs = ModelessDialogs();
  for (HWND dialog : dialogs) {
    if (IsWindow(dialog) && (msg->hwnd == dialog || IsChild(dialog, msg->hwnd)) &&
        IsDialogMessageA(dialog, msg))
      return true;
  }
  return false;
}

int Application::Run() {
  if (!InitInstance()) return ExitInstance();
  long idleCount = 0;
  bool idle = true;
  for (;;) {
    MSG msg;
    while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      if (!MessageLoop::PumpMessage(&msg)) return ExitInstance();
      if (IsIdleMessage(msg)) {
        idle = true;
        idleCount = 0;
      }
    } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

void PumpWait(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  const DWORD limit = milliseconds == 0 ? 500 : milliseconds;
  MSG msg;
  for (DWORD elapsed = 0; elapsed < limit; elapsed = GetTickCount() - start) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (msg.message == WM_QUIT) return;  // left in the queue for the main loop
      MessageLoop::PumpMessage();
    } else if (milliseconds == 0) {
      return;
    } else {
      // The queue was just seen empty, so any message arriving from now on
      // (posted, sent or input) ends the wait early.
      MsgWaitForMultipleObjects(0, nullptr, FALSE, limit - elapsed, QS_ALLINPUT);
    }
  }
}

}  // namespace framework
