#include "browser/login_typing_win.h"

#include "browser/ui_wait.h"

namespace browser {

namespace {

constexpr UINT kAnswerTimeoutMs = 1000;

bool OwnThread(HWND window) {
  return window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

// The focus window of target's thread, read with this thread's input
// attached to it.
HWND AttachedFocus(HWND target, uint32_t delayMs, bool activate) {
  const DWORD targetThread = GetWindowThreadProcessId(target, nullptr);
  const DWORD ownThread = GetCurrentThreadId();
  const bool attached =
      targetThread != ownThread && AttachThreadInput(ownThread, targetThread, TRUE);
  if (activate) {
    SetForegroundWindow(target);
    SetActiveWindow(target);
    CurrentUiWait().PumpWait(delayMs);
  }
  HWND focus = GetFocus();
  if (attached) AttachThreadInput(ownThread, targetThread, FALSE);
  return focus;
}

}  // namespace

HWND FindLoginTarget() {
  HWND target = GetForegroundWindow();
  if (!OwnThread(target)) return target;
  for (HWND w = GetWindow(target, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    if (!(style & WS_VISIBLE) || !(style & (WS_CAPTION | WS_BORDER)) || OwnThread(w)) continue;
    return GetLastActivePopup(w);
  }
  return nullptr;
}

HWND ActivateAndReadFocus(HWND target, uint32_t delayMs) {
  HWND focus = AttachedFocus(target, delayMs, true);
  if (!focus) focus = target;
  return OwnThread(focus) ? nullptr : focus;
}

void PostTab(HWND window, uint32_t delayMs) {
  PostMessageA(window, WM_KEYDOWN, VK_TAB, 1);
  CurrentUiWait().PumpWait(delayMs);
}

void TypeText(const std::string& text, HWND window, uint32_t delayMs) {
  for (char c : text) {
    if (c == '^') {
      PostTab(window, delayMs);
      continue;
    }
    // One message per byte, as stored (a double-byte character is two).
    PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
    CurrentUiWait().PumpWait(delayMs / 10);
  }
}

void TypeLogin(HWND focus, const std::string& login, const std::string* password,
               uint32_t delayMs) {
  TypeText(login, focus, delayMs);
  if (!password) return;
  if (GetDlgCtrlID(focus) != 0) {
    // A dialog's box: the dialog moves the focus to its next control.
    HWND dialog = GetParent(focus);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(dialog, WM_NEXTDLGCTL, 0, FALSE, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                        &answer);
    HWND next = AttachedFocus(focus, 0, false);
    if (!next || next == focus) {
      PostTab(focus, delayMs);
      next = focus;
    }
    TypeText(*password, next, delayMs);
    return;
  }
  // A web page moves its own focus to the next field on Tab.
  PostTab(focus, delayMs);
  TypeText(*password, focus, delayMs);
}

}  // namespace browser
