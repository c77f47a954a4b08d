#include "channel/check_trans_on.h"

#include <windows.h>

namespace tandemix {
namespace {

HANDLE g_mapping = nullptr;

TransControlBlock* MapWholeBlock(HANDLE mapping) {
  return static_cast<TransControlBlock*>(
      MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
}

}  // namespace

void OpenTransControlBlock() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, TRANS_MAPPING_NAME);
  if (mapping) {
    // An existing block stays as the other holder left it.
    if (TransControlBlock* view = MapWholeBlock(mapping)) {
      g_mapping = mapping;
      AttachTransBlock(view);
    } else {
      CloseHandle(mapping);
    }
    return;
  }
  mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                               sizeof(TransControlBlock), TRANS_MAPPING_NAME);
  if (!mapping) return;
  TransControlBlock* view = MapWholeBlock(mapping);
  if (!view) {
    CloseHandle(mapping);
    return;
  }
  g_mapping = mapping;
  AttachTransBlock(view);
  // Also when another process created it between our open and create.
  SetTransOn(false);
}

void CloseTransControlBlock() {
  if (TransControlBlock* view = TransBlock()) {
    AttachTransBlock(nullptr);
    UnmapViewOfFile(view);
  }
  if (g_mapping) {
    CloseHandle(g_mapping);
    g_mapping = nullptr;
  }
}

}  // namespace tandemix
