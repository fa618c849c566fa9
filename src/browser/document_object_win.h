// The page document of a browser of the embedded engine, reached two
// ways: through the window that hosts the page (the registered message
// "WM_HTML_GETOBJECT" and the accessibility library's ObjectFromLresult),
// and through the running-object entry that the companion library
// "OrvandIE.dll" makes for each browser window that sites its object.
// Every call is made on the user-interface thread, after OLE is started.
#pragma once

#include <windows.h>

#include <string>

#include "browser/dde_topics.h"

namespace browser {

// Which windows inside a frame count as a page.
enum class PageWindows {
  kAll,          // every window of the document class
  kNotDisabled,  // not inside a disabled window (background tabs are)
  kShown,        // not inside a disabled window, and every ancestor visible
};

// The next window of class documentClass (exact name) among the
// descendants of frame after `after` (null: the first), in enumeration
// order; null when none is left.
HWND NextDocumentWindow(HWND frame, const std::string& documentClass, HWND after,
                        PageWindows which);

// True when the accessibility library the program loads at start is
// there; without it the page windows cannot be asked for their document.
bool HasAccessibilityLibrary();

// The address and title of the document that documentWindow hosts.
bool ReadDocumentPage(HWND documentWindow, PageInfo* page);
// Opens url from the document that documentWindow hosts: in a new window
// ("_blank") when newTab is set, else in the page itself ("_self"); the
// window opened gets the focus. False when the document was not reached.
bool OpenFromDocument(HWND documentWindow, const std::string& url, bool newTab);

// The address and title of the browser whose main window is frame, read
// through the companion library's running-object entry.
bool ReadCompanionPage(HWND frame, PageInfo* page);
// Navigates that browser to url (flags 1, a new window, when newTab is
// set). False when no entry answers the web-browser interface.
bool NavigateByCompanion(HWND frame, const std::string& url, bool newTab);

}  // namespace browser
