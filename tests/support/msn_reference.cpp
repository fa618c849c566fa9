#include "support/msn_reference.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "exchange/import_outline.h"
#include "exchange/import_regex.h"
#include "exchange/import_text.h"

namespace reference {

int ImportMsnText(BookmarkList& list, std::string_view text) {
  boost::regex start = ImportPattern("<favorites.*?>");
  boost::regex token = ImportPattern("<favfolder.*?>|</favfolder>|<favorite.*?</favorite>");
  boost::regex folderTitle = ImportPattern("title=\"(.*?)\"");
  boost::regex title = ImportPattern("<title>(.*?)</title>");
  boost::regex href = ImportPattern("<href>(.*?)</href>");
  ImportMatch m;
  if (!SearchIn(start, text, &m)) return -1;
  ImportAppender out(list);
  const char* base = text.data();
  size_t pos = static_cast<size_t>(m[0].second - base), resume = pos;
  int depth = -1, current = -1, scan = -1;
  bool linkMode = true;
  while (true) {
    if (!SearchRange(token, base + pos, base + text.size(), &m)) {
      if (!linkMode) break;
      linkMode = false;
      depth = scan;
      scan = -1;
      pos = resume;
      continue;
    }
    pos = static_cast<size_t>(m[0].second - base);
    std::string_view tok = Group(m, 0);
    std::string head(tok.substr(0, 5));
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool selfClosing = false;
    if (head == "<favf") {
      ++depth;
      selfClosing = tok[tok.size() - 2] == '/';
      if (!linkMode) {
        resume = pos;
        linkMode = true;
        scan = depth;
        current = depth > 1 ? 1 : depth;
        ImportMatch t;
        out.Append(NewContainer(current, SearchIn(folderTitle, tok, &t)
                                             ? DecodeHtmlEntities(Group(t, 1))
                                             : std::string("(Corrupted)")));
      }
      if (!selfClosing) continue;
    }
    if (head == "<favo") {
      if (!linkMode || depth != scan) continue;
      BookmarkItem item = NewLink(0);
      ImportMatch f;
      item.title = SearchIn(title, tok, &f) ? DecodeHtmlEntities(Group(f, 1)) : "(Corrupted)";
      if (SearchIn(href, tok, &f)) item.url = DecodeHtmlEntities(Group(f, 1));
      out.FillBeforeLink(&current);
      out.Append(item);
      continue;
    }
    if (depth < 0) continue;  // a folder end
    if (linkMode && depth == scan) {
      linkMode = false;
      scan = -1;
      if (!selfClosing) {
        pos = resume;
        continue;
      }
    }
    --depth;
    if (!linkMode) current = depth > 1 ? 1 : std::max(current - 1, -1);
  }
  return 0;
}

}  // namespace reference
