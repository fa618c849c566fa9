#include "util/messages.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(Messages, EntrySplitsAtTheFirstTabOnly) {
  std::string caption, text;
  SplitMessageEntry("File Error\tSorry:\tdetails", &caption, &text);
  EXPECT_EQ(caption, "File Error");
  EXPECT_EQ(text, "Sorry:\tdetails");
  SplitMessageEntry("SmartFolders cannot be deleted.", &caption, &text);
  EXPECT_EQ(caption, "Message");
  EXPECT_EQ(text, "SmartFolders cannot be deleted.");
}

TEST(Messages, PlaceholdersTakeArgumentsAndFormatSuffixes) {
  EXPECT_EQ(FillMessageArgs("List file '%1' does not exist.", {"C:\\a.bkl"}), "List file 'C:\\a.bkl' does not exist.");
  EXPECT_EQ(FillMessageArgs("Items marked: %1!u! %2, %3!u! %4", {3u, "categories", 1u, "bookmark"}),
            "Items marked: 3 categories, 1 bookmark");
  EXPECT_EQ(FillMessageArgs("%2 before %1", {"a", "b"}), "b before a");
  EXPECT_EQ(FillMessageArgs("100%% sure, %3 missing", {"x"}), "100% sure, %3 missing");
  EXPECT_EQ(FillMessageArgs("ends with %", {}), "ends with %");
  // An argument's own percent signs are not placeholders.
  EXPECT_EQ(FillMessageArgs("%1 and %2", {"%2", "b"}), "%2 and b");
}

namespace {
std::string lastCaption, lastText;
unsigned lastType;
int Answer(void*, const std::string& text, const std::string& caption, unsigned type) {
  lastCaption = caption;
  lastText = text;
  lastType = type;
  return platform::kIdRetry;
}
}  // namespace

TEST(Messages, MessageTextShowsCaptionAndTextThroughTheHandler) {
  SetMessageBoxHandler(Answer);
  EXPECT_EQ(MessageText(nullptr, "Overwrite?\tIs that OK?", platform::kMbOkCancel), platform::kIdRetry);
  EXPECT_EQ(lastCaption, "Overwrite?");
  EXPECT_EQ(lastText, "Is that OK?");
  EXPECT_EQ(lastType, platform::kMbOkCancel);
  MessageText(nullptr, "No tab here", platform::kMbOk);
  EXPECT_EQ(lastCaption, "Message");
  ShowSystemError(platform::kErrorAccessDenied);
  EXPECT_EQ(lastCaption, "Error Message (5)");
  EXPECT_EQ(lastText, platform::SystemErrorText(platform::kErrorAccessDenied));
  EXPECT_EQ(lastType, platform::kMbIconInformation);
  SetMessageBoxHandler(nullptr);
}
