// Menus rebuilt for the moment they are shown: the Edit menu's "Move
// marked" and "Alias marked" / "Duplicate Marked" submenus, and a
// column's context menu (102) trimmed for one right-click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "view/marked_menus.h"

// Empties the two submenus that follow "Ma&rk found" in edit and fills
// them with the entries (move: moveBase + level, alias: aliasBase +
// level); the second is retitled, and both are greyed when empty.
void FillMarkedSubmenus(HMENU edit, const MarkedMenus& menus);

// Applies a plan to the popup of menu 102: removes its items (the "&Copy
// as" popup stands for ID_CMD_COPY_URL), relabels and renumbers the mark,
// move and alias items (moveId/aliasId 0: no transfer), makes "Open &with"
// a submenu of browsers when asked and drops separators left over.
void ApplyContextMenuPlan(HMENU menu, const ContextMenuPlan& plan, int moveId, int aliasId,
                          const std::vector<std::string>& browserNames);
