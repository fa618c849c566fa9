// Linux stand-in for the Windows platform: sharing modes are approximated
// with advisory locks, and the ANSI code page is Windows-1252.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>

#include "platform/platform.h"

namespace platform {
namespace {

uint32_t MapErrno(int e) {
  switch (e) {
    case 0:
      return kErrorNone;
    case ENOENT:
      return kErrorFileNotFound;
    case ENOTDIR:
      return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return kErrorAccessDenied;
    case EWOULDBLOCK:
      return kErrorSharingViolation;
    case EEXIST:
      return kErrorAlreadyExists;
    case ENOSPC:
      return kErrorDiskFull;
    default:
      return 0x10000u + static_cast<uint32_t>(e);
  }
}

// Unicode code points of Windows-1252 bytes 0x80-0x9F (the rest is Latin-1).
constexpr uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t AnsiByteToCodePoint(unsigned char c) {
  return (c >= 0x80 && c <= 0x9F) ? kCp1252High[c - 0x80] : c;
}

char CodePointToAnsiByte(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

void AppendUtf8(std::string* out, uint32_t cp) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at text[*i]; malformed input gives U+FFFD and
// never reads past the end.
uint32_t NextUtf8(const std::string& text, size_t* i) {
  unsigned char c = static_cast<unsigned char>(text[(*i)++]);
  if (c < 0x80) return c;
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  uint32_t cp = c & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (*i >= text.size()) return 0xFFFD;
    unsigned char d = static_cast<unsigned char>(text[*i]);
    if ((d & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (d & 0x3F);
    ++*i;
  }
  return cp;
}

}  // namespace

uint32_t File::Open(const char* path, FileAccess access) {
  Close();
  int flags = O_RDONLY;
  if (access == FileAccess::kReadWrite || access == FileAccess::kReadWriteShared) flags = O_RDWR;
  if (access == FileAccess::kCreateWrite) flags = O_RDWR | O_CREAT | O_TRUNC;
  int fd = ::open(path, flags | O_CLOEXEC, 0644);
  if (fd < 0) return lastError_ = MapErrno(errno);
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return lastError_ = kErrorAccessDenied;
  }
  // A writer that denies other writers holds an exclusive advisory lock;
  // another such writer is refused as Windows refuses a sharing violation.
  if (access == FileAccess::kReadWrite && flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return lastError_ = kErrorSharingViolation;
  }
  handle_ = fd;
  return lastError_ = kErrorNone;
}

void File::Close() {
  if (handle_ != kInvalid) ::close(static_cast<int>(handle_));
  handle_ = kInvalid;
}

long File::Read(void* buffer, size_t size) {
  ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
  if (n < 0) lastError_ = MapErrno(errno);
  return static_cast<long>(n);
}

bool File::Write(const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = ::write(static_cast<int>(handle_), p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      lastError_ = MapErrno(errno);
      return false;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool File::Seek(int64_t offset) {
  if (lseek(static_cast<int>(handle_), offset, SEEK_SET) < 0) {
    lastError_ = MapErrno(errno);
    return false;
  }
  return true;
}

int64_t File::Size() {
  struct stat st;
  if (fstat(static_cast<int>(handle_), &st) != 0) return -1;
  return st.st_size;
}

bool File::Truncate() {
  off_t pos = lseek(static_cast<int>(handle_), 0, SEEK_CUR);
  if (pos < 0 || ftruncate(static_cast<int>(handle_), pos) != 0) {
    lastError_ = MapErrno(errno);
    return false;
  }
  return true;
}

bool File::Flush() { return fsync(static_cast<int>(handle_)) == 0; }

bool File::ReadAll(std::string* text) {
  text->clear();
  if (!Seek(0)) return false;
  int64_t size = Size();
  if (size > 0) {
    text->reserve(static_cast<size_t>(size));
    AdviseHugePages(text->data(), text->capacity());
  }
  char buffer[65536];
  for (;;) {
    long n = Read(buffer, sizeof buffer);
    if (n < 0) return false;
    if (n == 0) return true;
    text->append(buffer, static_cast<size_t>(n));
  }
}

void AdviseHugePages(void* block, size_t bytes) {
  constexpr uintptr_t kHugePage = 2u << 20;
  constexpr size_t kWorthIt = 4u << 20;
  if (bytes < kWorthIt) return;
  uintptr_t begin = (reinterpret_cast<uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
  uintptr_t end = (reinterpret_cast<uintptr_t>(block) + bytes) & ~(kHugePage - 1);
  // Only whole huge pages inside the block; a refusal changes nothing.
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

namespace {

constexpr size_t kLargeFrom = 512u << 10;
constexpr uintptr_t kHugePageBytes = 2u << 20;

size_t WholeHugePages(size_t bytes) { return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1); }

// Blocks given back are kept for the next tables of their size, as
// the C library keeps freed memory: a program that imports again and again
// (a benchmark) then refills warm pages instead of faulting in new ones.
// A few blocks, a bounded total.
class KeptBlocks {
 public:
  void* Take(size_t length) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (Block& b : blocks_) {
      // Only a block of the same length: its owner gives it back by size.
      if (b.start && b.length == length) {
        void* start = b.start;
        kept_ -= b.length;
        b = Block();
        return start;
      }
    }
    return nullptr;
  }
  bool Keep(void* start, size_t length) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (kept_ + length > kMostKept) return false;
    for (Block& b : blocks_) {
      if (!b.start) {
        b = Block{start, length};
        kept_ += length;
        return true;
      }
    }
    return false;
  }

 private:
  static constexpr size_t kMostKept = 96u << 20;
  struct Block {
    void* start = nullptr;
    size_t length = 0;
  };
  std::mutex mutex_;
  Block blocks_[6];
  size_t kept_ = 0;
};

KeptBlocks& Kept() {
  static KeptBlocks* kept = new KeptBlocks;  // never destroyed: frees may come late
  return *kept;
}

}  // namespace

void* AllocateLarge(size_t bytes) {
  if (bytes < kLargeFrom) return std::malloc(bytes ? bytes : 1);
  if (bytes > SIZE_MAX / 2) return nullptr;
  size_t length = WholeHugePages(bytes);
  if (void* kept = Kept().Take(length)) return kept;
  // One huge page more than needed, so that a huge-page boundary lies
  // within; the parts before it and after the block go back at once.
  void* mapped = mmap(nullptr, length + kHugePageBytes, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  uintptr_t start = reinterpret_cast<uintptr_t>(mapped);
  uintptr_t block = (start + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
  uintptr_t end = start + length + kHugePageBytes;
  if (block > start) munmap(mapped, block - start);
  if (end > block + length) munmap(reinterpret_cast<void*>(block + length), end - block - length);
  madvise(reinterpret_cast<void*>(block), length, MADV_HUGEPAGE);  // a refusal changes nothing
  return reinterpret_cast<void*>(block);
}

void FreeLarge(void* block, size_t bytes) {
  if (!block) return;
  if (bytes < kLargeFrom) {
    std::free(block);
    return;
  }
  if (!Kept().Keep(block, WholeHugePages(bytes))) munmap(block, WholeHugePages(bytes));
}

bool FileExists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0;
}

bool FolderExists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

uint32_t CreateFolder(const char* path) {
  return mkdir(path, 0755) == 0 ? kErrorNone : MapErrno(errno);
}

uint32_t RemoveFile(const char* path) { return unlink(path) == 0 ? kErrorNone : MapErrno(errno); }

uint32_t CopyFileTo(const char* from, const char* to, bool failIfExists) {
  if (failIfExists && FileExists(to)) return kErrorFileExists;
  std::string bytes;
  if (uint32_t e = ReadWholeFile(from, &bytes)) return e;
  return WriteWholeFile(to, bytes);
}

uint32_t MoveReplacing(const char* from, const char* to) {
  return rename(from, to) == 0 ? kErrorNone : MapErrno(errno);
}

uint32_t CommitReplacing(const char* from, const char* to) {
  if (rename(from, to) != 0) return MapErrno(errno);
  // The rename itself reaches the disk only with its folder.
  std::string folder(to);
  size_t slash = folder.find_last_of('/');
  folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    ::close(fd);
  }
  return kErrorNone;
}

uint32_t SetFileLastWriteTime(const char* path, uint32_t time) {
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(time);
  times[1].tv_nsec = 0;
  return utimensat(AT_FDCWD, path, times, 0) == 0 ? kErrorNone : MapErrno(errno);
}

uint32_t FileLastWriteTime(const char* path) {
  struct stat st;
  if (stat(path, &st) != 0) return 0;
  return static_cast<uint32_t>(st.st_mtime);
}

std::string TempFolder() {
  const char* dir = getenv("TMPDIR");
  std::string result = dir && *dir ? dir : "/tmp";
  if (result.back() != '/') result += '/';
  return result;
}

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }
char PreferredSeparator() { return '/'; }
size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

uint32_t Now() { return static_cast<uint32_t>(time(nullptr)); }

bool UtcToLocalTm(int64_t utc, std::tm* out) {
  time_t t = static_cast<time_t>(utc);
  return localtime_r(&t, out) != nullptr;
}

bool UtcToUtcTm(int64_t utc, std::tm* out) {
  time_t t = static_cast<time_t>(utc);
  return gmtime_r(&t, out) != nullptr;
}

int64_t LocalTmToUtc(const std::tm& local) {
  std::tm copy = local;
  return static_cast<int64_t>(mktime(&copy));
}

int64_t UtcTmToUtc(const std::tm& utc) {
  std::tm copy = utc;
  return static_cast<int64_t>(timegm(&copy));
}

std::string FormatTime(const char* format, const std::tm& tm) {
  // glibc has no "#" flag; the Windows long forms are spelled out here
  // ("Sunday, September 13, 2020" and the same with the time).
  std::string fmt;
  for (const char* p = format; *p; ++p) {
    if (p[0] == '%' && p[1] == '#' && (p[2] == 'x' || p[2] == 'c')) {
      fmt += p[2] == 'x' ? "%A, %B %e, %Y" : "%A, %B %e, %Y %l:%M:%S %p";
      p += 2;
    } else if (p[0] == '%' && p[1] == '#' && p[2]) {
      fmt += '%';  // "#" on other conversions removes leading zeros on Windows
      fmt += '-';
      fmt += p[2];
      p += 2;
    } else {
      fmt += *p;
    }
  }
  char buffer[512];
  size_t n = strftime(buffer, sizeof buffer, fmt.c_str(), &tm);
  std::string text(buffer, n);
  // %e and %l pad with a blank where Windows prints no padding.
  for (size_t pos; (pos = text.find("  ")) != std::string::npos;) text.erase(pos, 1);
  return text;
}

uint32_t TickCount() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(ts.tv_sec * 1000ull + ts.tv_nsec / 1000000);
}

bool IsLeadByte(unsigned char) { return false; }  // Windows-1252 is single-byte

std::wstring AnsiToUtf16(const std::string& ansi) {
  std::wstring wide;
  wide.reserve(ansi.size());
  for (unsigned char c : ansi) wide.push_back(static_cast<wchar_t>(AnsiByteToCodePoint(c)));
  return wide;
}

std::string Utf16ToAnsi(const std::wstring& wide) {
  std::string ansi;
  ansi.reserve(wide.size());
  for (wchar_t c : wide) ansi.push_back(CodePointToAnsiByte(static_cast<uint32_t>(c)));
  return ansi;
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::string utf8;
  utf8.reserve(ansi.size());
  for (unsigned char c : ansi) AppendUtf8(&utf8, AnsiByteToCodePoint(c));
  return utf8;
}

std::string Utf8ToAnsi(const std::string& utf8) {
  std::string ansi;
  ansi.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) ansi.push_back(CodePointToAnsiByte(NextUtf8(utf8, &i)));
  return ansi;
}

std::string Utf16UnitsToAnsi(const uint16_t* units, size_t count) {
  std::string ansi;
  ansi.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    uint32_t cp = units[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      ++i;
      cp = 0xFFFD;  // outside the code page either way
    }
    ansi.push_back(CodePointToAnsiByte(cp));
  }
  return ansi;
}

std::string LowerAnsiText(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) {
    uint32_t cp = AnsiByteToCodePoint(static_cast<unsigned char>(c));
    // The capitals of Windows-1252 and their small letters.
    uint32_t lc;
    if (cp >= 'A' && cp <= 'Z')
      lc = cp + 32;
    else if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
      lc = cp + 32;
    else if (cp == 0x160 || cp == 0x152 || cp == 0x17D)
      lc = cp + 1;
    else if (cp == 0x178)
      lc = 0xFF;
    else
      lc = cp;
    c = CodePointToAnsiByte(lc);
  }
  return lower;
}

bool IsAnsiAlphaNumeric(unsigned char c) {
  uint32_t cp = AnsiByteToCodePoint(c);
  if (cp < 0x80) return (cp >= '0' && cp <= '9') || ((cp | 0x20) >= 'a' && (cp | 0x20) <= 'z');
  // The letters of Windows-1252 beyond ASCII.
  switch (cp) {
    case 0xAA:
    case 0xB5:
    case 0xBA:
    case 0x152:
    case 0x153:
    case 0x160:
    case 0x161:
    case 0x178:
    case 0x17D:
    case 0x17E:
    case 0x192:
      return true;
    default:
      return cp >= 0xC0 && cp <= 0xFF && cp != 0xD7 && cp != 0xF7;
  }
}

}  // namespace platform

namespace platform {

int ShowMessageBox(void*, const std::string& text, const std::string& caption, unsigned type) {
  fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  switch (type & 0xF) {
    case kMbOkCancel:
    case kMbYesNoCancel:
    case kMbRetryCancel:
      return kIdCancel;
    case kMbYesNo:
      return kIdNo;
    case kMbAbortRetryIgnore:
      return kIdAbort;
    default:
      return kIdOk;
  }
}

std::string SystemErrorText(uint32_t code) {
  switch (code) {
    case kErrorFileNotFound:
      return "The system cannot find the file specified.";
    case kErrorPathNotFound:
      return "The system cannot find the path specified.";
    case kErrorAccessDenied:
      return "Access is denied.";
    case kErrorSharingViolation:
      return "The process cannot access the file because it is being used by another process.";
    case kErrorFileExists:
      return "The file exists.";
    case kErrorDiskFull:
      return "There is not enough space on the disk.";
    case kErrorAlreadyExists:
      return "Cannot create a file when that file already exists.";
  }
  if (code > 0x10000u) return strerror(static_cast<int>(code - 0x10000u));
  return "Error " + std::to_string(code) + ".";
}

}  // namespace platform
