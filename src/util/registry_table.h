// A numbered list as the settings keep it in the registry: one numbered
// subkey ("0", "1", ...) per entry with one text value per column, and an
// optional "index" (the current or default entry). Portable so that the
// conversions to and from the settings records can be tested anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RegistryTable {
  // rows[i][c]: column c of entry i; column 0 is the entry's name.
  std::vector<std::vector<std::string>> rows;
  bool hasIndex = false;
  uint32_t index = 0;
};
