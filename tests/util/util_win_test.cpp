// The Win32 halves of the shared utilities.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/platform.h"
#include "util/clipboard_win.h"
#include "util/messages.h"
#include "util/screen_win.h"

TEST(Clipboard, TextRoundTripsAndEmptyFirstReplacesEarlierData) {
  const char text[] = "http://example.com/\r\nsecond line";
  ASSERT_TRUE(SetClipboardText(CF_TEXT, text, sizeof text, nullptr, true));
  const UINT html = RegisterClipboardFormatA("HTML Format");
  const char fragment[] = "<b>x</b>";
  ASSERT_TRUE(SetClipboardText(html, fragment, sizeof fragment, nullptr, false));
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), text);
  GlobalUnlock(data);
  EXPECT_TRUE(IsClipboardFormatAvailable(html));
  CloseClipboard();

  ASSERT_TRUE(SetClipboardText(CF_TEXT, "new", 4, nullptr, true));
  EXPECT_FALSE(IsClipboardFormatAvailable(html));
}

TEST(KeepRect, MovesIntoTheAreaAndTakesTheSize) {
  const RECT area = {0, 0, 1000, 700};
  struct Case {
    RECT in;
    int width, height;
    RECT out;
  } cases[] = {
      {{100, 100, 200, 200}, 300, 200, {100, 100, 400, 300}},    // already inside
      {{-50, -20, 0, 0}, 300, 200, {0, 0, 300, 200}},            // off the top-left
      {{900, 650, 0, 0}, 300, 200, {700, 500, 1000, 700}},       // off the bottom-right
      {{5000, -9000, 0, 0}, 1200, 100, {-200, 0, 1000, 100}},    // wider than the area
  };
  for (const Case& c : cases) {
    RECT r = c.in;
    KeepRectInArea(&r, c.width, c.height, area);
    EXPECT_EQ(r.left, c.out.left);
    EXPECT_EQ(r.top, c.out.top);
    EXPECT_EQ(r.right, c.out.right);
    EXPECT_EQ(r.bottom, c.out.bottom);
  }
}

TEST(KeepRect, AWindowFarOffScreenComesBackToTheWorkArea) {
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  RECT r = {-30000, -30000, -29000, -29500};
  KeepRectOnScreen(&r, 400, 300);
  EXPECT_GE(r.left, work.left);
  EXPECT_GE(r.top, work.top);
  EXPECT_LE(r.right, work.right);
  EXPECT_LE(r.bottom, work.bottom);
  EXPECT_EQ(r.right - r.left, 400);
}

TEST(Messages, SystemErrorTextFillsTheFirstPlaceholder) {
  const std::string text = platform::SystemErrorText(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');
  // 10013: "Sorry, I cannot open the selected bookmark list file:\n%1 ..."
  const std::string message = FormatSystemErrorMessage(10013, ERROR_FILE_NOT_FOUND);
  EXPECT_NE(message.find("file:\n" + text + "\n"), std::string::npos) << message;
}
