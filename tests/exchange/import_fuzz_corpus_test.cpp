// Replays the seed corpora of the importer fuzz targets (fuzz/corpus/<format>).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/import_roundtrip.h"
#include "support/list_test_support.h"

namespace {

TEST(ImportFuzzCorpus, EverySeedKeepsTheImportProperty) {
  namespace fs = std::filesystem;
  fs::path root = fs::path(VELLOX_TEST_DATA) / ".." / ".." / "fuzz" / "corpus";
  listtest::TempFolder dir;
  int formats = 0;
  for (const char* name : {"netscape", "opera", "aol", "msn", "powermarks", "earlier"}) {
    ImportFormat format;
    ASSERT_TRUE(ImportFormatNamed(name, &format));
    int seeds = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / name)) {
      if (!entry.is_regular_file()) continue;
      ++seeds;
      std::string bytes = listtest::ReadBytes(entry.path().string());
      EXPECT_EQ(CheckImportRoundTrip(format, bytes, dir.Path("")), "")
          << name << "/" << entry.path().filename();
    }
    EXPECT_GE(seeds, 3) << name;
    ++formats;
  }
  EXPECT_EQ(formats, 6);
}

// The Chromium-family seeds also hold the import against the browser's
// HTML export of each file (tests/support/chromium_reference.h).
TEST(ImportFuzzCorpus, EveryChromiumSeedKeepsTheImportProperty) {
  namespace fs = std::filesystem;
  fs::path root = fs::path(VELLOX_TEST_DATA) / ".." / ".." / "fuzz" / "corpus" / "chromium";
  listtest::TempFolder dir;
  int seeds = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    ++seeds;
    std::string bytes = listtest::ReadBytes(entry.path().string());
    EXPECT_EQ(CheckImportRoundTrip(ImportFormat::kChromium, bytes, dir.Path("")), "")
        << entry.path().filename();
  }
  EXPECT_GE(seeds, 3);
}

}  // namespace
