// Expansion of template pieces into the output: literal text, field
// values and the if/elsif/else/endif conditions, with the condition state
// carried from one piece to the next through the whole export.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exchange/template_format.h"
#include "exchange/template_pieces.h"
#include "list/bookmark_list.h"
#include "platform/platform.h"

// Collects the output and writes it to the file in large blocks.
class TemplateWriter {
 public:
  explicit TemplateWriter(platform::File* file) : file_(file) {}
  // Returns 0, or the system error of a failed write.
  uint32_t Append(const std::string& bytes);
  // The buffer to append to directly; call Flushed() after appending.
  std::string& Buffer() { return buffer_; }
  uint32_t Flushed() { return buffer_.size() >= kFlushSize ? Flush() : 0; }
  uint32_t Flush();

  static constexpr size_t kFlushSize = 1 << 16;

 private:
  platform::File* file_;
  std::string buffer_;
};

struct ExpansionState {
  BookmarkList* list = nullptr;
  std::string listTitle;
  uint32_t now = 0;
  TemplateOutput output;
  std::unique_ptr<AnsiByteUtf8Table> utf8Table;  // set when output.utf8
  TemplateWriter* writer = nullptr;
  uint16_t item = 0;           // the current item; 0 while expanding document pieces
  int depth = -1;              // the innermost open condition
  std::vector<char> skipping;  // per depth
  std::vector<char> taken;
  // The decoded record of the current item (aliases give their target's).
  BookmarkItem record;
  uint16_t recordIndex = 0;
};

// Writes piece expanded for state.item. Returns 0, or the system error of a
// failed write.
uint32_t ExpandTemplateText(ExpansionState& state, const TemplatePiece& piece);

// The raw value of a field for the current item (before post-processing).
std::string TemplateFieldValue(ExpansionState& state, const TemplateStep& step);
