#include "ui/drawing_resources.h"

#include <windows.h>

#include "framework/scoped_handle.h"

namespace {
framework::ScopedGdiObject& ListFont() {
  static framework::ScopedGdiObject font;
  return font;
}
}  // namespace

void CreateSharedDrawingResources(const Settings&) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    ListFont().Reset(CreateFontIndirectA(&metrics.lfMessageFont));
}

void DeleteSharedDrawingResources() { ListFont().Reset(); }
