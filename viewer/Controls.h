// Child controls placed the way the forms were designed: in twips, relative
// to the container that holds them. The viewer's pages build all their
// controls through these few helpers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "startup/Form.h"
#include "startup/Win32Handles.h"

struct TwipsRect {
  double left = 0, top = 0, width = 0, height = 0;
};

// Creates a visible child control (unless `style` leaves out WS_VISIBLE it is
// added) at `place` inside `container`, with its caption and font. Returns
// null when the control cannot be made.
HWND CreateChild(HWND container, const char* className, const std::string& caption, DWORD style,
                 const TwipsRect& place, HFONT font, int id = 0, DWORD exStyle = 0);

// Moves and sizes a control; the place is in twips relative to its container.
void PlaceChild(HWND control, const TwipsRect& place);
// The control's place in twips relative to its container.
TwipsRect ChildPlace(HWND control);
void SetChildLeft(HWND control, double left);
void SetChildTop(HWND control, double top);
void SetChildWidth(HWND control, double width);
void SetChildHeight(HWND control, double height);

// Sizes a label to its text in its own font, as a label that sizes itself.
void AutoSizeLabel(HWND label);
std::string WindowText(HWND window);

// A font at a point size; `points` may have a fraction (8.25, 13.5).
HFONT MakeFont(const std::string& face, double points, bool bold, bool italic);

// A container window for controls (a frame or a borderless picture box that
// holds controls). The notifications of its controls go on to its parent,
// so the form sees them wherever the control stands; lines and other drawing
// of its own come from `onPaint`.
class ControlContainer : public Form {
 public:
  bool Create(HWND parent, const TwipsRect& place, bool visible);
  std::function<void(HDC)> onPaint;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A picture box that keeps its drawing: everything is drawn into a memory
// bitmap of the box's size, from which the box repaints itself.
class PictureBox : public Form {
 public:
  PictureBox() = default;
  ~PictureBox() override;
  bool Create(HWND parent, const TwipsRect& place, bool visible);
  // The device context of the kept picture; draw here, then Refresh.
  HDC dc() const { return memory_; }
  // Fills the picture with the box's background colour.
  void Clear();
  void Refresh();
  COLORREF Pixel(int x, int y) const { return GetPixel(memory_, x, y); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MakeBitmap(int width, int height);
  void FreeBitmap();
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  int width_ = 0, height_ = 0;
};
