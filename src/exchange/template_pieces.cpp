#include "exchange/template_pieces.h"

#include <cstdio>

#include "exchange/import_regex.h"
#include "exchange/item_time.h"
#include "platform/platform.h"

namespace {

const char* const kPieceNames[] = {"start", "end", "separator"};

TemplateKeyword KeywordOf(const std::string& word) {
  if (word == "if") return TemplateKeyword::kIf;
  if (word == "else") return TemplateKeyword::kElse;
  if (word == "elsif") return TemplateKeyword::kElsif;
  if (word == "endif") return TemplateKeyword::kEndif;
  return TemplateKeyword::kNone;
}

void CompilePieces(std::string_view block, TemplatePiece* pieces) {
  for (int kind = 0; kind < 3; ++kind) {
    char pattern[96];
    std::snprintf(pattern, sizeof pattern, "<vx:%s>\\r?\\n?(.*?)</vx:%s>", kPieceNames[kind],
                  kPieceNames[kind]);
    ImportMatch match;
    if (SearchIn(ImportPattern(pattern), block, &match)) {
      pieces[kind].text = std::string(Group(match, 1));
      pieces[kind].steps = SplitPiece(pieces[kind].text);
    }
  }
}

}  // namespace

TemplateField TemplateFieldNamed(const std::string& name) {
  static const struct {
    const char* name;
    TemplateField field;
  } kFields[] = {
      {"list_title", TemplateField::kListTitle},
      {"now", TemplateField::kNow},
      {"title", TemplateField::kTitle},
      {"address", TemplateField::kAddress},
      {"notes", TemplateField::kNotes},
      {"login", TemplateField::kLogin},
      {"keywords", TemplateField::kKeywords},
      {"password", TemplateField::kPassword},
      {"last_visited", TemplateField::kLastVisited},
      {"created", TemplateField::kCreated},
      {"modified", TemplateField::kModified},
      {"rating", TemplateField::kRating},
      {"visits", TemplateField::kVisits},
      {"id", TemplateField::kId},
      {"is_alias", TemplateField::kIsAlias},
      {"is_aliased", TemplateField::kIsAliased},
  };
  for (const auto& f : kFields)
    if (name == f.name) return f.field;
  return TemplateField::kOther;
}

std::vector<TemplateStep> SplitPiece(const std::string& text) {
  static const boost::regex tag =
      ImportPattern("<vx:(if|else|elsif|endif)?\\s*(.*?)(?:\\s*format=\"([^\"]*?)\")?\\s*/>");
  std::vector<TemplateStep> steps;
  const char* position = text.data();
  const char* end = text.data() + text.size();
  ImportMatch match;
  while (SearchRange(tag, position, end, &match)) {
    TemplateStep step;
    step.literal.assign(position, match[0].first);
    step.hasTag = true;
    step.keyword = KeywordOf(platform::LowerAnsiText(std::string(Group(match, 1))));
    step.field = platform::LowerAnsiText(std::string(Group(match, 2)));
    step.option = platform::LowerAnsiText(std::string(Group(match, 3)));
    step.fieldId = TemplateFieldNamed(step.field);
    step.timeFormat = ItemTimeFormatIndex(step.option);
    position = match[0].second;
    if (step.keyword != TemplateKeyword::kNone) {
      if (position < end && *position == '\r') ++position;
      if (position < end && *position == '\n') ++position;
    }
    steps.push_back(std::move(step));
  }
  TemplateStep last;
  last.literal.assign(position, end);
  steps.push_back(std::move(last));
  return steps;
}

int CompileTemplate(const std::string& text, CompiledTemplate* compiled) {
  *compiled = CompiledTemplate();
  try {
    ImportMatch match;
    if (!SearchIn(ImportPattern("<vx:document.*?>\\r?\\n?(.*?)</vx:document>"), text, &match))
      return -2;
    CompilePieces(Group(match, 1), compiled->document);
    for (unsigned level = 1; level <= 3; ++level) {
      char pattern[96];
      std::snprintf(pattern, sizeof pattern,
                    "<vx:section\\s*level=\"%u\"\\s*>\\r?\\n?(.*?)</vx:section>", level);
      if (!SearchIn(ImportPattern(pattern), text, &match)) return -2;
      CompilePieces(Group(match, 1), compiled->level[level - 1]);
    }
  } catch (const std::exception&) {
    return -2;
  }
  return 0;
}
