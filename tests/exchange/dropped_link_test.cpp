#include "exchange/dropped_link.h"

#include <gtest/gtest.h>

#include <string>

#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

DropOffer Files(const std::string& first) {
  DropOffer offer;
  offer.hasFiles = true;
  offer.firstFile = first;
  return offer;
}

DropOffer Texts(const char* descriptor, const char* text, const char* url) {
  DropOffer offer;
  offer.hasDescriptor = descriptor != nullptr;
  offer.descriptorName = descriptor ? descriptor : "";
  offer.hasText = text != nullptr;
  offer.text = text ? text : "";
  offer.hasUrl = url != nullptr;
  offer.url = url ? url : "";
  return offer;
}

TEST(DroppedLink, EachOfferGivesItsAddressAndTitleOrIsRefused) {
  TempFolder folder;
  const std::string shortcut = folder.Path("Example Site.URL");
  importtest::WriteFile(shortcut, "[InternetShortcut]\r\nURL= https://site.example/ \r\n");
  const std::string empty = folder.Path("Empty.url");
  importtest::WriteFile(empty, "[InternetShortcut]\r\nIconIndex=0\r\n");
  const std::string document = folder.Path("Report.2024.txt");
  DropOffer filesAndText = Files(shortcut);
  filesAndText.hasText = true;
  filesAndText.text = "https://ignored.example/";

  const struct {
    const char* name;
    DropOffer offer;
    bool accepted;
    std::string address;
    const char* title;
  } cases[] = {
      // Files win over every other format; the shortcut's address is trimmed.
      {"url file", filesAndText, true, "https://site.example/", "Example Site"},
      {"url file without address", Files(empty), false, "", "Empty"},
      {"other file", Files(document), true, document, "Report.2024"},
      {"browser link", Texts("http---www.example.org-.url", "http://www.example.org/", "x"), true,
       "http://www.example.org/", "www.example.org-"},
      {"ftp link", Texts("ftp---files.example.url", nullptr, "ftp://files.example/"), true,
       "ftp://files.example/", "files.example"},
      {"text with title", Texts(nullptr, "  https://t.example/\nThe Title", nullptr), true,
       "https://t.example/", "The Title"},
      // A line feed first is no title split: the address is trimmed.
      {"line feed first", Texts(nullptr, "\nhttps://lead.example/", nullptr), true,
       "https://lead.example/", ""},
      {"empty text", Texts(nullptr, "", "https://u.example/"), true, "https://u.example/", ""},
      {"blank text", Texts(nullptr, " \t \r\n", nullptr), false, "", ""},
      {"descriptor alone", Texts("Plain Name.url", nullptr, nullptr), false, "", "Plain Name"},
  };
  for (const auto& c : cases) {
    DroppedLink link;
    EXPECT_EQ(LinkOfDrop(c.offer, &link), c.accepted) << c.name;
    EXPECT_EQ(link.address, c.address) << c.name;
    EXPECT_EQ(link.title, c.title) << c.name;
    // The drag shows copy and link for text, an address or files only.
    EXPECT_EQ(DropOfferAccepted(c.offer), std::string(c.name) != "descriptor alone") << c.name;
  }
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

}  // namespace
