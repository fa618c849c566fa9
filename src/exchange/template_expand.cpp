#include "exchange/template_expand.h"

#include "exchange/item_time.h"
#include "list/encryption.h"

namespace {

constexpr size_t kFlushSize = 1 << 16;

const BookmarkItem& CurrentRecord(ExpansionState& state) {
  if (state.recordIndex != state.item) {
    state.list->DecodeInto(state.item, true, &state.record);
    state.recordIndex = state.item;
  }
  return state.record;
}

void ApplyCondition(ExpansionState& state, TemplateKeyword keyword, bool empty) {
  if (keyword == TemplateKeyword::kIf) {
    ++state.depth;
    size_t needed = static_cast<size_t>(state.depth) + 1;
    if (state.skipping.size() < needed) {
      state.skipping.resize(needed);
      state.taken.resize(needed);
    }
    if (state.depth > 0 && state.skipping[state.depth - 1]) {
      state.skipping[state.depth] = state.taken[state.depth] = true;
    } else {
      state.skipping[state.depth] = empty;
      state.taken[state.depth] = !empty;
    }
    return;
  }
  // An elsif, else or endif outside every if is ignored.
  if (state.depth < 0) return;
  char& skipping = state.skipping[state.depth];
  char& taken = state.taken[state.depth];
  switch (keyword) {
    case TemplateKeyword::kElsif:
      skipping = taken || empty;
      taken = taken || !skipping;
      break;
    case TemplateKeyword::kElse:
      skipping = taken;
      taken = true;
      break;
    case TemplateKeyword::kEndif: --state.depth; break;
    default: break;
  }
}

}  // namespace

uint32_t TemplateWriter::Append(const std::string& bytes) {
  buffer_ += bytes;
  return buffer_.size() >= kFlushSize ? Flush() : 0;
}

uint32_t TemplateWriter::Flush() {
  if (buffer_.empty()) return 0;
  bool written = file_->Write(buffer_.data(), buffer_.size());
  buffer_.clear();
  return written ? 0 : file_->LastError();
}

std::string TemplateFieldValue(ExpansionState& state, const std::string& field,
                               const std::string& option) {
  if (field == "list_title") return state.listTitle;
  if (field == "now") return FormatItemTime(state.now, option);
  if (state.item == 0) return {};
  const BookmarkItem& r = CurrentRecord(state);
  if (field == "title") return r.title;
  if (field == "address") return r.url;
  if (field == "notes") return r.notes;
  if (field == "login") return r.login;
  if (field == "keywords") return r.keywords;
  if (field == "password") return GetSitePassword(*state.list, r);
  if (field == "last_visited") return FormatItemTime(r.timeLastVisit, option);
  if (field == "created") return FormatItemTime(r.timeAdded, option);
  if (field == "modified") return FormatItemTime(r.timeModified, option);
  if (field == "rating") return std::to_string(r.rating);
  if (field == "visits") return std::to_string(r.visits);
  if (field == "id") return std::to_string(r.id);
  if (field == "is_alias") return state.list->IsAlias(state.item) ? "1" : "";
  if (field == "is_aliased") return (r.flags & kFlagHasAliases) ? "1" : "";
  return {};
}

uint32_t ExpandTemplateText(ExpansionState& state, const TemplatePiece& piece) {
  std::string out;
  for (const TemplateStep& step : piece.steps) {
    bool skipping = state.depth >= 0 && state.skipping[state.depth];
    if (!step.hasTag) {
      out += step.literal;  // the text after the last tag, even while skipping
      break;
    }
    if (skipping && step.keyword == TemplateKeyword::kNone) continue;
    if (!skipping) out += step.literal;
    std::string value = TemplateFieldValue(state, step.field, step.option);
    if (step.keyword != TemplateKeyword::kNone) {
      ApplyCondition(state, step.keyword, value.empty());
      continue;
    }
    out += PostProcessValue(std::move(value), step.option, state.output.format,
                            state.utf8Table.get());
  }
  return state.writer->Append(out);
}
