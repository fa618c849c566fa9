// QuickLogin's keystrokes against a log-in form peer on a thread of its
// own (as another program's window would be): a page that moves its own
// focus on Tab, and a dialog with a log-in and a password box.
#include "browser/login_typing_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// A window that keeps three fields like a web form: characters go to the
// current field, Tab moves to the next.
struct PageState {
  std::vector<std::string> fields = std::vector<std::string>(3);
  size_t current = 0;
};

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<PageState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  // The Tab that TranslateMessage also turns into a character is no text.
  if (state && msg == WM_CHAR && wp != '\t' && state->current < state->fields.size()) {
    state->fields[state->current].push_back(static_cast<char>(wp));
    return 0;
  }
  if (state && msg == WM_KEYDOWN && wp == VK_TAB) {
    ++state->current;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// Runs the peer's windows on their own thread with their own message loop.
class FormPeer {
 public:
  explicit FormPeer(bool dialog) : dialog_(dialog) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    settled_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
    WaitForSingleObject(ready_, 5000);
  }
  ~FormPeer() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
    CloseHandle(settled_);
  }
  // Waits until the peer's thread has handled everything posted to it
  // before (a marker posted behind it comes back as an event).
  bool Settle() {
    PostThreadMessageA(threadId_, kMarker, 0, 0);
    return WaitForSingleObject(settled_, 5000) == WAIT_OBJECT_0;
  }
  HWND Window() const { return window_; }
  HWND Box(int i) const { return boxes_[i]; }
  PageState& Page() { return page_; }
  std::string BoxText(int i) const {
    char text[128] = {};
    SendMessageA(boxes_[i], WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<FormPeer*>(self)->Loop();
    return 0;
  }
  void Loop() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (dialog_) {
      window_ = CreateWindowExA(WS_EX_CONTROLPARENT, "#32770", "Log-in Peer",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                instance, nullptr);
      for (int i = 0; i < 2; ++i)
        boxes_[i] = CreateWindowExA(
            0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 10 + 30 * i, 200, 24,
            window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
      SetFocus(boxes_[0]);
    } else {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = PageProc;
      wc.hInstance = instance;
      wc.lpszClassName = "VelloxLoginPagePeer";
      RegisterClassA(&wc);
      window_ = CreateWindowExA(0, wc.lpszClassName, "Page Peer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 300, 200, nullptr, nullptr, instance, nullptr);
      SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&page_));
    }
    SetEvent(ready_);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (msg.message == kMarker) {
        SetEvent(settled_);
        continue;
      }
      if (dialog_ && IsDialogMessageA(window_, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    DestroyWindow(window_);
  }

  static constexpr UINT kMarker = WM_APP + 7;
  bool dialog_;
  HANDLE ready_ = nullptr;
  HANDLE settled_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
  HWND boxes_[2] = {};
  PageState page_;
};

TEST(LoginTyping, CaretsAreTabsThatMoveThroughAPagesFields) {
  for (uint32_t delay : {0u, 20u}) {
    SCOPED_TRACE(delay);
    FormPeer peer(false);
    browser::TypeText("123^45^6789", peer.Window(), delay);
    ASSERT_TRUE(peer.Settle());
    EXPECT_EQ(peer.Page().fields, (std::vector<std::string>{"123", "45", "6789"}));
  }
  FormPeer peer(false);
  const std::string password = "pa^ss";
  browser::TypeLogin(peer.Window(), "user", &password, 0);
  ASSERT_TRUE(peer.Settle());
  EXPECT_EQ(peer.Page().fields, (std::vector<std::string>{"user", "pa", "ss"}));
}

TEST(LoginTyping, ADialogMovesToItsPasswordBox) {
  FormPeer peer(true);
  const std::string password = "secret";
  HWND focus = browser::ActivateAndReadFocus(peer.Window(), 0);
  ASSERT_EQ(focus, peer.Box(0));
  browser::TypeLogin(focus, "me", &password, 0);
  ASSERT_TRUE(peer.Settle());
  EXPECT_EQ(peer.BoxText(0), "me");
  EXPECT_EQ(peer.BoxText(1), "secret");
}

TEST(LoginTyping, NeverTypesIntoThisProgram) {
  // A window of this thread in front: the target is found behind it, and
  // a focus inside this program is refused.
  FormPeer peer(false);
  HWND own = CreateWindowExA(0, "STATIC", "Own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(own);
  if (GetForegroundWindow() == own) {
    HWND target = browser::FindLoginTarget();
    EXPECT_NE(target, own);
    EXPECT_NE(GetWindowThreadProcessId(target, nullptr), GetCurrentThreadId());
  }
  EXPECT_EQ(browser::ActivateAndReadFocus(own, 0), nullptr);
  DestroyWindow(own);
}

}  // namespace
