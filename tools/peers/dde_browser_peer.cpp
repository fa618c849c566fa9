// A stand-in for a web browser that answers the browser DDE interface:
// its main window has a chosen class and caption, it answers
// WM_DDE_INITIATE for one service on the topics "WWW_OpenURL",
// "WWW_ListWindows" and "WWW_GetWindowInfo", and appends every request
// item it receives to a log file, one line each: the item, a tab and the
// system time in microseconds (for the speed figure).
//
//   dde_browser_peer --service NAME --class CLASS --caption TEXT --log FILE
//                    [--page ID REPLY]... [--delay MS] [--silent]
//
// --page: a window id and its "WWW_GetWindowInfo" reply, sent as given
// (the first page also answers id -1); --delay: every reply comes this
// late; --silent: requests get no reply at all.
#include <dde.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Page {
  long id;
  std::string reply;
};

struct Options {
  std::string service;
  std::string className = "VelloxDdeBrowserPeer";
  std::string caption = "DDE Browser Peer";
  std::string logPath;
  std::vector<Page> pages;
  UINT delayMs = 0;
  bool silent = false;
} options;

// A reply waiting for its delay: the client, the item atom and the value.
struct PendingReply {
  HWND client;
  ATOM item;
  std::string value;
};
std::vector<PendingReply> pending;
constexpr UINT_PTR kReplyTimer = 1;
const char kConversationClass[] = "VelloxDdePeerConversation";
HWND mainWindow = nullptr;

const char* const kTopics[] = {"WWW_OpenURL", "WWW_ListWindows", "WWW_GetWindowInfo"};

std::string AtomText(ATOM atom) {
  char text[256] = {};
  UINT n = atom ? GlobalGetAtomNameA(atom, text, sizeof text) : 0;
  return std::string(text, n);
}

void LogItem(const std::string& item) {
  FILE* log = std::fopen(options.logPath.c_str(), "ab");
  if (!log) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  std::fprintf(log, "%s\t%llu\n", item.c_str(), ticks / 10);
  std::fclose(log);
}

// The value a request asks for, or false when the peer has none.
bool ValueFor(const std::string& item, std::string* value) {
  if (item == "WWW_ListWindows") {
    for (const Page& page : options.pages) {
      int32_t id = static_cast<int32_t>(page.id);
      value->append(reinterpret_cast<const char*>(&id), sizeof id);
    }
    value->append(4, '\0');
    return true;
  }
  if (!item.empty() && item[0] == '"') {  // WWW_OpenURL: the window used
    int32_t id = options.pages.empty() ? 1 : static_cast<int32_t>(options.pages[0].id);
    value->assign(reinterpret_cast<const char*>(&id), sizeof id);
    return true;
  }
  const long id = std::strtol(item.c_str(), nullptr, 10);
  for (const Page& page : options.pages) {
    if (page.id == id || (id == -1 && &page == &options.pages[0])) {
      *value = page.reply;
      value->push_back('\0');
      return true;
    }
  }
  return false;
}

void SendData(HWND self, HWND client, ATOM item, const std::string& value) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(DDEDATA) + value.size());
  auto* data = static_cast<DDEDATA*>(GlobalLock(block));
  data->fResponse = 1;
  data->fRelease = 1;
  data->fAckReq = 0;
  data->cfFormat = CF_TEXT;
  std::memcpy(data->Value, value.data(), value.size());
  GlobalUnlock(block);
  LPARAM lp = PackDDElParam(WM_DDE_DATA, reinterpret_cast<UINT_PTR>(block), item);
  if (!PostMessageA(client, WM_DDE_DATA, reinterpret_cast<WPARAM>(self), lp)) {
    GlobalFree(block);
    FreeDDElParam(WM_DDE_DATA, lp);
    GlobalDeleteAtom(item);
  }
}

void OnInitiate(HWND self, HWND client, LPARAM lp) {
  const std::string service = AtomText(LOWORD(lp));
  const std::string topic = AtomText(HIWORD(lp));
  if (!service.empty() && lstrcmpiA(service.c_str(), options.service.c_str()) != 0) return;
  for (const char* known : kTopics) {
    if (!topic.empty() && lstrcmpiA(topic.c_str(), known) != 0) continue;
    // Each conversation gets a window of its own, as servers do, so that
    // a client can hold several with the same browser.
    HWND conversation = CreateWindowExA(0, kConversationClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(conversation ? conversation : self),
                 MAKELPARAM(GlobalAddAtomA(options.service.c_str()), GlobalAddAtomA(known)));
  }
}

void OnRequest(HWND self, HWND client, LPARAM lp) {
  const ATOM item = HIWORD(lp);
  const std::string text = AtomText(item);
  LogItem(text);
  std::string value;
  if (options.silent) {
    GlobalDeleteAtom(item);
    return;
  }
  if (!ValueFor(text, &value)) {
    // A negative acknowledgement, reusing the item atom.
    PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(self),
                 PackDDElParam(WM_DDE_ACK, 0, item));
    return;
  }
  if (options.delayMs > 0) {
    pending.push_back({client, item, value});
    SetTimer(self, kReplyTimer, options.delayMs, nullptr);
    return;
  }
  SendData(self, client, item, value);
}

LRESULT CALLBACK PeerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DDE_INITIATE:
      OnInitiate(hwnd, reinterpret_cast<HWND>(wp), lp);
      return 0;
    case WM_DDE_REQUEST:
      OnRequest(hwnd, reinterpret_cast<HWND>(wp), lp);
      return 0;
    case WM_DDE_ACK:
      FreeDDElParam(WM_DDE_ACK, lp);
      return 0;
    case WM_DDE_TERMINATE:
      PostMessageA(reinterpret_cast<HWND>(wp), WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(hwnd), 0);
      if (hwnd != mainWindow) DestroyWindow(hwnd);
      return 0;
    case WM_TIMER:
      KillTimer(hwnd, kReplyTimer);
      for (const PendingReply& reply : pending)
        SendData(hwnd, reply.client, reply.item, reply.value);
      pending.clear();
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      if (hwnd == mainWindow) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

bool ReadOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    const bool hasValue = i + 1 < argc;
    if (name == "--service" && hasValue) {
      options.service = argv[++i];
    } else if (name == "--class" && hasValue) {
      options.className = argv[++i];
    } else if (name == "--caption" && hasValue) {
      options.caption = argv[++i];
    } else if (name == "--log" && hasValue) {
      options.logPath = argv[++i];
    } else if (name == "--page" && i + 2 < argc) {
      long id = std::strtol(argv[i + 1], nullptr, 10);
      options.pages.push_back({id, argv[i + 2]});
      i += 2;
    } else if (name == "--delay" && hasValue) {
      options.delayMs = static_cast<UINT>(std::strtoul(argv[++i], nullptr, 10));
    } else if (name == "--silent") {
      options.silent = true;
    } else {
      return false;
    }
  }
  return !options.service.empty() && !options.logPath.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (!ReadOptions(argc, argv)) {
    std::fprintf(stderr, "usage: dde_browser_peer --service NAME --log FILE [options]\n");
    return 2;
  }
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PeerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = options.className.c_str();
  RegisterClassA(&wc);
  wc.lpszClassName = kConversationClass;
  RegisterClassA(&wc);
  // Visible, because the program looks for visible browser windows.
  mainWindow = CreateWindowExA(0, options.className.c_str(), options.caption.c_str(),
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               wc.hInstance, nullptr);
  if (!mainWindow) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
