// The two exchange dialogs: "Import Bookmark Collection" (509) and "Export
// Bookmark List" (507). The main window hands them the open lists and does
// what needs the lists' owner (main_window_exchange.cpp).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "exchange/import_collection.h"
#include "settings/settings.h"

class BookmarkList;

// One open list the dialogs offer.
struct OpenListChoice {
  std::string name;
  BookmarkList* list = nullptr;
};

// What the import dialog asks for when "&Import" is pressed.
struct ImportRequest {
  int sourceCode = 0;
  std::string path;              // the file or folder read
  BookmarkList* into = nullptr;  // the open list appended to; null: a new list
  std::string newListPath;       // the new list's file (".bkl" already appended)
  ImportOptions options;
};

// How the main window's side of an import ended.
enum class ImportOutcome {
  kImported,  // the dialog closes
  kFailed,    // message 10014; the dialog stays open
  kStopped,   // the user cancelled a step or was told why: the dialog stays open
};

struct ImportDialogContext {
  Settings* settings = nullptr;
  // The open lists that can take an import (writable); the first is chosen.
  std::vector<OpenListChoice> openLists;
  // Runs the import; called with the wait cursor shown.
  std::function<ImportOutcome(const ImportRequest&)> perform;
};

// 509, modal: true when something was imported.
bool RunImportDialog(HWND parent, const ImportDialogContext& context);

struct ExportDialogContext {
  Settings* settings = nullptr;
  // The open lists; the first (the current list) is chosen.
  std::vector<OpenListChoice> openLists;
  std::string templatesFolder;
  // Shows the exported file or folder (after "Yes" to message 10036).
  std::function<void(const std::string& path)> openResult;
};

// 507, modal: true when the list was exported.
bool RunExportDialog(HWND parent, const ExportDialogContext& context);

// The file dialogs of the two exchange dialogs (exchange_file_choosers.cpp).
// filter is "|"-separated and ends with "||"; save: a save dialog
// (overwriting is asked by the export itself). *path holds the proposal on
// entry and the choice on OK.
bool ChooseExchangeFile(HWND parent, const std::string& title, const std::string& filter,
                        const std::string& defaultExtension, bool save, std::string* path);
// The shell's folder picker, starting at *folder.
bool ChooseExchangeFolder(HWND parent, const std::string& title, std::string* folder);
