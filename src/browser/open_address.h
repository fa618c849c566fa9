// Opening a bookmark's address: an Internet address in a web browser (its
// document object, its DDE service or its command line), a mail address
// through the shell's mail program, a local program, document or folder
// through the shell. Every open command of the main window ends here.
#pragma once

#include <string>

#include "settings/settings.h"

namespace browser {

class OpenHost;
class OpenSystem;

enum class TabChoice { kDefault, kNewTab, kFrontmost };

struct OpenRequest {
  std::string address;
  std::string title;            // for the QuickSearch prompt
  std::string bookmarkBrowser;  // the bookmark's own browser (its DDE service), or ""
  int browserIndex = -1;        // -1: the bookmark's own or the default browser
  TabChoice tab = TabChoice::kDefault;
  bool openFolder = false;  // the folder that holds the file
  bool explore = false;     // ... in the explorer view
};

// "gopher://", "https://", "http://", "news://", "mailto:" or "ftp://" at
// the start, in any case.
bool IsInternetAddress(const std::string& address);
// "mailto:" exactly (a capitalised "MAILTO:" goes to the browser).
bool IsMailAddress(const std::string& address);

struct CommandLineParts {
  std::string program;
  std::string arguments;  // with its leading blank
  bool matched = false;
};
// A program path ending in an extension, then the end or a blank and its
// arguments; otherwise the whole text is the program.
CommandLineParts SplitCommandLine(const std::string& text);

// The first entry whose DDE service equals service (ignoring case), or -1.
int BrowserByService(const Settings& settings, const std::string& service);

// Opens the request's address (QuickSearch first); on success the visit is
// recorded and auto-minimize applied. False when nothing was opened.
bool OpenAddress(const OpenRequest& request, const Settings& settings, OpenSystem& system,
                 OpenHost& host);

// url in browser index (-1 or past the end: the default browser): its
// document object, its DDE service, then its command line. Messages 10021
// (none configured) and 10009 (the command line failed) on failure.
bool OpenInBrowser(const std::string& url, bool newTab, int index, const Settings& settings,
                   OpenSystem& system, OpenHost& host);

// A path with "*" or "?" opens the greatest matching file (so the latest
// version wins; 10068 when none); others go to the shell as they are.
bool OpenPathWithWildcards(const std::string& path, bool explore, OpenSystem& system,
                           OpenHost& host);

// The shell opens file; message 10007 with the system's text on failure.
bool ShellOpen(const std::string& file, const std::string& parameters, const std::string& verb,
               OpenSystem& system, OpenHost& host);

// A blank tab in browser index; auto-minimize follows.
bool OpenBlankTab(int index, const Settings& settings, OpenSystem& system, OpenHost& host);

// The address typed in "Open New Bookmark": trimmed, "," read as ".", and
// "http://" in front when it has no "//".
std::string TypedAddressUrl(const std::string& typed);
// Opens it in a new tab of browser index; auto-minimize follows.
bool OpenTypedAddress(const std::string& typed, int index, const Settings& settings,
                      OpenSystem& system, OpenHost& host);

}  // namespace browser
