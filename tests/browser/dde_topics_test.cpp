#include "browser/dde_topics.h"

#include <gtest/gtest.h>

namespace {

TEST(DdeTopics, OpenUrlItemIsTheQuotedUrlAndTheWindowId) {
  EXPECT_EQ(browser::OpenUrlItem("http://example.org/a?b=1", -1),
            "\"http://example.org/a?b=1\",,-1,0,,,");
  EXPECT_EQ(browser::OpenUrlItem("http://x/", 0), "\"http://x/\",,0,0,,,");
  EXPECT_EQ(browser::OpenUrlItem("http://x/", 4242), "\"http://x/\",,4242,0,,,");
  EXPECT_EQ(browser::WindowInfoItem(-1), "-1");
}

TEST(DdeTopics, WindowInfoRepliesAreReadExactly) {
  const struct {
    const char* service;
    std::string reply;
    const char* url;
    const char* title;
  } cases[] = {
      {"firefox", "\"http://a.example/\",\"Page A\",\"Mozilla Firefox\"", "http://a.example/",
       "Page A"},
      // An escaped quote is dropped together with its backslash.
      {"firefox", R"("http://b.example/","Say \"hi\" there")", "http://b.example/", "Say hi there"},
      // A lone "," as the title means no title.
      {"firefox", R"("http://c.example/",",")", "http://c.example/", ""},
      // Opera's caption around the page name goes, for Opera only.
      {"Opera", R"("http://d.example/","Opera - [News]")", "http://d.example/", "News"},
      {"firefox", R"("http://d.example/","Opera - [News]")", "http://d.example/", "Opera - [News]"},
      // Blanks, tabs and line ends at the ends of both fields go.
      {"firefox", std::string("\" \thttp://e.example/\r\n\",\"  Title\t\"\r\n", 36),
       "http://e.example/", "Title"},
      // A quote not followed by a comma ends the reading.
      {"firefox", R"("http://f.example/"x,"T")", "http://f.example/", ""},
      // A value with its terminating zero and bytes after it.
      {"firefox", std::string("\"http://g.example/\",\"G\"\0junk", 28), "http://g.example/", "G"},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(index++);
    browser::PageInfo page = browser::ParseWindowInfo(c.reply, c.service);
    EXPECT_EQ(page.url, c.url);
    EXPECT_EQ(page.title, c.title);
  }
}

std::string Ids(std::initializer_list<uint32_t> ids) {
  std::string value;
  for (uint32_t id : ids)
    for (int b = 0; b < 4; ++b) value.push_back(static_cast<char>((id >> (8 * b)) & 0xFF));
  return value;
}

TEST(DdeTopics, WindowIdListsEndAtZeroOrTheEnd) {
  EXPECT_EQ(browser::ParseWindowIds(Ids({7, 0x01020304, 0, 9})),
            (std::vector<int32_t>{7, 0x01020304}));
  EXPECT_EQ(browser::ParseWindowIds(Ids({5, 6}) + "\x01"), (std::vector<int32_t>{5, 6}));
  // A single id is no list (a browser without windows answers so).
  EXPECT_TRUE(browser::ParseWindowIds(Ids({5})).empty());
  EXPECT_TRUE(browser::ParseWindowIds("").empty());
}

TEST(DdeTopics, MenuTextsDoubleEveryAmpersand) {
  EXPECT_EQ(browser::MenuTextOfTitle("Tom & Jerry && co"), "Tom && Jerry &&&& co");
  EXPECT_EQ(browser::MenuTextOfTitle("plain"), "plain");
}

}  // namespace
