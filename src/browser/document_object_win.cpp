#include "browser/document_object_win.h"

// The COM headers need windows.h first.
#include <exdisp.h>
#include <mshtml.h>
#include <oleauto.h>

#include "browser/companion_class_win.h"
#include "platform/com_owners_win.h"
#include "platform/platform.h"

namespace browser {

namespace {

constexpr char kAccessibilityLibrary[] = "OLEACC.DLL";
constexpr char kDocumentMessage[] = "WM_HTML_GETOBJECT";
constexpr UINT kDocumentWaitMs = 1000;
constexpr int kClassBuffer = 256;
constexpr long kNavigateNewWindow = 1;

// A BSTR freed when it goes.
class OwnedText {
 public:
  OwnedText() = default;
  explicit OwnedText(const std::string& text) {
    const std::wstring wide = platform::AnsiToUtf16(text);
    text_ = SysAllocStringLen(wide.c_str(), static_cast<UINT>(wide.size()));
  }
  ~OwnedText() { SysFreeString(text_); }
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;
  BSTR Get() const { return text_; }
  BSTR* Receive() { return &text_; }
  std::string Ansi() const {
    return text_ ? platform::Utf16ToAnsi(std::wstring(text_, SysStringLen(text_))) : std::string();
  }

 private:
  BSTR text_ = nullptr;
};

// A VARIANT holding text, cleared when it goes.
class TextVariant {
 public:
  explicit TextVariant(const std::string& text) {
    VariantInit(&value_);
    OwnedText owned(text);
    V_VT(&value_) = VT_BSTR;
    V_BSTR(&value_) = SysAllocString(owned.Get());
  }
  ~TextVariant() { VariantClear(&value_); }
  TextVariant(const TextVariant&) = delete;
  TextVariant& operator=(const TextVariant&) = delete;
  VARIANT& Get() { return value_; }

 private:
  VARIANT value_;
};

struct DocumentSearch {
  std::string documentClass;
  HWND frame = nullptr;
  HWND after = nullptr;
  PageWindows which = PageWindows::kAll;
  bool passedAfter = false;
  HWND found = nullptr;
};

// True when no window between window and the frame (the frame excluded)
// is disabled, nor, for kShown, hidden.
bool IsPageWindowTaken(HWND window, HWND frame, PageWindows which) {
  if (which == PageWindows::kAll) return true;
  for (HWND w = window; w && w != frame; w = GetParent(w)) {
    if (!IsWindowEnabled(w)) return false;
    if (which == PageWindows::kShown && (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) == 0)
      return false;
  }
  return true;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM lp) {
  auto* search = reinterpret_cast<DocumentSearch*>(lp);
  if (search->after && !search->passedAfter) {
    search->passedAfter = child == search->after;
    return TRUE;
  }
  char className[kClassBuffer] = "";
  GetClassNameA(child, className, kClassBuffer);
  if (search->documentClass != className) return TRUE;
  if (!IsPageWindowTaken(child, search->frame, search->which)) return TRUE;
  search->found = child;
  return FALSE;
}

using ObjectFromLresultProc = HRESULT(STDAPICALLTYPE*)(LRESULT, REFIID, WPARAM, void**);

ObjectFromLresultProc ObjectFromLresultOfLibrary() {
  HMODULE library = GetModuleHandleA(kAccessibilityLibrary);
  if (!library) return nullptr;
  return reinterpret_cast<ObjectFromLresultProc>(
      reinterpret_cast<void*>(GetProcAddress(library, "ObjectFromLresult")));
}

// The document that documentWindow hosts, into document; false when the
// window did not hand it out.
bool GetDocument(HWND documentWindow, platform::ComPtr<IHTMLDocument2>* document) {
  ObjectFromLresultProc objectFromLresult = ObjectFromLresultOfLibrary();
  if (!objectFromLresult || !documentWindow) return false;
  const UINT message = RegisterWindowMessageA(kDocumentMessage);
  DWORD_PTR result = 0;
  if (!message ||
      !SendMessageTimeoutA(documentWindow, message, 0, 0, SMTO_ABORTIFHUNG, kDocumentWaitMs,
                           &result) ||
      result == 0)
    return false;
  return SUCCEEDED(objectFromLresult(static_cast<LRESULT>(result), IID_IHTMLDocument2, 0,
                                     reinterpret_cast<void**>(document->Receive()))) &&
         document->Get();
}

// The web-browser interface of the companion library's entry for frame.
bool GetCompanionBrowser(HWND frame, platform::ComPtr<IWebBrowser2>* browser) {
  if (!frame) return false;
  platform::ComPtr<IUnknown> entry;
  const GUID id = CompanionRunningClass(frame);
  if (FAILED(GetActiveObject(id, nullptr, entry.Receive())) || !entry.Get()) return false;
  return SUCCEEDED(entry->QueryInterface(IID_IWebBrowser2,
                                         reinterpret_cast<void**>(browser->Receive()))) &&
         browser->Get();
}

void FocusOpenedWindow(IDispatch* opened) {
  if (!opened) return;
  platform::ComPtr<IHTMLWindow2> window;
  if (SUCCEEDED(
          opened->QueryInterface(IID_IHTMLWindow2, reinterpret_cast<void**>(window.Receive()))) &&
      window.Get())
    window->focus();
}

}  // namespace

HWND NextDocumentWindow(HWND frame, const std::string& documentClass, HWND after,
                        PageWindows which) {
  if (!frame || documentClass.empty()) return nullptr;
  DocumentSearch search;
  search.documentClass = documentClass;
  search.frame = frame;
  search.after = after;
  search.which = which;
  EnumChildWindows(frame, VisitChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool HasAccessibilityLibrary() { return ObjectFromLresultOfLibrary() != nullptr; }

bool ReadDocumentPage(HWND documentWindow, PageInfo* page) {
  platform::ComPtr<IHTMLDocument2> document;
  if (!GetDocument(documentWindow, &document)) return false;
  OwnedText url, title;
  if (FAILED(document->get_URL(url.Receive())) || FAILED(document->get_title(title.Receive())))
    return false;
  page->url = url.Ansi();
  page->title = title.Ansi();
  return true;
}

bool OpenFromDocument(HWND documentWindow, const std::string& url, bool newTab) {
  platform::ComPtr<IHTMLDocument2> document;
  if (!GetDocument(documentWindow, &document)) return false;
  OwnedText address(url);
  TextVariant target(newTab ? "_blank" : "_self");
  TextVariant features("");
  platform::ComPtr<IHTMLWindow2> parent;
  if (SUCCEEDED(document->get_parentWindow(parent.Receive())) && parent.Get()) {
    OwnedText name(newTab ? "_blank" : "_self");
    OwnedText noFeatures("");
    platform::ComPtr<IHTMLWindow2> opened;
    if (FAILED(parent->open(address.Get(), name.Get(), noFeatures.Get(), VARIANT_FALSE,
                            opened.Receive())))
      return false;
    if (opened.Get()) opened->focus();
    return true;
  }
  VARIANT replace;
  VariantInit(&replace);
  platform::ComPtr<IDispatch> opened;
  if (FAILED(
          document->open(address.Get(), target.Get(), features.Get(), replace, opened.Receive())))
    return false;
  FocusOpenedWindow(opened.Get());
  return true;
}

bool ReadCompanionPage(HWND frame, PageInfo* page) {
  platform::ComPtr<IWebBrowser2> browser;
  if (!GetCompanionBrowser(frame, &browser)) return false;
  OwnedText url, title;
  if (FAILED(browser->get_LocationURL(url.Receive())) ||
      FAILED(browser->get_LocationName(title.Receive())))
    return false;
  page->url = url.Ansi();
  page->title = title.Ansi();
  return true;
}

bool NavigateByCompanion(HWND frame, const std::string& url, bool newTab) {
  platform::ComPtr<IWebBrowser2> browser;
  if (!GetCompanionBrowser(frame, &browser)) return false;
  OwnedText address(url);
  VARIANT flags, empty;
  VariantInit(&flags);
  VariantInit(&empty);
  V_VT(&flags) = VT_I4;
  V_I4(&flags) = newTab ? kNavigateNewWindow : 0;
  // The call's own result is not awaited: reaching the browser is enough.
  browser->Navigate(address.Get(), &flags, &empty, &empty, &empty);
  return true;
}

}  // namespace browser
