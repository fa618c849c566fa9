#include "posted_marker.h"

#include <vector>

#include "app/command_window_names.h"
#include "vellox_process.h"

namespace e2e {
namespace {

constexpr char kReceiverClass[] = "VelloxTestMarkerReceiver";
// A handler of the first round may post a command of its own; the second
// marker, posted once the first came back, queues behind it.
constexpr int kRounds = 2;

UINT MarkerMessage() {
  static const UINT message = RegisterWindowMessageA(kQueueMarkerMessageName);
  return message;
}

// The marker comes back here: the window keeps the last one it received.
LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == MarkerMessage() && msg != 0) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, lp);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// A message-only window of this thread; destroyed with its owner.
class MarkerReceiver {
 public:
  MarkerReceiver() {
    static const ATOM registered = [] {
      WNDCLASSEXA wc = {};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = ReceiverProc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = kReceiverClass;
      return RegisterClassExA(&wc);
    }();
    if (registered)
      hwnd_ = CreateWindowExA(0, kReceiverClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  ~MarkerReceiver() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  MarkerReceiver(const MarkerReceiver&) = delete;
  MarkerReceiver& operator=(const MarkerReceiver&) = delete;

  HWND Handle() const { return hwnd_; }
  LONG_PTR Last() const { return GetWindowLongPtrA(hwnd_, GWLP_USERDATA); }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace

bool WaitForPostedMessages(DWORD pid, DWORD milliseconds) {
  static LONG_PTR lastToken = 0;
  MarkerReceiver receiver;
  if (!receiver.Handle() || MarkerMessage() == 0) return false;
  for (int round = 0; round < kRounds; ++round) {
    std::vector<HWND> commandWindows = TopLevelWindows(pid, kCommandWindowClass);
    if (commandWindows.empty()) return false;
    HWND commandWindow = commandWindows.front();
    const LONG_PTR token = ++lastToken;
    if (!PostMessageA(commandWindow, MarkerMessage(), reinterpret_cast<WPARAM>(receiver.Handle()),
                      token))
      return false;
    WaitUntil([&] { return receiver.Last() == token || !IsWindow(commandWindow); }, milliseconds);
    if (receiver.Last() != token) return false;
  }
  return true;
}

}  // namespace e2e
