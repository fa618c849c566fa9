#include "support/import_roundtrip.h"

#include "exchange/aol_import.h"
#include "exchange/chromium_import.h"
#include "exchange/earlier_list_import.h"
#include "exchange/import_text.h"
#include "exchange/msn_import.h"
#include "exchange/netscape_import.h"
#include "exchange/opera_import.h"
#include "exchange/powermarks_import.h"
#include "list/list_file.h"
#include "platform/platform.h"
#include "support/chromium_reference.h"
#include "support/msn_reference.h"
#include "support/netscape_reference.h"

namespace {

constexpr size_t kPlainWalkLimit = 4096;  // the plain walks are quadratic

int Import(ImportFormat format, BookmarkList& list, const std::string& bytes) {
  switch (format) {
    case ImportFormat::kNetscape:
      return ImportNetscapeText(list, DecodeUtf8ToAnsi(bytes), 1);
    case ImportFormat::kOpera:
      return ImportOperaText(list, bytes, 1);
    case ImportFormat::kAol:
      return ImportAolBytes(list, bytes, 1);
    case ImportFormat::kMsn:
      return ImportMsnText(list, DecodeUtf8ToAnsi(bytes), 1);
    case ImportFormat::kPowermarks:
      return ImportPowermarksText(list, DecodeUtf8ToAnsi(bytes), 1);
    case ImportFormat::kEarlier:
      return ImportEarlierText(list, bytes, 1);
    case ImportFormat::kChromium:
      return ImportChromiumText(list, bytes, 1);
  }
  return -2;
}

// Title and address of every item in order, for comparing two outlines.
std::string Shape(BookmarkList& list) {
  std::string shape;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    BookmarkItem item;
    list.DecodeInto(i, false, &item);
    shape += std::to_string(item.level) + " " + std::to_string(item.flags & kFlagSeparator) + " " +
             item.title + "|" + item.url + "\n";
  }
  return shape;
}

std::string CompareWithPlainWalk(ImportFormat format, const std::string& bytes,
                                 BookmarkList& imported, int result) {
  if (bytes.size() > kPlainWalkLimit) return {};
  BookmarkList plain;
  plain.clock = imported.clock;
  int plainResult;
  if (format == ImportFormat::kChromium) {
    std::string html;
    bool comparable = false;
    if (result != 0) return {};
    if (!reference::ChromiumHtmlExport(bytes, &html, &comparable))
      return "the import accepted a file the export cannot read";
    if (!comparable) return {};
    plainResult = reference::ImportNetscapeText(plain, DecodeUtf8ToAnsi(html), 1);
  } else if (format == ImportFormat::kNetscape) {
    plainResult = reference::ImportNetscapeText(plain, DecodeUtf8ToAnsi(bytes), 1);
  } else if (format == ImportFormat::kMsn) {
    plainResult = reference::ImportMsnText(plain, DecodeUtf8ToAnsi(bytes));
  } else {
    return {};
  }
  if (plainResult != result) return "the plain walk returns another result";
  if (Shape(plain) != Shape(imported)) return "the plain walk builds another outline";
  return {};
}

}  // namespace

bool ImportFormatNamed(const std::string& name, ImportFormat* format) {
  static const struct {
    const char* name;
    ImportFormat format;
  } kNames[] = {{"netscape", ImportFormat::kNetscape},
                {"opera", ImportFormat::kOpera},
                {"aol", ImportFormat::kAol},
                {"msn", ImportFormat::kMsn},
                {"powermarks", ImportFormat::kPowermarks},
                {"earlier", ImportFormat::kEarlier},
                {"chromium", ImportFormat::kChromium}};
  for (const auto& n : kNames)
    if (name == n.name) {
      *format = n.format;
      return true;
    }
  return false;
}

std::string CheckImportRoundTrip(ImportFormat format, const std::string& bytes,
                                 const std::string& folder) {
  BookmarkList list;
  list.clock = [] { return 1600000000u; };
  int result = Import(format, list, bytes);
  if (result != 0 && result != -1) return "the import returned " + std::to_string(result);
  std::string problem = CompareWithPlainWalk(format, bytes, list, result);
  if (!problem.empty()) return problem;

  std::string first;
  if (RenderList(list, &first) != WriteResult::Ok) return "the imported list could not be written";
  std::string path = folder + "/imported.bkl";
  if (platform::WriteWholeFile(path.c_str(), first) != 0) return "cannot write " + path;
  BookmarkList reloaded;
  reloaded.clock = list.clock;
  ListResult opened = ReadHeader(reloaded, path);
  if (HeaderAllowsLoading(opened)) opened = LoadLines(reloaded, 0);
  reloaded.file.Close();
  if (opened == ListResult::NeedsRepair) return "the imported outline needs repair";
  if (opened != ListResult::ReadWrite && opened != ListResult::Full)
    return std::string("the imported list does not load: ") + ResultName(opened);
  std::string again;
  if (RenderList(reloaded, &again) != WriteResult::Ok)
    return "the reloaded list could not be written";
  if (again != first) return "loading and writing the imported list changed it";
  return {};
}
