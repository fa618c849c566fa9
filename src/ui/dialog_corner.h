// Where the program's small fixed-size dialogs stand: only their top-left
// corner is kept in the settings, since their size never changes.
#pragma once

#include <windows.h>

#include "util/rect.h"

// Moves the dialog to the stored corner; with nothing stored (an empty
// rectangle) it is centred over its owner. The dialog keeps its size, its
// place in the z-order and the activation it had.
void PlaceAtStoredCorner(HWND dialog, const Rect& stored);

// The dialog's screen rectangle in the form the settings keep.
Rect StoredRectOf(HWND dialog);
