#include "ui/help_viewer.h"

#include <htmlhelp.h>
#include <shellapi.h>

#include <string>

#include "ui/help_topics.h"
#include "util/web_site.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer's library is loaded at the first request and deliberately
// never released: its window lives on after the call until the program
// ends, and unloading the library under it (as an owner's destructor would
// at exit) ends in a crash.
bool helpShown = false;

HtmlHelpFunction HtmlHelpEntry() {
  static const HMODULE library = LoadLibraryA("hhctrl.ocx");
  if (!library) return nullptr;
  return reinterpret_cast<HtmlHelpFunction>(GetProcAddress(library, "HtmlHelpA"));
}

bool ShowInViewer(HWND owner, const std::string& page, const std::string& caption) {
  HtmlHelpFunction htmlHelp = HtmlHelpEntry();
  if (!htmlHelp) return false;
  const std::string file = HelpFilePath();
  if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  // The topic is asked for by its page rather than by its context number:
  // the context table that Debian's help compiler writes names the pages
  // by their paths on the building machine, where no viewer finds them.
  const std::string topic = file + "::/" + page;
  HWND viewer = htmlHelp(owner, topic.c_str(), HH_DISPLAY_TOPIC, 0);
  if (!viewer) return false;
  helpShown = true;
  // The viewer keeps the file's title whatever page it shows; naming the
  // topic tells the user (and the tests) where F1 led.
  SetWindowTextA(viewer, caption.c_str());
  return true;
}

bool ShowInBrowser(HWND owner, const std::string& page) {
  const std::string address = std::string(kOnlineHelpAddress) + page;
  return reinterpret_cast<INT_PTR>(
             ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

}  // namespace

std::string HelpFilePath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length < MAX_PATH ? length : 0);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + kHelpFileName;
}

bool AnswerHelpMessage(UINT msg, HWND dialog, int contextId) {
  if (msg != WM_HELP) return false;
  ShowHelpTopic(dialog, contextId);
  return true;
}

void CloseHelp() {
  if (!helpShown) return;
  if (HtmlHelpFunction htmlHelp = HtmlHelpEntry()) htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
  helpShown = false;
}

bool ShowHelpTopic(HWND owner, int contextId) {
  const HelpTopic* topic = FindHelpTopic(contextId);
  const std::string page = topic ? topic->page : kHelpContentsPage;
  const std::string caption =
      topic ? std::string(topic->title) + " - " + kHelpTitle : std::string(kHelpTitle);
  return ShowInViewer(owner, page, caption) || ShowInBrowser(owner, page);
}
