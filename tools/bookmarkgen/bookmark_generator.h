// Generated bookmark collections for the import benchmarks: Netscape
// bookmark files and browser "places" databases of a given number of links
// in folder trees up to five deep, with non-ASCII (UTF-8) titles, character
// references, descriptions, dates, tags, keywords and visits. The same
// seed gives the same collection.
#pragma once

#include <cstdint>
#include <string>

struct GeneratorOptions {
  int links = 1000;
  uint32_t seed = 1;
  bool unclosedLinks = false;  // leave out every "</A>" (Netscape files)
};

// The file's bytes.
std::string GenerateNetscapeFile(const GeneratorOptions& options);

// Writes a database in the current places schema; false (with a reason in
// *error) when SQLite refuses. An existing file is replaced.
bool WritePlacesDatabase(const std::string& path, const GeneratorOptions& options,
                         std::string* error);

// The items an import of either gives (folders, links, separators and the
// "Uncategorized" fillers), for checking that a benchmark imported it all.
int ExpectedImportedItems(const GeneratorOptions& options);
