#include "framework/owner_keys.h"

bool IsKeyForOwnerWindow(UINT message, WPARAM key, bool ctrl, bool shift, bool alt) {
  if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) return false;
  if (key >= VK_F1 && key <= VK_F24) return true;
  return ctrl && shift && !alt;
}

bool IsKeyForOwnerWindow(const MSG& msg) {
  auto down = [](int vk) { return (GetKeyState(vk) & 0x8000) != 0; };
  return IsKeyForOwnerWindow(msg.message, msg.wParam, down(VK_CONTROL), down(VK_SHIFT),
                             down(VK_MENU));
}
