#pragma once

#include <stdexcept>
#include <string>

namespace tandemix {

// The program's one error type: it carries the text the user may be shown,
// in UTF-8, so that a path in it shows as the user named it.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tandemix
