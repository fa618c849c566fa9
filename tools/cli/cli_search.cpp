#include "cli_search.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "cli_messages.h"
#include "list/bookmark_list.h"
#include "list/item_codec.h"
#include "list/list_file.h"
#include "platform/platform.h"
#include "search/search_engine.h"

namespace {

// A whole decimal number within [low, high].
bool ParseNumber(const char* text, long low, long high, long* value) {
  char* end = nullptr;
  long n = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || n < low || n > high) return false;
  *value = n;
  return true;
}

// Reads the options after LIST and TERM; false for anything unknown.
bool ParseOptions(int argc, char** args, SearchOptions* o) {
  bool anyField = false;
  SearchOptions fields;
  fields.inTitles = fields.inNotes = fields.inKeywords = fields.inAddresses = false;
  for (int i = 2; i < argc; ++i) {
    const char* a = args[i];
    long n = 0;
    bool hasValue = i + 1 < argc;
    if (!std::strcmp(a, "--titles")) {
      anyField = fields.inTitles = true;
    } else if (!std::strcmp(a, "--notes")) {
      anyField = fields.inNotes = true;
    } else if (!std::strcmp(a, "--keywords")) {
      anyField = fields.inKeywords = true;
    } else if (!std::strcmp(a, "--addresses")) {
      anyField = fields.inAddresses = true;
    } else if (!std::strcmp(a, "--case")) {
      o->caseSensitive = true;
    } else if (!std::strcmp(a, "--whole-word")) {
      o->wholeWord = true;
    } else if (!std::strcmp(a, "--ignore-punctuation")) {
      o->ignorePunctuation = true;
    } else if (!std::strcmp(a, "--rating-at-least") && hasValue &&
               ParseNumber(args[++i], 1, 5, &n)) {
      o->ratingFilter = true;
      o->ratingMode = kRatingAtLeast;
      o->ratingValue = static_cast<uint8_t>(n);
    } else if (!std::strcmp(a, "--visited-within") && hasValue &&
               ParseNumber(args[++i], 0, 0xFFFF, &n)) {
      o->dateFilter = true;
      o->dateField = kDateLastVisited;
      o->dateMoreThan = false;
      o->dateDays = static_cast<uint16_t>(n);
    } else {
      return false;
    }
  }
  if (anyField) {
    o->inTitles = fields.inTitles;
    o->inNotes = fields.inNotes;
    o->inKeywords = fields.inKeywords;
    o->inAddresses = fields.inAddresses;
  }
  return true;
}

}  // namespace

int RunSearchCommand(int argc, char** args, std::FILE* out) {
  SearchOptions options;
  if (argc < 2 || !ParseOptions(argc, args, &options)) {
    std::fputs(
        "usage: vellox-cli search LIST TERM [--titles] [--notes] [--keywords] [--addresses]\n"
        "         [--case] [--whole-word] [--ignore-punctuation] [--rating-at-least N]\n"
        "         [--visited-within DAYS]\n",
        stderr);
    return 2;
  }
  BookmarkList list;
  ListResult result = ReadHeader(list, args[0]);
  if (HeaderAllowsLoading(result)) {
    ListResult load = LoadLines(list, 0);
    if (load != ListResult::ReadWrite) result = load;
  }
  bool loaded = HeaderAllowsLoading(result) || result == ListResult::NeedsRepair ||
                result == ListResult::Full;
  if (!loaded) {
    std::fprintf(out, "result: %s\n", ResultName(result));
    if (const MessageText* m = MessageFor(result)) {
      std::string argument =
          result == ListResult::CannotOpen ? SystemErrorText(list.lastError) : args[0];
      std::fprintf(out, "message: %s\n", MessageLine(*m, argument).c_str());
    }
    return 1;
  }
  RefreshDateThreshold(&options, list.Now());
  SearchResult found = RunSearch(list, args[1], options, false);
  for (uint16_t index : found.items) {
    uint32_t id = DecodeHead(list.Line(index)).id;  // an alias's own ID
    std::fprintf(out, "%u\t%s\n", id, list.Decode(index, true).title.c_str());
  }
  std::fprintf(out, "matches: %u\n", found.matches);
  std::fprintf(out, "bookmarks: %u\n", found.bookmarks);
  return 0;
}
