#include "support/netscape_reference.h"

#include <algorithm>
#include <exception>
#include <string>

#include "exchange/import_outline.h"
#include "exchange/import_regex.h"
#include "exchange/import_text.h"
#include "exchange/netscape_tags.h"

namespace reference {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

struct Walk {
  std::string_view text;
  ImportAppender out;
  uint8_t rating;
  boost::regex T = ImportPattern(kNetscapeTokenPattern);
  boost::regex E = ImportPattern(kNetscapeElementPattern);
  boost::regex N = ImportPattern(">([^>]*?)</");
  boost::regex D = ImportPattern("\\A\\s*<dd>(.*?)[\\r\\n]");
  boost::regex H = ImportPattern("href=\"(.*?)\"");
  boost::regex A = ImportPattern("ADD_DATE=\"(.*?)\"");
  boost::regex V = ImportPattern("LAST_VISIT=\"(.*?)\"");

  std::string Title(std::string_view element) {
    ImportMatch m;
    if (!SearchIn(N, element, &m)) return kCorruptedTitle;
    return CutTitle(DecodeHtmlEntities(Group(m, 1)));
  }

  int Run() {
    int depth = -1, current = -1, scan = -1;
    bool linkMode = false;
    size_t resume = 0, pos = 0;
    const char* base = text.data();
    const char* end = base + text.size();
    ImportMatch m;
    while (pos < text.size()) {
      if (!SearchRange(T, base + pos, end, &m)) break;
      pos = static_cast<size_t>(m[0].second - base);
      std::string token = Lower(Group(m, 0));
      if (token == "<dt>") {
        if (depth < 0) depth = 0;
        ImportMatch e;
        if (!SearchRange(E, base + pos, end, &e)) continue;
        pos = static_cast<size_t>(e[0].second - base);
        std::string_view element = Group(e, 1);
        bool isLink = Lower(element.substr(1, 1)) == "a";
        if (isLink != linkMode) continue;
        std::string title = Title(element);
        if (linkMode) {
          if (depth != scan) continue;
          BookmarkItem item = NewLink(rating);
          item.title = title;
          ImportMatch v;
          if (SearchIn(H, element, &v)) item.url = DecodeHtmlEntities(Group(v, 1));
          if (SearchIn(A, element, &v))
            item.timeAdded = ReadDecimal(DecodeHtmlEntities(Group(v, 1)));
          if (SearchIn(V, element, &v))
            item.timeLastVisit = ReadDecimal(DecodeHtmlEntities(Group(v, 1)));
          if (SearchRange(D, base + pos, end, &v))
            item.notes = TrimmedNote(DecodeHtmlEntities(Group(v, 1)));
          out.FillBeforeLink(&current);
          out.Append(item);
        } else {
          current = depth >= 2 ? 1 : depth;
          out.Append(NewContainer(current, title));
        }
      } else if (token == "<dl>") {
        ++depth;
        if (!linkMode) {
          resume = pos;
          linkMode = true;
          scan = depth;
        }
      } else if (token == "</dl>") {
        if (depth < 0) continue;
        if (linkMode && depth == scan) {
          pos = resume;
          scan = -1;
          linkMode = false;
        } else {
          --depth;
          if (!linkMode) current = depth >= 2 ? 1 : std::max(current - 1, -1);
        }
      } else if (!linkMode && depth >= 0) {  // "<hr>"
        current = depth >= 2 ? 1 : depth;
        out.Append(NewSeparator(current));
      }
    }
    return depth > 0 ? kImportFailed : kImportOk;
  }
};

}  // namespace

int ImportNetscapeText(BookmarkList& list, std::string_view text, uint8_t rating) {
  try {
    Walk walk{text, ImportAppender(list), rating};
    return walk.Run();
  } catch (const std::exception&) {
    return kImportFailed;
  }
}

}  // namespace reference
