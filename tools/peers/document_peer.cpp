// A stand-in for a browser of the embedded engine: a frame window of a
// chosen class and caption holding a child window of class
// "Internet Explorer_Server" that answers the registered message
// "WM_HTML_GETOBJECT" with a page document (URL, title, parentWindow,
// open), and a companion object of "OrvandIE.dll" (loaded from the peer's
// own folder) sited in a browser object of the peer's own, so that the
// running-object entry of the frame appears. It appends what it is asked
// to a log file, one line each, fields separated by tabs:
//   document                  the document was handed out
//   open URL TARGET           the document's open
//   LocationURL               the browser's address was read
//   Navigate URL FLAGS        the browser's Navigate
//   no companion              the library or its object was missing
//
//   document_peer --log FILE [--class CLASS] [--caption TEXT] [--url URL]
//                 [--title TITLE] [--no-document] [--no-companion]
//
// --no-document: the page window answers no document; --no-companion: no
// companion object, so no running-object entry.
//
// The two objects are plain vtables (CINTERFACE) filled with the methods a
// client of these routes calls; the others stay null, so that a client
// asking for more ends the peer, and the test that drove it fails.
#define CINTERFACE
#define COBJMACROS
#include <windows.h>
// The COM headers need windows.h first.
#include <exdisp.h>
#include <mshtml.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "browser/companion_class_win.h"

namespace {

struct Options {
  std::string logPath;
  std::string frameClass = "IEFrame";
  std::string caption = "Document Peer - Internet Explorer";
  std::string url = "http://document.example/";
  std::string title = "Document Peer Page";
  bool document = true;
  bool companion = true;
} options;

// The page the peer shows; Navigate changes it.
std::string pageUrl;

void Log(const std::string& line) {
  FILE* log = std::fopen(options.logPath.c_str(), "ab");
  if (!log) return;
  std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
}

std::string Narrow(const wchar_t* text) {
  if (!text) return "";
  char buffer[2048] = "";
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  return buffer;
}

BSTR Wide(const std::string& text) {
  wchar_t buffer[2048] = L"";
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, 2048);
  return SysAllocString(buffer);
}

std::string VariantText(const VARIANT* value) {
  if (!value) return "";
  if (V_VT(value) == VT_BSTR) return Narrow(V_BSTR(value));
  VARIANT text;
  VariantInit(&text);
  std::string result;
  if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(value), 0, VT_BSTR)))
    result = Narrow(V_BSTR(&text));
  VariantClear(&text);
  return result;
}

// Both objects live as long as the peer: reference counts are not kept.
ULONG STDMETHODCALLTYPE StaticAddRef(void*) { return 2; }
ULONG STDMETHODCALLTYPE StaticRelease(void*) { return 1; }

// The page document.
struct PeerDocument {
  IHTMLDocument2Vtbl* lpVtbl;
};

HRESULT STDMETHODCALLTYPE DocumentQueryInterface(IHTMLDocument2* self, REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID_IHTMLDocument) || IsEqualIID(iid, IID_IHTMLDocument2)) {
    *out = self;
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}
HRESULT STDMETHODCALLTYPE DocumentUrl(IHTMLDocument2*, BSTR* url) {
  *url = Wide(pageUrl);
  return S_OK;
}
HRESULT STDMETHODCALLTYPE DocumentTitle(IHTMLDocument2*, BSTR* title) {
  *title = Wide(options.title);
  return S_OK;
}
// No window object: a client opens through the document itself.
HRESULT STDMETHODCALLTYPE DocumentParentWindow(IHTMLDocument2*, IHTMLWindow2** window) {
  *window = nullptr;
  return S_OK;
}
HRESULT STDMETHODCALLTYPE DocumentOpen(IHTMLDocument2*, BSTR url, VARIANT name, VARIANT, VARIANT,
                                       IDispatch** window) {
  Log("open\t" + Narrow(url) + "\t" + VariantText(&name));
  if (window) *window = nullptr;
  return S_OK;
}

IHTMLDocument2Vtbl documentMethods;
PeerDocument document = {&documentMethods};

// The browser object the companion is sited in.
struct PeerBrowser {
  IWebBrowser2Vtbl* lpVtbl;
  HWND frame;
};

HRESULT STDMETHODCALLTYPE BrowserQueryInterface(IWebBrowser2* self, REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID_IWebBrowser) || IsEqualIID(iid, IID_IWebBrowserApp) ||
      IsEqualIID(iid, IID_IWebBrowser2)) {
    *out = self;
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}
HRESULT STDMETHODCALLTYPE BrowserWindow(IWebBrowser2* self, SHANDLE_PTR* window) {
  *window = reinterpret_cast<SHANDLE_PTR>(reinterpret_cast<PeerBrowser*>(self)->frame);
  return S_OK;
}
HRESULT STDMETHODCALLTYPE BrowserNavigate(IWebBrowser2*, BSTR url, VARIANT* flags, VARIANT*,
                                          VARIANT*, VARIANT*) {
  pageUrl = Narrow(url);
  Log("Navigate\t" + pageUrl + "\t" + VariantText(flags));
  return S_OK;
}
HRESULT STDMETHODCALLTYPE BrowserLocationUrl(IWebBrowser2*, BSTR* url) {
  Log("LocationURL");
  *url = Wide(pageUrl);
  return S_OK;
}
HRESULT STDMETHODCALLTYPE BrowserLocationName(IWebBrowser2*, BSTR* name) {
  *name = Wide(options.title);
  return S_OK;
}

IWebBrowser2Vtbl browserMethods;
PeerBrowser peerBrowser = {&browserMethods, nullptr};

void FillMethods() {
  documentMethods.QueryInterface = DocumentQueryInterface;
  documentMethods.AddRef = reinterpret_cast<decltype(documentMethods.AddRef)>(StaticAddRef);
  documentMethods.Release = reinterpret_cast<decltype(documentMethods.Release)>(StaticRelease);
  documentMethods.get_URL = DocumentUrl;
  documentMethods.get_title = DocumentTitle;
  documentMethods.get_parentWindow = DocumentParentWindow;
  documentMethods.open = DocumentOpen;
  browserMethods.QueryInterface = BrowserQueryInterface;
  browserMethods.AddRef = reinterpret_cast<decltype(browserMethods.AddRef)>(StaticAddRef);
  browserMethods.Release = reinterpret_cast<decltype(browserMethods.Release)>(StaticRelease);
  browserMethods.get_HWND = BrowserWindow;
  browserMethods.Navigate = BrowserNavigate;
  browserMethods.get_LocationURL = BrowserLocationUrl;
  browserMethods.get_LocationName = BrowserLocationName;
}

UINT documentMessage = 0;
HWND frameWindow = nullptr;

LRESULT CALLBACK PeerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == documentMessage && documentMessage != 0) {
    if (!options.document) return 0;
    Log("document");
    return LresultFromObject(IID_IHTMLDocument2, wp, reinterpret_cast<IUnknown*>(&document));
  }
  if (msg == WM_DESTROY && hwnd == frameWindow) PostQuitMessage(0);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// The companion object from the library beside the peer, sited in the
// peer's browser object. Kept for the peer's life; null when the library
// or its object is missing.
IObjectWithSite* SiteCompanion() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string library = path;
  library = library.substr(0, library.find_last_of("\\/") + 1) + "OrvandIE.dll";
  HMODULE module = LoadLibraryA(library.c_str());
  if (!module) return nullptr;
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto getClassObject = reinterpret_cast<GetClassObject>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  IClassFactory* factory = nullptr;
  if (!getClassObject || FAILED(getClassObject(browser::kCompanionClass, IID_IClassFactory,
                                               reinterpret_cast<void**>(&factory))))
    return nullptr;
  IObjectWithSite* object = nullptr;
  IClassFactory_CreateInstance(factory, nullptr, IID_IObjectWithSite,
                               reinterpret_cast<void**>(&object));
  IClassFactory_Release(factory);
  if (object &&
      FAILED(IObjectWithSite_SetSite(object, reinterpret_cast<IUnknown*>(&peerBrowser)))) {
    IObjectWithSite_Release(object);
    object = nullptr;
  }
  return object;
}

bool ReadOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    const bool hasValue = i + 1 < argc;
    if (name == "--log" && hasValue) {
      options.logPath = argv[++i];
    } else if (name == "--class" && hasValue) {
      options.frameClass = argv[++i];
    } else if (name == "--caption" && hasValue) {
      options.caption = argv[++i];
    } else if (name == "--url" && hasValue) {
      options.url = argv[++i];
    } else if (name == "--title" && hasValue) {
      options.title = argv[++i];
    } else if (name == "--no-document") {
      options.document = false;
    } else if (name == "--no-companion") {
      options.companion = false;
    } else {
      return false;
    }
  }
  return !options.logPath.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (!ReadOptions(argc, argv)) {
    std::fprintf(stderr, "usage: document_peer --log FILE [options]\n");
    return 2;
  }
  pageUrl = options.url;
  if (FAILED(OleInitialize(nullptr))) return 1;
  FillMethods();
  documentMessage = RegisterWindowMessageA("WM_HTML_GETOBJECT");
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PeerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = options.frameClass.c_str();
  RegisterClassA(&wc);
  wc.lpszClassName = "Internet Explorer_Server";
  RegisterClassA(&wc);
  frameWindow =
      CreateWindowExA(0, options.frameClass.c_str(), options.caption.c_str(), WS_OVERLAPPEDWINDOW,
                      0, 0, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
  if (!frameWindow) return 1;
  CreateWindowExA(0, "Internet Explorer_Server", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300,
                  frameWindow, nullptr, wc.hInstance, nullptr);
  peerBrowser.frame = frameWindow;
  IObjectWithSite* companion = options.companion ? SiteCompanion() : nullptr;
  if (options.companion && !companion) Log("no companion");
  // Shown last: a test that sees the window finds both routes ready.
  ShowWindow(frameWindow, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (companion) {
    IObjectWithSite_SetSite(companion, nullptr);
    IObjectWithSite_Release(companion);
  }
  OleUninitialize();
  return 0;
}
