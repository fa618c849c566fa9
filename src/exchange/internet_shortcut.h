// Internet shortcut files (".url"): a "[InternetShortcut]" section whose
// "URL=" line holds the address. Used by the favorites folders and by
// dragging shortcuts in and out of the list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr char kUrlFileExtension[] = ".url";

// Reads the address of the shortcut at path: the first "URL=" line after
// the first line that is "[InternetShortcut]" (trailing white space
// ignored); any other sections and lines are passed over. title receives
// the file name without folder and extension. 0 when a non-empty address
// was found, -1 otherwise (also when the file cannot be read).
int ReadUrlFile(const std::string& path, std::string* address, std::string* title);

// The bytes of a shortcut to address, as the program always writes them:
// "[InternetShortcut]", "URL=" + address, each line ended by CR LF.
std::string UrlFileText(std::string_view address);

// Writes folder + name + ".url" (folder ends with a separator; the
// temporary folder for a drag out of the window), replacing a file of that
// name, and gives the full path in outputPath. 0, or the operating-system
// error of the failed write.
uint32_t WriteUrlFile(const std::string& folder, const std::string& name,
                      const std::string& address, std::string* outputPath);
