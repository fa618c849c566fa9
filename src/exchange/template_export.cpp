#include "exchange/template_export.h"

#include "exchange/export_selection.h"
#include "exchange/import_text.h"
#include "exchange/template_expand.h"

namespace {

// Walks the outline, opening and closing levels around each item.
uint32_t ExpandOutline(ExpansionState& state, const CompiledTemplate& compiled,
                       const TemplateExportOptions& options) {
  BookmarkList& list = *state.list;
  int open = -1;                // the open level
  bool afterSeparator = false;  // a separator does not stay open
  ExportWalk walk(list, {options.onlyMarked, options.excludeSmartFolders});
  for (uint16_t index = walk.Next(); index != kRootIndex; index = walk.Next()) {
    int level = list.Level(index);
    if (afterSeparator) --open;
    for (; open >= level; --open) {
      uint32_t error = state.writer->Append(compiled.level[open][kPieceEnd].text);
      if (error != 0) return error;
    }
    afterSeparator = list.TestFlags(index, kFlagSeparator);
    state.item = index;
    uint32_t error = ExpandTemplateText(
        state, compiled.level[level][afterSeparator ? kPieceSeparator : kPieceStart]);
    if (error != 0) return error;
    open = level;
  }
  if (afterSeparator) --open;
  for (; open >= 0; --open) {
    uint32_t error = state.writer->Append(compiled.level[open][kPieceEnd].text);
    if (error != 0) return error;
  }
  return 0;
}

}  // namespace

int ExportWithTemplate(BookmarkList& list, const std::string& outputPath,
                       const std::string& templatePath, const std::string& formatText,
                       const TemplateExportOptions& options) {
  std::string text;
  if (ReadImportText(templatePath, false, false, &text) < 0) return -1;
  CompiledTemplate compiled;
  if (CompileTemplate(text, &compiled) != 0) return -2;

  platform::File file;
  uint32_t error = file.Open(outputPath.c_str(), platform::FileAccess::kCreateWrite);
  if (error != 0) return static_cast<int>(error);
  TemplateWriter writer(&file);
  ExpansionState state;
  state.list = &list;
  state.listTitle = options.listTitle;
  state.now = list.Now();
  state.output = ParseTemplateFormat(formatText);
  if (state.output.utf8) state.utf8Table = std::make_unique<AnsiByteUtf8Table>();
  state.writer = &writer;

  error = ExpandTemplateText(state, compiled.document[kPieceStart]);
  if (error == 0) error = ExpandOutline(state, compiled, options);
  if (error == 0) {
    state.item = 0;
    error = ExpandTemplateText(state, compiled.document[kPieceEnd]);
  }
  uint32_t flushed = writer.Flush();
  if (error == 0) error = flushed;
  if (error == 0 && !file.Flush()) error = file.LastError();
  return static_cast<int>(error);
}
