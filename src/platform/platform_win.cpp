// Win32 implementation of the platform layer (ANSI functions).
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/platform.h"

namespace platform {
namespace {

HANDLE AsHandle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }

int64_t FileTimeToUnix(const FILETIME& ft) {
  ULARGE_INTEGER v;
  v.LowPart = ft.dwLowDateTime;
  v.HighPart = ft.dwHighDateTime;
  return static_cast<int64_t>(v.QuadPart / 10000000ull) - 11644473600ll;
}

std::wstring ToWide(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

std::string FromWide(UINT codePage, const wchar_t* wide, size_t count) {
  if (count == 0) return std::string();
  int n =
      WideCharToMultiByte(codePage, 0, wide, static_cast<int>(count), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide, static_cast<int>(count), &text[0], n, nullptr, nullptr);
  return text;
}

}  // namespace

uint32_t File::Open(const char* path, FileAccess access) {
  Close();
  DWORD desired = GENERIC_READ, share = FILE_SHARE_READ | FILE_SHARE_WRITE,
        disposition = OPEN_EXISTING;
  switch (access) {
    case FileAccess::kRead:
      break;
    case FileAccess::kReadWrite:
      desired |= GENERIC_WRITE;
      share = FILE_SHARE_READ;
      break;
    case FileAccess::kReadWriteShared:
      desired |= GENERIC_WRITE;
      break;
    case FileAccess::kCreateWrite:
      desired |= GENERIC_WRITE;
      share = FILE_SHARE_READ;
      disposition = CREATE_ALWAYS;
      break;
  }
  HANDLE h =
      CreateFileA(path, desired, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return lastError_ = GetLastError();
  handle_ = reinterpret_cast<intptr_t>(h);
  return lastError_ = kErrorNone;
}

void File::Close() {
  if (handle_ != kInvalid) CloseHandle(AsHandle(handle_));
  handle_ = kInvalid;
}

long File::Read(void* buffer, size_t size) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(size), &got, nullptr)) {
    lastError_ = GetLastError();
    return -1;
  }
  return static_cast<long>(got);
}

bool File::Write(const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size), done = 0;
    if (!WriteFile(AsHandle(handle_), p, chunk, &done, nullptr)) {
      lastError_ = GetLastError();
      return false;
    }
    p += done;
    size -= done;
  }
  return true;
}

bool File::Seek(int64_t offset) {
  LARGE_INTEGER pos;
  pos.QuadPart = offset;
  if (!SetFilePointerEx(AsHandle(handle_), pos, nullptr, FILE_BEGIN)) {
    lastError_ = GetLastError();
    return false;
  }
  return true;
}

int64_t File::Size() {
  LARGE_INTEGER size;
  return GetFileSizeEx(AsHandle(handle_), &size) ? size.QuadPart : -1;
}

bool File::Truncate() {
  if (!SetEndOfFile(AsHandle(handle_))) {
    lastError_ = GetLastError();
    return false;
  }
  return true;
}

bool File::Flush() { return FlushFileBuffers(AsHandle(handle_)) != 0; }

bool File::ReadAll(std::string* text) {
  text->clear();
  if (!Seek(0)) return false;
  int64_t size = Size();
  if (size < 0) return false;
  text->resize(static_cast<size_t>(size));
  size_t got = 0;
  while (got < text->size()) {
    long n = Read(&(*text)[got], text->size() - got);
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  text->resize(got);
  return true;
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool FolderExists(const char* path) {
  DWORD a = GetFileAttributesA(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

uint32_t CreateFolder(const char* path) {
  return CreateDirectoryA(path, nullptr) ? kErrorNone : GetLastError();
}

uint32_t RemoveFile(const char* path) { return DeleteFileA(path) ? kErrorNone : GetLastError(); }

uint32_t CopyFileTo(const char* from, const char* to, bool failIfExists) {
  return CopyFileA(from, to, failIfExists) ? kErrorNone : GetLastError();
}

uint32_t MoveReplacing(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) ? kErrorNone
                                                                                  : GetLastError();
}

uint32_t CommitReplacing(const char* from, const char* to) {
  // Same folder, so no copy: the replace is one rename, written through.
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? kErrorNone
                                                                                   : GetLastError();
}

uint32_t SetFileLastWriteTime(const char* path, uint32_t time) {
  HANDLE h = CreateFileA(path, FILE_WRITE_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return GetLastError();
  ULARGE_INTEGER v;
  v.QuadPart = (static_cast<uint64_t>(time) + 11644473600ull) * 10000000ull;
  FILETIME ft;
  ft.dwLowDateTime = v.LowPart;
  ft.dwHighDateTime = v.HighPart;
  uint32_t result = SetFileTime(h, nullptr, nullptr, &ft) ? kErrorNone : GetLastError();
  CloseHandle(h);
  return result;
}

uint32_t FileLastWriteTime(const char* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return 0;
  return static_cast<uint32_t>(FileTimeToUnix(data.ftLastWriteTime));
}

std::string TempFolder() {
  char buffer[MAX_PATH + 1];
  DWORD n = GetTempPathA(sizeof buffer, buffer);
  std::string result = (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string("C:\\");
  if (result.back() != '\\') result += '\\';
  return result;
}

bool IsPathSeparator(char c) { return c == '\\'; }
char PreferredSeparator() { return '\\'; }

size_t LastSeparator(const std::string& path) {
  // Multibyte aware: a trail byte may equal '\\' in East Asian code pages.
  size_t last = std::string::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (path[i] == '\\') last = i;
  }
  return last;
}

uint32_t Now() { return static_cast<uint32_t>(time(nullptr)); }

bool UtcToLocalTm(int64_t utc, std::tm* out) {
  time_t t = static_cast<time_t>(utc);
  std::tm* r = localtime(&t);
  if (!r) return false;
  *out = *r;
  return true;
}

bool UtcToUtcTm(int64_t utc, std::tm* out) {
  time_t t = static_cast<time_t>(utc);
  std::tm* r = gmtime(&t);
  if (!r) return false;
  *out = *r;
  return true;
}

int64_t LocalTmToUtc(const std::tm& local) {
  std::tm copy = local;
  return static_cast<int64_t>(mktime(&copy));
}

int64_t UtcTmToUtc(const std::tm& utc) {
  std::tm copy = utc;
  return static_cast<int64_t>(_mkgmtime(&copy));
}

std::string FormatTime(const char* format, const std::tm& tm) {
  char buffer[512];
  size_t n = strftime(buffer, sizeof buffer, format, &tm);
  return std::string(buffer, n);
}

uint32_t TickCount() { return GetTickCount(); }

bool IsLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != 0; }

std::wstring AnsiToUtf16(const std::string& ansi) { return ToWide(CP_ACP, ansi); }
std::string Utf16ToAnsi(const std::wstring& wide) {
  return FromWide(CP_ACP, wide.data(), wide.size());
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::wstring wide = ToWide(CP_ACP, ansi);
  return FromWide(CP_UTF8, wide.data(), wide.size());
}

std::string Utf8ToAnsi(const std::string& utf8) {
  std::wstring wide = ToWide(CP_UTF8, utf8);
  return FromWide(CP_ACP, wide.data(), wide.size());
}

std::string Utf16UnitsToAnsi(const uint16_t* units, size_t count) {
  std::wstring wide(units, units + count);
  return FromWide(CP_ACP, wide.data(), wide.size());
}

std::string LowerAnsiText(const std::string& text) {
  std::string lower = text;
  if (!lower.empty()) CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
  return lower;
}

bool IsAnsiAlphaNumeric(unsigned char c) {
  return !IsDBCSLeadByte(c) && IsCharAlphaNumericA(static_cast<CHAR>(c)) != 0;
}

}  // namespace platform

namespace platform {

int ShowMessageBox(void* owner, const std::string& text, const std::string& caption,
                   unsigned type) {
  return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), type);
}

std::string StringResource(int id) {
  // String-table entries are limited to 4,097 characters.
  char buffer[4200];
  int n = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string SystemErrorText(uint32_t code) {
  char* text = nullptr;
  DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = n && text ? std::string(text, n) : std::string();
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
  return result;
}

// Large pages need a privilege users do not have; plain pages it is.
void AdviseHugePages(void*, size_t) {}

void* AllocateLarge(size_t bytes) { return std::malloc(bytes ? bytes : 1); }

void FreeLarge(void* block, size_t) { std::free(block); }

}  // namespace platform
