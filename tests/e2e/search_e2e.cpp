// Searching through the real program: typing in the search box, the
// status line, the colours of the columns, Find Next, "Mark found", and a
// preset of the advanced search kept across a restart.
// windows.h comes first: commctrl.h needs its types.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 20000;
// The first entry of the List View's "&Show" drop-down.
constexpr LRESULT kSearchResultsEntry = 0;

using e2e::ControlText;
using e2e::SampleListSource;
using e2e::SelectedLine;

// The sample list's bytes with every word replaced by replacement.
std::string SampleWithReplaced(const std::string& word, const std::string& replacement) {
  std::string text = e2e::SampleListBytes();
  for (size_t at = 0; !word.empty() && (at = text.find(word, at)) != std::string::npos;
       at += replacement.size())
    text.replace(at, word.size(), replacement);
  return text;
}

// A copy of the sample list in the temporary folder, removed afterwards;
// optionally with a word of its texts replaced by another.
class SampleList : public e2e::TempList {
 public:
  explicit SampleList(const std::string& name = "E2E Search", const std::string& word = "",
                      const std::string& replacement = "")
      : TempList(name, SampleWithReplaced(word, replacement)) {}
};

int LineOf(HWND dialog, int id, const char* text) {
  std::wstring wide(text, text + strlen(text));
  return static_cast<int>(SendMessageW(GetDlgItem(dialog, id), LB_FINDSTRINGEXACT,
                                       static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(wide.c_str())));
}

// The darkest channel value of a list box line as it is on the screen:
// black text reads near 0, text in colour 7 (178, 178, 178) not below it.
int DarkestOfLine(HWND box, int line) {
  RECT client = {};
  GetClientRect(box, &client);
  int height = static_cast<int>(SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
  int top = static_cast<int>(SendMessageA(box, LB_GETTOPINDEX, 0, 0));
  POINT origin = {0, (line - top) * height};
  ClientToScreen(box, &origin);
  int width = client.right;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  int darkest = 255;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = GetPixel(memory, x, y);
      darkest = std::min({darkest, static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)),
                          static_cast<int>(GetBValue(c))});
    }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return darkest;
}

HWND StartOn(e2e::VelloxProcess& program, const std::string& arguments) {
  if (!program.Start(e2e::VelloxExePath(), arguments)) return nullptr;
  return e2e::WaitForMainTitled(program.Id(), "E2E Search - Vellox");
}

bool StatusStartsWith(HWND main, const std::string& prefix) {
  return ControlText(main, IDC_STATUS_LINE).rfind(prefix, 0) == 0;
}

std::vector<std::string> ComboTexts(HWND combo) {
  std::vector<std::string> texts;
  int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t wide[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 256)
      SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    texts.push_back(text);
  }
  return texts;
}

class SearchTest : public e2e::FreshSettingsTest {};

// "weather" is in NOAA's notes (Science and Learning > Space and Earth), in
// the subcategory "Weather and Time" and in "National Weather Service"
// (Everyday Tools).
TEST_F(SearchTest, TypingHighlightsMatchesAndFindNextStepsThroughThem) {
  SampleList list;
  ASSERT_TRUE(list.Written()) << SampleListSource();
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(main, nullptr);
  HWND categories = GetDlgItem(main, IDC_CATEGORY_LIST);
  const int news = LineOf(main, IDC_CATEGORY_LIST, "News");
  const int tools = LineOf(main, IDC_CATEGORY_LIST, "Everyday Tools");
  ASSERT_GE(news, 0);
  ASSERT_GE(tools, 0);
  // Before any search every category is drawn in the text colour.
  ASSERT_TRUE(e2e::WaitUntil([&] { return DarkestOfLine(categories, news) < 100; }, kTimeout));

  // Typing: the search runs once the typing pauses.
  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weath");
  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weather");
  ASSERT_TRUE(e2e::WaitUntil([&] { return StatusStartsWith(main, "Matches found: "); }, kTimeout))
      << ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE), "Matches found: 3 (including 2 unique bookmarks)");
  // The first match is selected.
  EXPECT_EQ(SelectedLine(main, IDC_CATEGORY_LIST), "Science and Learning");
  EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "NOAA");
  // A category without a match is greyed, one holding a match is not.
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        return DarkestOfLine(categories, news) >= 170 && DarkestOfLine(categories, tools) < 100;
      },
      kTimeout))
      << DarkestOfLine(categories, news) << " " << DarkestOfLine(categories, tools);

  // F3: the subcategory, then the bookmark of Everyday Tools.
  SendMessageA(main, WM_COMMAND, ID_CMD_FIND_NEXT, 0);
  EXPECT_EQ(SelectedLine(main, IDC_CATEGORY_LIST), "Everyday Tools");
  EXPECT_EQ(SelectedLine(main, IDC_SUBCATEGORY_LIST), "Weather and Time");
  EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "");
  SendMessageA(main, WM_COMMAND, ID_CMD_FIND_NEXT, 0);
  EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "National Weather Service");
  // Past the last match there is no other list to go on with: it stays.
  SendMessageA(main, WM_COMMAND, ID_CMD_FIND_NEXT, 0);
  EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "National Weather Service");
  // Shift+F3 goes back.
  SendMessageA(main, WM_COMMAND, ID_CMD_FIND_PREVIOUS, 0);
  EXPECT_EQ(SelectedLine(main, IDC_SUBCATEGORY_LIST), "Weather and Time");
  EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "");

  // Ctrl+F hides the results (the list's own status comes back) and shows
  // them again.
  SendMessageA(main, WM_COMMAND, ID_CMD_SEARCH, 0);
  EXPECT_TRUE(StatusStartsWith(main, "List ")) << ControlText(main, IDC_STATUS_LINE);
  SendMessageA(main, WM_COMMAND, ID_CMD_SEARCH, 0);
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE), "Matches found: 3 (including 2 unique bookmarks)");
  program.Stop();
}

// A mode switch that rebuilds the window while a typed search waits for the
// pause (the switch is posted, so it comes before the pause's timer): the
// program goes on, and typing in the new window searches once it pauses.
TEST_F(SearchTest, TheTypingPauseGoesWithItsWindowAndRunsInTheRebuiltOne) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  HWND regular = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(regular, nullptr);
  SetWindowTextA(GetDlgItem(regular, IDC_SEARCH_TEXT), "weather");
  PostMessageA(regular, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = e2e::WaitForMainWith(program.Id(), IDC_CATEGORY_PICKER, regular);
  ASSERT_NE(compact, nullptr);

  SetWindowTextA(GetDlgItem(compact, IDC_SEARCH_TEXT), "weather");
  // The first match is selected once the typing pauses.
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return SelectedLine(compact, IDC_BOOKMARK_LIST) == "NOAA"; }, kTimeout))
      << SelectedLine(compact, IDC_BOOKMARK_LIST);
  EXPECT_EQ(ControlText(compact, IDC_SEARCH), "Search");
  EXPECT_EQ(e2e::MainWindowOf(program.Id()), compact);
  program.Stop();
}

TEST_F(SearchTest, MarkFoundMarksTheMatchesAndTheirContainers) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(main, nullptr);
  // Not before results are shown.
  SendMessageA(main, WM_COMMAND, ID_CMD_MARK_FOUND, 0);
  EXPECT_FALSE(StatusStartsWith(main, "Items marked: "));

  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weather");
  SendMessageA(main, WM_COMMAND, IDOK, 0);  // Enter: no waiting for the pause
  ASSERT_TRUE(e2e::WaitUntil([&] { return StatusStartsWith(main, "Matches found: 3"); }, kTimeout))
      << ControlText(main, IDC_STATUS_LINE);
  SendMessageA(main, WM_COMMAND, ID_CMD_MARK_FOUND, 0);
  // The two categories and two subcategories on the way; NOAA, National
  // Weather Service and the rest of "Weather and Time" (marked with it).
  const std::string status = ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(status.rfind("Items marked: 2 categories, 2 subcategories, ", 0), 0u) << status;
  EXPECT_EQ(status.find("1 bookmark"), std::string::npos) << status;
  program.Stop();
}

// The advanced dialog, opened by a right-click on the Search button: each
// change searches with its options once the user pauses.
TEST_F(SearchTest, TheAdvancedOptionsSearchAsTheyChange) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(main, nullptr);
  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weather");
  PostMessageA(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDlgItem(main, IDC_SEARCH)),
               MAKELPARAM(10, 10));
  HWND dialog = e2e::WaitForWindow(program.Id(), "Search Bookmark List");
  ASSERT_NE(dialog, nullptr);
  // The main window's text is taken over.
  EXPECT_EQ(ControlText(dialog, IDC_SEARCH_FOR), "weather");
  // Titles only: NOAA has the word only in its notes and tags.
  for (int id : {IDC_IN_NOTES, IDC_IN_KEYWORDS, IDC_IN_ADDRESSES})
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        return ControlText(main, IDC_STATUS_LINE) ==
               "Matches found: 2 (including 1 unique bookmark)";
      },
      kTimeout))
      << ControlText(main, IDC_STATUS_LINE);
  // "as a list": the List View shows the search results.
  SendMessageA(GetDlgItem(dialog, IDC_SHOW_AS_LIST), BM_CLICK, 0, 0);
  HWND listView = e2e::WaitForWindow(program.Id(), "List View");
  ASSERT_NE(listView, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(listView, IDC_VIEW_SHOW), CB_GETCURSEL, 0, 0),
            kSearchResultsEntry);
  EXPECT_GT(SendMessageA(GetDlgItem(listView, IDC_VIEW_TABLE), LVM_GETITEMCOUNT, 0, 0), 0);
  // Choosing a status ticks its filter: no bookmark of the sample list has
  // been found missing.
  e2e::ChooseComboEntry(dialog, IDC_STATUS_VALUE, 5);
  EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_STATUS_FILTER), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return StatusStartsWith(main, "Matches found: none"); }, kTimeout))
      << ControlText(main, IDC_STATUS_LINE);
  // Ctrl+F right after a change in the dialog searches with the dialog's
  // options at once (the main window's own would find NOAA by its notes).
  SendMessageA(GetDlgItem(dialog, IDC_STATUS_FILTER), BM_CLICK, 0, 0);
  SendMessageA(main, WM_COMMAND, ID_CMD_SEARCH, 0);
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE), "Matches found: 2 (including 1 unique bookmark)");
  // "&Close" hides it.
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(IsWindowVisible(dialog));
  program.Stop();
}

// With "Search each list until a match is found", Find Next goes on in the
// other list when the one shown has no match; switching back by hand runs
// the search again there.
TEST_F(SearchTest, FindNextGoesOnIntoTheOtherListAndSwitchingSearchesAgain) {
  SampleList first;
  SampleList second("E2E Search Other", "eather", "ind");
  ASSERT_TRUE(first.Written());
  ASSERT_TRUE(second.Written());
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + first.Path() + "\"");
  ASSERT_NE(main, nullptr);
  // The second list is handed over by a second start: it becomes the
  // current list and the second entry of the List menu.
  e2e::VelloxProcess handOver;
  ASSERT_TRUE(handOver.Start(e2e::VelloxExePath(), "\"" + second.Path() + "\""));
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WindowTitle(main) == "E2E Search Other - Vellox"; },
                             kTimeout));
  handOver.WaitForExit(kTimeout);

  PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
  HWND dialog = e2e::WaitForWindow(program.Id(), "Search Bookmark List");
  ASSERT_NE(dialog, nullptr);
  SendMessageA(GetDlgItem(dialog, IDC_SEARCH_ALL_LISTS), BM_CLICK, 0, 0);
  SetDlgItemTextA(dialog, IDC_SEARCH_FOR, "weather");
  // Typing never opens other lists: nothing here.
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return StatusStartsWith(main, "Matches found: none"); }, kTimeout))
      << ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(e2e::WindowTitle(main), "E2E Search Other - Vellox");

  SendMessageA(main, WM_COMMAND, ID_CMD_FIND_NEXT, 0);
  EXPECT_EQ(e2e::WindowTitle(main), "E2E Search - Vellox");
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE), "Matches found: 3 (including 2 unique bookmarks)");
  EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "NOAA");

  // Back to the other list by hand (Ctrl+2): the search runs there again.
  SendMessageA(main, WM_COMMAND, ID_CMD_LIST_BASE + 1, 0);
  EXPECT_EQ(e2e::WindowTitle(main), "E2E Search Other - Vellox");
  EXPECT_TRUE(StatusStartsWith(main, "Matches found: none")) << ControlText(main, IDC_STATUS_LINE);

  // Looking through the other list in vain changes nothing: Ctrl+Tab
  // still goes back to the list shown before.
  SetDlgItemTextA(dialog, IDC_SEARCH_FOR, "no such words anywhere");
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return StatusStartsWith(main, "Matches found: none"); }, kTimeout));
  SendMessageA(main, WM_COMMAND, ID_CMD_FIND_NEXT, 0);
  EXPECT_EQ(e2e::WindowTitle(main), "E2E Search Other - Vellox");
  SendMessageA(main, WM_COMMAND, ID_CMD_PREVIOUS_LIST, 0);
  EXPECT_EQ(e2e::WindowTitle(main), "E2E Search - Vellox");
  program.Stop();
}

// Enter after the typing pause has shown the results is the explicit
// search the typing was not: with Auto-open the one bookmark found is
// chosen (the first match is its subcategory). The Search button keeps
// its toggle. "archive" is in "Books and Archives" and Internet Archive.
TEST_F(SearchTest, EnterAfterATypedSearchSearchesExplicitlyAndCtrlFStillToggles) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::UseProgramPeerAsBrowser();
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(main, nullptr);
  SendMessageA(main, WM_COMMAND, ID_CMD_AUTO_OPEN, 0);
  // The auto-open comes last: the visit it records and the minimizing
  // after it would change what the other case finds.
  const struct {
    int command;  // after the typing pause
    const char* status;
    const char* bookmark;
  } cases[] = {
      {ID_CMD_SEARCH, "List ", ""},
      {IDOK, "Matches found: ", "Internet Archive"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "archiv");
    SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "archive");
    // The search box's change made the search pending at once; the pause
    // has run it when the button reads "Search" again.
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          return ControlText(main, IDC_SEARCH) == "Search" &&
                 StatusStartsWith(main, "Matches found: ") &&
                 SelectedLine(main, IDC_SUBCATEGORY_LIST) == "Books and Archives";
        },
        kTimeout))
        << ControlText(main, IDC_STATUS_LINE);
    ASSERT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), "");
    SendMessageA(main, WM_COMMAND, c.command, 0);
    EXPECT_TRUE(StatusStartsWith(main, c.status)) << ControlText(main, IDC_STATUS_LINE);
    EXPECT_EQ(SelectedLine(main, IDC_BOOKMARK_LIST), c.bookmark);
  }
  program.Stop();
}

// The advanced dialog's Search button searches with the dialog's options
// when the results shown came from others (here the search box's, typed
// after "as a list" was chosen); on results of its own it hides and shows
// them, as the main window's button does.
TEST_F(SearchTest, TheAdvancedSearchButtonSearchesWithTheDialogsOptions) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(main, nullptr);
  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weather");
  PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
  HWND dialog = e2e::WaitForWindow(program.Id(), "Search Bookmark List");
  ASSERT_NE(dialog, nullptr);
  SendMessageA(GetDlgItem(dialog, IDC_SHOW_AS_LIST), BM_CLICK, 0, 0);
  HWND listView = e2e::WaitForWindow(program.Id(), "List View");
  ASSERT_NE(listView, nullptr);
  SendMessageA(listView, WM_COMMAND, IDCANCEL, 0);
  ASSERT_FALSE(IsWindowVisible(listView));

  // Typed in the search box: its own options, shown by highlighting.
  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weathe");
  SetWindowTextA(GetDlgItem(main, IDC_SEARCH_TEXT), "weather");
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        return ControlText(main, IDC_STATUS_LINE) ==
               "Matches found: 3 (including 2 unique bookmarks)";
      },
      kTimeout))
      << ControlText(main, IDC_STATUS_LINE);
  EXPECT_FALSE(IsWindowVisible(listView));

  const struct {
    bool listShown;
    const char* status;
  } presses[] = {{true, "Matches found: "}, {false, "List "}, {true, "Matches found: "}};
  for (const auto& press : presses) {
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(StatusStartsWith(main, press.status)) << ControlText(main, IDC_STATUS_LINE);
    if (press.listShown) {
      EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(listView) != FALSE; }, kTimeout));
      EXPECT_EQ(SendMessageA(GetDlgItem(listView, IDC_VIEW_SHOW), CB_GETCURSEL, 0, 0),
                kSearchResultsEntry);
    }
  }
  program.Stop();
}

TEST_F(SearchTest, APresetSavedInTheDialogSurvivesARestart) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  {
    e2e::VelloxProcess program;
    HWND main = StartOn(program, "\"" + list.Path() + "\"");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
    HWND dialog = e2e::WaitForWindow(program.Id(), "Search Bookmark List");
    ASSERT_NE(dialog, nullptr);
    HWND presets = GetDlgItem(dialog, IDC_PRESET);
    ASSERT_EQ(ComboTexts(presets).size(), 2u);

    // "&+" asks for the name in a modal dialog.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRESET_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PRESET_ADD)));
    HWND ask = e2e::WaitForWindow(program.Id(), "New Preset");
    ASSERT_NE(ask, nullptr);
    SetDlgItemTextA(ask, IDC_PRESET_NAME, "Whole words");
    PostMessageA(ask, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return ComboTexts(presets).size() == 3u; }, kTimeout));
    EXPECT_EQ(SendMessageA(presets, CB_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_PRESET_REMOVE)));
    // The new preset's option, stored as soon as it is ticked.
    SendMessageA(GetDlgItem(dialog, IDC_WHOLE_WORD), BM_CLICK, 0, 0);
    ASSERT_EQ(SendMessageA(GetDlgItem(dialog, IDC_WHOLE_WORD), BM_GETCHECK, 0, 0), BST_CHECKED);

    PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0);
    ASSERT_TRUE(program.WaitForExit(kTimeout));
  }
  e2e::VelloxProcess program;
  HWND main = StartOn(program, "\"" + list.Path() + "\"");
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
  HWND dialog = e2e::WaitForWindow(program.Id(), "Search Bookmark List");
  ASSERT_NE(dialog, nullptr);
  HWND presets = GetDlgItem(dialog, IDC_PRESET);
  std::vector<std::string> names = ComboTexts(presets);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[2], "Whole words");
  // The dialog opens on the first preset; preset 0 and 1 cannot be removed.
  EXPECT_EQ(SendMessageA(presets, CB_GETCURSEL, 0, 0), 0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_PRESET_REMOVE)));
  EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_WHOLE_WORD), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  e2e::ChooseComboEntry(dialog, IDC_PRESET, 2);
  EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_WHOLE_WORD), BM_GETCHECK, 0, 0), BST_CHECKED);
  program.Stop();
}

}  // namespace
