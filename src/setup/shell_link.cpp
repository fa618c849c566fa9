#include "setup/shell_link.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "platform/platform.h"

namespace {

// Initialises COM for a scope; a thread that already did keeps its state.
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

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  T* Get() const { return p_; }

 private:
  T* p_ = nullptr;
};

}  // namespace

bool WriteShellLink(const std::string& linkPath, const ShellLinkSpec& spec) {
  ScopedCom com;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(link.Out()))))
    return false;
  if (FAILED(link->SetPath(spec.target.c_str()))) return false;
  if (!spec.arguments.empty()) link->SetArguments(spec.arguments.c_str());
  if (!spec.workingFolder.empty()) link->SetWorkingDirectory(spec.workingFolder.c_str());
  if (!spec.iconPath.empty()) link->SetIconLocation(spec.iconPath.c_str(), spec.iconIndex);
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))))
    return false;
  std::wstring wide = platform::AnsiToUtf16(linkPath);
  return SUCCEEDED(file->Save(wide.c_str(), TRUE));
}
