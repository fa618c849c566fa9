// Drops on the real program from this process, a second one: the test's own
// data object reaches the main window's registered drop target, and the
// program reads each format from it across the process boundary as it
// would from a browser or Explorer.
//
// Wine keeps a window's drop target marshalled in the window property
// "WineMarshalledDropTarget" (a file mapping of the marshalled interface in
// the window's process), which is how its own DoDragDrop reaches a target
// in another process; the test unmarshals it the same way and calls
// DragEnter, DragOver and Drop as DoDragDrop would, without simulating the
// mouse.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: the OLE and shell headers need it.
#include <ole2.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "e2e_windows.h"
#include "platform/platform.h"
#include "platform/shell_link.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = e2e::kWindowTimeout;

using e2e::ControlText;

// A data object offering fixed bytes per clipboard format.
class TestDataObject final : public IDataObject {
 public:
  void Offer(UINT format, std::string bytes) { formats_.emplace_back(format, std::move(bytes)); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
      *object = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // The object lives on the test's stack and outlives every call.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* etc, STGMEDIUM* medium) override {
    const std::string* bytes = Find(etc);
    if (!bytes) return DV_E_FORMATETC;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes->size());
    memcpy(GlobalLock(block), bytes->data(), bytes->size());
    GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* etc) override {
    return Find(etc) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  const std::string* Find(const FORMATETC* etc) const {
    if (!(etc->tymed & TYMED_HGLOBAL)) return nullptr;
    for (const auto& [format, bytes] : formats_)
      if (format == etc->cfFormat) return &bytes;
    return nullptr;
  }
  std::vector<std::pair<UINT, std::string>> formats_;
};

std::string WithZero(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

// CF_HDROP: a DROPFILES header, then each ANSI path and its zero, then one
// more zero.
std::string FileDropBytes(const std::vector<std::string>& paths) {
  DROPFILES header = {};
  header.pFiles = sizeof header;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& path : paths) bytes += WithZero(path);
  return bytes + '\0';
}

std::string DescriptorBytes(const std::string& name) {
  FILEGROUPDESCRIPTORA group = {};
  group.cItems = 1;
  lstrcpynA(group.fgd[0].cFileName, name.c_str(), MAX_PATH);
  return std::string(reinterpret_cast<const char*>(&group), sizeof group);
}

// The drop target the program registered on window, unmarshalled here.
IDropTarget* RegisteredDropTarget(HWND window) {
  HANDLE remote = GetPropA(window, "WineMarshalledDropTarget");
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(PROCESS_DUP_HANDLE, FALSE, pid);
  HANDLE map = nullptr;
  if (!remote || !process ||
      !DuplicateHandle(process, remote, GetCurrentProcess(), &map, 0, FALSE,
                       DUPLICATE_SAME_ACCESS)) {
    if (process) CloseHandle(process);
    return nullptr;
  }
  CloseHandle(process);
  IDropTarget* target = nullptr;
  if (void* view = MapViewOfFile(map, FILE_MAP_READ, 0, 0, 0)) {
    MEMORY_BASIC_INFORMATION info = {};
    VirtualQuery(view, &info, sizeof info);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, info.RegionSize);
    memcpy(GlobalLock(block), view, info.RegionSize);
    GlobalUnlock(block);
    UnmapViewOfFile(view);
    IStream* stream = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
      CoUnmarshalInterface(stream, IID_IDropTarget, reinterpret_cast<void**>(&target));
      stream->Release();
    }
  }
  CloseHandle(map);
  return target;
}

struct DropResult {
  DWORD overEffect = DROPEFFECT_NONE;  // what DragOver answered
  DWORD dropEffect = DROPEFFECT_NONE;  // what Drop answered
};

// The drop target of a program window, reached once for all the drops on
// it.
class RemoteDropTarget {
 public:
  explicit RemoteDropTarget(HWND window) : window_(window), target_(RegisteredDropTarget(window)) {}
  ~RemoteDropTarget() {
    if (target_) target_->Release();
  }
  RemoteDropTarget(const RemoteDropTarget&) = delete;
  RemoteDropTarget& operator=(const RemoteDropTarget&) = delete;

  bool Registered() const { return target_ != nullptr; }

  // One drag over the window's middle and a drop, as DoDragDrop makes
  // them.
  DropResult Drop(IDataObject* data, DWORD keys) {
    DropResult result;
    if (!target_) return result;
    RECT r;
    GetWindowRect(window_, &r);
    POINTL at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target_->DragEnter(data, MK_LBUTTON | keys, at, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target_->DragOver(MK_LBUTTON | keys, at, &effect);
    result.overEffect = effect;
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    target_->Drop(data, keys, at, &effect);
    result.dropEffect = effect;
    return result;
  }

 private:
  HWND window_;
  IDropTarget* target_;
};

bool Pending(HWND main, const std::string& title, const std::string& address) {
  return ControlText(main, IDC_BOOKMARK_TITLE) == title &&
         ControlText(main, IDC_ADDRESS) == address &&
         IsWindowVisible(GetDlgItem(main, IDC_BOOKMARK_TITLE));
}

// A window of this process that takes drops as a browser takes a link,
// keeping the text of each format it was given.
class LinkTakingWindow final : public IDropTarget {
 public:
  explicit LinkTakingWindow(RECT place) {
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Drop here", WS_POPUP | WS_VISIBLE | WS_BORDER,
                            place.left, place.top, place.right - place.left,
                            place.bottom - place.top, nullptr, nullptr, nullptr, nullptr);
    registered_ = hwnd_ && SUCCEEDED(RegisterDragDrop(hwnd_, this));
  }
  ~LinkTakingWindow() {
    if (registered_) RevokeDragDrop(hwnd_);
    if (hwnd_) DestroyWindow(hwnd_);
  }
  LinkTakingWindow(const LinkTakingWindow&) = delete;
  LinkTakingWindow& operator=(const LinkTakingWindow&) = delete;

  bool Registered() const { return registered_; }
  bool Entered() const { return entered_; }
  bool Dropped() const { return dropped_; }
  // The text of a format given with the drop ("" when not given).
  std::string Text(UINT format) const {
    for (const auto& [f, text] : texts_)
      if (f == format) return text;
    return "";
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
      *object = static_cast<IDropTarget*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    entered_ = true;
    *effect &= DROPEFFECT_LINK;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect &= DROPEFFECT_LINK;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    for (UINT format : {static_cast<UINT>(CF_TEXT), RegisterClipboardFormatA("HTML Format"),
                        RegisterClipboardFormatA("UniformResourceLocator")}) {
      FORMATETC etc = {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1,
                       TYMED_HGLOBAL};
      STGMEDIUM medium = {};
      if (FAILED(data->GetData(&etc, &medium))) continue;
      texts_.emplace_back(format, static_cast<const char*>(GlobalLock(medium.hGlobal)));
      GlobalUnlock(medium.hGlobal);
      ReleaseStgMedium(&medium);
    }
    dropped_ = true;
    *effect &= DROPEFFECT_LINK;
    return S_OK;
  }

 private:
  HWND hwnd_ = nullptr;
  bool registered_ = false;
  bool entered_ = false;
  bool dropped_ = false;
  std::vector<std::pair<UINT, std::string>> texts_;
};

// The real mouse: moved to a point of the screen, with the left button
// pressed or released there.
bool Mouse(POINT screen, DWORD buttonFlag) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlag;
  return SendInput(1, &input, sizeof input) == 1;
}

class DragDropTest : public e2e::FreshSettingsTest {
 protected:
  void SetUp() override {
    FreshSettingsTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  }
  void TearDown() override {
    OleUninitialize();
    FreshSettingsTest::TearDown();
  }

  // The program on a copy of the sample list, in Regular mode.
  HWND Start(e2e::VelloxProcess* program, const e2e::TempList& list) {
    if (!program->Start(e2e::VelloxExePath(), "\"" + list.Path() + "\"")) return nullptr;
    return e2e::WaitForMainWith(program->Id(), IDC_CATEGORY_LIST);
  }
};

TEST_F(DragDropTest, EachDroppedFormatStartsAPendingBookmark) {
  e2e::TempList list("E2E Drop");
  ASSERT_TRUE(list.Written());
  const std::string folder = e2e::TempFolder();
  const std::string shortcut = folder + "Dropped Site.url";
  ASSERT_EQ(platform::WriteWholeFile(shortcut.c_str(),
                                     "[DEFAULT]\r\nBASEURL=x\r\n[InternetShortcut]\r\n"
                                     "URL=https://dropped.example/site\r\n"),
            0u);
  const std::string program = e2e::ProgramFolder() + "program_peer.exe";
  const std::string link = folder + "Peer Program.lnk";
  ASSERT_EQ(platform::WriteShellLink(program, link, ""), 0);
  const std::string document = folder + "First Of Three.txt";
  ASSERT_EQ(platform::WriteWholeFile(document.c_str(), "x"), 0u);

  const UINT text = CF_TEXT;
  const UINT url = RegisterClipboardFormatA("UniformResourceLocator");
  const UINT descriptor = RegisterClipboardFormatA("FileGroupDescriptor");
  const struct {
    const char* name;
    std::vector<std::pair<UINT, std::string>> formats;
    const char* title;
    std::string address;
  } cases[] = {
      {"url file",
       {{CF_HDROP, FileDropBytes({shortcut})}},
       "Dropped Site",
       "https://dropped.example/site"},
      {"shell link", {{CF_HDROP, FileDropBytes({link})}}, "Peer Program", program},
      {"three files",
       {{CF_HDROP, FileDropBytes({document, shortcut, link})}},
       "First Of Three",
       document},
      {"browser link",
       {{descriptor, DescriptorBytes("http---www.example.org-.url")},
        {text, WithZero("http://www.example.org/")},
        {url, WithZero("http://www.example.org/")}},
       "www.example.org-",
       "http://www.example.org/"},
      {"text and title",
       {{text, WithZero(" https://t.example/a\nThe Title")}},
       "The Title",
       "https://t.example/a"},
      {"address format", {{url, WithZero("ftp://files.example/")}}, "", "ftp://files.example/"},
  };

  e2e::VelloxProcess vellox;
  HWND main = Start(&vellox, list);
  ASSERT_NE(main, nullptr);
  RemoteDropTarget target(main);
  ASSERT_TRUE(target.Registered());
  for (const auto& c : cases) {
    TestDataObject data;
    for (const auto& [format, bytes] : c.formats) data.Offer(format, bytes);
    DropResult result = target.Drop(&data, 0);
    EXPECT_EQ(result.overEffect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK)) << c.name;
    EXPECT_EQ(result.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY)) << c.name;
    // Regular mode became Organize mode in the same window, the new
    // bookmark waiting in its boxes.
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
          return platform::LowerAnsiText(ControlText(main, IDC_ADDRESS)) ==
                     platform::LowerAnsiText(c.address) &&
                 Pending(main, c.title, ControlText(main, IDC_ADDRESS));
        },
        kTimeout))
        << c.name << ": " << ControlText(main, IDC_BOOKMARK_TITLE) << " / "
        << ControlText(main, IDC_ADDRESS);
  }

  // Nothing to make a bookmark of: neither shown as possible nor taken.
  TestDataObject nameOnly;
  nameOnly.Offer(descriptor, DescriptorBytes("Only a name.url"));
  DropResult refused = target.Drop(&nameOnly, 0);
  EXPECT_EQ(refused.overEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(refused.dropEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  TestDataObject blank;
  blank.Offer(text, WithZero("  \r\n"));
  EXPECT_EQ(target.Drop(&blank, 0).dropEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_TRUE(e2e::WaitForPostedMessages(vellox.Id()));
  EXPECT_EQ(ControlText(main, IDC_ADDRESS), "ftp://files.example/");

  vellox.Stop();
  for (const std::string& path : {shortcut, link, document}) DeleteFileA(path.c_str());
}

TEST_F(DragDropTest, ShiftReplacesTheAddressAndADuplicateAsksFirst) {
  e2e::TempList list("E2E Drop Shift");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess vellox;
  HWND main = Start(&vellox, list);
  ASSERT_NE(main, nullptr);
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, 1);     // News
  e2e::ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);  // World News
  e2e::ChooseListLine(main, IDC_BOOKMARK_LIST, 0);     // Reuters
  ASSERT_EQ(e2e::SelectedLine(main, IDC_BOOKMARK_LIST), "Reuters");
  RemoteDropTarget target(main);
  ASSERT_TRUE(target.Registered());

  // Shift: the selected bookmark takes the dropped address, nothing is
  // added.
  const std::vector<std::string> before = e2e::ListBoxLines(main, IDC_BOOKMARK_LIST);
  TestDataObject replacement;
  replacement.Offer(CF_TEXT, WithZero("https://replaced.example/\nIgnored title"));
  EXPECT_EQ(target.Drop(&replacement, MK_SHIFT).dropEffect, static_cast<DWORD>(DROPEFFECT_COPY));
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return ControlText(main, IDC_ADDRESS) == "https://replaced.example/"; }, kTimeout));
  EXPECT_EQ(ControlText(main, IDC_BOOKMARK_TITLE), "Reuters");
  EXPECT_EQ(e2e::ListBoxLines(main, IDC_BOOKMARK_LIST), before);
  // Stored in the bookmark: another bookmark and back shows it again.
  e2e::ChooseListLine(main, IDC_BOOKMARK_LIST, 1);
  ASSERT_NE(ControlText(main, IDC_ADDRESS), "https://replaced.example/");
  e2e::ChooseListLine(main, IDC_BOOKMARK_LIST, 0);
  EXPECT_EQ(ControlText(main, IDC_ADDRESS), "https://replaced.example/");

  // The same address again (in other letters) as a new bookmark: committing
  // it offers the duplicate dialog, and Cancel keeps what is in the boxes.
  TestDataObject duplicate;
  duplicate.Offer(CF_TEXT, WithZero("HTTPS://Replaced.example/\nA second Reuters"));
  target.Drop(&duplicate, 0);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return Pending(main, "A second Reuters", "HTTPS://Replaced.example/"); }, kTimeout));
  PostMessageA(main, WM_COMMAND, ID_CMD_NEW_BOOKMARK, 0);
  ASSERT_TRUE(e2e::Answer(vellox.Id(), "Duplicate Bookmark Detected", IDCANCEL));
  EXPECT_TRUE(Pending(main, "A second Reuters", "HTTPS://Replaced.example/"));
  EXPECT_EQ(e2e::ListBoxLines(main, IDC_BOOKMARK_LIST), before);
  vellox.Stop();
}

TEST_F(DragDropTest, CompactModeAddsTheDropInOrganizeModeAndComesBack) {
  e2e::TempList list("E2E Drop Compact");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess vellox;
  HWND regular = Start(&vellox, list);
  ASSERT_NE(regular, nullptr);
  PostMessageA(regular, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = e2e::WaitForMainWith(vellox.Id(), IDC_CATEGORY_PICKER, regular);
  ASSERT_NE(compact, nullptr);

  TestDataObject data;
  data.Offer(CF_TEXT, WithZero("https://compact.example/\nFrom Compact"));
  EXPECT_EQ(RemoteDropTarget(compact).Drop(&data, 0).dropEffect,
            static_cast<DWORD>(DROPEFFECT_COPY));
  HWND organize = e2e::WaitForMainWith(vellox.Id(), IDC_CATEGORY_LIST, compact);
  ASSERT_NE(organize, nullptr);
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return Pending(organize, "From Compact", "https://compact.example/"); }, kTimeout));
  // Made, the window goes back to Compact mode, which shows the new
  // bookmark.
  PostMessageA(organize, WM_COMMAND, ID_CMD_NEW_BOOKMARK, 0);
  HWND back = e2e::WaitForMainWith(vellox.Id(), IDC_CATEGORY_PICKER, organize);
  ASSERT_NE(back, nullptr);
  std::vector<std::string> lines;
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        lines = e2e::ListBoxLines(back, IDC_BOOKMARK_LIST);
        return std::find(lines.begin(), lines.end(), "From Compact") != lines.end();
      },
      kTimeout))
      << ControlText(back, IDC_CATEGORY_TITLE) << " / " << ControlText(back, IDC_SUBCATEGORY_TITLE)
      << ": " << lines.size() << " lines";
  vellox.Stop();
}

TEST_F(DragDropTest, ABookmarkDraggedOntoABrowserGoesAsALinkAndCountsAsAVisit) {
  e2e::TempList list("E2E Drag Out");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess vellox;
  HWND main = Start(&vellox, list);
  ASSERT_NE(main, nullptr);
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, 1);     // News
  e2e::ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);  // World News
  HWND bookmarks = GetDlgItem(main, IDC_BOOKMARK_LIST);
  ASSERT_EQ(e2e::ListBoxLines(bookmarks).at(0), "Reuters");
  ASSERT_EQ(ControlText(main, IDC_LAST_VISIT), "");

  // The "browser": a window of this process beside the main window.
  RECT frame;
  GetWindowRect(main, &frame);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const bool right = frame.right + 120 < width;
  RECT place = right ? RECT{frame.right + 10, frame.top, frame.right + 110, frame.top + 100}
                     : RECT{frame.left - 110, frame.top, frame.left - 10, frame.top + 100};
  LinkTakingWindow browser(place);
  ASSERT_TRUE(browser.Registered());

  // Press on Reuters and move: in Regular mode the drag out starts at once.
  const int height = static_cast<int>(SendMessageA(bookmarks, LB_GETITEMHEIGHT, 0, 0));
  POINT line = {12, height / 2};
  ClientToScreen(bookmarks, &line);
  ASSERT_TRUE(Mouse(line, 0));
  ASSERT_TRUE(Mouse(line, MOUSEEVENTF_LEFTDOWN));
  ASSERT_TRUE(Mouse(POINT{line.x + 20, line.y + 20}, 0));
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return !e2e::TopLevelWindows(vellox.Id(), "WineDragDropTracker32").empty(); },
      kTimeout))
      << "the drag out did not start";
  const POINT over = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  ASSERT_TRUE(Mouse(over, 0));
  ASSERT_TRUE(e2e::WaitUntil([&] { return browser.Entered(); }, kTimeout));
  ASSERT_TRUE(Mouse(over, MOUSEEVENTF_LEFTUP));
  ASSERT_TRUE(e2e::WaitUntil([&] { return browser.Dropped(); }, kTimeout));

  EXPECT_EQ(browser.Text(CF_TEXT), "https://www.reuters.com/");
  EXPECT_EQ(browser.Text(RegisterClipboardFormatA("UniformResourceLocator")),
            "https://www.reuters.com/");
  const std::string html = browser.Text(RegisterClipboardFormatA("HTML Format"));
  const std::string link = "<a href=\"https://www.reuters.com/\">Reuters</a>";
  const size_t start = html.find("StartFragment:");
  const size_t end = html.find("EndFragment:");
  ASSERT_NE(start, std::string::npos) << html;
  ASSERT_NE(end, std::string::npos) << html;
  const size_t from = std::stoul(html.substr(start + 14));
  const size_t to = std::stoul(html.substr(end + 12));
  ASSERT_LE(to, html.size()) << html;
  EXPECT_EQ(html.substr(from, to - from), link) << html;
  // Taken as a link: a visit, as if opened.
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return ControlText(main, IDC_LAST_VISIT) == "moments ago"; }, kTimeout))
      << ControlText(main, IDC_LAST_VISIT);
  vellox.Stop();
}

TEST_F(DragDropTest, AReadOnlyListTakesNoDrop) {
  e2e::TempList list("E2E Drop Read Only");
  ASSERT_TRUE(list.Written());
  // Another program holds the file, sharing it only for reading.
  HANDLE holder = CreateFileA(list.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  e2e::VelloxProcess vellox;
  ASSERT_TRUE(vellox.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  EXPECT_TRUE(e2e::Answer(vellox.Id(), "Read-Only Bookmark List File", IDOK));
  HWND main = e2e::WaitForMainTitled(vellox.Id(), "E2E Drop Read Only - Vellox");
  ASSERT_NE(main, nullptr);

  RemoteDropTarget target(main);
  ASSERT_TRUE(target.Registered());
  TestDataObject data;
  data.Offer(CF_TEXT, WithZero("https://refused.example/\nRefused"));
  const DropResult result = target.Drop(&data, 0);
  EXPECT_EQ(result.overEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(result.dropEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_TRUE(e2e::WaitForPostedMessages(vellox.Id()));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_BOOKMARK_TITLE))) << "still Regular mode";
  EXPECT_NE(ControlText(main, IDC_ADDRESS), "https://refused.example/");
  vellox.Stop();
  CloseHandle(holder);
}

}  // namespace
