#include "setup/companion_registration.h"

#include <windows.h>

#include "setup/file_tree.h"
#include "setup/program_files.h"

namespace {

using RegistrationEntry = HRESULT(STDAPICALLTYPE*)();

bool CallEntry(const std::string& appFolder, const char* entry) {
  const std::string path = appFolder + ProgramFileName(kProgramFileCompanionLibrary);
  if (!IsExistingFile(path)) return false;
  HMODULE library = LoadLibraryA(path.c_str());
  if (!library) return false;
  auto call =
      reinterpret_cast<RegistrationEntry>(reinterpret_cast<void*>(GetProcAddress(library, entry)));
  const bool done = call && SUCCEEDED(call());
  FreeLibrary(library);
  return done;
}

}  // namespace

bool RegisterCompanionLibrary(const std::string& appFolder) {
  return CallEntry(appFolder, "DllRegisterServer");
}

bool UnregisterCompanionLibrary(const std::string& appFolder) {
  return CallEntry(appFolder, "DllUnregisterServer");
}
