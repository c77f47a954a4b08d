#pragma once

#include <exception>
#include <string>

namespace tandemix {

// An error's message as a message box shows it: the one place where error
// text (UTF-8) becomes UTF-16.
std::wstring ErrorText(const std::exception& error);

}  // namespace tandemix
