#include "exchange/template_expand.h"

#include "exchange/item_time.h"
#include "list/encryption.h"

namespace {

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
    case TemplateKeyword::kEndif:
      --state.depth;
      break;
    default:
      break;
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

std::string TemplateFieldValue(ExpansionState& state, const TemplateStep& step) {
  switch (step.fieldId) {
    case TemplateField::kListTitle:
      return state.listTitle;
    case TemplateField::kNow:
      return FormatItemTime(state.now, step.timeFormat);
    default:
      break;
  }
  if (state.item == 0) return {};
  const BookmarkItem& r = CurrentRecord(state);
  switch (step.fieldId) {
    case TemplateField::kTitle:
      return r.title;
    case TemplateField::kAddress:
      return r.url;
    case TemplateField::kNotes:
      return r.notes;
    case TemplateField::kLogin:
      return r.login;
    case TemplateField::kKeywords:
      return r.keywords;
    case TemplateField::kPassword:
      return GetSitePassword(*state.list, r);
    case TemplateField::kLastVisited:
      return FormatItemTime(r.timeLastVisit, step.timeFormat);
    case TemplateField::kCreated:
      return FormatItemTime(r.timeAdded, step.timeFormat);
    case TemplateField::kModified:
      return FormatItemTime(r.timeModified, step.timeFormat);
    case TemplateField::kRating:
      return std::to_string(r.rating);
    case TemplateField::kVisits:
      return std::to_string(r.visits);
    case TemplateField::kId:
      return std::to_string(r.id);
    case TemplateField::kIsAlias:
      return state.list->IsAlias(state.item) ? "1" : "";
    case TemplateField::kIsAliased:
      return (r.flags & kFlagHasAliases) ? "1" : "";
    default:
      return {};
  }
}

uint32_t ExpandTemplateText(ExpansionState& state, const TemplatePiece& piece) {
  std::string& out = state.writer->Buffer();
  for (const TemplateStep& step : piece.steps) {
    bool skipping = state.depth >= 0 && state.skipping[state.depth];
    if (!step.hasTag) {
      out += step.literal;  // the text after the last tag, even while skipping
      break;
    }
    if (skipping && step.keyword == TemplateKeyword::kNone) continue;
    if (!skipping) out += step.literal;
    std::string value = TemplateFieldValue(state, step);
    if (step.keyword != TemplateKeyword::kNone) {
      ApplyCondition(state, step.keyword, value.empty());
      continue;
    }
    out +=
        PostProcessValue(std::move(value), step.option, state.output.format, state.utf8Table.get());
  }
  return state.writer->Flushed();
}
