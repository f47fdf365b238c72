#include "viewer/Controls.h"

#include <cmath>
#include <vector>

#include "viewer/Twips.h"

HWND CreateChild(HWND container, const char* className, const std::string& caption, DWORD style,
                 const TwipsRect& place, HFONT font, int id, DWORD exStyle) {
  HWND control = CreateWindowExA(
      exStyle, className, caption.c_str(), style | WS_CHILD, TwipsToPixelsX(place.left),
      TwipsToPixelsY(place.top), TwipsToPixelsX(place.width), TwipsToPixelsY(place.height),
      container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
      nullptr);
  if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void PlaceChild(HWND control, const TwipsRect& place) {
  SetWindowPos(control, nullptr, TwipsToPixelsX(place.left), TwipsToPixelsY(place.top),
               TwipsToPixelsX(place.width), TwipsToPixelsY(place.height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

TwipsRect ChildPlace(HWND control) {
  RECT r{};
  if (!GetWindowRect(control, &r)) return {};
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {PixelsToTwipsX(r.left), PixelsToTwipsY(r.top), PixelsToTwipsX(r.right - r.left),
          PixelsToTwipsY(r.bottom - r.top)};
}

namespace {
void ChangePlace(HWND control, void (*change)(TwipsRect&, double), double value) {
  TwipsRect place = ChildPlace(control);
  change(place, value);
  PlaceChild(control, place);
}
}  // namespace

void SetChildLeft(HWND c, double v) { ChangePlace(c, [](TwipsRect& p, double x) { p.left = x; }, v); }
void SetChildTop(HWND c, double v) { ChangePlace(c, [](TwipsRect& p, double x) { p.top = x; }, v); }
void SetChildWidth(HWND c, double v) { ChangePlace(c, [](TwipsRect& p, double x) { p.width = x; }, v); }
void SetChildHeight(HWND c, double v) { ChangePlace(c, [](TwipsRect& p, double x) { p.height = x; }, v); }

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

void AutoSizeLabel(HWND label) {
  ScopedGetDC dc(label);
  if (!dc) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
  ScopedSelect selected(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  const std::string text = WindowText(label);
  // An empty label keeps one line's height.
  const char* shown = text.empty() ? " " : text.c_str();
  RECT r{0, 0, 0, 0};
  DrawTextA(dc.get(), shown, -1, &r, DT_CALCRECT | DT_LEFT);
  SetWindowPos(label, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT MakeFont(const std::string& face, double points, bool bold, bool italic) {
  LOGFONTA description{};
  ScopedGetDC screen(nullptr);
  const int perInch = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  description.lfHeight = -static_cast<LONG>(std::lround(points * perInch / 72.0));
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = italic ? TRUE : FALSE;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = DEFAULT_QUALITY;
  lstrcpynA(description.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&description);
}

bool ControlContainer::Create(HWND parent, const TwipsRect& place, bool visible) {
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  if (!CreateForm("", style, WS_EX_CONTROLPARENT, TwipsToPixelsX(place.left),
                  TwipsToPixelsY(place.top), TwipsToPixelsX(place.width),
                  TwipsToPixelsY(place.height), parent)) {
    return false;
  }
  return true;
}

LRESULT ControlContainer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
      if (HWND parent = GetParent(hwnd())) return SendMessageA(parent, message, wParam, lParam);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      if (dc && onPaint) onPaint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}

PictureBox::~PictureBox() {
  FreeBitmap();
  if (memory_) DeleteDC(memory_);
}

bool PictureBox::Create(HWND parent, const TwipsRect& place, bool visible) {
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
  {
    ScopedGetDC screen(nullptr);
    memory_ = CreateCompatibleDC(screen.get());
  }
  if (!memory_) return false;
  if (!CreateForm("", style, 0, TwipsToPixelsX(place.left), TwipsToPixelsY(place.top),
                  TwipsToPixelsX(place.width), TwipsToPixelsY(place.height), parent)) {
    return false;
  }
  // Each WM_SIZE makes the bitmap anew; this covers a creation without one.
  if (!bitmap_) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    MakeBitmap(client.right, client.bottom);
  }
  return bitmap_ != nullptr;
}

void PictureBox::FreeBitmap() {
  if (!bitmap_) return;
  SelectObject(memory_, original_);
  DeleteObject(bitmap_);
  bitmap_ = nullptr;
}

void PictureBox::MakeBitmap(int width, int height) {
  if (!memory_) return;
  FreeBitmap();
  width_ = width > 0 ? width : 1;
  height_ = height > 0 ? height : 1;
  ScopedGetDC screen(nullptr);
  bitmap_ = CreateCompatibleBitmap(screen.get(), width_, height_);
  if (!bitmap_) return;
  original_ = SelectObject(memory_, bitmap_);
  Clear();
}

void PictureBox::Clear() {
  if (!bitmap_) return;
  RECT all{0, 0, width_, height_};
  FillRect(memory_, &all, GetSysColorBrush(COLOR_BTNFACE));
  Refresh();
}

void PictureBox::Refresh() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT PictureBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // A new size starts a new, empty picture, as a box does when resized.
      MakeBitmap(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the kept picture covers the whole box
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      if (dc && bitmap_) BitBlt(dc, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    default:
      break;
  }
  return Form::OnMessage(message, wParam, lParam);
}
