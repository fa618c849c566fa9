// The help project in help/: every help context the program maps opens a
// page that the project compiles, at a heading that carries the title the
// viewer's caption shows; every link of the pages, the contents and the
// index leads to a page of the project (and to an anchor that exists).
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ui/help_topics.h"

namespace {

const std::string kHelpFolder = std::string(VELLOX_TEST_DATA) + "/../../help/";

std::string ReadText(const std::string& name) {
  std::ifstream in(kHelpFolder + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The [FILES] section of the project.
std::set<std::string> ProjectFiles() {
  std::istringstream project(ReadText("VelloxFl.hhp"));
  std::set<std::string> files;
  bool inFiles = false;
  for (std::string line; std::getline(project, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inFiles = line == "[FILES]";
      continue;
    }
    if (inFiles && !line.empty()) files.insert(line);
  }
  return files;
}

// "" when page#anchor leads somewhere, else what is wrong.
std::string CheckTarget(const std::string& target, const std::set<std::string>& files) {
  const size_t hash = target.find('#');
  const std::string page = target.substr(0, hash);
  if (!files.count(page)) return "page " + page + " is not in the project";
  const std::string text = ReadText(page);
  if (text.empty()) return "page " + page + " is missing or empty";
  if (hash != std::string::npos &&
      text.find("id=\"" + target.substr(hash + 1) + "\"") == std::string::npos)
    return "no anchor " + target;
  return "";
}

TEST(HelpProject, EveryContextOpensACompiledPageAtItsTitle) {
  const std::set<std::string> files = ProjectFiles();
  ASSERT_FALSE(files.empty());
  std::set<int> contexts;
  for (const HelpTopic& topic : kHelpTopics) {
    SCOPED_TRACE(std::to_string(topic.context) + " " + topic.page);
    EXPECT_TRUE(contexts.insert(topic.context).second) << "context mapped twice";
    EXPECT_EQ(CheckTarget(topic.page, files), "");
    const std::string page(topic.page);
    const size_t hash = page.find('#');
    const std::string text = ReadText(page.substr(0, hash));
    const std::string heading =
        hash == std::string::npos
            ? "<h1>" + std::string(topic.title) + "</h1>"
            : "<h2 id=\"" + page.substr(hash + 1) + "\">" + topic.title + "</h2>";
    EXPECT_NE(text.find(heading), std::string::npos) << "no heading " << heading;
  }
  // The Help menu's topics and the dialogs with a "&Help" button.
  for (int context :
       {CommandHelpContext(ID_CMD_HELP_CONTENTS), CommandHelpContext(ID_CMD_HELP_ADD_BOOKMARK),
        CommandHelpContext(ID_CMD_HELP_MOVE_ITEMS), CommandHelpContext(ID_CMD_HELP_SHORTCUTS),
        CommandHelpContext(ID_CMD_HELP_QUICKLOGIN), DialogHelpContext(IDD_LIST_VIEW),
        DialogHelpContext(IDD_CHECKING), DialogHelpContext(IDD_ENCRYPTION_OPTIONS)})
    EXPECT_NE(FindHelpTopic(context), nullptr) << context;
  EXPECT_EQ(CheckTarget(kHelpContentsPage, files), "");
}

TEST(HelpProject, EveryLinkLeadsToAPageOfTheProject) {
  const std::set<std::string> files = ProjectFiles();
  const std::regex link("(?:href|value)=\"([^\"]+)\"", std::regex::icase);
  const std::regex local("[a-z_]+\\.(htm|css)(#[a-z]+)?");
  std::vector<std::string> sources(files.begin(), files.end());
  sources.push_back("contents.hhc");
  sources.push_back("index.hhk");
  int links = 0;
  for (const std::string& source : sources) {
    const std::string text = ReadText(source);
    ASSERT_FALSE(text.empty()) << source;
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (!std::regex_match(target, local)) continue;
      SCOPED_TRACE(source + " -> " + target);
      EXPECT_EQ(CheckTarget(target, files), "");
      ++links;
    }
  }
  EXPECT_GT(links, 100);
}

}  // namespace
