// The title tip: a small window over a column line whose text did not fit,
// showing the whole text. It never takes the mouse or the focus: clicks
// fall through to the list box under it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/scoped_handle.h"
#include "framework/window.h"

class TitleTip : public framework::Window {
 public:
  TitleTip() = default;

  // Shows text over line (screen coordinates of the line) in the font of
  // box, bold when asked; the tip is the text's width plus 6 pixels wide.
  // The tip window is made at the first call, owned by the box's top-level
  // window (and destroyed with it at the latest).
  void Show(HWND box, const RECT& line, const std::string& text, bool bold);
  void Hide();
  bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
  // The line the tip stands over (box and index), for the caller's checks.
  HWND Box() const { return box_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnPaint() override;

 private:
  // The font the text is drawn in: the bold copy, the box's, or the GUI font.
  HGDIOBJ TextFont() const;

  HWND box_ = nullptr;
  framework::ScopedFont bold_;
  HFONT font_ = nullptr;  // the box's; not owned
  std::string text_;
};
