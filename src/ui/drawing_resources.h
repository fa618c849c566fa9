// The shared drawing resources of the presentation settings: brushes,
// bitmaps and the list font, created at start-up and deleted at exit.
#pragma once

#include "settings/settings.h"

void CreateSharedDrawingResources(const Settings& settings);
void DeleteSharedDrawingResources();
