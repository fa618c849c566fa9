// The Windows build's side of copying and dating: the clipboard formats of
// the copy commands, and the long date forms of the C runtime.
#include "exchange/copy_as_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "exchange/copy_formats.h"
#include "exchange/item_time.h"
#include "exchange/item_time_cases.h"
#include "resources/resource.h"
#include "support/import_test_support.h"

namespace {

std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return "(not opened)";
  if (HANDLE data = GetClipboardData(format)) {
    const char* text = static_cast<const char*>(GlobalLock(data));
    if (text) bytes = text;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

uint16_t Add(BookmarkList& list, int level, const std::string& title, const std::string& url) {
  BookmarkItem record;
  record.level = static_cast<int8_t>(level);
  record.flags = level == kLevelBookmark ? kFlagBookmark : 0;
  record.title = title;
  record.url = url;
  return list.AddItem(kRootIndex, record, 0);
}

TEST(CopyAs, TextAndHtmlFormatsOnTheClipboard) {
  BookmarkList list;
  importtest::FixClock(list);
  Add(list, 0, "C", "");
  Add(list, 1, "S", "");
  uint16_t bookmark = Add(list, 2, "Caf\xE9 <i>", "https://c.example/");
  const UINT html = RegisterClipboardFormatA("HTML Format");

  ASSERT_TRUE(CopyAs(list, bookmark, ID_CMD_COPY_HTML_LINK, nullptr));
  const std::string link = "<a href=\"https://c.example/\">Caf\xE9 &lt;i&gt;</a>";
  EXPECT_EQ(ClipboardBytes(CF_TEXT), link);
  std::string block = ClipboardBytes(html);
  EXPECT_EQ(block, WrapClipboardHtml(link));
  size_t start = std::strtoul(block.c_str() + block.find("StartFragment:") + 14, nullptr, 10);
  EXPECT_EQ(block.substr(start), "<a href=\"https://c.example/\">Caf\xC3\xA9 &lt;i&gt;</a>\r\n");

  // A text command empties the clipboard first: the HTML data goes.
  ASSERT_TRUE(CopyAs(list, bookmark, ID_CMD_COPY_TITLE_URL, nullptr));
  EXPECT_EQ(ClipboardBytes(CF_TEXT), "Caf\xE9 <i>\thttps://c.example/");
  EXPECT_FALSE(IsClipboardFormatAvailable(html));

  // Nothing marked: nothing copied, the clipboard is left alone.
  EXPECT_FALSE(CopyAs(list, 0, ID_CMD_COPY_MARKED_HTML_TABLE, nullptr));
  EXPECT_EQ(ClipboardBytes(CF_TEXT), "Caf\xE9 <i>\thttps://c.example/");
  list.SetFlags(bookmark, kFlagMarked, 1);
  ASSERT_TRUE(CopyAs(list, 0, ID_CMD_COPY_MARKED_HTML_TABLE, nullptr));
  EXPECT_EQ(ClipboardBytes(CF_TEXT), "<table>\r\n<tr><td>" + link + "</td></tr>\r\n</table>\r\n");
  EXPECT_TRUE(IsClipboardFormatAvailable(html));
}

// The C runtime's own "%#x" and "%#c" in the user's locale, as the program
// sets it at start-up: the texts the POSIX side copies.
TEST(ItemTimeWin, LongFormsOfTheRuntime) {
  std::string saved = setlocale(LC_ALL, nullptr);
  char name[8] = {};
  ASSERT_TRUE(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, name, sizeof name));
  ASSERT_NE(setlocale(LC_ALL, name), nullptr) << name;
  for (const auto& c : itemtime::kLongForms) {
    EXPECT_EQ(FormatItemTime(c.time, kDateLong), c.dateLong);
    std::string text = FormatItemTime(c.time, kTimeLong);
    std::string prefix = c.timeLongPrefix;
    ASSERT_EQ(text.substr(0, prefix.size()), prefix) << text;
    EXPECT_TRUE(itemtime::IsLongClock(text.c_str() + prefix.size(), c.minutesSeconds)) << text;
    EXPECT_EQ(FormatItemTime(c.time, kDateIso).size(), 10u);
  }
  setlocale(LC_ALL, saved.c_str());
}

}  // namespace
