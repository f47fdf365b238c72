#include "viewer/modBitMaps.h"

#include "startup/Win32Handles.h"

void DrawTransparentBitmap(HDC target, HBITMAP bitmap, int x, int y, COLORREF keyColour) {
  if (!target || !bitmap) return;
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof info, &info) == 0) return;
  const int w = info.bmWidth;
  const int h = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (w <= 0 || h <= 0) return;

  // The copies below address the target in pixels whatever mapping it has.
  const int oldMapMode = SetMapMode(target, MM_TEXT);
  if (oldMapMode == 0) return;
  struct MapModeBack {
    HDC dc;
    int mode;
    ~MapModeBack() { SetMapMode(dc, mode); }
  } mapModeBack{target, oldMapMode};

  ScopedCreateDC source(CreateCompatibleDC(target));
  ScopedCreateDC save(CreateCompatibleDC(target));
  ScopedCreateDC back(CreateCompatibleDC(target));
  ScopedCreateDC object(CreateCompatibleDC(target));
  ScopedCreateDC temp(CreateCompatibleDC(target));
  if (!source || !save || !back || !object || !temp) return;

  ScopedBitmap backBits(CreateBitmap(w, h, 1, 1, nullptr));
  ScopedBitmap objectBits(CreateBitmap(w, h, 1, 1, nullptr));
  ScopedBitmap saveBits(CreateCompatibleBitmap(target, w, h));
  ScopedBitmap tempBits(CreateCompatibleBitmap(target, w, h));
  if (!backBits || !objectBits || !saveBits || !tempBits) return;

  // Declared after the bitmaps and DCs, so each DC gets its own object back
  // before its bitmap and then the DC itself are deleted.
  ScopedSelect sourceSel(source.get(), bitmap);
  ScopedSelect backSel(back.get(), backBits.get());
  ScopedSelect objectSel(object.get(), objectBits.get());
  ScopedSelect saveSel(save.get(), saveBits.get());
  ScopedSelect tempSel(temp.get(), tempBits.get());
  // A bitmap still selected into a DC of the caller's cannot be selected here.
  if (!sourceSel || !backSel || !objectSel || !saveSel || !tempSel) return;

  BitBlt(save.get(), 0, 0, w, h, source.get(), 0, 0, SRCCOPY);

  // Colour to monochrome: pixels of the background colour become white.
  const COLORREF oldBack = SetBkColor(source.get(), keyColour);
  BitBlt(back.get(), 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
  SetBkColor(source.get(), oldBack);

  BitBlt(object.get(), 0, 0, w, h, back.get(), 0, 0, NOTSRCCOPY);
  BitBlt(temp.get(), 0, 0, w, h, target, x, y, SRCCOPY);
  BitBlt(temp.get(), 0, 0, w, h, back.get(), 0, 0, SRCAND);
  BitBlt(source.get(), 0, 0, w, h, object.get(), 0, 0, SRCAND);
  BitBlt(temp.get(), 0, 0, w, h, source.get(), 0, 0, SRCPAINT);
  BitBlt(target, x, y, w, h, temp.get(), 0, 0, SRCCOPY);

  BitBlt(source.get(), 0, 0, w, h, save.get(), 0, 0, SRCCOPY);
}

namespace {
HBITMAP LoadBitmapNamed(const char* name) {
  return static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
}  // namespace

HBITMAP LoadBitmapResource(int id) { return LoadBitmapNamed(MAKEINTRESOURCEA(id)); }

HBITMAP LoadBitmapResource(const char* name) { return LoadBitmapNamed(name); }
