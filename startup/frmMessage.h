// The status window: a borderless white panel with a drawn 3-D frame and one
// line of text, shown while the program is busy ("Printing...", "Loading ...").
#pragma once

#include <windows.h>

#include <string>

#include "startup/Form.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"

class frmMessage : public Form {
 public:
  // Creates the window hidden and centred; false when it cannot be made.
  bool Load();
  void SetMessage(const std::string& text);
  // The small picture beside the text; hidden until a caller shows it.
  void ShowPicture(bool visible);
  // Shows the window without taking the focus, then lets it paint once.
  void Show();

  HWND lblMessage() const { return lblMessage_; }
  HWND Picture1() const { return Picture1_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  HWND lblMessage_ = nullptr;
  HWND Picture1_ = nullptr;
  ScopedFont labelFont_;
  DialogFonts dialogFonts_;
};

// The frame of the status window, drawn over a client area of w x h pixels;
// the inside is left as it is.
void DrawStatusFrame(HDC dc, int w, int h);
