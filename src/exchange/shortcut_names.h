// How a bookmark becomes a shortcut file in a favorites folder: the file
// name made from its title, and whether its address is an Internet
// shortcut or a shell link to a program with arguments.
#pragma once

#include <string>
#include <string_view>

constexpr char kShellLinkExtension[] = ".lnk";

// The file name (without extension) for a title: trimmed at both ends; over
// 64 characters, the first 61 and "..." (never cutting a double-byte
// character); empty, "(No title)"; each character Windows does not allow in
// file names (\ / : * ? " < > |), CR, LF and TAB replaced by a space.
std::string ShortcutFileName(std::string_view title);

// True when the address begins (ignoring case) with "http://", "https://",
// "ftp://", "gopher://", "news://" or "mailto:": it is written as a ".url"
// file; anything else becomes a shell link.
bool IsInternetAddress(std::string_view address);

// Splits a program address into the link's target (a path ending in an
// extension, optionally with a drive or a "\\" server prefix) and its
// arguments (the rest after the blank that follows the target; empty when
// none).
// False when the address is no such path (a bare folder, say): no link can
// be written for it.
bool SplitProgramAddress(std::string_view address, std::string* target, std::string* arguments);
