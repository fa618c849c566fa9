#include "exchange/aol_import.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/import_test_support.h"
#include "support/temp_folder.h"

using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

void PutU32(std::string* bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) (*bytes)[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Builds cabinet files: entry records of 130 bytes, address records, and the
// index listing their offsets.
class CabinetBuilder {
 public:
  void Link(uint32_t key, const std::string& title, const std::string& url, bool system = false) {
    offsets_.push_back(Record(2, title, key));
    std::string address(system ? 40 : 8, '\0');
    if (system) address.replace(8, 3, "AOL");
    address[address.size() - 4] = static_cast<char>(url.size());
    offsets_.push_back(Add(address + url));
  }
  void Folder(uint32_t key, const std::string& title) { offsets_.push_back(Record(1, title, key)); }
  void System() {
    std::string record(130, '\0');
    record.replace(8, 3, "AOL");
    offsets_.push_back(Add(record));
  }
  void RawOffset(uint32_t offset) {
    raw_.push_back({offsets_.size(), offset});
    offsets_.push_back(0);
  }

  std::string Build() const {
    size_t index = 32, base = index + 24 + 4 * (offsets_.size() + 1);
    std::string bytes(base, '\0');
    bytes.replace(0, 8, "AOLVM100");
    PutU32(&bytes, 16, static_cast<uint32_t>(index));
    PutU32(&bytes, index, 0x00015352);
    for (size_t i = 0; i < offsets_.size(); ++i)
      PutU32(&bytes, index + 24 + 4 * i, static_cast<uint32_t>(base + offsets_[i]));
    for (const auto& raw : raw_) PutU32(&bytes, index + 24 + 4 * raw.first, raw.second);
    return bytes + records_;
  }

 private:
  uint32_t Record(uint16_t type, const std::string& title, uint32_t key) {
    std::string record(130, '\0');
    record[8] = static_cast<char>(type);
    record.replace(26, title.size(), title);
    PutU32(&record, 126, key);
    return Add(record);
  }
  uint32_t Add(const std::string& record) {
    uint32_t at = static_cast<uint32_t>(records_.size());
    records_ += record;
    return at;
  }
  std::vector<uint32_t> offsets_;
  std::vector<std::pair<size_t, uint32_t>> raw_;
  std::string records_;
};

std::string SampleCabinet() {
  CabinetBuilder b;
  b.System();
  b.Link(10, "Top", "http://top/");
  b.Folder(10, "F");
  b.System();
  b.Link(20, "A", "http://a/", true);
  b.Folder(20, "G");
  b.Link(30, "B", "http://b/");
  b.Link(20, "A2", "http://a2/");
  b.Folder(10, "H");
  b.Link(25, "C", "http://c/");
  return b.Build();
}

Rows Import(const std::string& bytes, int* result) {
  BookmarkList list;
  importtest::FixClock(list);
  *result = ImportAolBytes(list, bytes, 1);
  return Outline(list);
}

TEST(AolImport, OutlineRules) {
  std::string good = SampleCabinet();
  std::string badMarker = good;
  badMarker[32] = 0;
  std::string farIndex = good;
  PutU32(&farIndex, 16, 0x7FFFFFF0);
  CabinetBuilder empty;
  CabinetBuilder damaged;
  damaged.Link(1, "kept", "http://k/");
  damaged.RawOffset(0xFFFFFFF8);  // out of the file: ends the list
  damaged.Link(1, "lost", "http://l/");
  struct Case {
    const char* name;
    std::string bytes;
    int result;
    Rows outline;
  };
  const Case cases[] = {
      {"folders, links, system records",
       good,
       0,
       {"C Uncategorized", "S Uncategorized", "B Top|http://top/", "C F", "S Uncategorized",
        "B A|http://a/", "B A2|http://a2/", "S G", "B B|http://b/", "C H", "S Uncategorized",
        "B C|http://c/"}},
      {"empty cabinet", empty.Build(), 0, {}},
      {"bad offsets",
       damaged.Build(),
       0,
       {"C Uncategorized", "S Uncategorized", "B kept|http://k/"}},
      {"wrong mark", "AOLVM101" + good.substr(8), -1, {}},
      {"index marker", badMarker, -1, {}},
      {"index beyond the file", farIndex, -1, {}},
      {"too short", "AOLVM100", -1, {}},
  };
  for (const Case& c : cases) {
    int result = 99;
    EXPECT_EQ(Import(c.bytes, &result), c.outline) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(AolImport, FileAndRoundTrip) {
  TempFolder folder;
  std::string path = folder.Path("cabinet.pfc");
  importtest::WriteFile(path, SampleCabinet());
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportAolCabinet(list, path, 3), 0);
  EXPECT_EQ(importtest::ItemAt(list, 2).rating, 3);
  importtest::ExpectRoundTrip(list, folder.Path("round.bkl"));
  EXPECT_EQ(ImportAolCabinet(list, folder.Path("missing.pfc"), 0), -1);
}

// Every cut and random damage of a cabinet imports without reading outside
// the file (the sanitizers watch) and ends.
TEST(AolImport, DamagedFilesStayInside) {
  std::string good = SampleCabinet();
  for (size_t n = 0; n <= good.size(); ++n) {
    BookmarkList list;
    ImportAolBytes(list, good.substr(0, n), 0);
  }
  std::mt19937 random(3);
  for (int round = 0; round < 1000; ++round) {
    std::string bytes = good;
    for (int k = 0; k < 4; ++k) bytes[random() % bytes.size()] = static_cast<char>(random());
    BookmarkList list;
    ImportAolBytes(list, bytes, 0);
    EXPECT_LE(list.itemCount, 40);
  }
}

}  // namespace
