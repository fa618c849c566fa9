// Texts of the main window through the real program: the user's names
// drawn with their "&" as typed, and Ctrl+A in the advanced search's
// "Search for:" box selecting its text as it does in the Find box.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;
using e2e::SetStringValue;

constexpr char kCategory[] = "Hobbies & <Fun> \"Q\"";
constexpr char kSubcategory[] = "World & Co";
constexpr char kBrowser[] = "Fox & Co";

void Command(HWND main, int id) { SendMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }

// The sample list with one text replaced (the first occurrence).
std::string SampleWith(const std::string& from, const std::string& to) {
  std::string bytes = e2e::SampleListBytes();
  size_t at = bytes.find(from);
  if (at != std::string::npos) bytes.replace(at, from.size(), to);
  return bytes;
}

// One browser, the default, whose name the status line shows.
void WriteDefaultBrowser(const std::string& name) {
  HKEY row;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Browsers\\0").c_str(), 0,
                      nullptr, 0, KEY_WRITE, nullptr, &row, nullptr) != ERROR_SUCCESS)
    return;
  SetStringValue(row, "", name);
  SetStringValue(row, "Path", "C:\\nowhere\\fox.exe");
  RegCloseKey(row);
  HKEY table;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Browsers").c_str(), 0,
                      nullptr, 0, KEY_WRITE, nullptr, &table, nullptr) != ERROR_SUCCESS)
    return;
  DWORD index = 0;
  RegSetValueExA(table, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index), sizeof index);
  RegCloseKey(table);
}

// Chooses the line showing text in a column, as a click would.
bool Choose(HWND main, int id, const std::string& text) {
  std::vector<std::string> lines = e2e::ListBoxLines(main, id);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != text) continue;
    e2e::ChooseListLine(main, id, static_cast<int>(i));
    return true;
  }
  return false;
}

class MainWindowTexts : public e2e::FreshSettingsTest {
 protected:
  void TearDown() override {
    program_.Stop();
    FreshSettingsTest::TearDown();
  }
  // Starts the program on the list "<name>.bkl" of these bytes (the sample
  // list when empty); the list outlives the program.
  HWND Start(const std::string& name, const std::string& bytes = "") {
    list_ = bytes.empty() ? std::make_unique<e2e::TempList>(name)
                          : std::make_unique<e2e::TempList>(name, bytes);
    if (!list_->Written() || !program_.Start(e2e::VelloxExePath(), "\"" + list_->Path() + "\""))
      return nullptr;
    return e2e::WaitForMainWith(program_.Id(), IDC_SEARCH_TEXT);
  }
  HWND SwitchMode(HWND main, int command, int idOfMode) {
    Command(main, command);
    return e2e::WaitForMainWith(program_.Id(), idOfMode, main);
  }
  std::unique_ptr<e2e::TempList> list_;
  e2e::VelloxProcess program_;
};

// A static control shows "&" as itself only with SS_NOPREFIX; without it
// "&" underlines the next character and vanishes.
void ExpectShownAsTyped(HWND window, int id, const std::string& name) {
  HWND control = GetDlgItem(window, id);
  ASSERT_NE(control, nullptr) << id;
  std::string shown = e2e::ControlText(window, id);
  EXPECT_NE(shown.find(name), std::string::npos) << id << ": " << shown;
  EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX) << id << ": " << shown;
}

TEST_F(MainWindowTexts, NamesWithAmpersandShowAsTyped) {
  std::string bytes = SampleWith("\t\tNews\t", std::string("\t\t") + kCategory + "\t");
  size_t world = bytes.find("\t\tWorld News\r\n");
  ASSERT_NE(world, std::string::npos);
  bytes.replace(world, 14, std::string("\t\t") + kSubcategory + "\r\n");
  WriteDefaultBrowser(kBrowser);
  HWND regular = Start("E2E Ampersands", bytes);
  ASSERT_NE(regular, nullptr);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        return e2e::ControlText(regular, IDC_STATUS_LINE).find(kBrowser) != std::string::npos;
      },
      e2e::kWindowTimeout));
  ExpectShownAsTyped(regular, IDC_STATUS_LINE, kBrowser);

  ASSERT_TRUE(Choose(regular, IDC_CATEGORY_LIST, kCategory));
  ASSERT_TRUE(Choose(regular, IDC_SUBCATEGORY_LIST, kSubcategory));
  HWND compact = SwitchMode(regular, ID_CMD_MODE_COMPACT, IDC_CATEGORY_PICKER);
  ASSERT_NE(compact, nullptr);
  ExpectShownAsTyped(compact, IDC_CATEGORY_TITLE, kCategory);
  ExpectShownAsTyped(compact, IDC_SUBCATEGORY_TITLE, kSubcategory);
}

TEST_F(MainWindowTexts, CtrlASelectsTheAdvancedSearchText) {
  HWND main = Start("E2E Select All");
  ASSERT_NE(main, nullptr);
  Command(main, ID_CMD_ADVANCED_SEARCH);
  HWND search = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        for (HWND w : e2e::TopLevelWindows(program_.Id(), "#32770"))
          if (GetDlgItem(w, IDC_SEARCH_FOR) && IsWindowVisible(w)) search = w;
        return search != nullptr;
      },
      e2e::kWindowTimeout));
  HWND box = GetDlgItem(search, IDC_SEARCH_FOR);
  const std::string text = "hacker news";
  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SetForegroundWindow(search);
  SendMessageA(search, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
  SendMessageA(box, EM_SETSEL, 3, 3);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == search; }, e2e::kWindowTimeout));

  INPUT keys[4] = {};
  const WORD sequence[4] = {VK_CONTROL, 'A', 'A', VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
  const LRESULT whole = MAKELRESULT(0, text.size());
  EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(box, EM_GETSEL, 0, 0) == whole; },
                             e2e::kWindowTimeout))
      << "selection " << LOWORD(SendMessageA(box, EM_GETSEL, 0, 0)) << "-"
      << HIWORD(SendMessageA(box, EM_GETSEL, 0, 0));
  EXPECT_EQ(e2e::ControlText(search, IDC_SEARCH_FOR), text);
}

}  // namespace
