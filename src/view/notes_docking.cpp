#include "view/notes_docking.h"

#include <algorithm>

namespace {

DockPlace ChoosePlace(int mode, const Rect& main, const Rect& work, int width, int height) {
  const bool fitsBelow = work.bottom - main.bottom >= height;
  const bool fitsAbove = main.top - work.top >= height;
  if (mode == kDockBelow) {
    if (fitsBelow) return DockPlace::kBelow;
    if (fitsAbove) return DockPlace::kAbove;
  }
  if (work.right - main.right >= width) return DockPlace::kRight;
  if (main.left - work.left < width) {
    if (fitsBelow) return DockPlace::kBelow;
    if (fitsAbove) return DockPlace::kAbove;
    return DockPlace::kCentred;
  }
  return DockPlace::kLeft;
}

}  // namespace

DockResult DockNotesWindow(int mode, const Rect& main, const Rect& work, int width, int height) {
  DockResult result;
  result.place = ChoosePlace(mode, main, work, width, height);
  // Centres doubled, so that halves need no rounding.
  const int mainCentreX2 = main.left + main.right;
  const int mainCentreY2 = main.top + main.bottom;
  const bool lowerHalf = mainCentreY2 > work.top + work.bottom;
  const bool rightHalf = mainCentreX2 > work.left + work.right;
  switch (result.place) {
    case DockPlace::kRight:
    case DockPlace::kLeft:
      result.left = result.place == DockPlace::kRight ? main.right : main.left - width;
      result.top = lowerHalf ? std::max(work.top, main.bottom - height) : main.top;
      break;
    case DockPlace::kBelow:
    case DockPlace::kAbove:
      result.top = result.place == DockPlace::kBelow ? main.bottom : main.top - height;
      result.left = rightHalf ? main.right - width : main.left;
      break;
    case DockPlace::kCentred:
      result.left = (mainCentreX2 - width) / 2;
      result.top = (mainCentreY2 - height) / 2;
      break;
  }
  return result;
}
