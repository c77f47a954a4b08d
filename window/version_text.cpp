#include "window/version_text.h"

namespace tandemix {

std::string CutVersionText(const std::string& fullVersion) {
  size_t dot = std::string::npos;
  for (int i = 0; i < 3; ++i) {
    dot = fullVersion.find('.', dot == std::string::npos ? 0 : dot + 1);
    if (dot == std::string::npos) return {};
  }
  return fullVersion.substr(0, dot);
}

}  // namespace tandemix
