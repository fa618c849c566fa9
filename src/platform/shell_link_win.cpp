#include <windows.h>

#include "platform/shell_link.h"
// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "platform/platform.h"

namespace platform {
namespace {

constexpr int kLinkTextChars = 260;
// IShellLink::Resolve: no dialog when the target has moved.
constexpr DWORD kResolveNoUi = 4;

// Initialises COM for a scope; a thread that already did keeps its state
// (the program runs with OLE initialised, vellox-cli without).
class ScopedCom {
 public:
  ScopedCom() : result_(CoInitialize(nullptr)) {}
  ~ScopedCom() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ScopedCom(const ScopedCom&) = delete;
  ScopedCom& operator=(const ScopedCom&) = delete;

 private:
  HRESULT result_;
};

// Owns one interface pointer.
template <typename T>
class ScopedInterface {
 public:
  ScopedInterface() = default;
  ~ScopedInterface() {
    if (p_) p_->Release();
  }
  ScopedInterface(const ScopedInterface&) = delete;
  ScopedInterface& operator=(const ScopedInterface&) = delete;
  void** Out() { return reinterpret_cast<void**>(&p_); }
  T* operator->() const { return p_; }

 private:
  T* p_ = nullptr;
};

// The link object and its file interface; false when COM refuses either.
bool MakeLink(ScopedInterface<IShellLinkA>* link, ScopedInterface<IPersistFile>* file) {
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link->Out())))
    return false;
  return SUCCEEDED((*link)->QueryInterface(IID_IPersistFile, file->Out()));
}

}  // namespace

bool ShellLinksAvailable() { return true; }

int ReadShellLink(const std::string& linkPath, std::string* target) {
  target->clear();
  ScopedCom com;
  ScopedInterface<IShellLinkA> link;
  ScopedInterface<IPersistFile> file;
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
  ScopedInterface<IShellLinkA> link;
  ScopedInterface<IPersistFile> file;
  if (!MakeLink(&link, &file)) return -1;
  if (FAILED(link->SetPath(target.c_str()))) return -1;
  if (!arguments.empty() && FAILED(link->SetArguments(arguments.c_str()))) return -1;
  std::wstring wide = AnsiToUtf16(linkPath);
  return SUCCEEDED(file->Save(wide.c_str(), TRUE)) ? 0 : -1;
}

}  // namespace platform
