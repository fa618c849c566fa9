#include "util/registry_win.h"

#include <shlwapi.h>

#include <vector>

#include "util/number_text.h"

namespace {

const char* OrEmpty(const char* subkey) { return subkey ? subkey : ""; }

// Deletes numbered values (or subkeys) from first upward until one is missing.
void DeleteNumberedValuesFrom(HKEY key, int first) {
  for (int i = first; RegDeleteValueA(key, NumberText(i).c_str()) == ERROR_SUCCESS; ++i) {
  }
}

void DeleteNumberedSubkeysFrom(HKEY key, int first) {
  for (int i = first; SHDeleteKeyA(key, NumberText(i).c_str()) == ERROR_SUCCESS; ++i) {
  }
}

bool WriteStringValue(HKEY key, const char* name, const std::string& text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

bool ScopedRegKey::Open(HKEY root, const char* subkey, REGSAM access) {
  Close();
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, OrEmpty(subkey), 0, access, &key) != ERROR_SUCCESS) return false;
  key_ = key;
  return true;
}

bool ScopedRegKey::Create(HKEY root, const char* subkey) {
  Close();
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, OrEmpty(subkey), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  key_ = key;
  return true;
}

void ScopedRegKey::Close() {
  if (key_) RegCloseKey(key_);
  key_ = nullptr;
}

bool RegReadStringValue(HKEY key, const char* name, std::string* text) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  // The stored size may or may not count the terminating zero.
  text->assign(buffer.data());
  return true;
}

std::string RegReadString(HKEY root, const char* subkey, const char* name) {
  ScopedRegKey key;
  std::string text;
  if (key.Open(root, subkey, KEY_READ)) RegReadStringValue(key.Get(), name, &text);
  return text;
}

bool RegWriteString(HKEY root, const char* subkey, const char* name, const std::string& text) {
  ScopedRegKey key;
  return key.Create(root, subkey) && WriteStringValue(key.Get(), name, text);
}

bool RegReadDword(HKEY key, const char* name, uint32_t* value) {
  DWORD type = 0, data = 0, size = sizeof data;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
          ERROR_SUCCESS ||
      size != sizeof data)
    return false;
  *value = data;
  return true;
}

bool RegWriteDword(HKEY key, const char* name, uint32_t value) {
  DWORD data = value;
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

int RegReadBinary(HKEY key, const char* name, void* data, int maxSize) {
  DWORD type = 0, size = static_cast<DWORD>(maxSize);
  if (RegQueryValueExA(key, name, nullptr, &type, static_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<int>(size);
}

bool RegWriteBinary(HKEY key, const char* name, const void* data, int size) {
  return RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data),
                        static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool RegWriteDwordSet(HKEY root, const char* subkey, const uint32_t* values, int count,
                      bool deleteSurplus) {
  ScopedRegKey key;
  if (!key.Create(root, subkey)) return false;
  bool ok = true;
  for (int i = 0; i < count; ++i)
    ok = RegWriteDword(key.Get(), NumberText(i).c_str(), values[i]) && ok;
  if (deleteSurplus) DeleteNumberedValuesFrom(key.Get(), count);
  return ok;
}

bool RegWriteRectSet(HKEY root, const char* subkey, const Rect* rects, int count,
                     bool deleteSurplus) {
  ScopedRegKey key;
  if (!key.Create(root, subkey)) return false;
  bool ok = true;
  for (int i = 0; i < count; ++i)
    ok = WriteStringValue(key.Get(), NumberText(i).c_str(), RectText(rects[i])) && ok;
  if (deleteSurplus) DeleteNumberedValuesFrom(key.Get(), count);
  return ok;
}

int RegReadDwordSet(HKEY root, const char* subkey, uint32_t* values, int maxCount) {
  ScopedRegKey key;
  if (!key.Open(root, subkey, KEY_READ)) return 0;
  int count = 0;
  while (count < maxCount && RegReadDword(key.Get(), NumberText(count).c_str(), &values[count]))
    ++count;
  return count;
}

int RegReadRectSet(HKEY root, const char* subkey, Rect* rects, int maxCount) {
  ScopedRegKey key;
  if (!key.Open(root, subkey, KEY_READ)) return 0;
  int count = 0;
  for (int i = 0; i < maxCount; ++i) {
    std::string text;
    if (RegReadStringValue(key.Get(), NumberText(i).c_str(), &text) &&
        ParseRectText(text.c_str(), &rects[i]))
      ++count;
  }
  return count;
}

bool RegWriteTable(HKEY root, const char* subkey, const char* const* columns, int columnCount,
                   const RegistryTable& table) {
  ScopedRegKey key;
  if (!key.Create(root, subkey)) return false;
  bool ok = true;
  const int count = static_cast<int>(table.rows.size());
  for (int i = 0; i < count; ++i) {
    ScopedRegKey entry;
    if (!entry.Create(key.Get(), NumberText(i).c_str())) {
      ok = false;
      continue;
    }
    const std::vector<std::string>& row = table.rows[i];
    for (int c = 0; c < columnCount; ++c) {
      static const std::string kEmpty;
      const std::string& text = c < static_cast<int>(row.size()) ? row[c] : kEmpty;
      ok = WriteStringValue(entry.Get(), columns[c], text) && ok;
    }
  }
  if (table.hasIndex) ok = RegWriteDword(key.Get(), "index", table.index) && ok;
  DeleteNumberedSubkeysFrom(key.Get(), count);
  return ok;
}

int RegReadTable(HKEY root, const char* subkey, const char* const* columns, int columnCount,
                 RegistryTable* table) {
  ScopedRegKey key;
  if (!key.Open(root, subkey, KEY_READ)) return -1;
  table->rows.clear();
  for (int i = 0;; ++i) {
    ScopedRegKey entry;
    if (!entry.Open(key.Get(), NumberText(i).c_str(), KEY_READ)) break;
    std::vector<std::string> row(columnCount);
    for (int c = 0; c < columnCount; ++c) RegReadStringValue(entry.Get(), columns[c], &row[c]);
    table->rows.push_back(std::move(row));
  }
  table->hasIndex = RegReadDword(key.Get(), "index", &table->index);
  return static_cast<int>(table->rows.size());
}

bool RegDeleteKeyTree(HKEY root, const char* subkey) {
  LONG result = SHDeleteKeyA(root, subkey);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
