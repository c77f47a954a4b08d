#include "settings/error_text_win.h"

#include <windows.h>

namespace tandemix {

std::wstring ErrorText(const std::exception& error) {
  const char* utf8 = error.what();
  std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), int(text.size()));
  text.resize(wcslen(text.c_str()));
  return text;
}

}  // namespace tandemix
