// Answers the dialogs that code under test shows on this thread: each time a
// dialog window is activated, the answer runs with its handle and the
// number of its activations so far (1 for the first). An answer usually
// fills in items and posts button clicks. Header only: the support .cpp
// files are also built natively.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <utility>

namespace wintest {

// Posts a click on a dialog's button.
inline void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::function<void(HWND dialog, int activation)> answer)
      : answer_(std::move(answer)) {
    Active() = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
  }
  ~DialogAnswerer() {
    if (hook_) UnhookWindowsHookEx(hook_);
    Active() = nullptr;
  }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  int Activations() const { return activations_; }

 private:
  static DialogAnswerer*& Active() {
    static DialogAnswerer* active = nullptr;
    return active;
  }
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    DialogAnswerer* self = Active();
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

  std::function<void(HWND, int)> answer_;
  HHOOK hook_ = nullptr;
  HWND last_ = nullptr;
  int activations_ = 0;
  int perDialog_ = 0;
};

}  // namespace wintest
