#include "setup/install_registry.h"

#include "settings/settings_store.h"
#include "util/registry_win.h"

namespace {

constexpr char kClassDescription[] = "Vellox list file";
constexpr char kIconKey[] = "VelloxFl\\DefaultIcon";
constexpr char kOpenCommandKey[] = "VelloxFl\\Shell\\open\\command";
constexpr char kListIconIndex[] = ",2";
// The program's settings key and the two parents it brings along.
constexpr char kVendorProductKey[] = "Software\\Velloxsoft\\Vellox";
constexpr char kVendorKey[] = "Software\\Velloxsoft";

bool ValueHolds(HKEY root, const char* subkey, const char* name, const std::string& text) {
  ScopedRegKey key;
  std::string stored;
  return key.Open(root, subkey, KEY_READ) && RegReadStringValue(key.Get(), name, &stored) &&
         stored == text;
}

bool Put(HKEY root, const char* subkey, const char* name, const std::string& text) {
  return ValueHolds(root, subkey, name, text) || RegWriteString(root, subkey, name, text);
}

void RemoveSettingsKeyAndParents(HKEY root) {
  RegDeleteKeyTree(root, kSettingsKey);
  DeleteKeyIfEmpty(root, kVendorProductKey);
  DeleteKeyIfEmpty(root, kVendorKey);
}

}  // namespace

bool WriteInstallRegistry(const std::string& programPath, const std::string& startMenu,
                          const std::string& installerPath) {
  bool ok = Put(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "Vellox");
  ok = Put(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", programPath + " -uninstall") && ok;
  ok = Put(HKEY_LOCAL_MACHINE, kAppPathsKey, "", programPath) && ok;
  ok = Put(HKEY_CLASSES_ROOT, kListExtensionKey, "", kListFileClass) && ok;
  ok = Put(HKEY_CLASSES_ROOT, kListFileClass, "", kClassDescription) && ok;
  ok = Put(HKEY_CLASSES_ROOT, kIconKey, "", programPath + kListIconIndex) && ok;
  ok = Put(HKEY_CLASSES_ROOT, kOpenCommandKey, "", "\"" + programPath + "\" %1") && ok;
  ok = Put(HKEY_LOCAL_MACHINE, kSettingsKey, "App Path", programPath) && ok;
  ok = Put(HKEY_LOCAL_MACHINE, kSettingsKey, "Start Menu", startMenu) && ok;
  if (!installerPath.empty())
    ok = Put(HKEY_LOCAL_MACHINE, kSettingsKey, "Installer", installerPath) && ok;
  return ok;
}

void RemoveMachineRegistry() {
  RegDeleteKeyTree(HKEY_LOCAL_MACHINE, kUninstallKey);
  RegDeleteKeyTree(HKEY_LOCAL_MACHINE, kAppPathsKey);
  // Another program may have taken the extension over since.
  if (RegReadString(HKEY_CLASSES_ROOT, kListExtensionKey, "") == kListFileClass)
    RegDeleteKeyTree(HKEY_CLASSES_ROOT, kListExtensionKey);
  RegDeleteKeyTree(HKEY_CLASSES_ROOT, kListFileClass);
  RemoveSettingsKeyAndParents(HKEY_LOCAL_MACHINE);
}

void RemoveUserSettingsKey() { RemoveSettingsKeyAndParents(HKEY_CURRENT_USER); }

void DeleteKeyIfEmpty(HKEY root, const char* subkey) {
  DWORD subkeys = 0, values = 0;
  {
    ScopedRegKey key;
    if (!key.Open(root, subkey, KEY_READ)) return;
    if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      return;
  }
  if (subkeys == 0 && values == 0) RegDeleteKeyA(root, subkey);
}
