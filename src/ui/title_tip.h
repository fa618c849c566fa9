// The title tip: a small window over a column line whose text did not fit,
// showing the whole text. It never takes the mouse or the focus: clicks
// fall through to the list box under it.
#pragma once

#include <windows.h>

#include <string>

class TitleTip {
 public:
  TitleTip() = default;
  ~TitleTip();
  TitleTip(const TitleTip&) = delete;
  TitleTip& operator=(const TitleTip&) = delete;

  // Shows text over line (screen coordinates of the line) in the font of
  // box, bold when asked; the tip is the text's width plus 6 pixels wide.
  void Show(HWND box, const RECT& line, const std::string& text, bool bold);
  void Hide();
  bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
  // The line the tip stands over (box and index), for the caller's checks.
  HWND Box() const { return box_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Paint();

  HWND hwnd_ = nullptr;
  HWND box_ = nullptr;
  HFONT bold_ = nullptr;
  HFONT font_ = nullptr;
  std::string text_;
};
