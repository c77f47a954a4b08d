#include "channel/ansi_text.h"

#include <windows.h>

namespace tandemix {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace tandemix
