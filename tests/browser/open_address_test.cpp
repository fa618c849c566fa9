#include "browser/open_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/open_ports.h"
#include "browser/quick_search.h"
#include "resources/resource.h"

namespace {

using browser::OpenRequest;
using browser::TabChoice;

// The system as a script: what each route answers, and every call made.
class FakeSystem : public browser::OpenSystem {
 public:
  bool shift = false;
  bool alt = false;
  bool comAnswers = false;
  bool ddeAnswers = false;
  unsigned shellError = 0;
  std::vector<std::string> folders;
  std::vector<std::string> matches;
  std::vector<std::string> calls;

  bool ShiftDown() override { return shift; }
  bool AltDown() override { return alt; }
  bool FolderExists(const std::string& path) override {
    for (const std::string& f : folders)
      if (f == path) return true;
    return false;
  }
  std::vector<std::string> MatchingFiles(const std::string& pattern) override {
    calls.push_back("find " + pattern);
    return matches;
  }
  unsigned ShellOpen(const std::string& file, const std::string& parameters,
                     const std::string& verb) override {
    calls.push_back("shell " + file + "|" + parameters + "|" + verb);
    return shellError;
  }
  std::string ErrorText(unsigned code) override { return "error " + std::to_string(code); }
  void* RaiseBrowserWindow(const Settings&, int index) override {
    calls.push_back("raise " + std::to_string(index));
    return nullptr;
  }
  bool OpenByCom(const BrowserEntry& b, const std::string& url, bool newTab) override {
    calls.push_back("com " + b.name + " " + url + (newTab ? " new" : " front"));
    return comAnswers;
  }
  bool OpenByDde(const BrowserEntry& b, void*, const std::string& url, bool newTab) override {
    calls.push_back("dde " + b.name + " " + url + (newTab ? " new" : " front"));
    return ddeAnswers;
  }
  std::string EscapeUrlText(const std::string& text) override {
    std::string out;
    for (char c : text) out += c == ' ' ? "%20" : c == '%' ? "%25" : std::string(1, c);
    return out;
  }
};

class FakeHost : public browser::OpenHost {
 public:
  bool answer = true;
  std::string typed;
  std::vector<std::string> calls;

  void ShowMessage(int id, const std::string& argument) override {
    calls.push_back("message " + std::to_string(id) + (argument.empty() ? "" : " " + argument));
  }
  void ShowBrowserPreferences() override { calls.push_back("preferences"); }
  void RecordVisit() override { calls.push_back("visit"); }
  void Minimize() override { calls.push_back("minimize"); }
  bool AskQuickSearchText(const std::string& prompt, std::string* text) override {
    calls.push_back("ask " + prompt);
    *text = typed;
    return answer;
  }
};

Settings TwoBrowsers() {
  Settings settings;
  settings.behaviourFlags = 0;
  settings.browsers = {
      {"Engine", "C:\\Engine\\engine.exe", "engine", "COM", "", "EngineFrame", "Doc"},
      {"Fox", "C:\\Fox\\fox.exe -profile x", "fox", "DDE", "", "FoxFrame", ""}};
  settings.defaultBrowser = 0;
  return settings;
}

TEST(OpenAddress, ChoosesTheRouteByAddressBrowserAndKeys) {
  const struct {
    const char* name;
    OpenRequest request;
    uint32_t flags;  // behaviour flags
    bool shift, alt, comAnswers, ddeAnswers;
    std::vector<std::string> system, host;
  } cases[] = {
      {"engine browser, frontmost tab: its document object",
       {"http://a.example/", "", "", -1, TabChoice::kDefault},
       0,
       false,
       false,
       true,
       false,
       {"raise 0", "com Engine http://a.example/ front"},
       {"visit"}},
      {"new tab by default: an engine browser is asked by DDE",
       {"http://a.example/", "", "", -1, TabChoice::kDefault},
       kBehaviourNewTabDefault,
       false,
       false,
       true,
       true,
       {"raise 0", "dde Engine http://a.example/ new"},
       {"visit"}},
      {"Shift reverses the new-tab preference",
       {"http://a.example/", "", "", -1, TabChoice::kDefault},
       kBehaviourNewTabDefault,
       true,
       false,
       true,
       false,
       {"raise 0", "com Engine http://a.example/ front"},
       {"visit"}},
      {"the bookmark's own browser by its DDE service, any case",
       {"https://b.example/", "", "FOX", -1, TabChoice::kNewTab},
       0,
       false,
       false,
       false,
       true,
       {"raise 1", "dde Fox https://b.example/ new"},
       {"visit"}},
      {"an unknown own browser means the default one",
       {"ftp://c.example/", "", "nobody", -1, TabChoice::kFrontmost},
       0,
       false,
       false,
       false,
       true,
       {"raise 0", "com Engine ftp://c.example/ front", "dde Engine ftp://c.example/ front"},
       {"visit"}},
      {"no DDE answer: the command line with the browser's own arguments",
       {"http://d.example/", "", "", 1, TabChoice::kFrontmost},
       kBehaviourAutoMinimize,
       false,
       false,
       false,
       false,
       {"raise 1", "dde Fox http://d.example/ front",
        "shell C:\\Fox\\fox.exe| -profile x http://d.example/|"},
       {"visit", "minimize"}},
      {"Alt reverses auto-minimize",
       {"http://d.example/", "", "", 1, TabChoice::kFrontmost},
       kBehaviourAutoMinimize,
       false,
       true,
       false,
       true,
       {"raise 1", "dde Fox http://d.example/ front"},
       {"visit"}},
      {"mailto: goes to the shell's mail program",
       {"mailto:x@example.org", "", "", -1, TabChoice::kDefault},
       0,
       false,
       true,
       false,
       false,
       {"shell mailto:x@example.org||"},
       {"visit", "minimize"}},
      {"MAILTO: in capitals is an Internet address",
       {"MAILTO:x@example.org", "", "", -1, TabChoice::kFrontmost},
       0,
       false,
       false,
       true,
       false,
       {"raise 0", "com Engine MAILTO:x@example.org front"},
       {"visit"}},
      {"a program with arguments",
       {"C:\\Tools\\run.exe -x \"y z\"", "", "", -1, TabChoice::kDefault},
       0,
       false,
       false,
       false,
       false,
       {"shell C:\\Tools\\run.exe| -x \"y z\"|"},
       {"visit"}},
      {"a folder without extension goes through the wildcard route",
       {"C:\\Data\\Reports", "", "", -1, TabChoice::kDefault},
       0,
       false,
       false,
       false,
       false,
       {"shell C:\\Data\\Reports||"},
       {"visit"}},
      {"another list file found by a wildcard opens without auto-minimize",
       {"C:\\Lists\\Work-?.BKL", "", "", -1, TabChoice::kDefault},
       kBehaviourAutoMinimize,
       false,
       false,
       false,
       false,
       {"find C:\\Lists\\Work-?.BKL", "shell C:\\Lists\\Work-2.BKL||"},
       {"visit"}},
      {"open folder: the folder that holds the file",
       {"C:\\Data\\report.doc", "", "", -1, TabChoice::kDefault, true, false},
       0,
       false,
       false,
       false,
       false,
       {"shell C:\\Data||"},
       {"visit"}},
      {"explore an existing folder",
       {"C:\\Data", "", "", -1, TabChoice::kDefault, true, true},
       0,
       false,
       false,
       false,
       false,
       {"shell C:\\Data||explore"},
       {"visit"}},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.name);
    Settings settings = TwoBrowsers();
    settings.behaviourFlags = c.flags;
    FakeSystem system;
    system.shift = c.shift;
    system.alt = c.alt;
    system.comAnswers = c.comAnswers;
    system.ddeAnswers = c.ddeAnswers;
    system.folders = {"C:\\Data"};
    system.matches = {"Work-2.BKL", "Work-1.BKL"};
    FakeHost host;
    EXPECT_TRUE(browser::OpenAddress(c.request, settings, system, host));
    EXPECT_EQ(system.calls, c.system);
    EXPECT_EQ(host.calls, c.host);
  }
}

TEST(OpenAddress, FailuresTellTheUserAndCountNoVisit) {
  FakeSystem system;
  FakeHost host;
  Settings none;
  none.browsers.clear();
  EXPECT_FALSE(browser::OpenAddress({"http://a.example/"}, none, system, host));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"message 10021", "preferences"}));
  EXPECT_TRUE(system.calls.empty());

  // The browser's command line cannot start: the system's reason, then 10009.
  Settings settings = TwoBrowsers();
  system = FakeSystem();
  system.shellError = 2;
  host = FakeHost();
  EXPECT_FALSE(browser::OpenAddress({"http://a.example/", "", "", 1}, settings, system, host));
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"message 10007 error 2", "message 10009", "preferences"}));

  // No file matches a wildcard path.
  system = FakeSystem();
  host = FakeHost();
  EXPECT_FALSE(browser::OpenAddress({"C:\\Docs\\report-??"}, settings, system, host));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"message 10068"}));
}

TEST(OpenAddress, AWildcardPathOpensTheGreatestMatch) {
  FakeSystem system;
  system.matches = {"tool-1.2.exe", "tool-1.9.exe", "tool-1.10.exe"};
  FakeHost host;
  EXPECT_TRUE(browser::OpenAddress({"C:\\Tools\\tool-1.*.exe"}, TwoBrowsers(), system, host));
  EXPECT_EQ(system.calls, (std::vector<std::string>{"find C:\\Tools\\tool-1.*.exe",
                                                    "shell C:\\Tools\\tool-1.9.exe||"}));
}

TEST(OpenAddress, QuickSearchAsksFirstAndCancelOpensNothing) {
  FakeSystem system;
  system.comAnswers = true;
  FakeHost host;
  host.typed = "New York 100%";
  OpenRequest request{"http://w.example/?q={{prompt:City}}&n={{prompt}}", "Weather"};
  request.tab = TabChoice::kFrontmost;
  EXPECT_TRUE(browser::OpenAddress(request, TwoBrowsers(), system, host));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ask Enter text for City", "visit"}));
  EXPECT_EQ(system.calls.back(),
            "com Engine http://w.example/?q=New%20York%20100%25&n={{prompt}} front");

  system = FakeSystem();
  host = FakeHost();
  host.answer = false;
  EXPECT_FALSE(browser::OpenAddress(request, TwoBrowsers(), system, host));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ask Enter text for City"}));
  EXPECT_TRUE(system.calls.empty());

  // Opening the folder of a QuickSearch address asks nothing.
  host = FakeHost();
  request.address = "C:\\Data\\<vx:prompt/>.txt";
  request.openFolder = true;
  EXPECT_TRUE(browser::OpenAddress(request, TwoBrowsers(), system, host));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"visit"}));
}

TEST(QuickSearch, FindsTheFirstPlaceholderAndItsPrompt) {
  const struct {
    const char* address;
    const char* title;
    bool found;
    size_t position, length;
    const char* prompt;
  } cases[] = {
      {"http://x/?q={{prompt:City}}", "Weather", true, 12, 15, "Enter text for City"},
      {"http://x/?q={{prompt}}", "Weather", true, 12, 10, "QuickSearch: Weather"},
      {"http://x/?q={{prompt}}", "", true, 12, 10, ""},
      // The plain form wins wherever it is; the label may start with a blank.
      {"http://x/{{prompt}}/<vx:prompt/>", "T", true, 20, 12, "QuickSearch: T"},
      {"http://x/{{prompt Street}}", "T", true, 9, 17, "Enter text for  Street"},
      // Capitals are not a placeholder.
      {"http://x/?q={{PROMPT}}", "T", false, 0, 0, ""},
      {"http://x/<VX:PROMPT/>", "T", false, 0, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    browser::QuickSearchPlaceholder p = browser::FindQuickSearchPlaceholder(c.address, c.title);
    EXPECT_EQ(p.found, c.found);
    if (!c.found) continue;
    EXPECT_EQ(p.position, c.position);
    EXPECT_EQ(p.length, c.length);
    EXPECT_EQ(p.prompt, c.prompt);
  }
  browser::QuickSearchPlaceholder p =
      browser::FindQuickSearchPlaceholder("a{{prompt}}b{{prompt}}", "");
  EXPECT_EQ(browser::ReplaceQuickSearchPlaceholder("a{{prompt}}b{{prompt}}", p, ""),
            "ab{{prompt}}");
}

TEST(SplitCommandLine, SplitsAProgramFromItsArguments) {
  const struct {
    const char* text;
    bool matched;
    const char* program;
    const char* arguments;
  } cases[] = {
      {"C:\\Program Files\\Tool\\tool.exe", true, "C:\\Program Files\\Tool\\tool.exe", ""},
      {"c:\\tools\\RUN.BAT -x y", true, "c:\\tools\\RUN.BAT", " -x y"},
      {"\\\\server\\share\\app.exe /s", true, "\\\\server\\share\\app.exe", " /s"},
      {"notes.txt", true, "notes.txt", ""},
      // No extension, wildcards, or no blank before the rest: no match.
      {"C:\\Data\\Reports", false, "C:\\Data\\Reports", ""},
      {"C:\\Data\\report-??.doc", false, "C:\\Data\\report-??.doc", ""},
      {"C:\\a.exe-x", false, "C:\\a.exe-x", ""},
      {"http://x.example/a.html", false, "http://x.example/a.html", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    browser::CommandLineParts parts = browser::SplitCommandLine(c.text);
    EXPECT_EQ(parts.matched, c.matched);
    EXPECT_EQ(parts.program, c.program);
    EXPECT_EQ(parts.arguments, c.arguments);
  }
}

TEST(OpenAddress, BlankTabsAndTypedAddressesOpenInANewTab) {
  EXPECT_EQ(browser::TypedAddressUrl("  www,example,org \r\n"), "http://www.example.org");
  EXPECT_EQ(browser::TypedAddressUrl("ftp://files.example"), "ftp://files.example");

  Settings settings = TwoBrowsers();
  settings.behaviourFlags = kBehaviourAutoMinimize;
  FakeSystem system;
  system.ddeAnswers = true;
  FakeHost host;
  EXPECT_TRUE(browser::OpenBlankTab(1, settings, system, host));
  EXPECT_TRUE(browser::OpenTypedAddress("example.org", -1, settings, system, host));
  EXPECT_EQ(system.calls, (std::vector<std::string>{"raise 1", "dde Fox about:blank new", "raise 0",
                                                    "dde Engine http://example.org new"}));
  // No visit: no bookmark was opened.
  EXPECT_EQ(host.calls, (std::vector<std::string>{"minimize", "minimize"}));

  // The default browser answering to "opera" gets an empty address.
  settings.browsers[0].ddeService = "Opera";
  system.calls.clear();
  EXPECT_TRUE(browser::OpenBlankTab(1, settings, system, host));
  EXPECT_EQ(system.calls, (std::vector<std::string>{"raise 0", "dde Engine  new"}));
}

}  // namespace
