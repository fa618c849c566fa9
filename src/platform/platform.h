// The only place where the operating system shows through. Everything the
// portable core needs of it: files with Windows sharing rules, file times,
// the clock and local time, and the ANSI code page with its conversions.
// platform_win.cpp calls Win32; platform_posix.cpp stands in on Linux and
// treats the ANSI code page as Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <new>
#include <string>
#include <vector>

namespace platform {

// Operating-system error codes the core reacts to; on POSIX the errno
// values are mapped onto these Windows numbers so callers see one set.
constexpr uint32_t kErrorNone = 0;
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorSharingViolation = 32;
constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorDiskFull = 112;
constexpr uint32_t kErrorAlreadyExists = 183;

// How a file is opened, and what other openers are still allowed.
enum class FileAccess {
  kRead,             // read; others may read and write
  kReadWrite,        // read and write; others may read but not write
  kReadWriteShared,  // read and write; others may read and write
  kCreateWrite,      // create or truncate, write; others may read
};

// An open file; closes itself. Copying is not allowed.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens path; on failure returns the error code and leaves the file closed.
  [[nodiscard]] uint32_t Open(const char* path, FileAccess access);
  void Close();
  bool IsOpen() const { return handle_ != kInvalid; }

  // Reads up to size bytes at the current position; returns the count, or
  // -1 with lastError set.
  long Read(void* buffer, size_t size);
  // Writes all bytes; false with lastError set on failure.
  bool Write(const void* data, size_t size);
  bool Seek(int64_t offset);  // from the start
  int64_t Size();
  bool Truncate();  // at the current position
  bool Flush();
  // Reads the whole file from the start into text.
  bool ReadAll(std::string* text);
  uint32_t LastError() const { return lastError_; }

 private:
  static constexpr intptr_t kInvalid = -1;
  intptr_t handle_ = kInvalid;
  uint32_t lastError_ = 0;
};

// Whole-file and path operations (names avoid the Win32 A/W macros). Functions returning uint32_t
// give 0 or the operating-system error code.
bool FileExists(const char* path);  // a file or a folder
bool FolderExists(const char* path);
uint32_t CreateFolder(const char* path);  // one level
uint32_t RemoveFile(const char* path);
uint32_t CopyFileTo(const char* from, const char* to, bool failIfExists);
// Moves from over to, replacing an existing file.
uint32_t MoveReplacing(const char* from, const char* to);
// Moves from over to as one step that survives a crash: the data of from
// must already be flushed; afterwards to holds either its old or its new
// content, never a mix or nothing. Fails (leaving both files) while another
// process has to open on Windows.
uint32_t CommitReplacing(const char* from, const char* to);
// Last-write time in seconds since 1970 UTC; 0 when the file is missing.
uint32_t FileLastWriteTime(const char* path);
// Sets the last-write time (seconds since 1970 UTC); 0 or the error code.
uint32_t SetFileLastWriteTime(const char* path, uint32_t time);
uint32_t WriteWholeFile(const char* path, const std::string& bytes);
uint32_t ReadWholeFile(const char* path, std::string* bytes);
// A folder for temporary files, with a trailing separator.
std::string TempFolder();

// Memory: asks that a large, freshly allocated and not yet touched block
// be backed by huge pages where the system offers them, so that filling
// it costs a few page faults instead of one per 4 KB page (on a 40 MB
// file, most of an import's time). Smaller blocks and other systems are
// left as they are.
void AdviseHugePages(void* block, size_t bytes);

// Large tables that are filled soon after they are made. From half a
// megabyte on, a block is taken from the system in whole huge pages where
// it offers them, advised before anything touches it: on this kind of
// machine a 4 KB page fault costs as much as filling a 2 MB page, and a
// block from the C library cannot have its first huge page (the library
// writes its header there first). A few blocks given back (96 MB at most)
// are kept for the next tables of their size, as the C library keeps
// freed memory. Elsewhere, plain heap blocks. nullptr when memory runs out.
void* AllocateLarge(size_t bytes);
void FreeLarge(void* block, size_t bytes);  // bytes as allocated

// A large block owned for a scope; Data() is nullptr when memory ran out.
class LargeBlock {
 public:
  explicit LargeBlock(size_t bytes)
      : bytes_(bytes), data_(static_cast<unsigned char*>(AllocateLarge(bytes))) {}
  ~LargeBlock() { FreeLarge(data_, bytes_); }
  LargeBlock(const LargeBlock&) = delete;
  LargeBlock& operator=(const LargeBlock&) = delete;
  unsigned char* Data() const { return data_; }

 private:
  size_t bytes_;
  unsigned char* data_;
};

// An allocator over AllocateLarge, for std::vector.
template <typename T>
struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) {}
  T* allocate(size_t count) {
    void* block = count <= SIZE_MAX / sizeof(T) ? AllocateLarge(count * sizeof(T)) : nullptr;
    if (!block) throw std::bad_alloc();
    return static_cast<T*>(block);
  }
  void deallocate(T* block, size_t count) { FreeLarge(block, count * sizeof(T)); }
  friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }
  friend bool operator!=(const LargeBlockAllocator&, const LargeBlockAllocator&) { return false; }
};
template <typename T>
using LargeTable = std::vector<T, LargeBlockAllocator<T>>;

// Path separators: the Windows build knows only the backslash; the native
// build accepts "/" as well.
bool IsPathSeparator(char c);
// Index of the last separator in path, or std::string::npos.
size_t LastSeparator(const std::string& path);
// The separator to append when joining.
char PreferredSeparator();

// Clock and local time.
uint32_t Now();  // seconds since 1970-01-01 UTC
bool UtcToLocalTm(int64_t utc, std::tm* out);
bool UtcToUtcTm(int64_t utc, std::tm* out);
int64_t LocalTmToUtc(const std::tm& local);  // mktime
int64_t UtcTmToUtc(const std::tm& utc);      // timegm
// strftime with the Windows "#" flag (%#x, %#c: the long date forms)
// understood on both sides.
std::string FormatTime(const char* format, const std::tm& tm);
uint32_t TickCount();  // milliseconds, wraps

// The ANSI code page. Conversions replace what cannot be represented.
bool IsLeadByte(unsigned char c);
std::wstring AnsiToUtf16(const std::string& ansi);
std::string Utf16ToAnsi(const std::wstring& wide);
std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);
// Converts UTF-16 code units (as read from a file) to ANSI.
std::string Utf16UnitsToAnsi(const uint16_t* units, size_t count);
// Lower-cases ANSI text in the current locale (multibyte aware).
// (Not "AnsiLower": windows.h defines that name as a macro.)
std::string LowerAnsiText(const std::string& text);
// True for a letter or digit of the ANSI code page (a single byte; a lead
// byte of a double-byte character is not one by itself).
bool IsAnsiAlphaNumeric(unsigned char c);

}  // namespace platform

namespace platform {

// Message boxes: the same type flags and answers as MessageBoxA.
constexpr unsigned kMbOk = 0x0, kMbOkCancel = 0x1, kMbAbortRetryIgnore = 0x2, kMbYesNoCancel = 0x3,
                   kMbYesNo = 0x4, kMbRetryCancel = 0x5;
constexpr unsigned kMbIconStop = 0x10, kMbIconQuestion = 0x20, kMbIconWarning = 0x30,
                   kMbIconInformation = 0x40, kMbSystemModal = 0x1000;
constexpr int kIdOk = 1, kIdCancel = 2, kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5, kIdYes = 6,
              kIdNo = 7;

// Shows a message box owned by owner (a window handle or null). On
// Windows this is MessageBoxA; the POSIX build has no user to ask, prints
// the message to standard error and answers with the cautious button
// (Cancel, No, Abort; OK for a plain message).
int ShowMessageBox(void* owner, const std::string& text, const std::string& caption, unsigned type);

// The string-table entry with this id, or empty when there is none. On
// Windows it comes from the program's resources; natively from a table
// generated from the same .rc file.
std::string StringResource(int id);

// The operating system's text for an error code, without a trailing line
// break.
std::string SystemErrorText(uint32_t code);

}  // namespace platform
