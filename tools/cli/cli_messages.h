// The string-table texts vellox-cli prints for failures, each as the
// program shows it: caption and text.
#pragma once

#include <cstdint>
#include <string>

#include "list/list_result.h"

struct MessageText {
  int id;
  const char* caption;
  const char* text;  // %1 filled by the caller
};

// The message the opening procedure shows for a result, or nullptr.
const MessageText* MessageFor(ListResult result);
const MessageText* MessageFor(WriteResult result);

// The system's text for an operating-system error code.
std::string SystemErrorText(uint32_t error);

// One line: "Caption: text" with %1 replaced and line breaks as spaces.
std::string MessageLine(const MessageText& message, const std::string& argument);
