// Every message box of the program goes through ShowMessage, so that tests
// can answer them instead of a person.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

inline constexpr char kAppTitle[] = "Letterloom";

struct MessageRequest {
  HWND owner;
  std::string text;
  std::string title;
  UINT flags;  // MB_ icon and button flags as given to MessageBoxA
};

// Shows a message box and returns the button chosen (IDOK, IDYES, ...).
int ShowMessage(const std::string& text, UINT flags, const std::string& title = kAppTitle,
                HWND owner = nullptr);

// Tests answer message boxes with a handler; an empty handler shows them.
using MessageHandler = std::function<int(const MessageRequest&)>;
void SetMessageHandler(MessageHandler handler);
