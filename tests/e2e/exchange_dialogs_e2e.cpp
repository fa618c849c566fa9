// File > Import and File > Export through the real program: a Netscape file
// into a new list and a places database into the open one, a missing file
// refused; a list written through a template, a destination without a
// folder refused, and the template's last path offered again.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "support/places_fixture.h"
#include "vellox_process.h"

namespace {

constexpr char kImportCaption[] = "Import Bookmark Collection";
constexpr char kExportCaption[] = "Export Bookmark List";
constexpr int kFirefoxRow = 1;
constexpr int kNetscapeRow = 2;

using e2e::Answer;
using e2e::ControlText;
using e2e::ListBoxLines;

class ExchangeDialogsTest : public e2e::FreshSettingsTest {};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void SetControlText(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Opens a dialog of the main window by its command.
HWND OpenDialog(DWORD pid, HWND main, int command, const char* caption) {
  PostMessageA(main, WM_COMMAND, command, 0);
  return e2e::WaitForDialogWithButton(pid, caption, IDOK);
}

void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

TEST_F(ExchangeDialogsTest, ImportsIntoANewListAndIntoTheOpenOne) {
  e2e::TempList base("E2E Import Base");
  ASSERT_TRUE(base.Written());
  const std::string html = e2e::TempFolder() + "e2e_import.html";
  {
    std::ofstream out(html, std::ios::binary);
    out << "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>E2E Netscape Folder</H3>\n"
           "<DL><p>\n<DT><A HREF=\"http://netscape.example/\">Netscape link</A>\n</DL><p>\n"
           "</DL><p>\n";
  }
  const std::string places = e2e::TempFolder() + "e2e_places.sqlite";
  DeleteFileA(places.c_str());
  {
    placestest::PlacesFixture db(places, placestest::Schema::kCurrent);
    int64_t folder = db.Folder(placestest::kMenu, "E2E Places Folder");
    db.Bookmark(folder, "Places link", "http://places.example/");
    db.Close();
  }
  const std::string newList = e2e::TempFolder() + "E2E Imported.bkl";
  DeleteFileA(newList.c_str());

  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + base.Path() + "\""));
  HWND main = e2e::WaitForMainTitled(program.Id(), "E2E Import Base - Vellox");
  ASSERT_NE(main, nullptr);

  // A Netscape file into a new list: the row proposes its list name, a
  // missing file is refused with 10026 and the dialog stays.
  HWND dialog = OpenDialog(program.Id(), main, ID_CMD_IMPORT, kImportCaption);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsChecked(dialog, IDC_APPEND_TO_LIST)) << "a list is open";
  e2e::ChooseComboEntry(dialog, IDC_IMPORT_SOURCE, kNetscapeRow);
  const std::string proposed = ControlText(dialog, IDC_NEW_LIST_PATH);
  EXPECT_NE(proposed.find("Netscape bookmarks.bkl"), std::string::npos) << proposed;
  SetControlText(dialog, IDC_EXCHANGE_PATH, e2e::TempFolder() + "no such file.html");
  Press(dialog, IDOK);
  EXPECT_TRUE(Answer(program.Id(), "File Error", IDOK));
  ASSERT_TRUE(IsWindow(dialog));
  SetControlText(dialog, IDC_EXCHANGE_PATH, html);
  SendMessageA(GetDlgItem(dialog, IDC_SAVE_AS_NEW_LIST), BM_CLICK, 0, 0);
  SetControlText(dialog, IDC_NEW_LIST_PATH, e2e::TempFolder() + "E2E Imported");
  ASSERT_TRUE(Answer(program.Id(), kImportCaption, IDOK));
  ASSERT_NE(e2e::WaitForMainTitled(program.Id(), "E2E Imported - Vellox"), nullptr);
  // A new list starts with its SmartFolders.
  EXPECT_EQ(ListBoxLines(main, IDC_CATEGORY_LIST),
            (std::vector<std::string>{"SmartFolders", "E2E Netscape Folder"}));

  // A places database into the open (new) list: appended after what it
  // holds, and the list is changed.
  dialog = OpenDialog(program.Id(), main, ID_CMD_IMPORT, kImportCaption);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsChecked(dialog, IDC_APPEND_TO_LIST));
  e2e::ChooseComboEntry(dialog, IDC_IMPORT_SOURCE, kFirefoxRow);
  SetControlText(dialog, IDC_EXCHANGE_PATH, places);
  ASSERT_TRUE(Answer(program.Id(), kImportCaption, IDOK));
  EXPECT_EQ(ListBoxLines(main, IDC_CATEGORY_LIST),
            (std::vector<std::string>{"SmartFolders", "E2E Netscape Folder", "E2E Places Folder"}));
  const std::string status = ControlText(main, IDC_STATUS_LINE);
  EXPECT_NE(status.find("*"), std::string::npos) << status;

  // The new list was saved with what came in when the program ends.
  program.Stop();
  const std::string saved = ReadAll(newList);
  EXPECT_NE(saved.find("http://netscape.example/"), std::string::npos);
  EXPECT_NE(saved.find("http://places.example/"), std::string::npos);
  DeleteFileA(html.c_str());
  DeleteFileA(places.c_str());
  DeleteFileA(newList.c_str());
}

TEST_F(ExchangeDialogsTest, WritesThroughATemplateAndRefusesABareFileName) {
  // A template of the program's folder, listed first by its file name.
  const std::string templates = e2e::ProgramFolder() + "Templates";
  const bool madeFolder = CreateDirectoryA(templates.c_str(), nullptr) != 0;
  const std::string templatePath = templates + "\\0_e2e_lines.txt";
  {
    std::ofstream out(templatePath, std::ios::binary);
    out << "<vx:document name=\"E2E lines\" filename=\"lines.txt\" extension=\"lst\" "
           "format=\"plain\" id=\"e2elines\">\n"
           "<vx:start>BEGIN\n</vx:start>\n<vx:end>END\n</vx:end>\n</vx:document>\n"
           "<vx:section level=\"1\"><vx:start>C <vx:title/>\n</vx:start></vx:section>\n"
           "<vx:section level=\"2\"><vx:start>S <vx:title/>\n</vx:start></vx:section>\n"
           "<vx:section level=\"3\"><vx:start>B <vx:title/>\n</vx:start></vx:section>\n";
  }
  e2e::TempList list("E2E Export Source");
  ASSERT_TRUE(list.Written());
  const std::string output = e2e::TempFolder() + "e2e_export.lst";
  DeleteFileA(output.c_str());

  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = e2e::WaitForMainTitled(program.Id(), "E2E Export Source - Vellox");
  ASSERT_NE(main, nullptr);

  HWND dialog = OpenDialog(program.Id(), main, ID_CMD_EXPORT, kExportCaption);
  ASSERT_NE(dialog, nullptr);
  // Nothing used yet: the favorites folder format is chosen.
  EXPECT_TRUE(IsChecked(dialog, IDC_EXPORT_FAVORITES));
  EXPECT_TRUE(IsChecked(dialog, IDC_EXCLUDE_SMART));
  e2e::ChooseComboEntry(dialog, IDC_TEMPLATE, 0);
  EXPECT_TRUE(IsChecked(dialog, IDC_USE_TEMPLATE));
  SetControlText(dialog, IDC_EXCHANGE_PATH, "e2e_export.lst");
  Press(dialog, IDOK);
  EXPECT_TRUE(Answer(program.Id(), "Information Missing", IDOK));
  ASSERT_TRUE(IsWindow(dialog));
  SetControlText(dialog, IDC_EXCHANGE_PATH, output);
  Press(dialog, IDOK);
  EXPECT_TRUE(Answer(program.Id(), "Export Finished", IDNO));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(dialog); }, e2e::kWindowTimeout));

  // The sample list's categories but the SmartFolders, between the
  // document's pieces.
  const std::string written = ReadAll(output);
  ASSERT_GE(written.size(), 4u);
  EXPECT_EQ(written.rfind("BEGIN\nC News\nS ", 0), 0u) << written;
  EXPECT_EQ(written.substr(written.size() - 4), "END\n");
  EXPECT_EQ(written.find("SmartFolders"), std::string::npos) << written;
  EXPECT_NE(written.find("\nC Everyday Tools\n"), std::string::npos) << written;

  // Opened again, the dialog comes back to the template with its path.
  dialog = OpenDialog(program.Id(), main, ID_CMD_EXPORT, kExportCaption);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsChecked(dialog, IDC_USE_TEMPLATE));
  EXPECT_EQ(ControlText(dialog, IDC_EXCHANGE_PATH), output);
  EXPECT_TRUE(Answer(program.Id(), kExportCaption, IDCANCEL));
  program.Stop();
  DeleteFileA(output.c_str());
  DeleteFileA(templatePath.c_str());
  if (madeFolder) RemoveDirectoryA(templates.c_str());
}

}  // namespace
