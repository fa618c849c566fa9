#include "default_list.h"

#include "list/list_file.h"

namespace {

struct Entry {
  int level;  // 0 category, 1 subcategory, 2 bookmark; -1 separator at the next level
  const char* title;
  const char* url;
  const char* notes;
  const char* keywords;
};

const Entry kOutline[] = {
    {0, "News", "", "Headlines from around the world.", ""},
    {1, "World News", "", "", ""},
    {2, "Reuters", "https://www.reuters.com/", "International news agency.",
     "news, world, business"},
    {2, "AP News", "https://apnews.com/", "The Associated Press.", "news, world"},
    {-2, "", "", "", ""},
    {2, "BBC News", "https://www.bbc.com/news", "", "news, world, uk"},
    {2, "Al Jazeera English", "https://www.aljazeera.com/", "", "news, world"},
    {1, "Technology", "", "", ""},
    {2, "Ars Technica", "https://arstechnica.com/", "", "technology, science"},
    {2, "Hacker News", "https://news.ycombinator.com/", "Links and discussion, ranked by readers.",
     "technology, programming"},
    {2, "The Verge", "https://www.theverge.com/", "", "technology, gadgets"},
    {0, "Reference", "", "Look things up.", ""},
    {1, "Encyclopedias", "", "", ""},
    {2, "Wikipedia", "https://www.wikipedia.org/", "The free encyclopedia, in many languages.",
     "encyclopedia, reference"},
    {2, "Encyclopaedia Britannica", "https://www.britannica.com/", "", "encyclopedia, reference"},
    {1, "Dictionaries", "", "", ""},
    {2, "Wiktionary", "https://www.wiktionary.org/", "", "dictionary, words"},
    {2, "Merriam-Webster", "https://www.merriam-webster.com/", "", "dictionary, thesaurus"},
    {2, "Cambridge Dictionary", "https://dictionary.cambridge.org/", "", "dictionary, translation"},
    {1, "Maps", "", "", ""},
    {2, "OpenStreetMap", "https://www.openstreetmap.org/", "The map anyone can edit.", "maps"},
    {2, "Google Maps", "https://maps.google.com/", "", "maps, directions"},
    {-1, "", "", "", ""},
    {1, "Books and Archives", "", "", ""},
    {2, "Internet Archive", "https://archive.org/",
     "Old versions of web pages (the Wayback Machine), books, films and music.",
     "archive, books, history"},
    {2, "Project Gutenberg", "https://www.gutenberg.org/", "Free e-books of public-domain works.",
     "books, literature"},
    {2, "Library of Congress", "https://www.loc.gov/", "", "library, history"},
    {0, "Science and Learning", "", "", ""},
    {1, "Space and Earth", "", "", ""},
    {2, "NASA", "https://www.nasa.gov/", "", "space, science"},
    {2, "NOAA", "https://www.noaa.gov/", "Oceans, weather and climate.", "science, weather"},
    {2, "USGS Earthquakes", "https://earthquake.usgs.gov/", "Maps of recent earthquakes.",
     "science, earthquakes"},
    {1, "Courses and Papers", "", "", ""},
    {2, "Khan Academy", "https://www.khanacademy.org/", "Free lessons from maths to history.",
     "learning, courses"},
    {2, "MIT OpenCourseWare", "https://ocw.mit.edu/", "", "learning, courses"},
    {2, "arXiv", "https://arxiv.org/", "Preprints in physics, mathematics and computer science.",
     "science, papers"},
    {0, "Software and Web", "", "", ""},
    {1, "Code", "", "", ""},
    {2, "GitHub", "https://github.com/", "", "code, programming"},
    {2, "Stack Overflow", "https://stackoverflow.com/", "Questions and answers for programmers.",
     "programming, help"},
    {1, "Documentation", "", "", ""},
    {2, "MDN Web Docs", "https://developer.mozilla.org/", "HTML, CSS and JavaScript reference.",
     "web, reference"},
    {2, "cppreference.com", "https://en.cppreference.com/", "", "c++, reference"},
    {2, "W3C", "https://www.w3.org/", "Web standards.", "web, standards"},
    {2, "Can I use", "https://caniuse.com/", "Which browsers support which web features.",
     "web, browsers"},
    {0, "Everyday Tools", "", "", ""},
    {1, "Search", "", "", ""},
    {2, "DuckDuckGo", "https://duckduckgo.com/", "", "search"},
    {2, "Google", "https://www.google.com/", "", "search"},
    {1, "Weather and Time", "", "", ""},
    {2, "National Weather Service", "https://www.weather.gov/", "Forecasts for the United States.",
     "weather"},
    {2, "timeanddate.com", "https://www.timeanddate.com/",
     "World clock, time zones and calendars.\nHandy before calling abroad.", "time, calendar"},
    {1, "Travel and Languages", "", "", ""},
    {2, "Google Translate", "https://translate.google.com/", "", "translation, languages"},
    {2, "XE Currency Converter", "https://www.xe.com/", "", "money, travel"},
};

const char* const kFavoriteTitles[] = {"Wikipedia", "DuckDuckGo"};

}  // namespace

void BuildDefaultList(BookmarkList* list) {
  list->clock = [] { return kDefaultListTime; };
  const char* folders[] = {"SmartFolders",       "Favorites",      "Due to visit",
                           "Frequently visited", "Recently added", "Recently visited"};
  for (int type = 0; type < kSmartFolderSlots; ++type) {
    BookmarkItem r;
    r.level = type == 0 ? kLevelCategory : kLevelSubcategory;
    r.title = folders[type];
    r.flags = static_cast<uint16_t>(kFlagSmartFolder | type);
    list->smartFolderIndex[type] = list->AddItem(0, r, 0);
  }
  uint16_t favorites[2] = {0, 0};
  for (const Entry& e : kOutline) {
    BookmarkItem r;
    r.level = static_cast<int8_t>(e.level < 0 ? -e.level : e.level);
    if (e.level < 0) r.flags = kFlagSeparator;
    r.title = e.title;
    r.url = e.url;
    r.notes = e.notes;
    r.keywords = e.keywords;
    uint16_t index = list->AddItem(0, r, 0);
    for (int f = 0; f < 2; ++f)
      if (r.title == kFavoriteTitles[f]) favorites[f] = index;
  }
  uint16_t place = list->Next(list->smartFolderIndex[kSmartFavorites], false);
  for (uint16_t target : favorites) list->AddAlias(place, target, list->Decode(target, false).id);
}

std::string DefaultListBytes() {
  BookmarkList list;
  BuildDefaultList(&list);
  std::string bytes;
  RenderList(list, &bytes);
  // The header's salt goes: an empty salt is drawn anew on the first save.
  size_t saltEnd = bytes.find("/\r\n");
  size_t saltStart = bytes.rfind('/', saltEnd - 1) + 1;
  bytes.erase(saltStart, saltEnd - saltStart);
  return bytes;
}
