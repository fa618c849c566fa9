// The framework's message loop, waits and dialog templates against the
// real user interface that Wine provides.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/message_loop.h"

namespace {

// An application whose idle handler wants three calls, then, after a
// message has been handled, two more and quits.
class IdleRecorder : public framework::Application {
 public:
  std::vector<long> counts;

 protected:
  bool OnIdle(long count) override {
    counts.push_back(count);
    if (phase_ == 0 && count == 2) {
      phase_ = 1;
      PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
      return false;
    }
    if (phase_ == 1 && count == 1) {
      PostQuitMessage(7);
      return false;
    }
    return true;
  }

 private:
  int phase_ = 0;
};

TEST(MessageLoop, IdleCountsGrowUntilNoMoreWorkAndRestartAfterAMessage) {
  IdleRecorder app;
  EXPECT_EQ(app.Run(), 7);
  EXPECT_EQ(app.counts, (std::vector<long>{0, 1, 2, 0, 1}));
}

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) {
    ++*reinterpret_cast<int*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND CreateCountingWindow(int* counter) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelloxCounting";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA("VelloxCounting", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(counter));
  return hwnd;
}

TEST(PumpWait, DispatchesPendingMessagesAndWaitsTheGivenTime) {
  int handled = 0;
  HWND hwnd = CreateCountingWindow(&handled);
  for (int i = 0; i < 3; ++i) PostMessageA(hwnd, WM_APP, 0, 0);
  const DWORD start = GetTickCount();
  framework::PumpWait(120);
  EXPECT_GE(GetTickCount() - start, 110u);
  EXPECT_EQ(handled, 3);
  DestroyWindow(hwnd);
}

TEST(PumpWait, ZeroReturnsOnceThePendingMessagesAreHandled) {
  int handled = 0;
  HWND hwnd = CreateCountingWindow(&handled);
  PostMessageA(hwnd, WM_APP, 0, 0);
  PostMessageA(hwnd, WM_APP, 0, 0);
  const DWORD start = GetTickCount();
  framework::PumpWait(0);
  EXPECT_EQ(handled, 2);
  EXPECT_LT(GetTickCount() - start, 400u);
  DestroyWindow(hwnd);
}

TEST(PumpWait, LeavesWmQuitForTheMainLoop) {
  PostQuitMessage(3);
  framework::PumpWait(50);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

// Dialog templates, written the way the resource compiler writes them.
class TemplateWriter {
 public:
  void Word(uint16_t v) { bytes.append(reinterpret_cast<const char*>(&v), 2); }
  void Dword(uint32_t v) { bytes.append(reinterpret_cast<const char*>(&v), 4); }
  void Text(const wchar_t* s) {
    do Word(static_cast<uint16_t>(*s)); while (*s++);
  }
  void Align() {
    while (bytes.size() % 4) bytes.push_back('\0');
  }
  std::string bytes;
};

constexpr int kStaticId = 1234;

// A DIALOGEX with one static text item; font given or none.
std::string ExtendedTemplate(const wchar_t* face) {
  TemplateWriter w;
  w.Word(1);
  w.Word(0xFFFF);
  w.Dword(0);  // help id
  w.Dword(0);  // extended style
  w.Dword(WS_POPUP | WS_CAPTION | (face ? DS_SETFONT : 0));
  w.Word(1);  // items
  w.Word(0), w.Word(0), w.Word(200), w.Word(100);
  w.Word(0);  // menu
  w.Word(0);  // class
  w.Text(L"Template test");
  if (face) {
    w.Word(8);
    w.Word(FW_NORMAL);
    w.Word(0);
    w.Text(face);
  }
  w.Align();
  w.Dword(0);  // help id
  w.Dword(0);  // extended style
  w.Dword(WS_CHILD | WS_VISIBLE);
  w.Word(10), w.Word(10), w.Word(100), w.Word(12);
  w.Dword(kStaticId);
  w.Word(0xFFFF);
  w.Word(0x0082);  // static
  w.Text(L"Hello");
  w.Word(0);  // no creation data
  return w.bytes;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string DialogFontFace(const std::string& tpl, HWND* item) {
  HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                           reinterpret_cast<const DLGTEMPLATE*>(tpl.data()), nullptr,
                                           PlainDialogProc, 0);
  if (!dialog) return "(no dialog)";
  *item = GetDlgItem(dialog, kStaticId);
  char text[32] = {};
  GetWindowTextA(*item, text, sizeof text);
  LOGFONTA font = {};
  HFONT hfont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  std::string face = hfont && GetObjectA(hfont, sizeof font, &font) ? font.lfFaceName : "(system)";
  face += std::string("|") + text;
  DestroyWindow(dialog);
  return face;
}

TEST(DialogTemplate, ReplacesTheFontAndKeepsTheItems) {
  std::string tpl = ExtendedTemplate(L"MS Shell Dlg");
  ASSERT_TRUE(framework::ReplaceTemplateFont(&tpl, "Courier New", 12));
  HWND item = nullptr;
  EXPECT_EQ(DialogFontFace(tpl, &item), "Courier New|Hello");
  EXPECT_NE(item, nullptr);
}

TEST(DialogTemplate, AddsAFontToATemplateWithoutOne) {
  std::string tpl = ExtendedTemplate(nullptr);
  ASSERT_TRUE(framework::ReplaceTemplateFont(&tpl, "Arial", 9));
  HWND item = nullptr;
  EXPECT_EQ(DialogFontFace(tpl, &item), "Arial|Hello");
}

TEST(DialogTemplate, RefusesTruncatedTemplatesWithoutChangingThem) {
  std::string tpl = ExtendedTemplate(L"MS Shell Dlg").substr(0, 20);
  const std::string before = tpl;
  EXPECT_FALSE(framework::ReplaceTemplateFont(&tpl, "Arial", 9));
  EXPECT_EQ(tpl, before);
}

}  // namespace
