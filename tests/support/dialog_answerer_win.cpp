#include "support/dialog_answerer_win.h"

#include <cstring>

namespace wintest {
namespace {
DialogAnswerer* active = nullptr;
}  // namespace

DialogAnswerer::DialogAnswerer(std::function<void(HWND, int)> answer) : answer_(std::move(answer)) {
  active = this;
  hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer() {
  if (hook_) UnhookWindowsHookEx(hook_);
  active = nullptr;
}

LRESULT CALLBACK DialogAnswerer::Hook(int code, WPARAM wp, LPARAM lp) {
  DialogAnswerer* self = active;
  if (self && code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wp);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0) {
      self->perDialog_ = window == self->last_ ? self->perDialog_ + 1 : 1;
      self->last_ = window;
      ++self->activations_;
      self->answer_(window, self->perDialog_);
    }
  }
  return CallNextHookEx(self ? self->hook_ : nullptr, code, wp, lp);
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace wintest
