// Page 1 of the viewer, Font Sample: the sample boxes, the point size
// slider, the file facts and the install state.
#include <windows.h>
#include <commctrl.h>

#include "startup/TextRules.h"
#include "viewer/Twips.h"
#include "viewer/frmFont.h"
#include "viewer/frmFontIds.h"

namespace {
constexpr char kCommonCharacters[] =
    "abcdefghijklmnopqrstuvwxyz\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n1234567890\r\n";
constexpr double kCommonPoints = 13.5;  // shown as 14 point

// Labels clip rather than wrap, as a label of one line does.
HWND Label(HWND page, const char* caption, double left, double top, HFONT font,
           DWORD align = SS_LEFTNOWORDWRAP) {
  HWND label = CreateChild(page, "STATIC", caption, WS_VISIBLE | align, {left, top, 0, 0}, font);
  if (label) AutoSizeLabel(label);
  return label;
}

HWND SizedLabel(HWND page, const char* caption, const TwipsRect& place, HFONT font,
                DWORD align = SS_LEFTNOWORDWRAP) {
  return CreateChild(page, "STATIC", caption, WS_VISIBLE | align, place, font);
}
}  // namespace

bool frmFont::CreatePage1() {
  HWND page = frmContainer[0].hwnd();
  HFONT font = mControlFont.get();
  frmContainer[0].onPaint = [this](HDC dc) { PaintPage1(dc); };

  if (!picIcon0.Create(page, {105, 120, 480, 660}, true)) return false;
  lblFontName0 = Label(page, "", 630, 90, mBoldFont.get());
  lblFileName = Label(page, "", 630, 330, font);

  struct Row { const char* caption; double top; HWND* captionLabel; HWND* valueLabel; };
  const Row rows[] = {
      {"File Size:", 570, &lblFileSizeL, &lblFileSize},
      {"Created:", 990, &lblCreatedL, &lblCreated},
      {"Modified:", 1230, &lblModifiedL, &lblModified},
      {"Accessed:", 1470, &lblAccessedL, &lblAccessed},
      {"Status:", 1860, &lblStatusL, &lblStatus},
      {"Registry Entry:", 2100, &lblRegistryL, &lblRegistry},
  };
  for (const Row& row : rows) {
    *row.captionLabel = Label(page, row.caption, 630, row.top, font);
    *row.valueLabel = Label(page, "", 2010, row.top, font);
    if (!*row.captionLabel || !*row.valueLabel) return false;
  }

  if (!picAlert.Create(page, {2010, 1830, 315, 285}, true)) return false;
  if (!picInstall.Create(page, {4260, 1560, 405, 525}, false)) return false;
  Label8 = SizedLabel(page, "Common Characters (14 point)", {60, 2490, 3375, 225}, font);
  txtCommon = CreateChild(page, "EDIT", kCommonCharacters,
                          WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                          {60, 2700, 5175, 1185}, font, kIdCommon, WS_EX_CLIENTEDGE);
  Label1 = SizedLabel(page, "Font &Sample", {60, 4050, 1695, 225}, font);
  txtSample = CreateChild(
      page, "EDIT", "",
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
      {60, 4260, 3975, 915}, font, kIdSample, WS_EX_CLIENTEDGE);
  cmdPrint = CreateChild(page, "BUTTON", "&Print...", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                         {45, 5340, 900, 380}, font, kIdPrint);
  cmdInstall = CreateChild(page, "BUTTON", "&Install...",
                           WS_VISIBLE | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON,
                           {1005, 5340, 900, 380}, font, kIdInstall);
  if (!Label8 || !txtCommon || !Label1 || !txtSample || !cmdPrint || !cmdInstall) return false;

  if (!picScroll.Create(page, {2010, 5340, 2745, 405}, true)) return false;
  HWND scroll = picScroll.hwnd();
  lblPointSize = SizedLabel(scroll, "Point &Size", {0, 60, 705, 195}, font);
  Slider1 = CreateChild(scroll, TRACKBAR_CLASSA, "", WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS,
                        {720, 30, 1515, 285}, nullptr, kIdSlider1);
  lblSize = SizedLabel(scroll, "14", {2130, 60, 420, 195}, font, SS_RIGHT);
  if (!lblPointSize || !Slider1 || !lblSize) return false;
  SendMessageA(Slider1, TBM_SETRANGE, TRUE, MAKELPARAM(viewer_layout::kSliderMin, viewer_layout::kSliderMax));
  SendMessageA(Slider1, TBM_SETLINESIZE, 0, 1);
  SendMessageA(Slider1, TBM_SETPAGESIZE, 0, 5);
  return true;
}

void frmFont::AutoSizePage1Labels() {
  for (HWND label : {lblFontName0, lblFileName, lblFileSizeL, lblFileSize, lblCreatedL, lblCreated,
                     lblModifiedL, lblModified, lblAccessedL, lblAccessed, lblStatusL, lblStatus,
                     lblRegistryL, lblRegistry}) {
    AutoSizeLabel(label);
  }
}

void frmFont::PaintPage1(HDC dc) {
  // Two etched rules: a shadow line with a highlight line just below it.
  const int left = TwipsToPixelsX(viewer_layout::kRuleLeft);
  const int right = TwipsToPixelsX(mRuleRight);
  const int colours[4] = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
  for (int i = 0; i < 4; ++i) {
    ScopedPen pen(CreatePen(PS_SOLID, 1, GetSysColor(colours[i])));
    if (!pen) continue;
    ScopedSelect selected(dc, pen.get());
    const int y = TwipsToPixelsY(mRuleTops[i]);
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right, y);
  }
}

void frmFont::ResizePage1() {
  RECT frame{};
  GetClientRect(frmContainer[0].hwnd(), &frame);
  const double statusLeft = ChildPlace(lblStatus).left;
  const auto p = viewer_layout::LayoutPage1(PixelsToTwipsX(frame.right),
                                            PixelsToTwipsY(frame.bottom), statusLeft,
                                            TwipsPerPixelY());
  SetChildWidth(txtSample, p.boxWidth);
  SetChildWidth(txtCommon, p.boxWidth);
  mRuleRight = p.ruleRight;
  mRuleTops = {viewer_layout::kUpperRuleTop, p.upperRuleLow, viewer_layout::kLowerRuleTop,
               p.lowerRuleLow};
  SetChildWidth(lblStatus, p.statusWidth);
  SetChildWidth(lblRegistry, p.statusWidth);
  SetChildLeft(picScroll.hwnd(), p.scrollLeft);
  for (HWND control : {cmdPrint, cmdInstall, picScroll.hwnd()}) SetChildTop(control, p.rowTop);
  SetChildHeight(txtSample, p.sampleHeight);
  InvalidateRect(frmContainer[0].hwnd(), nullptr, TRUE);
}

void frmFont::Slider1_Change() {
  const auto size = static_cast<std::int16_t>(SendMessageA(Slider1, TBM_GETPOS, 0, 0));
  HFONT font = MakeFont(mSampleFace.name, size, mSampleFace.bold, mSampleFace.italic);
  if (font) {
    SendMessageA(txtSample, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    mSampleFont.reset(font);  // the box no longer holds the old one
  }
  SetWindowTextA(lblSize, NumberText(size).c_str());
}

void frmFont::ApplyColors() {
  mBackBrush.reset();  // made anew in the next colour query
  InvalidateRect(txtSample, nullptr, TRUE);
  InvalidateRect(txtCommon, nullptr, TRUE);
  // The character cells 1 to 100 get gBackColor here once the grid exists.
}
