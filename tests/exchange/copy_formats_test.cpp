#include "exchange/copy_formats.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "resources/resource.h"
#include "support/import_test_support.h"

namespace {

uint16_t Add(BookmarkList& list, int level, const std::string& title, const std::string& url = "",
             uint16_t flags = 0) {
  BookmarkItem record;
  record.level = static_cast<int8_t>(level);
  record.flags = flags | (level == kLevelBookmark && !(flags & kFlagSeparator) ? kFlagBookmark : 0);
  record.title = title;
  record.url = url;
  return list.AddItem(kRootIndex, record, 0);
}

// The number after "name:" in the CF_HTML header.
size_t Offset(const std::string& block, const std::string& name) {
  size_t at = block.find(name + ":");
  EXPECT_NE(at, std::string::npos) << name;
  return at == std::string::npos ? 0
                                 : std::strtoul(block.c_str() + at + name.size() + 1, nullptr, 10);
}

class CopyFormats : public ::testing::Test {
 protected:
  void SetUp() override {
    importtest::FixClock(list_);
    category_ = Add(list_, 0, "News & <Views>");
    Add(list_, 1, "Daily");
    bookmark_ = Add(list_, 2, "A <b>bold</b> & \"title\"", "https://a.example/?x=1&y=2");
    separator_ = Add(list_, 2, "", "", kFlagSeparator);
    Add(list_, 2, "Plain", "https://p.example/");
  }
  void MarkAll() {
    for (uint16_t i = list_.Next(kRootIndex, true); i != kRootIndex; i = list_.Next(i, true))
      list_.SetFlags(i, kFlagMarked, 1);
  }
  std::string Copy(int command, uint16_t selected = 0) {
    std::string text;
    BuildCopyText(list_, command, selected, &text);
    return text;
  }
  BookmarkList list_;
  uint16_t category_ = 0, bookmark_ = 0, separator_ = 0;
};

TEST_F(CopyFormats, SelectedBookmark) {
  EXPECT_EQ(Copy(ID_CMD_COPY_URL, bookmark_), "https://a.example/?x=1&y=2");
  EXPECT_EQ(Copy(ID_CMD_COPY_TITLE_URL, bookmark_),
            "A <b>bold</b> & \"title\"\thttps://a.example/?x=1&y=2");
  // The HTML link escapes its parts so that the title stays text.
  EXPECT_EQ(Copy(ID_CMD_COPY_HTML_LINK, bookmark_),
            "<a href=\"https://a.example/?x=1&amp;y=2\">A &lt;b&gt;bold&lt;/b&gt; &amp; "
            "&quot;title&quot;</a>");
  std::string text = "unchanged";
  EXPECT_FALSE(BuildCopyText(list_, ID_CMD_COPY_URL, 0, &text));
  EXPECT_FALSE(BuildCopyText(list_, ID_CMD_COPY_URL, category_, &text));
  EXPECT_FALSE(BuildCopyText(list_, ID_CMD_COPY_HTML_LINK, separator_, &text));
  EXPECT_EQ(text, "");
}

TEST_F(CopyFormats, MarkedItems) {
  std::string text;
  EXPECT_FALSE(BuildCopyText(list_, ID_CMD_COPY_MARKED_URLS, 0, &text));
  EXPECT_FALSE(BuildCopyText(list_, ID_CMD_COPY_MARKED_HTML_TABLE, 0, &text));
  EXPECT_EQ(text, "");
  MarkAll();
  EXPECT_EQ(Copy(ID_CMD_COPY_MARKED_URLS),
            "News & <Views>\r\nDaily\r\nhttps://a.example/?x=1&y=2\r\n\r\nhttps://p.example/\r\n");
  EXPECT_EQ(Copy(ID_CMD_COPY_MARKED_TITLES_URLS),
            "News & <Views>\r\nDaily\r\nA <b>bold</b> & \"title\"\thttps://a.example/?x=1&y=2\r\n"
            "\t\r\nPlain\thttps://p.example/\r\n");
  const std::string link =
      "<a href=\"https://a.example/?x=1&amp;y=2\">A &lt;b&gt;bold&lt;/b&gt; &amp; "
      "&quot;title&quot;</a>";
  EXPECT_EQ(Copy(ID_CMD_COPY_MARKED_HTML_LIST),
            "<h1>News &amp; &lt;Views&gt;</h1>\r\n<h2>Daily</h2>\r\n<p>" + link +
                "</p>\r\n<hr>\r\n<p><a href=\"https://p.example/\">Plain</a></p>\r\n");
  EXPECT_EQ(Copy(ID_CMD_COPY_MARKED_HTML_TABLE),
            "<table>\r\n<tr><td><h1>News &amp; &lt;Views&gt;</h1></td></tr>\r\n"
            "<tr><td><h2>Daily</h2></td></tr>\r\n<tr><td>" +
                link +
                "</td></tr>\r\n"
                "<tr><td><hr></td></tr>\r\n"
                "<tr><td><a href=\"https://p.example/\">Plain</a></td></tr>\r\n</table>\r\n");
  EXPECT_TRUE(IsHtmlCopyCommand(ID_CMD_COPY_MARKED_HTML_LIST));
  EXPECT_FALSE(IsHtmlCopyCommand(ID_CMD_COPY_MARKED_TITLES_URLS));
}

TEST(ClipboardHtml, OffsetsPointAtTheFragment) {
  for (size_t size : {size_t{0}, size_t{100}, size_t{9900}, size_t{50000}, size_t{1200000}}) {
    std::string html(size, 'x');
    if (size > 0) html[0] = '<', html[size - 1] = '>';
    std::string block = WrapClipboardHtml(html);
    size_t start = Offset(block, "StartFragment");
    size_t end = Offset(block, "EndFragment");
    ASSERT_LE(end, block.size()) << size;
    EXPECT_EQ(block.find("Version:1.0\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:"), 0u);
    EXPECT_EQ(block.substr(start, end - start), html) << size;
    EXPECT_EQ(block.substr(end), "\r\n") << size;
  }
  // Small fragments keep the four-digit form.
  EXPECT_EQ(WrapClipboardHtml("<p>"),
            "Version:1.0\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:0077\r\n"
            "EndFragment:0080\r\n<p>\r\n");
}

TEST(ClipboardHtml, FragmentIsUtf8AndLinkClipEscapes) {
  std::string block = WrapClipboardHtml("caf\xE9");
  EXPECT_EQ(block.substr(Offset(block, "StartFragment")), "caf\xC3\xA9\r\n");
  EXPECT_EQ(Offset(block, "EndFragment") - Offset(block, "StartFragment"), 5u);
  std::string clip = MakeHtmlLinkClip("https://x.example/?a=1&b=2", "<script>");
  EXPECT_NE(clip.find("<a href=\"https://x.example/?a=1&amp;b=2\">&lt;script&gt;</a>\r\n"),
            std::string::npos);
  clip = MakeHtmlLinkClip("https://x.example/\"", "");
  EXPECT_NE(clip.find(">https://x.example/&quot;</a>"), std::string::npos);
}

}  // namespace
