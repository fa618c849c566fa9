// The browser topics over the DDE layer: the pages a browser shows, its
// DDE window ids, and which of them is a given window on the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "browser/dde_client_win.h"
#include "browser/dde_topics.h"

namespace browser {

// "WWW_GetWindowInfo" for windowId (-1: the last active window) from the
// browser with this DDE service, on the open conversation slot, or on one
// of its own when slot is -1. False when nobody answered.
bool DdeGetWindowInfo(DdeClient& dde, const std::string& service, long windowId, int slot,
                      PageInfo* page);

// "WWW_ListWindows": the browser's window ids, and the slot of the
// conversation, which the caller terminates (-1 when none was opened).
std::vector<int32_t> DdeListWindows(DdeClient& dde, const std::string& service, int* slot);

// The DDE id of the browser window whose title matches window's caption
// over the shorter of the two, or -1.
long FindDdeWindowId(DdeClient& dde, const std::string& service, HWND window);

// The pages a DDE browser shows, one per window id; the single last active
// page (id -1) when the browser lists no windows. Pages without a title
// are left out.
struct DdePage {
  long windowId = -1;
  PageInfo page;
};
std::vector<DdePage> DdeOpenPages(DdeClient& dde, const std::string& service);

}  // namespace browser
