// What the export dialog offers and checks: the usable templates of the
// templates folder, the save dialog's filter and proposed name, the test of
// a destination, and a readable text for the engines' own failure codes.
#pragma once

#include <string>
#include <vector>

#include "exchange/template_header.h"

// Every "*.txt" file of folder whose header reads (it has a name), in the
// order of the file names without regard to case.
std::vector<TemplateCatalogRow> ListExportTemplates(const std::string& folder);

// A destination the export may go on with: it holds a backslash (a full
// path, not a bare name), and for a template the part after the last
// backslash holds a dot (a file name with an extension).
bool ExportDestinationComplete(const std::string& path, bool forTemplate);

// The save dialog's filter, "|"-separated: "<name> file (*.<ext>)|*.<ext>|"
// then "All files (*.*)|*.*||".
std::string ExportSaveFilter(const TemplateCatalogRow& row);
// The template's file name with its extension replaced by the template's
// extension.
std::string ProposedExportFileName(const TemplateCatalogRow& row);

// What the message of a failed export says for the engines' own codes
// (-1, -2), which have no text of the system's; "" for any other code.
std::string ExportFailureText(int code, bool forTemplate);
