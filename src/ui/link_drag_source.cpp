#include "ui/link_drag_source.h"

#include <ole2.h>
#include <shlobj.h>

#include <vector>

#include "exchange/copy_formats.h"
#include "framework/com_object.h"

namespace {

// One format of the data object and its bytes (a terminating zero
// included).
struct OfferedFormat {
  UINT format;
  std::string bytes;
};

FORMATETC FormatOf(UINT format) {
  return FORMATETC{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

class LinkDataObject final : public framework::ComObject<LinkDataObject, IDataObject> {
 public:
  explicit LinkDataObject(std::vector<OfferedFormat> formats) : formats_(std::move(formats)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* etc, STGMEDIUM* medium) override {
    const OfferedFormat* offered = Find(etc);
    if (!offered) return DV_E_FORMATETC;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, offered->bytes.size());
    if (!block) return E_OUTOFMEMORY;
    memcpy(GlobalLock(block), offered->bytes.data(), offered->bytes.size());
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
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> list;
    for (const OfferedFormat& offered : formats_) list.push_back(FormatOf(offered.format));
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

  // A refused drag leaves nothing behind for a target that kept the object.
  void Empty() { formats_.clear(); }

 private:
  const OfferedFormat* Find(const FORMATETC* etc) const {
    if (!etc || !(etc->tymed & TYMED_HGLOBAL) || etc->dwAspect != DVASPECT_CONTENT) return nullptr;
    for (const OfferedFormat& offered : formats_)
      if (offered.format == etc->cfFormat) return &offered;
    return nullptr;
  }

  std::vector<OfferedFormat> formats_;
};

// The drag goes on while the left button is down; Esc cancels it.
class LinkDropSource final : public framework::ComObject<LinkDropSource, IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

std::string WithZero(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

}  // namespace

DWORD DragLinkOut(const std::string& address, const std::string& title) {
  std::vector<OfferedFormat> formats = {
      {RegisterClipboardFormatA("HTML Format"), WithZero(MakeHtmlLinkClip(address, title))},
      {RegisterClipboardFormatA("UniformResourceLocator"), WithZero(address)},
      {CF_TEXT, WithZero(address)},
  };
  LinkDataObject* data = new LinkDataObject(std::move(formats));
  LinkDropSource* source = new LinkDropSource();
  DWORD effect = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
  if (result != DRAGDROP_S_DROP) effect = DROPEFFECT_NONE;
  if (effect == DROPEFFECT_NONE) data->Empty();
  source->Release();
  data->Release();
  return effect;
}
