// A bookmark dragged out of the main window onto a browser, a document or
// an e-mail: the data offered and the drag itself.
#pragma once

#include <windows.h>

#include <string>

// Runs the drag of a link (modal until the button is released or Esc is
// pressed), offering "HTML Format" (a link with the title as its text),
// "UniformResourceLocator" and CF_TEXT (the address). Copy and link are
// allowed; returns the effect the target chose, DROPEFFECT_NONE when it
// refused or the drag was cancelled.
DWORD DragLinkOut(const std::string& address, const std::string& title);
