// Replays the seed corpus of the list file fuzz target (fuzz/corpus/list).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/list_roundtrip.h"
#include "support/list_test_support.h"

namespace {

TEST(ListFuzzCorpus, EverySeedKeepsTheRoundTripProperty) {
  namespace fs = std::filesystem;
  fs::path corpus = fs::path(VELLOX_TEST_DATA) / ".." / ".." / "fuzz" / "corpus" / "list";
  listtest::TempFolder dir;
  int seeds = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++seeds;
    std::string bytes = listtest::ReadBytes(entry.path().string());
    EXPECT_EQ(CheckListRoundTrip(bytes, dir.Path("")), "") << entry.path().filename();
  }
  EXPECT_GE(seeds, 10);
}

}  // namespace
