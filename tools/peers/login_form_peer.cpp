// A stand-in for the log-in form that QuickLogin fills in another program.
// Two kinds, each a visible top-level window with a caption:
//   - a web page (the default): one child window holds the keyboard focus
//     and keeps three fields the way a browser's page does, moving its own
//     focus to the next field on a Tab key-down;
//   - a dialog (--dialog): a log-in and a password box, which the dialog
//     manager moves between (WM_NEXTDLGCTL, Tab).
// After every message it handles, the peer rewrites its log with what the
// fields hold, one field a line (the test reads the file, waiting until it
// shows what was typed).
//
//   login_form_peer --log FILE [--dialog] [--caption TEXT]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kPageFields = 3;
constexpr int kFirstBoxId = 100;
constexpr int kDialogBoxes = 2;
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryMs = 20;
const char kFrameClass[] = "VelloxLoginFormPeer";
const char kPageClass[] = "VelloxLoginFormPeerPage";

struct Options {
  std::string logPath;
  std::string caption = "Log-in Form Peer";
  bool dialog = false;
} options;

// The page's fields and the one that has the page's focus.
std::vector<std::string> fields(kPageFields);
size_t currentField = 0;
HWND frame = nullptr;
HWND page = nullptr;
std::vector<HWND> boxes;

std::vector<std::string> FieldTexts() {
  if (!options.dialog) return fields;
  std::vector<std::string> texts;
  for (HWND box : boxes) {
    char text[256] = {};
    GetWindowTextA(box, text, sizeof text);
    texts.push_back(text);
  }
  return texts;
}

// Rewrites the log when the fields changed since the last report. A
// replace that fails (the test may hold the file open while it reads) is
// tried again on a timer, so that the last change is never lost.
void Report() {
  static std::string reported;
  std::string text;
  for (const std::string& field : FieldTexts()) text += field + "\n";
  if (text == reported) return;
  const std::string partial = options.logPath + ".part";
  FILE* log = std::fopen(partial.c_str(), "wb");
  bool written = log != nullptr;
  if (log) {
    written = std::fwrite(text.data(), 1, text.size(), log) == text.size();
    written = std::fclose(log) == 0 && written;
  }
  // Whole or not at all: the reader never sees half a report.
  if (written && MoveFileExA(partial.c_str(), options.logPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    reported = text;
    KillTimer(frame, kRetryTimer);
  } else {
    SetTimer(frame, kRetryTimer, kRetryMs, nullptr);
  }
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHAR:
      // TranslateMessage also turns the Tab key-down into a character.
      if (wp != '\t' && currentField < fields.size())
        fields[currentField].push_back(static_cast<char>(wp));
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_TAB && currentField < fields.size()) ++currentField;
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFOCUS:
      // The page takes the focus whenever the browser's window gets it.
      if (page) SetFocus(page);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

bool CreatePage(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.hInstance = instance;
  wc.lpfnWndProc = FrameProc;
  wc.lpszClassName = kFrameClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = PageProc;
  wc.lpszClassName = kPageClass;
  RegisterClassA(&wc);
  frame = CreateWindowExA(0, kFrameClass, options.caption.c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 320,
                          200, nullptr, nullptr, instance, nullptr);
  // Control id 0: a page is not a dialog's control.
  page = CreateWindowExA(0, kPageClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 160, frame, nullptr,
                         instance, nullptr);
  return frame && page;
}

bool CreateDialogWindow(HINSTANCE instance) {
  // The system's dialog class: the dialog manager answers WM_NEXTDLGCTL.
  frame =
      CreateWindowExA(WS_EX_CONTROLPARENT, "#32770", options.caption.c_str(), WS_OVERLAPPEDWINDOW,
                      40, 40, 320, 200, nullptr, nullptr, instance, nullptr);
  for (int i = 0; frame && i < kDialogBoxes; ++i)
    boxes.push_back(CreateWindowExA(
        0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 10 + 30 * i, 200, 24,
        frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstBoxId + i)), instance, nullptr));
  return frame && boxes.size() == kDialogBoxes && boxes.back();
}

bool ReadOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--log" && i + 1 < argc)
      options.logPath = argv[++i];
    else if (name == "--caption" && i + 1 < argc)
      options.caption = argv[++i];
    else if (name == "--dialog")
      options.dialog = true;
    else
      return false;
  }
  return !options.logPath.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (!ReadOptions(argc, argv)) {
    std::fprintf(stderr, "usage: login_form_peer --log FILE [--dialog] [--caption TEXT]\n");
    return 2;
  }
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!(options.dialog ? CreateDialogWindow(instance) : CreatePage(instance))) return 1;
  ShowWindow(frame, SW_SHOWNORMAL);
  SetForegroundWindow(frame);
  SetFocus(options.dialog ? boxes.front() : page);
  Report();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // A posted close ends the peer (the dialog manager would only cancel).
    if (msg.message == WM_CLOSE && msg.hwnd == frame) break;
    if (!options.dialog || !IsDialogMessageA(frame, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Report();
  }
  return 0;
}
