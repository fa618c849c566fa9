#include "exchange/dropped_link.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "platform/shell_link.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

TEST(DroppedLink, EachOfferGivesItsAddressAndTitle) {
  TempFolder folder;
  const std::string shortcut = folder.Path("Example Site.URL");
  importtest::WriteFile(shortcut, "[InternetShortcut]\r\nURL= https://site.example/ \r\n");
  const std::string empty = folder.Path("Empty.url");
  importtest::WriteFile(empty, "[InternetShortcut]\r\nIconIndex=0\r\n");
  const std::string document = folder.Path("Report.2024.txt");
  importtest::WriteFile(document, "text");

  DropOffer urlFile;
  urlFile.hasFiles = true;
  urlFile.firstFile = shortcut;
  // Files win over every other format.
  urlFile.hasText = true;
  urlFile.text = "https://ignored.example/";
  DropOffer emptyUrlFile;
  emptyUrlFile.hasFiles = true;
  emptyUrlFile.firstFile = empty;
  DropOffer otherFile;
  otherFile.hasFiles = true;
  otherFile.firstFile = document;
  DropOffer browserLink;
  browserLink.hasDescriptor = true;
  browserLink.descriptorName = "http---www.example.org-.url";
  browserLink.hasText = true;
  browserLink.text = "http://www.example.org/";
  browserLink.hasUrl = true;
  browserLink.url = "http://url-format.example/";
  DropOffer ftpLink;
  ftpLink.hasDescriptor = true;
  ftpLink.descriptorName = "ftp---files.example.url";
  ftpLink.hasUrl = true;
  ftpLink.url = "ftp://files.example/";
  DropOffer textWithTitle;
  textWithTitle.hasText = true;
  textWithTitle.text = "  https://t.example/page\nThe Page Title";
  DropOffer leadingFeed;
  leadingFeed.hasText = true;
  leadingFeed.text = "\nhttps://lead.example/";
  DropOffer emptyTextUrlFormat;
  emptyTextUrlFormat.hasText = true;
  emptyTextUrlFormat.hasUrl = true;
  emptyTextUrlFormat.url = "https://u.example/";
  DropOffer blanks;
  blanks.hasText = true;
  blanks.text = " \t \r\n";
  DropOffer descriptorAlone;
  descriptorAlone.hasDescriptor = true;
  descriptorAlone.descriptorName = "Plain Name.url";

  const struct {
    const char* name;
    const DropOffer& offer;
    bool accepted;
    const char* address;
    const char* title;
  } cases[] = {
      {"url file", urlFile, true, "https://site.example/", "Example Site"},
      {"url file without address", emptyUrlFile, false, "", "Empty"},
      {"other file", otherFile, true, document.c_str(), "Report.2024"},
      {"browser link", browserLink, true, "http://www.example.org/", "www.example.org-"},
      {"ftp link", ftpLink, true, "ftp://files.example/", "files.example"},
      {"text with title", textWithTitle, true, "https://t.example/page", "The Page Title"},
      {"line feed first", leadingFeed, true, "https://lead.example/", ""},
      {"empty text, address format", emptyTextUrlFormat, true, "https://u.example/", ""},
      {"blank text", blanks, false, "", ""},
      {"descriptor alone", descriptorAlone, false, "", "Plain Name"},
  };
  for (const auto& c : cases) {
    DroppedLink link;
    EXPECT_EQ(LinkOfDrop(c.offer, &link), c.accepted) << c.name;
    EXPECT_EQ(link.address, c.address) << c.name;
    EXPECT_EQ(link.title, c.title) << c.name;
  }
  // A drag shows copy and link only for text, an address or files.
  EXPECT_FALSE(DropOfferAccepted(descriptorAlone));
  EXPECT_TRUE(DropOfferAccepted(ftpLink));
  EXPECT_TRUE(DropOfferAccepted(otherFile));
  EXPECT_TRUE(DropOfferAccepted(blanks));
}

TEST(DroppedLink, DescriptorNamesLoseTheirSchemeAndExtension) {
  const struct {
    const char* name;
    const char* title;
  } cases[] = {
      {"http---host.example-.url", "host.example-"},
      {"http--xhost.url", "host"},
      {"ftp--xfiles.example.url", "files.example"},
      {"https---secure.example.url", "https---secure.example"},
      {"HTTP---upper.url", "HTTP---upper"},
      {"No extension", "No extension"},
      {"http--", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TitleOfDescriptorName(c.name), c.title) << c.name;
}

TEST(DroppedLink, ShellLinkGivesItsTargetWhereLinksExist) {
  TempFolder folder;
  const std::string link = folder.Path("Tool.lnk");
  if (!platform::ShellLinksAvailable()) {
    // Without the shell's link object a ".lnk" holds no address.
    importtest::WriteFile(link, "not a link");
    EXPECT_EQ(LinkOfDroppedFile(link).address, "");
    EXPECT_EQ(LinkOfDroppedFile(link).title, "Tool");
    return;
  }
  const std::string target = folder.Path("tool.exe");
  importtest::WriteFile(target, "MZ");
  ASSERT_EQ(platform::WriteShellLink(target, link, ""), 0);
  DroppedLink dropped = LinkOfDroppedFile(link);
  EXPECT_EQ(dropped.title, "Tool");
  // The link object may spell the path in its own case.
  EXPECT_EQ(platform::LowerAnsiText(dropped.address), platform::LowerAnsiText(target));
}

}  // namespace
