// Header, writing and creation of list files. Loading the lines is in
// list_loader.cpp.
#include "list/list_file.h"

#include <new>

#include "list/item_codec.h"
#include "list/salt.h"
#include "platform/platform.h"

const char kColumnLine[] =
    "ID\tLevel\tFlags\tTimeModified\tAliasID\tTitle\tURL\tNotes\tKeywords\tLogin\tPassword\t"
    "Browser\tHotkey\tRating\tTimeAdded\tVisits\tTimeLastVisit\tTimePreviousVisit\tTimeDueVisit\t"
    "DueVisitInterval\tSiteStatus\tDateSiteUpdated\tTimeSiteChecked\r\n";

namespace {

constexpr size_t kMaxScannedText = 63;
constexpr size_t kHeaderProbe = 256;     // bytes: any longer header is damaged anyway
constexpr size_t kMaxUtf16Header = 255;  // characters
constexpr uint32_t kErrorNotEnoughMemory = 8;

// The six SmartFolder lines of a new list; %lu is the creation time.
constexpr const char* kSmartFolderLines[] = {
    "1\t1\t8\t%\t\tSmartFolders",    "2\t2\t9\t%\t\tFavorites",
    "3\t2\t10\t%\t\tDue to visit",   "4\t2\t11\t%\t\tFrequently visited",
    "5\t2\t12\t%\t\tRecently added", "6\t2\t13\t%\t\tRecently visited"};

bool IsScanSpace(char c) { return IsLineSpace(c); }

// Reads the header line the way a formatted scan of
// "VELLOXFL/%c/%u/%u/%[^/]/%s" would: each conversion that fails leaves the
// rest unread.
class HeaderScanner {
 public:
  HeaderScanner(std::string_view text, size_t pos) : text_(text), pos_(pos) {}
  bool Literal(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool Char(char* out) {
    if (pos_ >= text_.size()) return false;
    *out = text_[pos_++];
    return true;
  }
  bool Unsigned(uint32_t* out) {
    SkipSpace();
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
      negative = text_[pos_++] == '-';
    size_t start = pos_;
    uint64_t value = 0;
    for (; pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9'; ++pos_)
      if (value <= 0xFFFFFFFFull) value = value * 10 + static_cast<uint64_t>(text_[pos_] - '0');
    if (pos_ == start) return false;
    uint32_t v = value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
    *out = negative ? 0u - v : v;
    return true;
  }
  bool NotSlash(std::string* out) {
    size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '/' && pos_ - start < kMaxScannedText) ++pos_;
    *out = std::string(text_.substr(start, pos_ - start));
    return pos_ > start;
  }
  bool Word(std::string* out) {
    SkipSpace();
    size_t start = pos_;
    while (pos_ < text_.size() && !IsScanSpace(text_[pos_]) && pos_ - start < kMaxScannedText)
      ++pos_;
    *out = std::string(text_.substr(start, pos_ - start));
    return pos_ > start;
  }

 private:
  void SkipSpace() {
    while (pos_ < text_.size() && IsScanSpace(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  size_t pos_;
};

// The first line as read, its CR kept and its LF not; a UTF-16 file's first
// line is converted to the ANSI code page.
bool ReadFirstLine(platform::File& file, bool utf16, std::string* line) {
  char buffer[kMaxUtf16Header * 2];
  size_t want = utf16 ? sizeof buffer : kHeaderProbe;
  if (!file.Seek(utf16 ? 2 : 0)) return false;
  size_t got = 0;
  while (got < want) {
    long n = file.Read(buffer + got, want - got);
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  if (!utf16) {
    std::string_view text(buffer, got);
    *line = std::string(text.substr(0, text.find('\n')));
    return true;
  }
  uint16_t units[kMaxUtf16Header];
  size_t count = 0;
  for (size_t i = 0; i + 1 < got && count < kMaxUtf16Header; i += 2) {
    uint16_t unit = static_cast<uint16_t>(static_cast<unsigned char>(buffer[i]) |
                                          static_cast<unsigned char>(buffer[i + 1]) << 8);
    if (unit == '\n') break;
    units[count++] = unit;
  }
  *line = platform::Utf16UnitsToAnsi(units, count);
  return true;
}

std::string SmartFolderLines(uint32_t time) {
  std::string text, stamp = std::to_string(time);
  for (const char* pattern : kSmartFolderLines) {
    std::string line(pattern);
    line.replace(line.find('%'), 1, stamp);
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace

ListResult ScanHeaderLine(std::string_view line, HeaderFields* f) {
  line = line.substr(0, line.find('\0'));  // the line is text: a NUL ends it
  if (line.substr(0, 8) != kListMagic) return ListResult::NotAListFile;
  if (line.size() >= kMaxHeaderLength) return ListResult::DamagedHeader;
  // The CR and any white space before it are no part of the last field.
  HeaderScanner scan(TrimTrailingSpace(line), 8);
  if (!scan.Literal('/') || !scan.Char(&f->version)) return ListResult::DamagedHeader;
  if (f->version != 'A') return ListResult::OtherVersion;
  if (scan.Literal('/') && scan.Unsigned(&f->encryptionOptions) && scan.Literal('/') &&
      scan.Unsigned(&f->lastId) && scan.Literal('/') && scan.NotSlash(&f->salt) &&
      scan.Literal('/'))
    scan.Word(&f->checkValue);
  return ListResult::ReadWrite;
}

ListResult ReadHeader(BookmarkList& list, const std::string& path) {
  list.path = path;
  list.file.Close();
  list.readOnly = true;
  bool utf16 = IsUtf16File(path);
  bool readOnly = false;
  uint32_t e = list.file.Open(path.c_str(), platform::FileAccess::kReadWrite);
  if (e == platform::kErrorAccessDenied || e == platform::kErrorSharingViolation) {
    e = list.file.Open(path.c_str(), platform::FileAccess::kRead);
    readOnly = true;
  }
  if (e != platform::kErrorNone) {
    list.lastError = e;
    bool missing = e == platform::kErrorFileNotFound || e == platform::kErrorPathNotFound;
    return missing ? ListResult::NotFound : ListResult::CannotOpen;
  }
  std::string line;
  if (!ReadFirstLine(list.file, utf16, &line)) {
    list.lastError = list.file.LastError();
    return ListResult::CannotOpen;
  }
  HeaderFields fields;
  ListResult result = ScanHeaderLine(line, &fields);
  if (result != ListResult::ReadWrite) return result;
  list.encryptionOptions = fields.encryptionOptions;
  list.lastId = fields.lastId;
  list.salt = fields.salt;
  list.checkValue = fields.checkValue;
  if ((list.encryptionOptions & 1) && list.keyState == 0) list.keyState = 1;
  if (utf16) return list.encryptionOptions ? ListResult::EncryptedUtf16 : ListResult::Utf16;
  return readOnly ? ListResult::ReadOnly : ListResult::ReadWrite;
}

std::string FormatHeader(uint32_t encryptionOptions, uint32_t lastId, const std::string& salt,
                         const std::string& checkValue) {
  return std::string(kListMagic) + "/A/" + std::to_string(encryptionOptions) + "/" +
         std::to_string(lastId) + "/" + salt + "/" + checkValue + "\r\n";
}

WriteResult WriteHeader(platform::File& file, uint32_t lastId, bool withSmartFolders,
                        uint32_t encryptionOptions, const std::string& salt,
                        const std::string& password, const std::string& checkValue,
                        ListCipher* cipher) {
  std::string check = checkValue;
  if (check.empty() && !password.empty() && cipher) check = cipher->ComputeCheck(salt, password);
  std::string text = FormatHeader(encryptionOptions, lastId, salt, check) + kColumnLine;
  if (withSmartFolders) text += SmartFolderLines(platform::Now());
  return file.Write(text.data(), text.size()) ? WriteResult::Ok : WriteResult::CannotWrite;
}

namespace {

// Numbers read from a damaged header can come out longer than they went in
// (a sign, leading zeros, lastId raised to the IDs in use); the header must
// still fit, or the saved file could not be opened again. The check value
// uses salt characters 2-9 only, so a salt cut to ten characters keeps the
// password; a check value that still does not fit is longer than any check
// value and never matched a password.
void FitHeader(BookmarkList& list) {
  auto length = [&list] {
    return FormatHeader(list.encryptionOptions, list.lastId, list.salt, list.checkValue).size() - 1;
  };
  if (length() < kMaxHeaderLength) return;
  if (list.salt.size() > kSaltLength) list.salt.resize(kSaltLength);
  if (length() >= kMaxHeaderLength) list.checkValue.clear();
}

// Prepares the header's values for writing: a salt drawn, the check value
// computed, the header fitted.
void PrepareHeader(BookmarkList& list) {
  list.EncodeCurrentIfChanged();
  if (list.salt.empty()) list.salt = NewSalt();
  if (list.checkValue.empty() && !list.password.empty() && list.cipher)
    list.checkValue = list.cipher->ComputeCheck(list.salt, list.password);
  FitHeader(list);
}

// Renders the list into *bytes (a string or a large table), reserved
// first: every line's text is in the line table's buffer, an upper bound.
template <typename Bytes>
WriteResult RenderInto(BookmarkList& list, Bytes* bytes) {
  PrepareHeader(list);
  bool encrypted = (list.encryptionOptions & 2) != 0;
  auto append = [bytes](std::string_view text) {
    bytes->insert(bytes->end(), text.begin(), text.end());
  };
  try {
    bytes->clear();
    bytes->reserve(list.LineBytes() * (encrypted ? 2 : 1) + 2 * (size_t{list.itemCount} + 1) +
                   1024);
    append(FormatHeader(list.encryptionOptions, list.lastId, list.salt, list.checkValue));
    append(kColumnLine);
    std::string sealed;
    uint16_t i = 0;
    // The ring comes back to the root; the count guards against a broken one.
    for (uint32_t steps = 0; steps <= list.itemCount; ++steps) {
      std::string_view text = list.Line(i);
      if (encrypted) {
        if (!list.cipher || !list.cipher->EncipherLine(text, &sealed)) {
          if (list.cipher) {
            list.cipher->ResetEncryption(&list);
          } else {
            list.encryptionOptions = 0;
            list.keyState = 0;
          }
          return WriteResult::EncryptionFailed;
        }
        text = sealed;
      }
      append(text);
      append("\r\n");
      i = list.Link(i).next;
      if (i == 0) break;
    }
  } catch (const std::bad_alloc&) {
    list.lastError = kErrorNotEnoughMemory;
    return WriteResult::CannotWrite;
  }
  return WriteResult::Ok;
}

}  // namespace

WriteResult RenderList(BookmarkList& list, std::string* bytes) { return RenderInto(list, bytes); }

WriteResult WriteList(BookmarkList& list, platform::File& file) {
  // A large table (platform.h): a fresh block of the list's size would
  // otherwise be faulted in page by page on every save.
  platform::LargeTable<char> bytes;
  WriteResult result = RenderInto(list, &bytes);
  if (result != WriteResult::Ok) return result;
  if (!file.Write(bytes.data(), bytes.size())) {
    list.lastError = file.LastError();
    return WriteResult::CannotWrite;
  }
  return WriteResult::Ok;
}

CreateResult CreateListFile(const std::string& path, bool overwrite, uint32_t* osError) {
  if (osError) *osError = 0;
  if (!overwrite && platform::FileExists(path.c_str())) return CreateResult::Exists;
  platform::File file;
  uint32_t e = file.Open(path.c_str(), platform::FileAccess::kCreateWrite);
  if (e == platform::kErrorNone &&
      WriteHeader(file, kNewListLastId, true, 0, NewSalt(), "", "") != WriteResult::Ok)
    e = file.LastError() != 0 ? file.LastError() : platform::kErrorAccessDenied;
  if (e == platform::kErrorNone) return CreateResult::Ok;
  if (osError) *osError = e;
  return CreateResult::CannotCreate;
}

bool IsUtf16File(const std::string& path) {
  platform::File file;
  if (file.Open(path.c_str(), platform::FileAccess::kRead) != platform::kErrorNone) return false;
  unsigned char bytes[3];
  long n = file.Read(bytes, 2);
  return n == 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}
