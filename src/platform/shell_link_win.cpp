#include <windows.h>

#include "platform/shell_link.h"
// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "platform/com_owners_win.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr int kLinkTextChars = 260;
// IShellLink::Resolve: no dialog when the target has moved.
constexpr DWORD kResolveNoUi = 4;

// The link object and its file interface; false when COM refuses either.
bool MakeLink(ComPtr<IShellLinkA>* link, ComPtr<IPersistFile>* file) {
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(link->Receive()))))
    return false;
  return SUCCEEDED(
      (*link)->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file->Receive())));
}

}  // namespace

bool ShellLinksAvailable() { return true; }

int ReadShellLink(const std::string& linkPath, std::string* target) {
  target->clear();
  ScopedCom com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (!MakeLink(&link, &file)) return -1;
  std::wstring wide = AnsiToUtf16(linkPath);
  if (FAILED(file->Load(wide.c_str(), STGM_READ))) return -1;
  if (FAILED(link->Resolve(nullptr, kResolveNoUi))) return -1;
  char path[kLinkTextChars] = "";
  if (FAILED(link->GetPath(path, kLinkTextChars, nullptr, 0))) return -1;
  char arguments[kLinkTextChars] = "";
  if (FAILED(link->GetArguments(arguments, kLinkTextChars))) return -1;
  *target = std::string(path) + ' ' + arguments;
  return 0;
}

int WriteShellLink(const std::string& target, const std::string& linkPath,
                   const std::string& arguments) {
  ScopedCom com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (!MakeLink(&link, &file)) return -1;
  if (FAILED(link->SetPath(target.c_str()))) return -1;
  if (!arguments.empty() && FAILED(link->SetArguments(arguments.c_str()))) return -1;
  std::wstring wide = AnsiToUtf16(linkPath);
  return SUCCEEDED(file->Save(wide.c_str(), TRUE)) ? 0 : -1;
}

}  // namespace platform
