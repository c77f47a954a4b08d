#include "channel/ansi_text.h"

namespace tandemix {

// The native build only tests the portable core; it treats text as single-byte.
bool IsAnsiLeadByte(unsigned char) { return false; }

}  // namespace tandemix
