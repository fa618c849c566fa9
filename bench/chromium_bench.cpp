// Importing a Chromium-family "Bookmarks" file of 1,000, 10,000 and 60,000
// links, generated here in the browser's own layout (three-space indents,
// every node with its date, GUID and id, a "meta_info" on some links):
// folder trees up to five deep under the bar and "other", 10-50 links a
// folder, UTF-8 titles (accents, Greek, Japanese, the euro sign). The
// floor reads the file and runs the JSON library's event parser over it
// with a handler that keeps nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "exchange/chromium_import.h"
#include "platform/platform.h"

namespace {

class BookmarksWriter {
 public:
  explicit BookmarksWriter(int links) : left_(links) {}

  std::string Write() {
    out_ = "{\n   \"checksum\": \"5d1b7c0e2a9f4b6c8d3e1f0a2b4c6d8e\",\n   \"roots\": {\n";
    out_ += "      \"bookmark_bar\": ";
    Folder("Bookmarks bar", 3, 1);
    out_ += ",\n      \"other\": ";
    Folder("Other bookmarks", 3, 1, true);
    out_ += ",\n      \"synced\": ";
    Folder("Mobile bookmarks", 3, 5);
    out_ += "\n   },\n   \"version\": 1\n}\n";
    return out_;
  }

 private:
  std::string Pad(int level) const { return std::string(3 * static_cast<size_t>(level), ' '); }

  std::string Title() {
    static const char* const kWords[] = {"travel",
                                         "guide",
                                         "caf\xC3\xA9",
                                         "r\xC3\xA9sum\xC3\xA9",
                                         "\xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",
                                         "news",
                                         "\xE6\x9D\xB1\xE4\xBA\xAC",
                                         "price \xE2\x82\xAC",
                                         "recipes",
                                         "weather",
                                         "\\\"quoted\\\"",
                                         "tools & parts"};
    std::string title;
    int words = 3 + static_cast<int>(random_() % 5);
    for (int i = 0; i < words; ++i) {
      if (i) title += ' ';
      title += kWords[random_() % (sizeof kWords / sizeof kWords[0])];
    }
    return title;
  }

  std::string Common(int level, const char* type) {
    std::string pad = Pad(level + 1);
    std::string date = std::to_string(13300000000000000ull + random_() % 40000000000000ull);
    char guid[40];
    std::snprintf(guid, sizeof guid, "%08x-%04x-4%03x-8%03x-%012llx",
                  static_cast<unsigned>(random_()), static_cast<unsigned>(random_() & 0xFFFF),
                  static_cast<unsigned>(random_() & 0xFFF),
                  static_cast<unsigned>(random_() & 0xFFF),
                  static_cast<unsigned long long>(random_()) * 4099u);
    return pad + "\"date_added\": \"" + date + "\",\n" + pad + "\"date_last_used\": \"0\",\n" +
           pad + "\"guid\": \"" + guid + "\",\n" + pad + "\"id\": \"" + std::to_string(++id_) +
           "\",\n" + pad + "\"type\": \"" + type + "\"";
  }

  void Link(int level) {
    std::string pad = Pad(level + 1);
    out_ += Pad(level) + "{\n" + Common(level, "url") + ",\n";
    if (id_ % 4 == 0)
      out_ +=
          pad + "\"meta_info\": {\n" + pad + "   \"power_bookmark_meta\": \"\"\n" + pad + "},\n";
    out_ += pad + "\"name\": \"" + Title() + "\",\n" + pad + "\"url\": \"https://www.example" +
            std::to_string(id_ % 977) + ".com/articles/" + std::to_string(id_) +
            "/index.html?ref=bookmarks&id=" + std::to_string(id_) + "\"\n" + Pad(level) + "}";
    --left_;
  }

  // A folder at JSON indent level with its links and sub-folders; with
  // takeRest it holds sub-folders until every link is written.
  void Folder(const std::string& name, int level, int depth, bool takeRest = false) {
    std::string pad = Pad(level + 1);
    out_ += "{\n" + pad + "\"children\": [ ";
    bool first = true;
    auto comma = [&] {
      out_ += first ? "" : ", ";
      first = false;
    };
    int links = 10 + static_cast<int>(random_() % 41);
    for (int i = 0; i < links && left_ > 0; ++i) {
      comma();
      out_ += "\n";
      Link(level + 2);
    }
    while (left_ > 0 && (takeRest || (depth < 5 && random_() % 3 != 0))) {
      comma();
      out_ += "\n" + Pad(level + 2);
      Folder(Title(), level + 2, depth + 1);
    }
    out_ += " ],\n" + Common(level, "folder") + ",\n" + pad + "\"name\": \"" + name + "\"\n" +
            Pad(level) + "}";
  }

  std::mt19937 random_{1};
  std::string out_;
  int left_;
  unsigned id_ = 3;
};

// A generated file in the temporary folder, removed when the run ends.
struct BookmarksFile {
  BookmarksFile() = default;
  BookmarksFile(const BookmarksFile&) = delete;
  BookmarksFile& operator=(const BookmarksFile&) = delete;
  ~BookmarksFile() {
    if (!path.empty()) platform::RemoveFile(path.c_str());
  }
  std::string path;
  int64_t bytes = 0;
};

const BookmarksFile& Generated(int links) {
  static std::map<int, BookmarksFile> made;
  BookmarksFile& f = made[links];
  if (f.path.empty()) {
    BookmarksWriter writer(links);
    std::string text = writer.Write();
    f.path = platform::TempFolder() + "vellox-chromium-bench-" + std::to_string(links) + "-" +
             std::to_string(platform::TickCount());
    platform::WriteWholeFile(f.path.c_str(), text);
    f.bytes = static_cast<int64_t>(text.size());
  }
  return f;
}

struct NullHandler : nlohmann::json_sax<nlohmann::json> {
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return true; }
  bool key(string_t&) override { return true; }
  bool end_object() override { return true; }
  bool start_array(std::size_t) override { return true; }
  bool end_array() override { return true; }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }
};

void BM_ChromiumParseFloor(benchmark::State& state) {
  const BookmarksFile& f = Generated(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string bytes;
    platform::ReadWholeFile(f.path.c_str(), &bytes);
    NullHandler handler;
    if (!nlohmann::json::sax_parse(bytes.data(), bytes.data() + bytes.size(), &handler))
      state.SkipWithError("not JSON");
  }
  state.SetBytesProcessed(state.iterations() * f.bytes);
}

void BM_ImportChromium(benchmark::State& state) {
  const BookmarksFile& f = Generated(static_cast<int>(state.range(0)));
  int imported = 0;
  for (auto _ : state) {
    BookmarkList list;
    if (ImportChromiumBookmarks(list, f.path, 0) != 0) state.SkipWithError("import failed");
    imported = list.itemCount;
  }
  state.SetBytesProcessed(state.iterations() * f.bytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["items"] = imported;
  state.counters["MB"] = static_cast<double>(f.bytes) / 1e6;
  if (imported < state.range(0)) state.SkipWithError("the import lost links");
}

}  // namespace

BENCHMARK(BM_ChromiumParseFloor)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportChromium)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(60000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
