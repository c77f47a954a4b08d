/* The record header as a plug-in written in C sees it (built as C89 and C11). */
#include "tandemix/trans_control_block.h"

#include <stdio.h>
#include <string.h>

int main(void) {
  TransControlBlock block;
  const unsigned char on_bytes[4] = {0x41, 0x21, 0x13, 0x02};
  int failures = 0;

  memset(&block, 0, sizeof block);
  block.TransState = TRANS_ON_MARK;
  if (memcmp(&block, on_bytes, 4) != 0) {
    puts("TRANS_ON_MARK is not 41 21 13 02 in memory");
    ++failures;
  }
  if (strcmp(TRANS_MAPPING_NAME, "{AA100B64-367D-4F14-BA95-50B9B6D5409E}") != 0) {
    puts("mapping name differs");
    ++failures;
  }
  if (sizeof block.SendLang != 513 || TRANS_TEXT_FIELD_SIZE != 513) {
    puts("text fields are not 513 bytes");
    ++failures;
  }
  return failures;
}
