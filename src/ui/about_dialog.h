// The About box (500): the program's name and version.
#pragma once

#include <windows.h>

#include <string>

// "Version 3.9.0".
std::string AboutVersionText();
// Shows the box modally over parent.
void ShowAboutBox(HWND parent);
