// Answers the dialogs that code under test shows on this thread: each time a
// dialog window is activated, the answer runs with its handle and the
// number of its activation (1 for the first). An answer usually fills in
// items and posts a button click.
#pragma once

#include <windows.h>

#include <functional>

namespace wintest {

class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::function<void(HWND dialog, int activation)> answer);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  int Activations() const { return activations_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
  std::function<void(HWND, int)> answer_;
  HHOOK hook_ = nullptr;
  HWND last_ = nullptr;
  int activations_ = 0;
  int perDialog_ = 0;
};

// Posts a click on a dialog's button.
void Click(HWND dialog, int id);

}  // namespace wintest
