#include "exchange/copy_as_win.h"

#include <string>

#include "exchange/copy_formats.h"
#include "util/clipboard_win.h"

bool CopyAs(BookmarkList& list, uint16_t selected, int command, HWND owner) {
  std::string text;
  if (!BuildCopyText(list, command, selected, &text)) return false;
  if (!SetClipboardText(CF_TEXT, text.c_str(), text.size() + 1, owner, true)) return false;
  if (!IsHtmlCopyCommand(command)) return true;
  UINT htmlFormat = RegisterClipboardFormatA("HTML Format");
  std::string block = WrapClipboardHtml(text);
  return htmlFormat != 0 &&
         SetClipboardText(htmlFormat, block.c_str(), block.size() + 1, owner, false);
}
