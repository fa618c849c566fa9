#include "ui/link_drop_target.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "framework/com_object.h"
#include "resources/resource.h"
#include "ui/main_window.h"

namespace {

constexpr DWORD kLinkEffects = DROPEFFECT_COPY | DROPEFFECT_LINK;

struct KeptDrop {
  bool present = false;
  DroppedLink link;
  bool shift = false;
};
KeptDrop kept;
bool draggingOut = false;

UINT UrlFormat() { return RegisterClipboardFormatA("UniformResourceLocator"); }
UINT DescriptorFormat() { return RegisterClipboardFormatA("FileGroupDescriptor"); }

FORMATETC FormatOf(UINT format) {
  return FORMATETC{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool Offers(IDataObject* data, UINT format) {
  FORMATETC etc = FormatOf(format);
  return data->QueryGetData(&etc) == S_OK;
}

// The HGLOBAL of a format, or false when the object does not give it.
bool GetGlobal(IDataObject* data, UINT format, STGMEDIUM* medium) {
  FORMATETC etc = FormatOf(format);
  if (FAILED(data->GetData(&etc, medium))) return false;
  if (medium->tymed == TYMED_HGLOBAL && medium->hGlobal) return true;
  ReleaseStgMedium(medium);
  return false;
}

// The text of a format up to its first zero (the block may be larger).
bool ReadText(IDataObject* data, UINT format, std::string* text) {
  STGMEDIUM medium = {};
  if (!GetGlobal(data, format, &medium)) return false;
  const SIZE_T size = GlobalSize(medium.hGlobal);
  if (const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
    size_t length = 0;
    while (length < size && bytes[length] != '\0') ++length;
    text->assign(bytes, length);
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return true;
}

bool ReadFirstFile(IDataObject* data, std::string* path) {
  STGMEDIUM medium = {};
  if (!GetGlobal(data, CF_HDROP, &medium)) return false;
  HDROP drop = static_cast<HDROP>(medium.hGlobal);
  char file[MAX_PATH] = "";
  const bool read = DragQueryFileA(drop, 0, file, sizeof file) > 0;
  if (read) *path = file;
  ReleaseStgMedium(&medium);
  return read;
}

bool ReadDescriptorName(IDataObject* data, std::string* name) {
  STGMEDIUM medium = {};
  if (!GetGlobal(data, DescriptorFormat(), &medium)) return false;
  bool read = false;
  if (GlobalSize(medium.hGlobal) >= sizeof(FILEGROUPDESCRIPTORA)) {
    if (auto* group = static_cast<FILEGROUPDESCRIPTORA*>(GlobalLock(medium.hGlobal))) {
      if (group->cItems > 0) {
        const char* file = group->fgd[0].cFileName;
        *name = std::string(file, strnlen(file, sizeof group->fgd[0].cFileName));
        read = true;
      }
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return read;
}

}  // namespace

// The window's side of a drop: refused while the list cannot change, and
// once the window is gone.
class LinkDropTarget final : public framework::ComObject<LinkDropTarget, IDropTarget> {
 public:
  explicit LinkDropTarget(MainWindow* window) : window_(window) {}
  void Detach() { window_ = nullptr; }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD /*keys*/, POINTL /*at*/,
                                      DWORD* effect) override {
    // A new drag: whatever an earlier one left is forgotten.
    kept = KeptDrop();
    accepted_ = data && DropOfferAccepted(OfferedFormats(data));
    *effect = Effect(*effect);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD /*keys*/, POINTL /*at*/, DWORD* effect) override {
    *effect = Effect(*effect);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    accepted_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL /*at*/,
                                 DWORD* effect) override {
    const DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    accepted_ = false;
    // A list being saved or asked about is locked against the change.
    if (!data || !Writable() || window_->Program().ListsInUse()) return S_OK;
    DroppedLink link;
    if (!LinkOfDrop(ReadDropOffer(data), &link)) return S_OK;
    KeepDroppedLink(link, (keys & MK_SHIFT) != 0);
    PostMessageA(window_->Handle(), WM_COMMAND, ID_CMD_ADD_DROPPED_LINK, 0);
    *effect = (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : allowed & DROPEFFECT_LINK;
    return S_OK;
  }

 private:
  bool Writable() const { return window_ && window_->Lists().CurrentIsWritable() && !draggingOut; }
  DWORD Effect(DWORD allowed) const {
    return accepted_ && Writable() ? allowed & kLinkEffects : DROPEFFECT_NONE;
  }
  // Which formats the data offers, without reading them.
  static DropOffer OfferedFormats(IDataObject* data) {
    DropOffer offer;
    offer.hasFiles = Offers(data, CF_HDROP);
    offer.hasText = Offers(data, CF_TEXT);
    offer.hasUrl = Offers(data, UrlFormat());
    return offer;
  }

  MainWindow* window_;
  bool accepted_ = false;
};

DropOffer ReadDropOffer(IDataObject* data) {
  DropOffer offer;
  offer.hasFiles = ReadFirstFile(data, &offer.firstFile);
  if (offer.hasFiles) return offer;
  offer.hasDescriptor = ReadDescriptorName(data, &offer.descriptorName);
  offer.hasText = ReadText(data, CF_TEXT, &offer.text);
  offer.hasUrl = ReadText(data, UrlFormat(), &offer.url);
  return offer;
}

bool LinkDropRegistration::Register(MainWindow* window) {
  Revoke();
  LinkDropTarget* target = new LinkDropTarget(window);
  // OLE keeps its own reference while the window is registered.
  if (FAILED(RegisterDragDrop(window->Handle(), target))) {
    target->Release();
    return false;
  }
  hwnd_ = window->Handle();
  target_ = target;
  return true;
}

void LinkDropRegistration::Revoke() {
  if (hwnd_) RevokeDragDrop(hwnd_);
  if (target_) {
    target_->Detach();
    target_->Release();
  }
  hwnd_ = nullptr;
  target_ = nullptr;
}

void KeepDroppedLink(const DroppedLink& link, bool shift) {
  kept.present = true;
  kept.link = link;
  kept.shift = shift;
}

bool TakeDroppedLink(DroppedLink* link, bool* shift) {
  if (!kept.present) return false;
  *link = kept.link;
  *shift = kept.shift;
  kept = KeptDrop();
  return true;
}

void SetDraggingOut(bool dragging) { draggingOut = dragging; }
