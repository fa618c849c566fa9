// The DDE layer and the DDE route of opening against the DDE test browser.
#include "browser/dde_client_win.h"

#include <dde.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "browser/browser_routes_win.h"
#include "browser/dde_browser_win.h"
#include "support/dde_browser_peer_win.h"
#include "support/temp_folder.h"

namespace {

// A hidden client window that hands its DDE messages to a DdeClient, as
// the program's command window does.
class ClientWindow {
 public:
  ClientWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VelloxDdeTestClient";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            wc.hInstance, nullptr);
    dde_ = new browser::DdeClient(hwnd_);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dde_));
    browser::DdeClient::SetCurrent(dde_);
  }
  ~ClientWindow() {
    delete dde_;
    DestroyWindow(hwnd_);
  }
  browser::DdeClient& Dde() { return *dde_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* dde = reinterpret_cast<browser::DdeClient*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (dde && dde->HandleMessage(msg, wp, lp)) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  HWND hwnd_ = nullptr;
  browser::DdeClient* dde_ = nullptr;
};

// Dispatches this thread's messages until the peer has logged count items.
bool WaitForItems(const wintest::DdeBrowserPeer& peer, size_t count) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 5000;) {
    if (peer.Items().size() >= count) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return false;
}

// Dispatches this thread's messages until the servers have confirmed the
// end of every conversation.
bool PumpUntilAllEnded(browser::DdeClient& dde) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 3000;) {
    if (dde.SlotsInUse() == 0) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return false;
}

const char kPeerClass[] = "VelloxTestDdeBrowser";
const char kService[] = "VelloxTestBrowser";

// Two windows; the peer's caption is the second page's title.
std::string PeerArguments(const std::string& extra = "") {
  return std::string("--service ") + kService +
         " --caption \"News & more - Peer Browser\""
         " --page 3 \"\\\"http://one.example/\\\",\\\"One\\\"\""
         " --page 7 \"\\\"http://two.example/\\\",\\\"News & more\\\"\" " +
         extra;
}

TEST(DdeClient, OpenUrlSendsTheExactItemForTheMatchingWindow) {
  TempFolder temp;
  wintest::DdeBrowserPeer peer;
  ASSERT_TRUE(peer.Start(kPeerClass, temp.Path("requests.log"), PeerArguments()));
  ClientWindow client;
  BrowserEntry entry{"Peer", "peer.exe", kService, "DDE", "", "", ""};

  // The window whose caption matches, a new window, and no main window.
  ASSERT_TRUE(browser::OpenUrlByDde(entry, peer.Window(), "http://x.example/a", false));
  ASSERT_TRUE(browser::OpenUrlByDde(entry, peer.Window(), "http://x.example/b", true));
  ASSERT_TRUE(browser::OpenUrlByDde(entry, nullptr, "http://x.example/c", false));
  ASSERT_TRUE(WaitForItems(peer, 6));
  EXPECT_EQ(peer.Items(), (std::vector<std::string>{
                              "WWW_ListWindows",
                              "3",
                              "7",  // finding the window's id
                              "\"http://x.example/a\",,7,0,,,",
                              "\"http://x.example/b\",,0,0,,,",
                              "\"http://x.example/c\",,-1,0,,,",
                          }));
  EXPECT_TRUE(PumpUntilAllEnded(client.Dde()));

  // Nobody serves this name: the route fails and the next one is tried.
  BrowserEntry absent{"None", "none.exe", "VelloxNoSuchService", "DDE", "", "", ""};
  EXPECT_FALSE(browser::OpenUrlByDde(absent, nullptr, "http://x.example/", true));
}

TEST(DdeClient, PagesAreReadFromTheBrowsersWindows) {
  TempFolder temp;
  wintest::DdeBrowserPeer peer;
  ASSERT_TRUE(peer.Start(kPeerClass, temp.Path("requests.log"), PeerArguments()));
  ClientWindow client;
  browser::PageInfo page;
  ASSERT_TRUE(browser::DdeGetWindowInfo(client.Dde(), kService, -1, -1, &page));
  EXPECT_EQ(page.url, "http://one.example/");
  EXPECT_EQ(page.title, "One");

  std::vector<browser::DdePage> pages = browser::DdeOpenPages(client.Dde(), kService);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].windowId, 7);
  EXPECT_EQ(pages[1].page.url, "http://two.example/");
  EXPECT_EQ(pages[1].page.title, "News & more");
  EXPECT_EQ(browser::FindDdeWindowId(client.Dde(), kService, peer.Window()), 7);
  EXPECT_TRUE(PumpUntilAllEnded(client.Dde()));
}

TEST(DdeClient, SixConversationsAtOnceAndNoSeventh) {
  TempFolder temp;
  wintest::DdeBrowserPeer peer;
  ASSERT_TRUE(peer.Start(kPeerClass, temp.Path("requests.log"), PeerArguments()));
  ClientWindow client;
  int slots[6];
  for (int i = 0; i < 6; ++i) {
    slots[i] = client.Dde().Connect(kService, browser::kTopicGetWindowInfo);
    EXPECT_EQ(slots[i], i);
  }
  EXPECT_EQ(client.Dde().Connect(kService, browser::kTopicGetWindowInfo), -1);
  // Every one of them is connected and answers.
  for (int slot : slots) {
    ASSERT_TRUE(client.Dde().Request(slot, "7"));
    std::string value;
    // A generous wait: this is about the slots, not the time (a loaded
    // machine can hold the peer's answer beyond the usual second).
    EXPECT_GT(client.Dde().Wait(slot, 5 * browser::kDdeWaitMs, &value), 0) << "slot " << slot;
    client.Dde().Terminate(slot);
  }
  ASSERT_TRUE(WaitForItems(peer, 6));
  EXPECT_TRUE(PumpUntilAllEnded(client.Dde()));
}

TEST(DdeClient, ASilentOrLateServerCostsOneSecondPerRequest) {
  for (const char* mode : {"--silent", "--delay 1500"}) {
    SCOPED_TRACE(mode);
    TempFolder temp;
    wintest::DdeBrowserPeer peer;
    ASSERT_TRUE(peer.Start(kPeerClass, temp.Path("requests.log"), PeerArguments(mode)));
    ClientWindow client;
    const DWORD start = GetTickCount();
    browser::PageInfo page;
    EXPECT_FALSE(browser::DdeGetWindowInfo(client.Dde(), kService, 3, -1, &page));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, browser::kDdeWaitMs - 20);
    // One initiate (answered at once) and one request of 1000 ms; the
    // margin is for a loaded machine.
    EXPECT_LT(elapsed, 2 * browser::kDdeWaitMs + 500);
    EXPECT_EQ(peer.Items(), (std::vector<std::string>{"3"}));
  }
}

}  // namespace
