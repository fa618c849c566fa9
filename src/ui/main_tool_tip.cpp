#include "ui/main_tool_tip.h"

#include <commctrl.h>

#include "resources/resource.h"

namespace {

constexpr int kAutomaticDelay = 350;

// Buttons whose tip is their string-table text of the same id.
constexpr int kTippedButtons[] = {IDC_OPEN,   IDC_FETCH,   IDC_NOTES,
                                  IDC_SEARCH, IDC_EXPLORE, IDC_LAST_VISIT};

std::string TableText(int id) {
  char text[512] = {};
  int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text, sizeof text);
  return length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
}

}  // namespace

void MainToolTip::Create(HWND mainWindow, bool compact) {
  main_ = mainWindow;
  compact_ = compact;
  tip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, mainWindow, nullptr,
                             GetModuleHandleA(nullptr), nullptr));
  HWND tip = tip_.Get();
  if (!tip) return;
  SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(kAutomaticDelay, 0));
  // Long addresses and help texts wrap instead of running off the screen.
  SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 400);
  for (int id : kTippedButtons) {
    if (!GetDlgItem(mainWindow, id)) continue;
    AddTool(id, id == IDC_OPEN && compact ? std::string() : TableText(id));
  }
  SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
}

void MainToolTip::AddTool(int controlId, const std::string& text) {
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = main_;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(main_, controlId));
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainToolTip::SetOpenTip(const std::string& address) {
  if (!tip_.IsValid() || !compact_ || address == openText_) return;
  openText_ = address;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = main_;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(main_, IDC_OPEN));
  tool.lpszText = const_cast<char*>(openText_.c_str());
  SendMessageA(tip_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}
