// Editing dialog templates in memory before a dialog is created.
#pragma once

#include <string>

namespace framework {

// Replaces (or adds) the font of the dialog template held in bytes
// (DLGTEMPLATE or DLGTEMPLATEEX) with face at pointSize. The items keep
// their own layout; only the header changes length. False when the bytes
// are not a well-formed template; bytes are then unchanged.
bool ReplaceTemplateFont(std::string* bytes, const std::string& face, int pointSize);

}  // namespace framework
