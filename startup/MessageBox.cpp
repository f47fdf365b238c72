#include "startup/MessageBox.h"

#include <utility>

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

int ShowMessage(const std::string& text, UINT flags, const std::string& title, HWND owner) {
  if (auto& handler = Handler()) return handler({owner, text, title, flags});
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }
