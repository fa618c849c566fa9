#include "setup/shell_link.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "platform/com_owners_win.h"
#include "platform/platform.h"

bool WriteShellLink(const std::string& linkPath, const ShellLinkSpec& spec) {
  platform::ScopedCom com;
  platform::ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(link.Receive()))))
    return false;
  if (FAILED(link->SetPath(spec.target.c_str()))) return false;
  if (!spec.arguments.empty()) link->SetArguments(spec.arguments.c_str());
  if (!spec.workingFolder.empty()) link->SetWorkingDirectory(spec.workingFolder.c_str());
  if (!spec.iconPath.empty()) link->SetIconLocation(spec.iconPath.c_str(), spec.iconIndex);
  platform::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Receive()))))
    return false;
  std::wstring wide = platform::AnsiToUtf16(linkPath);
  return SUCCEEDED(file->Save(wide.c_str(), TRUE));
}
