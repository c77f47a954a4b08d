#include "channel/check_trans_on_win.h"

#include "channel/check_trans_on.h"
#include "channel/process_win.h"

namespace tandemix {
namespace {

MappedView MapWholeBlock(const KernelHandle& mapping) {
  return MappedView(MapViewOfFile(mapping.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
}

}  // namespace

TransControlBlockMapping::TransControlBlockMapping() {
  mapping_.reset(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, TRANS_MAPPING_NAME));
  const bool created = !mapping_;
  if (created) {
    mapping_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(TransControlBlock), TRANS_MAPPING_NAME));
    if (!mapping_) return;
  }
  view_ = MapWholeBlock(mapping_);
  if (!view_) {
    mapping_.reset();
    return;
  }
  AttachTransBlock(static_cast<TransControlBlock*>(view_.get()));
  // An existing block stays as the other holder left it; a new one is off,
  // also when another process created it between our open and create.
  if (created) SetTransOn(false);
}

TransControlBlockMapping::~TransControlBlockMapping() {
  if (view_) AttachTransBlock(nullptr);
}

bool CheckTransOn() { return CheckTransOn(GetProcessIdByExeName); }

}  // namespace tandemix
