// One HWND with one-line helpers, and the base of every window class:
// `this` travels in lpCreateParams and is kept in GWLP_USERDATA from
// WM_NCCREATE on; messages reach virtual handlers. No exception leaves a
// window procedure.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

// A thin view of a window handle; owns nothing.
class WindowRef {
 public:
  WindowRef() = default;
  explicit WindowRef(HWND hwnd) : hwnd_(hwnd) {}
  HWND Handle() const { return hwnd_; }
  bool IsValid() const { return hwnd_ != nullptr && IsWindow(hwnd_); }

  std::string Text() const;
  void SetText(const std::string& text) const { SetWindowTextA(hwnd_, text.c_str()); }
  void Show(int command) const { ShowWindow(hwnd_, command); }
  bool IsVisible() const { return IsWindowVisible(hwnd_) != 0; }
  void Enable(bool enable) const { EnableWindow(hwnd_, enable ? TRUE : FALSE); }
  RECT WindowRect() const;
  RECT ClientRect() const;
  void Move(const RECT& r, bool repaint = true) const {
    MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint ? TRUE : FALSE);
  }
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageA(hwnd_, msg, wp, lp); }
  bool Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return PostMessageA(hwnd_, msg, wp, lp) != 0; }
  // Posts a command to the window itself: user-interface work done once
  // the current message is handled (work after a pause is a window timer).
  bool PostCommand(int id) const { return Post(WM_COMMAND, static_cast<WPARAM>(id), 0); }
  void SetFont(HFONT font, bool redraw = true) const { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }
  void Invalidate(bool erase = true) const { InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }

 protected:
  HWND hwnd_ = nullptr;
};

// Parameters of Window::Create.
struct CreateArgs {
  const char* className = nullptr;  // registered with Window::RegisterClass
  const char* title = "";
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  RECT rect = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};  // right/bottom are the size when left is CW_USEDEFAULT
  HWND parent = nullptr;
  HMENU menu = nullptr;
};

class Window : public WindowRef {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Registers a class whose window procedure routes to Window objects.
  // Returns the class atom (0 on failure).
  static ATOM RegisterClass(WNDCLASSEXA wc);
  // Creates the window; false on failure (GetLastError kept).
  bool Create(const CreateArgs& args);
  void Destroy();

  // Routes a message to the object attached to hwnd, if any.
  static Window* FromHandle(HWND hwnd);

 protected:
  // Everything not handled here goes to DefWindowProc.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  virtual bool OnCreate() { return true; }
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
  virtual void OnSize(int /*type*/, int /*width*/, int /*height*/) {}
  virtual bool OnPaint() { return false; }
  virtual bool OnDrawItem(DRAWITEMSTRUCT* /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT* /*item*/) { return false; }
  virtual bool OnClose() { return false; }  // true: handled, do not destroy
  virtual void OnDestroy() {}
  // Called after WM_NCDESTROY; the handle is gone.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace framework
