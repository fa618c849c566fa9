#include "companion/companion_registration.h"

#include <windows.h>

#include "browser/companion_class_win.h"

namespace companion {

namespace {

constexpr char kClassName[] = "OrvandIE browser companion";
constexpr char kHelperObjects[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\";

std::string ClassText() {
  const GUID& id = browser::kCompanionClass;
  char text[40] = "";
  wsprintfA(text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", id.Data1, id.Data2,
            id.Data3, id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5],
            id.Data4[6], id.Data4[7]);
  return text;
}

bool WriteString(HKEY root, const std::string& subkey, const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG result =
      RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

void DeleteKey(HKEY root, const std::string& subkey) {
  // The class key has one sub-key, which goes first (RegDeleteKeyA removes
  // only keys without sub-keys).
  RegDeleteKeyA(root, (subkey + "\\InprocServer32").c_str());
  RegDeleteKeyA(root, subkey.c_str());
}

}  // namespace

bool RegisterCompanion(const std::string& libraryPath) {
  const std::string classKey = "CLSID\\" + ClassText();
  return WriteString(HKEY_CLASSES_ROOT, classKey, nullptr, kClassName) &&
         WriteString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", nullptr, libraryPath) &&
         WriteString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", "ThreadingModel",
                     "Apartment") &&
         WriteString(HKEY_LOCAL_MACHINE, kHelperObjects + ClassText(), nullptr, kClassName);
}

void UnregisterCompanion() {
  DeleteKey(HKEY_CLASSES_ROOT, "CLSID\\" + ClassText());
  DeleteKey(HKEY_LOCAL_MACHINE, kHelperObjects + ClassText());
}

}  // namespace companion
