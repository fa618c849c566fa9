// The class identifiers of the companion library "OrvandIE.dll": the class
// of its object, and the one under which an object sited in a browser
// window enters the running-object table, so that the program can reach
// that browser by its main window alone.
#pragma once

#include <windows.h>

namespace browser {

// The companion object's own class.
constexpr GUID kCompanionClass = {
    0x5e0c7a10, 0x3b1d, 0x4c6e, {0x9a, 0x51, 0x7d, 0x2f, 0x0b, 0x6c, 0x4e, 0x31}};

// The running-object entry of the browser whose main window is mainWindow:
// the companion class with its first 32-bit field replaced by the window
// handle (window handles fit in 32 bits on 64-bit Windows too).
inline GUID CompanionRunningClass(HWND mainWindow) {
  GUID id = kCompanionClass;
  id.Data1 = static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(mainWindow));
  return id;
}

}  // namespace browser
