#pragma once

// Keys as the keyboard sends them, to the foreground window, and where the
// keyboard focus of another process's window is.

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace tandemix::test {

// Presses the key with the modifiers held (SendInput).
inline void Press(WORD key, std::initializer_list<WORD> modifiers = {}) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (WORD modifier : modifiers) add(modifier, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  for (auto modifier = modifiers.end(); modifier != modifiers.begin();)
    add(*--modifier, KEYEVENTF_KEYUP);
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The control that has the keyboard focus in the window's thread.
inline HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

}  // namespace tandemix::test
