#include "list/list_merge.h"

#include <gtest/gtest.h>

#include <string>

#include "support/list_test_support.h"
#include "support/sample_lists.h"

using listtest::Shape;
using listtest::TempFolder;

namespace {

// A list with SmartFolders, then two categories of its own.
std::string SourceText() {
  return listtest::ListText({
      "0\t0\t0\t1704067200",
      "1\t1\t8\t1704067200\t\tSmartFolders",
      "2\t2\t9\t1704067200\t\tFavorites",
      "3\t2\t10\t1704067200\t\tDue to visit",
      "4\t2\t11\t1704067200\t\tFrequently visited",
      "5\t2\t12\t1704067200\t\tRecently added",
      "6\t2\t13\t1704067200\t\tRecently visited",
      "10\t1\t0\t1704067200\t\tNews",
      "11\t2\t0\t1704067200\t\tDaily",
      "12\t3\t16\t1704067200\t\tPaper\thttp://paper.example/",
      "13\t1\t0\t1704067200\t\tTools",
      "14\t2\t0\t1704067200\t\tSearch",
      "15\t3\t16\t1704067200\t\tFinder\thttp://finder.example/",
  });
}

TEST(ListMerge, AppendsTheOtherFilesCategoriesWithoutItsSmartFolders) {
  TempFolder folder;
  const std::string targetPath = folder.Path("Target.bkl");
  const std::string sourcePath = folder.Path("Source.bkl");
  listtest::WriteSampleFile(targetPath, 1);
  listtest::WriteBytes(sourcePath, SourceText());
  auto target = listtest::OpenListFile(targetPath);
  const std::string before = Shape(*target);
  const std::string own = "0News 1Daily 2Paper 0Tools 1Search 2Finder";

  EXPECT_EQ(MergeListFile(*target, sourcePath, nullptr), 6);
  EXPECT_EQ(Shape(*target), before + " " + own);
  EXPECT_TRUE(target->modified);
  // The source file is left as it was, and can be merged again.
  EXPECT_EQ(MergeListFile(*target, sourcePath, nullptr), 6);
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
  EXPECT_EQ(MergeIntoListFile(targetPath, sourcePath, nullptr), 6);
  EXPECT_EQ(Shape(*listtest::OpenListFile(targetPath)), before + " " + own);
}

}  // namespace
