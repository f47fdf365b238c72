#include <gtest/gtest.h>

#include "res/resource.h"
#include "startup/Win32Handles.h"
#include "viewer/modBitMaps.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kTargetColour = RGB(0, 128, 255);
constexpr COLORREF kInk = RGB(20, 200, 40);

// A 24-bit bitmap of the given size filled with `fill`.
HBITMAP MakeBitmap(int w, int h, COLORREF fill) {
  ScopedGetDC screen(nullptr);
  HBITMAP made = CreateCompatibleBitmap(screen.get(), w, h);
  ScopedCreateDC dc(CreateCompatibleDC(screen.get()));
  ScopedSelect select(dc.get(), made);
  ScopedBrush brush(CreateSolidBrush(fill));
  RECT all{0, 0, w, h};
  FillRect(dc.get(), &all, brush.get());
  return made;
}

// A memory DC with a bitmap of its own, standing in for a picture's kept image.
class Canvas {
 public:
  Canvas(int w, int h, COLORREF fill)
      : screen_(nullptr), dc_(CreateCompatibleDC(screen_.get())), bits_(MakeBitmap(w, h, fill)),
        select_(dc_.get(), bits_.get()) {}
  HDC dc() const { return dc_.get(); }

 private:
  ScopedGetDC screen_;
  ScopedCreateDC dc_;
  ScopedBitmap bits_;
  ScopedSelect select_;
};

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  ScopedCreateDC dc(CreateCompatibleDC(nullptr));
  ScopedSelect select(dc.get(), bitmap);
  return GetPixel(dc.get(), x, y);
}

// An 8 x 6 picture in `kInk` with a key-coloured left half of its top row
// and a key-coloured pixel in the middle.
HBITMAP MakeKeyedPicture() {
  HBITMAP picture = MakeBitmap(8, 6, kInk);
  ScopedCreateDC dc(CreateCompatibleDC(nullptr));
  ScopedSelect select(dc.get(), picture);
  for (int x = 0; x < 4; ++x) SetPixel(dc.get(), x, 0, kRed);
  SetPixel(dc.get(), 4, 3, kRed);
  return picture;
}

TEST(DrawTransparentBitmap, KeyPixelsShowTheTargetAndOthersThePicture) {
  Canvas canvas(20, 20, kTargetColour);
  ScopedBitmap picture(MakeKeyedPicture());
  DrawTransparentBitmap(canvas.dc(), picture.get(), 5, 7, kRed);

  EXPECT_EQ(GetPixel(canvas.dc(), 5, 7), kTargetColour);   // key, top row
  EXPECT_EQ(GetPixel(canvas.dc(), 8, 7), kTargetColour);
  EXPECT_EQ(GetPixel(canvas.dc(), 9, 7), kInk);            // first opaque pixel of that row
  EXPECT_EQ(GetPixel(canvas.dc(), 9, 10), kTargetColour);  // the key pixel inside
  EXPECT_EQ(GetPixel(canvas.dc(), 8, 10), kInk);
  EXPECT_EQ(GetPixel(canvas.dc(), 12, 12), kInk);          // bottom right corner of the picture
  // Only the picture's rectangle is touched.
  EXPECT_EQ(GetPixel(canvas.dc(), 4, 7), kTargetColour);
  EXPECT_EQ(GetPixel(canvas.dc(), 13, 12), kTargetColour);
  EXPECT_EQ(GetPixel(canvas.dc(), 12, 13), kTargetColour);
}

TEST(DrawTransparentBitmap, LeavesTheCallersBitmapUnchanged) {
  Canvas canvas(10, 10, kTargetColour);
  ScopedBitmap picture(MakeKeyedPicture());
  DrawTransparentBitmap(canvas.dc(), picture.get(), 0, 0, kRed);
  EXPECT_EQ(PixelOf(picture.get(), 0, 0), kRed);  // the key pixels are blackened while drawing
  EXPECT_EQ(PixelOf(picture.get(), 4, 3), kRed);
  EXPECT_EQ(PixelOf(picture.get(), 7, 5), kInk);
}

TEST(DrawTransparentBitmap, DrawsInPixelsWhateverTheTargetsMapping) {
  Canvas canvas(20, 20, kTargetColour);
  SetMapMode(canvas.dc(), MM_TWIPS);
  ScopedBitmap picture(MakeBitmap(3, 3, kInk));
  DrawTransparentBitmap(canvas.dc(), picture.get(), 2, 2, kRed);
  EXPECT_EQ(GetMapMode(canvas.dc()), MM_TWIPS);
  SetMapMode(canvas.dc(), MM_TEXT);
  EXPECT_EQ(GetPixel(canvas.dc(), 2, 2), kInk);
  EXPECT_EQ(GetPixel(canvas.dc(), 4, 4), kInk);
  EXPECT_EQ(GetPixel(canvas.dc(), 5, 5), kTargetColour);
}

TEST(DrawTransparentBitmap, ABitmapHeldByAnotherDCDrawsNothing) {
  Canvas canvas(10, 10, kTargetColour);
  ScopedBitmap picture(MakeBitmap(4, 4, kInk));
  ScopedCreateDC holder(CreateCompatibleDC(nullptr));
  ScopedSelect held(holder.get(), picture.get());
  DrawTransparentBitmap(canvas.dc(), picture.get(), 0, 0, kRed);
  EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), kTargetColour);
}

TEST(DrawTransparentBitmap, TheBulletLeavesItsRedCornersOut) {
  ScopedBitmap bullet(LoadBitmapResource(IDB_BULLET));
  ASSERT_TRUE(bullet);
  BITMAP info{};
  ASSERT_NE(GetObjectA(bullet.get(), sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 10);
  EXPECT_EQ(info.bmHeight, 10);

  Canvas canvas(10, 10, kTargetColour);
  DrawTransparentBitmap(canvas.dc(), bullet.get(), 0, 0, CLR_KEY_RED);
  EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), kTargetColour);
  EXPECT_EQ(GetPixel(canvas.dc(), 9, 9), kTargetColour);
  const COLORREF centre = GetPixel(canvas.dc(), 5, 5);
  EXPECT_NE(centre, kTargetColour);
  EXPECT_NE(centre, CLR_KEY_RED);
}

TEST(LoadBitmapResource, MissingResourceGivesNull) {
  EXPECT_EQ(LoadBitmapResource(9999), nullptr);
  EXPECT_EQ(LoadBitmapResource("NO_SUCH_BITMAP"), nullptr);
}

}  // namespace
