#include "list/list_merge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/list_test_support.h"
#include "support/sample_lists.h"

using listtest::Shape;
using listtest::TempFolder;

namespace {

TEST(ListMerge, AppendsTheOtherFilesCategoriesWithoutItsSmartFolders) {
  TempFolder folder;
  const std::string targetPath = folder.Path("Target.bkl");
  const std::string sourcePath = folder.Path("Source.bkl");
  listtest::WriteSampleFile(targetPath, 1);
  listtest::WriteSampleFile(sourcePath, 2);
  auto target = listtest::OpenListFile(targetPath);
  auto source = listtest::OpenListFile(sourcePath);
  const std::string before = Shape(*target);
  const std::string sourceShape = Shape(*source);
  source.reset();
  // The sample's own categories follow its SmartFolders category, whose
  // five folders are the first six words.
  const size_t ownStart = [&] {
    size_t at = 0;
    for (int word = 0; word < 6; ++word) at = sourceShape.find(' ', at) + 1;
    return at;
  }();
  ASSERT_NE(ownStart, 0u);
  const std::string own = sourceShape.substr(ownStart);
  const int ownItems = static_cast<int>(std::count(own.begin(), own.end(), ' ') + 1);

  EXPECT_EQ(MergeListFile(*target, sourcePath, nullptr), ownItems);
  EXPECT_EQ(Shape(*target), before + " " + own);
  EXPECT_TRUE(target->modified);
  // The source file is left as it was, and can be merged again.
  EXPECT_EQ(MergeListFile(*target, sourcePath, nullptr), ownItems);
  EXPECT_EQ(Shape(*target), before + " " + own + " " + own);

  // What cannot be merged changes nothing.
  const std::string merged = Shape(*target);
  const std::string notAList = folder.Path("Note.bkl");
  listtest::WriteBytes(notAList, "Hello world\r\n");
  EXPECT_EQ(MergeListFile(*target, notAList, nullptr), kMergeUnreadable);
  EXPECT_EQ(MergeListFile(*target, folder.Path("Missing.bkl"), nullptr), kMergeUnreadable);
  EXPECT_EQ(Shape(*target), merged);

  // A list file that is not open is read, merged and saved.
  target.reset();
  EXPECT_EQ(MergeIntoListFile(targetPath, sourcePath, nullptr), ownItems);
  EXPECT_EQ(Shape(*listtest::OpenListFile(targetPath)), before + " " + own);
}

}  // namespace
