// The welcome screen, shown when the program starts without a font file: how
// the program is meant to be used, and a box to stop showing it.
#pragma once

#include <windows.h>

#include <array>

#include "startup/Form.h"
#include "startup/Win32Handles.h"
#include "startup/generic32.h"

// Shows the welcome screen and returns when the user has closed it with OK,
// Enter or Esc, which also stores the check box in the settings file.
void ShowWelcomeScreen();

// A picture box that keeps its drawing: it is drawn once into a memory
// bitmap of the box's size, from which every paint copies.
class KeptPicture : public Form {
 public:
  ~KeptPicture() override;
  bool Create(HWND parent, int x, int y, int width, int height);
  // The kept image; draw here, then Refresh. Null before Create.
  HDC dc() const { return memory_.get(); }
  void Refresh();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ScopedCreateDC memory_{CreateCompatibleDC(nullptr)};  // compatible with the screen
  ScopedBitmap bitmap_;
  HGDIOBJ original_ = nullptr;
  int width_ = 0, height_ = 0;
};

class frmHelper : public Form {
 public:
  ~frmHelper() override;
  // Creates the window hidden and centred with all its controls; false
  // when any of them cannot be made.
  bool Load();

  HWND picIcon = nullptr;
  HWND Label1 = nullptr, Label2 = nullptr, Label3 = nullptr, Label4 = nullptr;
  HWND Label5 = nullptr, Label6 = nullptr, Label7 = nullptr, Label8 = nullptr;
  std::array<KeptPicture, 2> picBullet;
  HWND chkDontShow = nullptr;
  HWND cmdOK = nullptr;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class HiddenOwner : public Form {
   public:
    bool Load();
  };
  void DrawBullets();
  void cmdOK_Click();

  // Owning the window keeps it out of the task bar without a tool window's
  // small caption.
  HiddenOwner owner_;
  ScopedFont normalFont_, boldFont_, underlinedFont_;
  DialogFonts dialogFonts_;
};
