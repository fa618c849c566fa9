#include "browser/known_browsers.h"

#include <cctype>

namespace browser {

const char kMethodDde[] = "DDE";
const char kMethodCom[] = "COM";

namespace {

constexpr char kIe[] = "Internet Explorer_Server";

// Rows 0-23 are the historical table; rows 24 and up are the browsers in
// use today, which answer no DDE: opening them falls through to their
// command line.
const KnownBrowser kTable[] = {
    {"Internet Explorer", "iexplore.exe", "iexplore", kMethodCom, "Internet Explorer", "IEFrame",
     kIe},
    {"Firefox", "firefox.exe", "firefox", kMethodDde, "Mozilla Firefox", "MozillaWindowClass", ""},
    {"AOL Explorer", "AOLExplorer.exe", "AOL Explorer", kMethodCom, "", "__oxFrame.class__", kIe},
    {"Avant Browser", "avant.exe", "mozilla", kMethodCom, "Avant Browser",
     "TfrmAvantBrowser.UnicodeClass", kIe},
    {"Crazy Browser", "Crazy Browser.exe", "crazy", kMethodCom, "", "TFrmMain", kIe},
    {"Flock", "flock.exe", "Browser", kMethodDde, "Flock", "MozillaUIWindowClass", ""},
    {"GreenBrowser", "GreenBrowser.exe", "GreenBrowser", kMethodCom, "",
     "Afx:400000:8:10011:0:", kIe},
    {"Maxthon2", "maxthon.exe", "maxthon2", kMethodCom, "", "Maxthon2_View", kIe},
    {"Mozilla", "mozilla.exe", "mozilla", kMethodDde, "Mozilla", "MozillaWindowClass", ""},
    {"MSN Premium", "msn.exe", "msn", kMethodCom, "", "MSN6 Window", kIe},
    {"MSN", "msn6.exe", "msn", kMethodCom, "", "MSN6 Window", kIe},
    {"MyIE", "MyIE.exe", "MyIE", kMethodCom, "", "Afx:400000:8:10011:0:1c0681", kIe},
    {"NeoPlanet", "neo.exe", "NeoPlanet", kMethodCom, "neo", "#32770", kIe},
    {"NetCaptor", "netcaptor.exe", "netcaptor", kMethodCom, "", "TfrmMain", kIe},
    {"Netscape Browser", "netscape.exe", "netscape browser", kMethodDde, "Netscape Browser",
     "NS_AE_WindowClass", ""},
    {"Opera", "opera.exe", "opera", kMethodDde, "Opera", "OpWindow", ""},
    {"Pale Moon", "palemoon.exe", "Pale Moon", kMethodDde, "Pale Moon", "MozillaUIWindowClass", ""},
    {"RealPlayer", "realplay.exe", "realplay", kMethodCom, "", "GeminiWindowClass", kIe},
    {"SeaMonkey", "seamonkey.exe", "SeaMonkey", kMethodDde, "SeaMonkey", "MozillaWindowClass", ""},
    {"SlimBrowser", "sbrowser.exe", "sbrowser", kMethodCom, "", "SlimBrowser MainFrameW", kIe},
    {"Smart Bro", "SmartBro.exe", "smartbro", kMethodCom, "", "ThunderRT6MDIForm", kIe},
    {"Winamp", "winamp.exe", "winamp", kMethodCom, "Main Window", "BaseWindow_RootWnd", kIe},
    {"Maxthon", "maxthon.exe", "maxthon", kMethodCom, "Maxthon Browser", "IEFrame", kIe},
    {"Firefox", "firefox.exe", "firefox", kMethodDde, "Mozilla Firefox", "MozillaUIWindowClass",
     ""},
    {"Chrome", "chrome.exe", "chrome", kMethodDde, "Google Chrome", "Chrome_WidgetWin_1", ""},
    {"Edge", "msedge.exe", "msedge", kMethodDde, "Edge", "Chrome_WidgetWin_1", ""},
    {"Brave", "brave.exe", "brave", kMethodDde, "Brave", "Chrome_WidgetWin_1", ""},
    {"Vivaldi", "vivaldi.exe", "vivaldi", kMethodDde, "Vivaldi", "Chrome_WidgetWin_1", ""},
};

void TakeWindowColumns(const KnownBrowser* row, BrowserEntry* entry) {
  entry->titleText = row ? row->titleText : "";
  entry->frameClass = row ? row->frameClass : "";
  entry->documentClass = row ? row->documentClass : "";
}

const KnownBrowser* FindRowForEntry(const BrowserEntry& entry, const std::string& fileName) {
  for (const KnownBrowser& row : kTable) {
    if (!entry.ddeService.empty() ? EqualsIgnoringCase(entry.ddeService, row.ddeService)
                                  : EqualsIgnoringCase(fileName, row.exeName))
      return &row;
  }
  return nullptr;
}

}  // namespace

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  size_t n = 0;
  for (; n < a.size() && b[n] != '\0'; ++n) {
    if (std::tolower(static_cast<unsigned char>(a[n])) !=
        std::tolower(static_cast<unsigned char>(b[n])))
      return false;
  }
  return n == a.size() && b[n] == '\0';
}

size_t KnownBrowserCount() { return sizeof kTable / sizeof kTable[0]; }

const KnownBrowser& KnownBrowserAt(size_t row) { return kTable[row]; }

const KnownBrowser* FindKnownBrowserByExe(const std::string& fileName) {
  for (const KnownBrowser& row : kTable) {
    if (EqualsIgnoringCase(fileName, row.exeName)) return &row;
  }
  return nullptr;
}

std::string BrowserFileName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void CompleteBrowserEntries(Settings* settings) {
  for (BrowserEntry& entry : settings->browsers) {
    if (entry.method != kMethodDde && entry.method != kMethodCom) entry.method.clear();
    std::string fileName = BrowserFileName(entry.path);
    const KnownBrowser* row = FindRowForEntry(entry, fileName);
    if (entry.ddeService.empty())
      entry.ddeService = row ? row->ddeService : fileName.substr(0, fileName.find('.'));
    if (entry.method.empty()) entry.method = row ? row->method : kMethodDde;
    TakeWindowColumns(row, &entry);
  }
  // A default at or beyond the end would index past the list.
  if (settings->defaultBrowser >= static_cast<int>(settings->browsers.size()))
    settings->defaultBrowser = 0;
}

bool IsComBrowser(const BrowserEntry& entry) { return entry.method == kMethodCom; }

}  // namespace browser
