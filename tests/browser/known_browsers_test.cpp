#include "browser/known_browsers.h"

#include <gtest/gtest.h>

namespace {

TEST(KnownBrowsers, FirstMatchingRowWinsAndRowsKeepTheirPlace) {
  ASSERT_GE(browser::KnownBrowserCount(), 24u);
  EXPECT_STREQ(browser::KnownBrowserAt(0).exeName, "iexplore.exe");
  EXPECT_STREQ(browser::KnownBrowserAt(browser::kFirefoxSecondRow).frameClass,
               "MozillaUIWindowClass");
  // "maxthon.exe" has rows 7 and 22; the earlier one wins, whatever the case.
  EXPECT_EQ(browser::FindKnownBrowserByExe("MAXTHON.EXE"), &browser::KnownBrowserAt(7));
  EXPECT_EQ(browser::FindKnownBrowserByExe("chrome.exe")->method, std::string(browser::kMethodDde));
  EXPECT_EQ(browser::FindKnownBrowserByExe("mybrowser.exe"), nullptr);
}

TEST(KnownBrowsers, StoredEntriesAreCompletedFromTheTable) {
  const struct {
    BrowserEntry stored;
    BrowserEntry completed;
  } cases[] = {
      // Found by DDE service: an empty method comes from the row.
      {{"Opera", "C:\\Opera\\opera.exe", "opera", ""},
       {"Opera", "C:\\Opera\\opera.exe", "opera", "DDE", "Opera", "OpWindow", ""}},
      // Found by file name when there is no DDE service.
      {{"IE", "C:\\IE\\IEXPLORE.EXE", "", "bogus"},
       {"IE", "C:\\IE\\IEXPLORE.EXE", "iexplore", "COM", "Internet Explorer", "IEFrame",
        "Internet Explorer_Server"}},
      // A browser the table does not know: named after its file.
      {{"Mine", "D:\\bin\\mybrowser.exe -x", "", ""},
       {"Mine", "D:\\bin\\mybrowser.exe -x", "mybrowser", "DDE", "", "", ""}},
      // A stored method is kept even where the row says otherwise.
      {{"Fx", "C:/fx/firefox.exe", "", "COM"},
       {"Fx", "C:/fx/firefox.exe", "firefox", "COM", "Mozilla Firefox", "MozillaWindowClass", ""}},
  };
  for (const auto& c : cases) {
    Settings settings;
    settings.browsers = {c.stored};
    settings.defaultBrowser = 0;
    browser::CompleteBrowserEntries(&settings);
    const BrowserEntry& got = settings.browsers[0];
    SCOPED_TRACE(c.stored.path);
    EXPECT_EQ(got.ddeService, c.completed.ddeService);
    EXPECT_EQ(got.method, c.completed.method);
    EXPECT_EQ(got.titleText, c.completed.titleText);
    EXPECT_EQ(got.frameClass, c.completed.frameClass);
    EXPECT_EQ(got.documentClass, c.completed.documentClass);
  }
}

TEST(KnownBrowsers, DefaultOutsideTheListBecomesTheFirst) {
  Settings settings;
  settings.browsers = {{"Opera", "opera.exe", "opera", "DDE"}};
  settings.defaultBrowser = 1;
  browser::CompleteBrowserEntries(&settings);
  EXPECT_EQ(settings.defaultBrowser, 0);
}

}  // namespace
