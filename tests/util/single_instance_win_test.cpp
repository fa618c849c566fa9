#include "util/single_instance_win.h"

#include <gtest/gtest.h>

namespace {

// A window of the test thread whose handler ends the "other copy" (closes
// its mutex) when the retry pause dispatches the posted message.
HANDLE otherCopyMutex = nullptr;
constexpr UINT kEndOtherCopy = WM_APP + 1;

LRESULT CALLBACK EndingCopyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kEndOtherCopy && otherCopyMutex) {
    CloseHandle(otherCopyMutex);
    otherCopyMutex = nullptr;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND CreateEndingCopyWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = EndingCopyProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelloxEndingCopy";
  RegisterClassA(&wc);
  return CreateWindowA("VelloxEndingCopy", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                       nullptr);
}

LRESULT CALLBACK AnsweringProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == IAmVelloxMessage()) return IAmVelloxMessage();
  return DefWindowProcA(h, m, w, l);
}

}  // namespace

TEST(SingleInstance, NoOtherCopyMeansThisCopyHoldsTheMutex) {
  HANDLE mutex = nullptr;
  ASSERT_FALSE(AnotherInstanceIsRunning(&mutex));
  ASSERT_NE(mutex, nullptr);
  // A later copy now sees this one.
  HANDLE second = nullptr;
  EXPECT_TRUE(AnotherInstanceIsRunning(&second));
  EXPECT_EQ(second, nullptr);
  CloseHandle(mutex);
}

TEST(SingleInstance, ACopyThatEndsDuringTheRetryPauseIsNotCountedAsRunning) {
  otherCopyMutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
  ASSERT_NE(otherCopyMutex, nullptr);
  HWND window = CreateEndingCopyWindow();
  ASSERT_NE(window, nullptr);
  // Dispatched only by the pause between the two attempts.
  PostMessageA(window, kEndOtherCopy, 0, 0);
  HANDLE mutex = nullptr;
  EXPECT_FALSE(AnotherInstanceIsRunning(&mutex));
  EXPECT_EQ(otherCopyMutex, nullptr) << "the pause did not dispatch messages";
  EXPECT_NE(mutex, nullptr);
  if (mutex) CloseHandle(mutex);
  DestroyWindow(window);
}

TEST(SingleInstance, ACopyStillRunningAfterThePauseIsFound) {
  HANDLE other = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
  ASSERT_NE(other, nullptr);
  const DWORD start = GetTickCount();
  HANDLE mutex = nullptr;
  EXPECT_TRUE(AnotherInstanceIsRunning(&mutex));
  EXPECT_GE(GetTickCount() - start, 240u) << "the second attempt must follow a 250 ms pause";
  EXPECT_EQ(mutex, nullptr);
  CloseHandle(other);
}

TEST(SingleInstance, TheRunningCopyIsFoundByItsAnswerToTheRegisteredMessage) {
  // Windows of the calling thread are skipped, so a copy never finds itself.
  WNDCLASSA wc = {};
  wc.lpfnWndProc = AnsweringProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelloxSelf";
  RegisterClassA(&wc);
  HWND self = CreateWindowA("VelloxSelf", "Vellox", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            wc.hInstance, nullptr);
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(FindRunningInstance(), nullptr);
  DestroyWindow(self);
  EXPECT_NE(IAmVelloxMessage(), 0u);
}
