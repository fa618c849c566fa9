// The ".bkl" list file: a header line, the column line, the root line and
// one line per item in outline order, each ended by CR LF, in the ANSI code
// page, read and written as bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"
#include "list/list_result.h"

// "VELLOXFL/A/%u/%u/%s/%s": magic, version, encryptionOptions, lastId,
// salt, checkValue. The header as read (CR included) must be shorter than
// kMaxHeaderLength characters.
constexpr char kListMagic[] = "VELLOXFL";
constexpr size_t kMaxHeaderLength = 65;
extern const char kColumnLine[];  // with its CR LF
constexpr uint32_t kNewListLastId = 9;

struct HeaderFields {
  char version = 0;
  uint32_t encryptionOptions = 0;
  uint32_t lastId = 0;
  std::string salt;
  std::string checkValue;
};

// Opens the list file (read-write, others denied writing; read-only with
// full sharing when that is refused), reads its header and keeps the file
// open in list.file. Sets encryptionOptions, lastId, salt and checkValue.
ListResult ReadHeader(BookmarkList& list, const std::string& path);
// The header checks on a line as read (its CR included): NotAListFile,
// DamagedHeader, OtherVersion or ReadWrite with the fields filled.
ListResult ScanHeaderLine(std::string_view line, HeaderFields* fields);

// Reads the lines after the header into the list (the file is left as it
// is). Damage that the repair can mend gives NeedsRepair and loading goes
// on; the item limit stops loading with Full; a line of a wholly encrypted
// list that does not decrypt stops it with Damaged. selectId: the ID of the
// item to select afterwards (0 = none). The list is always left usable.
ListResult LoadLines(BookmarkList& list, uint32_t selectId);

// The header line with its CR LF.
std::string FormatHeader(uint32_t encryptionOptions, uint32_t lastId, const std::string& salt,
                         const std::string& checkValue);
// Writes the header and column lines and, withSmartFolders, the six lines of
// a new list's SmartFolders. With an empty checkValue and a known password
// the cipher supplies the check value.
WriteResult WriteHeader(platform::File& file, uint32_t lastId, bool withSmartFolders,
                        uint32_t encryptionOptions, const std::string& salt,
                        const std::string& password, const std::string& checkValue,
                        ListCipher* cipher = nullptr);
// The whole list as WriteList writes it. Draws a salt when the list has
// none. On an enciphering failure the list's encryption is reset and the
// result is EncryptionFailed.
WriteResult RenderList(BookmarkList& list, std::string* bytes);
// Writes the whole list into file (from its current position).
WriteResult WriteList(BookmarkList& list, platform::File& file);

// A new list file: header (lastId 9, a new salt), column line and the
// SmartFolder lines; no root line. Does not replace an existing file
// unless overwrite is set. osError receives the system error of a failure.
CreateResult CreateListFile(const std::string& path, bool overwrite, uint32_t* osError = nullptr);
// True when the file starts with the bytes FF FE.
bool IsUtf16File(const std::string& path);
