#include "browser/open_address.h"

#include <algorithm>
#include <boost/regex.hpp>
#include <cctype>

#include "browser/known_browsers.h"
#include "browser/open_ports.h"
#include "browser/quick_search.h"
#include "resources/resource.h"

namespace browser {

namespace {

constexpr char kMailPrefix[] = "mailto:";
constexpr size_t kInternetPrefixLength = 9;
constexpr const char* kInternetPrefixes[] = {"gopher://", "https://", "http://",
                                             "news://",   "mailto:",  "ftp://"};
constexpr char kExploreVerb[] = "explore";
constexpr char kBlankPage[] = "about:blank";
constexpr char kOperaService[] = "opera";
constexpr char kListExtension[] = ".bkl";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool HasWildcards(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

size_t FolderEnd(const std::string& path) { return path.find_last_of("\\/"); }

// Opening succeeded: minimize when the user asked for it, Alt reversing
// the preference.
void AutoMinimize(const Settings& settings, OpenSystem& system, OpenHost& host) {
  if (settings.HasBehaviour(kBehaviourAutoMinimize) != system.AltDown()) host.Minimize();
}

int ResolveBrowser(int index, const Settings& settings) {
  const int count = static_cast<int>(settings.browsers.size());
  if (index < 0 || index >= count) index = settings.defaultBrowser;
  return index >= 0 && index < count ? index : -1;
}

}  // namespace

bool IsInternetAddress(const std::string& address) {
  const std::string head = Lower(address.substr(0, kInternetPrefixLength));
  for (const char* prefix : kInternetPrefixes)
    if (StartsWith(head, prefix)) return true;
  return false;
}

bool IsMailAddress(const std::string& address) { return StartsWith(address, kMailPrefix); }

CommandLineParts SplitCommandLine(const std::string& text) {
  static const boost::regex pattern("^((?:[a-z]:\\\\|\\\\\\\\)?[^/:*?<>|\"]+\\.[a-z]+)($| .*)",
                                    boost::regex::perl | boost::regex::icase);
  CommandLineParts parts;
  boost::smatch match;
  if (boost::regex_match(text, match, pattern)) {
    parts.program = match.str(1);
    parts.arguments = match.str(2);
    parts.matched = true;
  } else {
    parts.program = text;
  }
  return parts;
}

int BrowserByService(const Settings& settings, const std::string& service) {
  const std::string wanted = Lower(service);
  for (size_t i = 0; i < settings.browsers.size(); ++i)
    if (Lower(settings.browsers[i].ddeService) == wanted) return static_cast<int>(i);
  return -1;
}

bool ShellOpen(const std::string& file, const std::string& parameters, const std::string& verb,
               OpenSystem& system, OpenHost& host) {
  unsigned error = system.ShellOpen(file, parameters, verb);
  if (error == 0) return true;
  host.ShowMessage(IDS_CANNOT_OPEN_APPLICATION, system.ErrorText(error));
  return false;
}

bool OpenPathWithWildcards(const std::string& path, bool explore, OpenSystem& system,
                           OpenHost& host) {
  const std::string verb = explore ? kExploreVerb : "";
  if (!HasWildcards(path)) return ShellOpen(path, "", verb, system, host);
  const size_t end = FolderEnd(path);
  const std::string folder = end == std::string::npos ? "" : path.substr(0, end + 1);
  std::string greatest;
  for (const std::string& name : system.MatchingFiles(path))
    greatest = std::max(greatest, folder + name);
  if (greatest.empty()) {
    host.ShowMessage(IDS_NO_MATCHING_DOCUMENT, "");
    return false;
  }
  return ShellOpen(greatest, "", verb, system, host);
}

bool OpenInBrowser(const std::string& url, bool newTab, int index, const Settings& settings,
                   OpenSystem& system, OpenHost& host) {
  index = ResolveBrowser(index, settings);
  if (index < 0) {
    host.ShowMessage(IDS_NO_BROWSER, "");
    host.ShowBrowserPreferences();
    return false;
  }
  const BrowserEntry& entry = settings.browsers[index];
  void* window = system.RaiseBrowserWindow(settings, index);
  // A new tab of an engine browser is asked by DDE: its document opens
  // pages only in its own tab.
  if (!newTab && IsComBrowser(entry) && system.OpenByCom(entry, url, false)) return true;
  if (!entry.ddeService.empty() && system.OpenByDde(entry, window, url, newTab)) return true;
  CommandLineParts parts = SplitCommandLine(entry.path);
  std::string parameters = parts.arguments;
  if (!parameters.empty()) parameters += ' ';
  parameters += url;
  if (ShellOpen(parts.program, parameters, "", system, host)) return true;
  host.ShowMessage(IDS_BROWSER_START_FAILED, "");
  host.ShowBrowserPreferences();
  return false;
}

bool OpenAddress(const OpenRequest& request, const Settings& settings, OpenSystem& system,
                 OpenHost& host) {
  std::string address = request.address;
  if (!request.openFolder && !request.explore && !address.empty() &&
      !ExpandQuickSearch(request.address, request.title, host, system, &address))
    return false;
  bool newTab = request.tab == TabChoice::kNewTab;
  if (request.tab == TabChoice::kDefault)
    newTab = system.ShiftDown() != settings.HasBehaviour(kBehaviourNewTabDefault);

  bool opened = false;
  bool minimizeAfter = true;
  if (IsMailAddress(address)) {
    opened = OpenPathWithWildcards(address, false, system, host);
  } else if (IsInternetAddress(address)) {
    int index = request.browserIndex;
    if (index < 0 && !request.bookmarkBrowser.empty())
      index = BrowserByService(settings, request.bookmarkBrowser);
    opened = OpenInBrowser(address, newTab, index, settings, system, host);
  } else if (request.openFolder) {
    std::string folder = address;
    if (!system.FolderExists(folder)) {
      const size_t end = FolderEnd(folder);
      folder = end == std::string::npos ? "" : folder.substr(0, end);
    }
    opened = OpenPathWithWildcards(folder, request.explore, system, host);
  } else {
    CommandLineParts parts = SplitCommandLine(address);
    if (parts.matched) {
      opened = ShellOpen(parts.program, parts.arguments, "", system, host);
    } else {
      opened = OpenPathWithWildcards(address, false, system, host);
      // Another list opens in this program: it stays in front.
      const size_t n = sizeof kListExtension - 1;
      minimizeAfter =
          address.size() < n || Lower(address.substr(address.size() - n)) != kListExtension;
    }
  }
  if (!opened) return false;
  host.RecordVisit();
  if (minimizeAfter) AutoMinimize(settings, system, host);
  return true;
}

bool OpenBlankTab(int index, const Settings& settings, OpenSystem& system, OpenHost& host) {
  const int defaultIndex = ResolveBrowser(-1, settings);
  bool opened;
  if (defaultIndex >= 0 && Lower(settings.browsers[defaultIndex].ddeService) == kOperaService)
    opened = OpenInBrowser("", true, defaultIndex, settings, system, host);
  else
    opened = OpenInBrowser(kBlankPage, true, index, settings, system, host);
  if (opened) AutoMinimize(settings, system, host);
  return opened;
}

std::string TypedAddressUrl(const std::string& typed) {
  const size_t first = typed.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "http://";
  std::string url = typed.substr(first, typed.find_last_not_of(" \t\r\n") - first + 1);
  std::replace(url.begin(), url.end(), ',', '.');
  if (url.find("//") == std::string::npos) url = "http://" + url;
  return url;
}

bool OpenTypedAddress(const std::string& typed, int index, const Settings& settings,
                      OpenSystem& system, OpenHost& host) {
  bool opened = OpenInBrowser(TypedAddressUrl(typed), true, index, settings, system, host);
  if (opened) AutoMinimize(settings, system, host);
  return opened;
}

}  // namespace browser
