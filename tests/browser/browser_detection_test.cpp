#include "browser/browser_detection.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

class FakePrograms : public browser::InstalledPrograms {
 public:
  std::map<std::string, std::string> registered;
  std::string programFiles = "C:\\Program Files";
  std::set<std::string> files;

  std::string RegisteredPath(const std::string& exeName) override {
    auto it = registered.find(exeName);
    return it == registered.end() ? "" : it->second;
  }
  std::string ProgramFilesFolder() override { return programFiles; }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
};

TEST(BrowserDetection, FindsEachInstalledBrowserOnce) {
  FakePrograms programs;
  programs.registered = {{"firefox.exe", "C:\\Program Files\\Mozilla Firefox\\firefox.exe"},
                         {"chrome.exe", "C:\\Program Files\\Google\\Chrome\\chrome.exe"}};
  // Found through the program files folder, and the AOL path.
  programs.files = {"C:\\Program Files\\Opera\\opera.exe",
                    "C:\\Program Files\\AOL\\Explorer\\AOLExplorer.exe"};
  Settings settings;
  settings.browsers.clear();
  EXPECT_EQ(browser::DetectInstalledBrowsers(&settings, programs), 4);
  ASSERT_EQ(settings.browsers.size(), 4u);
  // Table order; Firefox's second row has the same path and method: skipped.
  EXPECT_EQ(settings.browsers[0].name, "Firefox");
  EXPECT_EQ(settings.browsers[0].frameClass, "MozillaWindowClass");
  EXPECT_EQ(settings.browsers[1].path, "C:\\Program Files\\AOL\\Explorer\\AOLExplorer.exe");
  EXPECT_EQ(settings.browsers[2].ddeService, "opera");
  EXPECT_EQ(settings.browsers[3].name, "Chrome");
  EXPECT_EQ(settings.browsers[3].method, "DDE");
  // A second search adds nothing.
  EXPECT_EQ(browser::DetectInstalledBrowsers(&settings, programs), 0);

  // At start: detection only when none is configured, and the first is the default.
  Settings fresh;
  fresh.browsers.clear();
  fresh.defaultBrowser = -1;
  browser::PrepareBrowsers(&fresh, programs);
  EXPECT_EQ(fresh.browsers.size(), 4u);
  EXPECT_EQ(fresh.defaultBrowser, 0);
  programs.registered.clear();
  programs.files.clear();
  Settings nothing;
  nothing.browsers.clear();
  browser::PrepareBrowsers(&nothing, programs);
  EXPECT_TRUE(nothing.browsers.empty());
  EXPECT_EQ(nothing.defaultBrowser, 0);
}

TEST(BrowserDetection, AddBrowserTakesTheFirstRowOfItsProgram) {
  Settings settings;
  settings.browsers.clear();
  EXPECT_EQ(browser::AddBrowser(&settings, "D:\\Web\\MAXTHON.EXE"), 1);
  EXPECT_EQ(browser::AddBrowser(&settings, "D:\\Web\\my.browser.exe"), 1);
  EXPECT_EQ(browser::AddBrowser(&settings, "D:\\Web\\"), 0);
  ASSERT_EQ(settings.browsers.size(), 2u);
  EXPECT_EQ(settings.browsers[0],
            (BrowserEntry{"Maxthon2", "D:\\Web\\MAXTHON.EXE", "maxthon2", "COM", "",
                          "Maxthon2_View", "Internet Explorer_Server"}));
  EXPECT_EQ(settings.browsers[0].frameClass, "Maxthon2_View");
  EXPECT_EQ(settings.browsers[1],
            (BrowserEntry{"my", "D:\\Web\\my.browser.exe", "my", "DDE", "", "", ""}));
  settings.browsers.resize(browser::kMaxBrowsers);
  EXPECT_EQ(browser::AddBrowser(&settings, "D:\\Web\\opera.exe"), -1);
  EXPECT_EQ(settings.browsers.size(), browser::kMaxBrowsers);
}

}  // namespace
