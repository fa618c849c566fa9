// Registry helpers for the settings store: single values, numbered sets of
// DWORDs and rectangles (values "0", "1", ... of a subkey) and numbered
// tables (RegistryTable). A subkey of nullptr or "" means root itself.
// Failures are reported by the return value only; nothing is shown.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "util/rect.h"
#include "util/registry_table.h"

// Owns an open registry key; closes it. Copying is not allowed.
class ScopedRegKey {
 public:
  ScopedRegKey() = default;
  explicit ScopedRegKey(HKEY key) : key_(key) {}
  ~ScopedRegKey() { Close(); }
  ScopedRegKey(const ScopedRegKey&) = delete;
  ScopedRegKey& operator=(const ScopedRegKey&) = delete;

  // Opens root\subkey; false (and closed) on failure.
  bool Open(HKEY root, const char* subkey, REGSAM access);
  // Creates or opens root\subkey for reading and writing.
  bool Create(HKEY root, const char* subkey);
  void Close();
  HKEY Get() const { return key_; }
  bool IsOpen() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

// Text of a string value; empty when the key or the value is missing or the
// value is not a string.
std::string RegReadString(HKEY root, const char* subkey, const char* name);
// Writes a REG_SZ value, creating the subkey when needed.
bool RegWriteString(HKEY root, const char* subkey, const char* name, const std::string& text);

// Single values directly under an open key. The readers return false and
// leave the output alone when the value is missing or of another shape.
bool RegReadStringValue(HKEY key, const char* name, std::string* text);
bool RegReadDword(HKEY key, const char* name, uint32_t* value);
bool RegWriteDword(HKEY key, const char* name, uint32_t value);
// Reads up to maxSize bytes of a value of any type; -1 when missing or larger.
int RegReadBinary(HKEY key, const char* name, void* data, int maxSize);
bool RegWriteBinary(HKEY key, const char* name, const void* data, int size);

// Writes values "0" to count-1 (REG_DWORD, or REG_SZ "left,top,right,bottom"
// for rectangles), creating the subkey. With deleteSurplus, numbered values
// from count upward are deleted until one is missing.
bool RegWriteDwordSet(HKEY root, const char* subkey, const uint32_t* values, int count,
                      bool deleteSurplus);
bool RegWriteRectSet(HKEY root, const char* subkey, const Rect* rects, int count,
                     bool deleteSurplus);
// Reads DWORD values "0" up to maxCount-1, stopping at the first missing one;
// returns the number read (0 when the subkey is missing).
int RegReadDwordSet(HKEY root, const char* subkey, uint32_t* values, int maxCount);
// Reads rectangle values "0" up to maxCount-1; a missing or malformed value
// leaves its rectangle as it was. Returns the number read.
int RegReadRectSet(HKEY root, const char* subkey, Rect* rects, int maxCount);

// columns[0] names the name column, which lives in the entry's default
// value; pass "" for it. Writes entries 0 to count-1 (and "index" when
// table.hasIndex), then deletes numbered subkeys from count upward until one
// is missing.
bool RegWriteTable(HKEY root, const char* subkey, const char* const* columns, int columnCount,
                   const RegistryTable& table);
// Reads entries until the first missing numbered subkey; a missing column
// reads as empty. Sets hasIndex/index when "index" exists. Returns the
// number of entries, or -1 when the subkey itself is missing.
int RegReadTable(HKEY root, const char* subkey, const char* const* columns, int columnCount,
                 RegistryTable* table);

// Deletes root\subkey with everything below it; true when it is gone.
bool RegDeleteKeyTree(HKEY root, const char* subkey);
