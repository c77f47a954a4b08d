#pragma once

// The shared control block's mapping, held from before start-up until the
// control window is gone.

#include "platform/owned_handles_win.h"

namespace tandemix {

class TransControlBlockMapping {
 public:
  // Opens or creates the named mapping; a new block has TransState 0, an
  // existing one is left as found. Leaves the block absent on any failure.
  TransControlBlockMapping();
  ~TransControlBlockMapping();
  TransControlBlockMapping(const TransControlBlockMapping&) = delete;
  TransControlBlockMapping& operator=(const TransControlBlockMapping&) = delete;

 private:
  KernelHandle mapping_;
  MappedView view_;
};

}  // namespace tandemix
