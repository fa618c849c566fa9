// A template split into its pieces (document start and end, and the start,
// end and separator of each outline level), each piece cut once into
// literal runs and tags so that an export does not search it per item.
#pragma once

#include <string>
#include <vector>

enum class TemplateKeyword : int { kNone, kIf, kElse, kElsif, kEndif };

// The field names a tag can hold; any other name is kOther (always empty).
enum class TemplateField : int {
  kOther,
  kListTitle,
  kNow,
  kTitle,
  kAddress,
  kNotes,
  kLogin,
  kKeywords,
  kPassword,
  kLastVisited,
  kCreated,
  kModified,
  kRating,
  kVisits,
  kId,
  kIsAlias,
  kIsAliased
};
TemplateField TemplateFieldNamed(const std::string& name);

// One step of a piece: the literal text before a tag, then the tag (the
// last step of a piece holds only the text after its last tag).
struct TemplateStep {
  std::string literal;
  bool hasTag = false;
  TemplateKeyword keyword = TemplateKeyword::kNone;
  std::string field;   // lower-cased
  std::string option;  // the tag's format attribute, lower-cased
  TemplateField fieldId = TemplateField::kOther;
  int timeFormat = 0;  // the option as a date-format index
};

struct TemplatePiece {
  std::string text;  // as written in the template
  std::vector<TemplateStep> steps;
};

enum TemplatePieceKind : int { kPieceStart = 0, kPieceEnd = 1, kPieceSeparator = 2 };

struct CompiledTemplate {
  TemplatePiece document[3];  // by TemplatePieceKind
  TemplatePiece level[3][3];  // [level 1-3 as 0-2][TemplatePieceKind]
};

// Finds the document block and the three section blocks over the whole
// text and the pieces inside each. Returns 0, or -2 when the document
// block or a section is missing (or the text defeats the pattern search).
int CompileTemplate(const std::string& text, CompiledTemplate* compiled);

// Cuts piece text into steps. After a conditional tag one CR and then one
// LF are passed over, so conditions may stand on lines of their own.
std::vector<TemplateStep> SplitPiece(const std::string& text);
