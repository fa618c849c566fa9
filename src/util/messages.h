// Message boxes whose caption and text come from one string-table entry:
// "Caption\tText" with %1, %2 ... placeholders ("%1!u!" for an unsigned
// number). An entry without a tab is shown with the caption "Message".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// One argument for a placeholder, already as text.
struct MessageArg {
  MessageArg(const char* s) : text(s ? s : "") {}
  MessageArg(const std::string& s) : text(s) {}
  MessageArg(uint32_t n) : text(std::to_string(n)) {}
  MessageArg(int n) : text(std::to_string(n)) {}
  std::string text;
};

// Splits a string-table entry at its first tab.
void SplitMessageEntry(const std::string& entry, std::string* caption, std::string* text);
// Replaces %1 ... %9 (and their "!x!" format suffix) by the arguments; "%%"
// gives "%". A placeholder without an argument stays as it is.
std::string FillMessageArgs(const std::string& text, std::initializer_list<MessageArg> args);

// Shows string-table entry id; returns the button pressed (platform::kIdOk
// ...). owner is a window handle or null; type is MessageBoxA's.
int MessageFromTable(void* owner, int id, unsigned type, std::initializer_list<MessageArg> args = {});
// Shows a text that already holds "Caption\tText" (or only a text).
int MessageText(void* owner, const std::string& entry, unsigned type);
// The caption and filled text of entry id, as MessageFromTable shows them.
std::string MessageBody(int id, std::initializer_list<MessageArg> args = {});

// Entry id with the system's text for code in place of %1.
std::string FormatSystemErrorMessage(int id, uint32_t code);
// A box without owner, caption "Error Message (code)", the system's text for
// code, information icon.
void ShowSystemError(uint32_t code);

// Who answers message boxes. Tests install a handler to answer for the
// user; null restores the platform's message box.
using MessageBoxHandler = int (*)(void* owner, const std::string& text, const std::string& caption,
                                  unsigned type);
void SetMessageBoxHandler(MessageBoxHandler handler);
