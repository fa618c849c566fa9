// Reading a Chromium-family profile's "Bookmarks" file (JSON) into a small
// table of its bookmark nodes: only the fields an import keeps, in the
// order the file holds them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t kNoChromiumNode = 0xFFFFFFFF;

// Objects and arrays nested deeper than this make the file unreadable, so
// neither the reader nor the outline walk after it can go deeper (a folder
// takes two levels: the node and its "children" array).
constexpr size_t kMaxChromiumNesting = 200;

struct ChromiumNode {
  enum class Kind : uint8_t { kOther, kUrl, kFolder };
  Kind kind = Kind::kOther;  // from "type": "url", "folder", else skipped
  std::string_view name;     // UTF-8, as in the file; held by the tree's texts
  std::string_view url;
  uint64_t dateAdded = 0;  // microseconds since 1601-01-01 UTC; 0 when absent
  uint32_t firstChild = kNoChromiumNode;
  uint32_t nextSibling = kNoChromiumNode;
};

struct ChromiumTree {
  ChromiumTree() = default;
  // The nodes' views point into texts, which a copy or move would leave.
  ChromiumTree(const ChromiumTree&) = delete;
  ChromiumTree& operator=(const ChromiumTree&) = delete;

  std::vector<ChromiumNode> nodes;
  // The nodes' names and addresses, one after the other (decoded JSON text
  // is never longer than the file, so this never moves once reserved).
  std::string texts;
  // The three roots under "roots" (kNoChromiumNode where one is missing).
  uint32_t bar = kNoChromiumNode;
  uint32_t other = kNoChromiumNode;
  uint32_t synced = kNoChromiumNode;
};

// Reads the text into tree. False when it is not a bookmarks file: not
// JSON, cut short, no "roots" object, a known field of the wrong type
// ("children" not an array of objects, "name", "type", "url" or
// "date_added" not a string), or nesting deeper than kMaxChromiumNesting.
// Fields it does not know are passed over. Never throws.
bool ReadChromiumTree(std::string_view text, ChromiumTree* tree);
