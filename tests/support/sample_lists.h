// Lists for the tests of opening, saving and encryption: an outline with
// log-ins and passwords, written to a file or opened from one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "list/bookmark_list.h"

namespace listtest {

// Two categories with a subcategory each; bookmark n is titled "Site n",
// has the address "https://site<n>.example/", the log-in "user<n>" and the
// password "pass<n>word"; the first bookmark also gets an alias.
void FillSample(BookmarkList& list, int bookmarks);

// A list file at path holding FillSample's outline; returns its bytes.
std::string WriteSampleFile(const std::string& path, int bookmarks, uint32_t now = 1600000000);

// Opens path as the program does (header, optional password, lines) with
// its cipher attached; writable when the file could be locked.
std::unique_ptr<BookmarkList> OpenListFile(const std::string& path,
                                           const std::string& password = "");

// The index of the item titled title, or 0.
uint16_t FindTitle(BookmarkList& list, const std::string& title);

}  // namespace listtest
