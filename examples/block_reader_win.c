/* block_reader: reads Tandemix's shared control block the way a plug-in should,
 * and prints every field. Plain C89 for Windows; a starting point for a reader.
 *
 *   i686-w64-mingw32-gcc -std=c89 -Iinclude examples/block_reader_win.c -o block_reader.exe
 *
 * Exit code 0: printed; 1: no block exists (nobody holds it); 2: the block
 * kept changing while it was read. Texts are printed as they are stored, in
 * the system's ANSI code page. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "tandemix/trans_control_block.h"

/* Byte by byte through a volatile pointer: the compiler must really read the
 * shared memory each time, not reuse an earlier copy. */
static void CopyBlock(TransControlBlock* to, const volatile TransControlBlock* from) {
  const volatile unsigned char* source = (const volatile unsigned char*)from;
  unsigned char* target = (unsigned char*)to;
  size_t i;
  for (i = 0; i < sizeof(TransControlBlock); ++i) target[i] = source[i];
}

/* Tandemix writes without a lock, field by field, and a reader may catch a
 * field half rewritten. Two copies in a row that are equal were not torn. */
static int ReadStableBlock(const volatile TransControlBlock* shared, TransControlBlock* out) {
  static TransControlBlock second;
  int attempt;
  for (attempt = 0; attempt < 100; ++attempt) {
    CopyBlock(out, shared);
    CopyBlock(&second, shared);
    if (memcmp(out, &second, sizeof second) == 0) return 1;
    Sleep(1);
  }
  return 0;
}

/* A text field ends at its first NUL; one without a NUL ends with the field. */
static void PrintText(const char* name, const char field[TRANS_TEXT_FIELD_SIZE]) {
  char text[TRANS_TEXT_FIELD_SIZE + 1];
  memcpy(text, field, TRANS_TEXT_FIELD_SIZE);
  text[TRANS_TEXT_FIELD_SIZE] = '\0';
  printf("%s=%s\n", name, text);
}

int main(void) {
  static TransControlBlock block;
  HANDLE mapping;
  const volatile TransControlBlock* view;
  int stable;

  /* Open only: a reader that created the block would hold an all-zero one. */
  mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, TRANS_MAPPING_NAME);
  if (mapping == NULL) {
    fputs("block_reader: no control block (Tandemix is not running)\n", stderr);
    return 1;
  }
  view = (const volatile TransControlBlock*)MapViewOfFile(mapping, FILE_MAP_READ, 0, 0,
                                                          sizeof(TransControlBlock));
  if (view == NULL) {
    fputs("block_reader: cannot map the control block\n", stderr);
    CloseHandle(mapping);
    return 1;
  }
  stable = ReadStableBlock(view, &block);
  UnmapViewOfFile((LPCVOID)view);
  CloseHandle(mapping);
  if (!stable) {
    fputs("block_reader: the block kept changing\n", stderr);
    return 2;
  }

  printf("TransOn=%d\n", block.TransState == TRANS_ON_MARK ? 1 : 0);
  printf("OwnerProcessId=%lu\n", (unsigned long)block.OwnerProcessId);
  PrintText("OwnerExeName", block.OwnerExeName);
  printf("TransTimeOut=%ld\n", (long)block.TransTimeOut);
  printf("NeedConfirm=%d\n", block.NeedConfirm);
  printf("AutoRead=%d\n", block.AutoRead);
  printf("SaveHistory=%d\n", block.SaveHistory);
  PrintText("TransHostName", block.TransHostName);
  PrintText("SendLang", block.SendLang);
  PrintText("RecvLang", block.RecvLang);
  return 0;
}
