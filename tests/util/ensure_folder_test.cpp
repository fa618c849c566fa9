#include "util/ensure_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/temp_folder.h"
#include "util/messages.h"

namespace {

std::vector<std::string> asked;
int answer = platform::kIdYes;

int Record(void*, const std::string& text, const std::string& caption, unsigned) {
  asked.push_back(caption + "|" + text);
  return answer;
}

class EnsureFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    asked.clear();
    answer = platform::kIdYes;
    SetMessageBoxHandler(Record);
  }
  void TearDown() override { SetMessageBoxHandler(nullptr); }
  TempFolder temp_;
};

}  // namespace

TEST_F(EnsureFolderTest, AsksOnceThenCreatesTwoMissingLevels) {
  std::string path = temp_.Path("a") + platform::PreferredSeparator() + "b";
  const std::string expected = path + platform::PreferredSeparator();
  ASSERT_TRUE(EnsureFolder(nullptr, &path, false, true, true));
  EXPECT_EQ(path, expected);
  EXPECT_TRUE(platform::FolderExists(temp_.Path("a").c_str()));
  EXPECT_TRUE(platform::FolderExists(expected.c_str()));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].rfind("Create folder?|This folder doesn't exist. Do you want to create it?\n", 0), 0u);
}

TEST_F(EnsureFolderTest, NoMeansNothingIsCreated) {
  answer = platform::kIdNo;
  std::string path = temp_.Path("never");
  EXPECT_FALSE(EnsureFolder(nullptr, &path, false, true, true));
  EXPECT_FALSE(platform::FolderExists(temp_.Path("never").c_str()));
}

TEST_F(EnsureFolderTest, MissingFolderWithoutCreationIsReported) {
  std::string path = temp_.Path("missing");
  EXPECT_FALSE(EnsureFolder(nullptr, &path, false, false, true));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Folder doesn't exist|Sorry, but this folder doesn't exist:\n" + temp_.Path("missing"));
  asked.clear();
  path = temp_.Path("missing");
  EXPECT_FALSE(EnsureFolder(nullptr, &path, false, false, false));
  EXPECT_TRUE(asked.empty());
}

TEST_F(EnsureFolderTest, FilePathsAndExistingFilesUseTheirFolder) {
  std::string file = temp_.Path("list.bkl");
  ASSERT_EQ(platform::WriteWholeFile(file.c_str(), "x"), 0u);
  const std::string folder = temp_.Path("") ;
  std::string path = file;
  EXPECT_TRUE(EnsureFolder(nullptr, &path, false, false, false));
  EXPECT_EQ(path, folder);
  path = temp_.Path("sub") + platform::PreferredSeparator() + "new.bkl";
  EXPECT_TRUE(EnsureFolder(nullptr, &path, true, true, false));
  EXPECT_EQ(path, temp_.Path("sub") + platform::PreferredSeparator());
  std::string bare = "nofolder.bkl";
  EXPECT_FALSE(EnsureFolder(nullptr, &bare, true, true, false));
  EXPECT_EQ(bare, "");
}

TEST_F(EnsureFolderTest, TrailingSeparatorsAreNormalised) {
  std::string path = temp_.Path("") + platform::PreferredSeparator() + platform::PreferredSeparator();
  EXPECT_TRUE(EnsureFolder(nullptr, &path, false, false, false));
  EXPECT_EQ(path, temp_.Path(""));
}
