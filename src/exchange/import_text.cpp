#include "exchange/import_text.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>

#include "platform/platform.h"

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

// Code points collected for one conversion call: converting a run at once
// gives the same bytes as converting each code point on its own, at a
// fraction of the cost. The converted bytes go to *end.
class PendingWide {
 public:
  explicit PendingWide(char** end) : end_(end) {}
  ~PendingWide() { Flush(); }
  void Add(uint32_t cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = kReplacement;  // never pair up lone halves
    if (cp > 0x10FFFF) cp = kReplacement;
    if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
      cp -= 0x10000;
      wide_.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      wide_.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      wide_.push_back(static_cast<wchar_t>(cp));
    }
  }
  void Flush() {
    if (wide_.empty()) return;
    std::string bytes = platform::Utf16ToAnsi(wide_);
    std::memcpy(*end_, bytes.data(), bytes.size());
    *end_ += bytes.size();
    wide_.clear();
  }

 private:
  char** end_;
  std::wstring wide_;
};

// The length of the sequence a lead byte starts and the bits it carries;
// 0 for a byte that starts none (a continuation byte).
int SequenceLength(unsigned char lead, uint32_t* bits) {
  static const struct {
    unsigned char mask;
    int length;
  } kMasks[] = {{0xFC, 6}, {0xF8, 5}, {0xF0, 4}, {0xE0, 3}, {0xC0, 2}};
  for (const auto& m : kMasks) {
    if ((lead & m.mask) == m.mask) {
      *bits = lead & static_cast<unsigned char>(~m.mask);
      return m.length;
    }
  }
  *bits = 0;
  return 0;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view word) {
  if (text.size() - pos < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (LowerAscii(text[pos + i]) != word[i]) return false;
  return true;
}

// "&#" at pos: the decoded reference and its length, or 0 when it is not
// one (no digits, or no ";" after them).
size_t DecimalReference(std::string_view text, size_t pos, std::string* out) {
  size_t i = pos + 2;
  uint32_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    if (value <= 0x10FFFF) value = value * 10 + static_cast<uint32_t>(text[i] - '0');
    ++i;
  }
  if (i == pos + 2 || i >= text.size() || text[i] != ';') return 0;
  if (value > 0 && value <= 0xFF) {
    out->push_back(static_cast<char>(value));
  } else if (value > 0xFF) {
    // Beyond a byte the reference names a Unicode character: cutting it to
    // its low byte would give an unrelated (often control) character.
    char bytes[16];
    char* end = bytes;
    {
      PendingWide wide(&end);
      wide.Add(value);
    }
    out->append(bytes, static_cast<size_t>(end - bytes));
  }
  return i + 1 - pos;
}

char* DecodeUtf8Into(const char* src, size_t n, char* dst);

// The whole file, read straight into the string or table.
template <typename Bytes>
bool ReadFileBytes(const std::string& path, Bytes* bytes) {
  platform::File file;
  if (file.Open(path.c_str(), platform::FileAccess::kRead) != platform::kErrorNone) return false;
  int64_t size = file.Size();
  if (size < 0 || static_cast<uint64_t>(size) >= static_cast<uint64_t>(SIZE_MAX / 2)) return false;
  // Large fresh buffers fault in far fewer pages as huge pages; the advice
  // must come before the resize touches the memory.
  bytes->clear();
  bytes->reserve(static_cast<size_t>(size));
  if constexpr (std::is_same_v<Bytes, std::string>)
    platform::AdviseHugePages(bytes->data(), bytes->capacity());
  bytes->resize(static_cast<size_t>(size));
  size_t done = 0;
  while (done < bytes->size()) {
    size_t want = bytes->size() - done;
    long n = file.Read(&(*bytes)[done], want < (1u << 30) ? want : (1u << 30));
    if (n < 0) return false;
    if (n == 0) break;  // the file shrank meanwhile
    done += static_cast<size_t>(n);
  }
  bytes->resize(done);
  // A file that grew meanwhile is read to its end.
  char chunk[65536];
  for (long n; (n = file.Read(chunk, sizeof chunk)) != 0;) {
    if (n < 0) return false;
    bytes->insert(bytes->end(), chunk, chunk + n);
  }
  return true;
}

}  // namespace

int64_t ReadImportText(const std::string& path, bool decodeUtf8, bool decodeEntities,
                       std::string* text) {
  text->clear();
  std::string bytes;
  if (!ReadFileBytes(path, &bytes)) return -1;
  int64_t count = static_cast<int64_t>(bytes.size());
  if (!decodeUtf8) {
    *text = std::move(bytes);
    return count;
  }
  char* end = DecodeUtf8Into(bytes.data(), bytes.size(), &bytes[0]);  // in place
  bytes.resize(static_cast<size_t>(end - bytes.data()));
  *text = decodeEntities ? DecodeHtmlEntities(bytes) : std::move(bytes);
  return count;
}

namespace {

// The end of the run of plain bytes (below 0x80, not 0x02) that starts at
// i: eight at a time while a whole word is plain, then byte by byte.
size_t PlainRunEnd(const unsigned char* p, size_t i, size_t n) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  for (uint64_t word; i + 8 <= n; i += 8) {
    std::memcpy(&word, p + i, 8);
    uint64_t twos = word ^ (kOnes * 2);  // a byte 0x02 becomes 0
    if ((word & kHigh) != 0 || ((twos - kOnes) & ~twos & kHigh) != 0) break;
  }
  while (i < n && p[i] < 0x80 && p[i] != 0x02) ++i;
  return i;
}

// Decodes n bytes from src to dst, which may be src itself: no sequence
// gives more bytes than it has (a code point takes at most as many bytes
// in any code page as in UTF-8), so writing never overtakes reading.
// Returns the end of the output.
char* DecodeUtf8Into(const char* src, size_t n, char* dst) {
  char* out = dst;
  PendingWide wide(&out);
  const auto* p = reinterpret_cast<const unsigned char*>(src);
  size_t i = 0;
  while (i < n) {
    size_t start = i;
    i = PlainRunEnd(p, i, n);
    if (i > start) {
      wide.Flush();
      std::memmove(out, src + start, i - start);
      out += i - start;
    }
    if (i >= n) break;
    if (p[i] == 0x02) {
      wide.Flush();
      bool pair = i + 1 < n && p[i + 1] == 0x02;
      if (pair) {
        *out++ = '\\';
        *out++ = 'n';
      } else {
        *out++ = '\x02';
      }
      i += pair ? 2 : 1;
      continue;
    }
    uint32_t cp = 0;
    int length = SequenceLength(p[i], &cp);
    if (length == 0) {  // a stray continuation byte
      ++i;
      continue;
    }
    if (n - i < static_cast<size_t>(length)) break;  // cut short by the end
    for (int k = 1; k < length; ++k) cp = (cp << 6) | (p[i + k] & 0x3F);
    i += static_cast<size_t>(length);
    if (cp != 0) wide.Add(cp);
  }
  wide.Flush();
  return out;
}

}  // namespace

bool ReadUtf8ImportText(const std::string& path, platform::LargeTable<char>* text) {
  try {
    if (!ReadFileBytes(path, text)) return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  char* end = DecodeUtf8Into(text->data(), text->size(), text->data());  // in place
  text->resize(static_cast<size_t>(end - text->data()));
  return true;
}

std::string DecodeUtf8ToAnsi(std::string_view text) {
  // Most values (addresses, English titles) are plain: copied as they are.
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  if (PlainRunEnd(bytes, 0, text.size()) == text.size()) return std::string(text);
  std::string out(text.size(), '\0');
  char* end = DecodeUtf8Into(text.data(), text.size(), &out[0]);
  out.resize(static_cast<size_t>(end - out.data()));
  return out;
}

std::string DecodeHtmlEntities(std::string_view text) {
  static const struct {
    const char* name;
    char value;
  } kNamed[] = {{"amp;", '&'}, {"quot;", '"'},  {"lt;", '<'},
                {"gt;", '>'},  {"apos;", '\''}, {"nbsp;", ' '}};
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const void* hit = std::memchr(text.data() + i, '&', text.size() - i);
    size_t amp =
        hit ? static_cast<size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
    out.append(text.data() + i, amp - i);
    if (amp >= text.size()) break;
    if (amp + 1 < text.size() && text[amp + 1] == '#') {
      size_t used = DecimalReference(text, amp, &out);
      if (used == 0) {
        out += "&#";
        i = amp + 2;
      } else {
        i = amp + used;
      }
      continue;
    }
    i = amp + 1;
    char value = '&';
    for (const auto& named : kNamed) {
      if (StartsWithNoCase(text, amp + 1, named.name)) {
        value = named.value;
        i = amp + 1 + std::strlen(named.name);
        break;
      }
    }
    out.push_back(value);
  }
  return out;
}
