// The program's windows. Every top-level window of the program belongs to
// one window class, the same in every instance, which is how instances
// recognise each other's marker windows.
#pragma once

#include <windows.h>

inline constexpr char kFormClass[] = "LetterloomForm";

// Registers the form class once per process.
bool RegisterFormClass();

// A window of the form class whose messages reach OnMessage. The object
// outlives its window; destroying the object destroys the window.
class Form {
 public:
  Form() = default;
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Destroys the window; the object stays.
  void Unload();

 protected:
  // Creates the window (hidden unless the style says WS_VISIBLE).
  bool CreateForm(const char* caption, DWORD style, DWORD exStyle, int x, int y, int width,
                  int height, HWND owner = nullptr);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend bool RegisterFormClass();
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// Lets the window messages that are waiting now run, so windows repaint
// during long steps.
void DoEvents();
