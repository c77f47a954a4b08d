#pragma once

// uCheckTransOn: the shared control block, the one channel to the plug-in.
// Every write does nothing while the block is absent.

#include <cstdint>
#include <string>

#include "tandemix/trans_control_block.h"

namespace tandemix {

// The mapped record, or nullptr while the block is absent.
TransControlBlock* TransBlock();
// Sets the record the writes go to (the mapping's view; a test's own record).
void AttachTransBlock(TransControlBlock* record);

void SetTransOn(bool on);
void SetTransOwner(const std::string& exeName, uint32_t processId);
void SetTransHost(const std::string& hostName);
void SetTransOptions(int32_t timeOut, const std::string& sendLang, const std::string& recvLang,
                     int32_t reserved, bool needConfirm, bool autoRead, bool saveHistory);
void SetNeedConfirm(bool value);
void SetAutoRead(bool value);
void SetSaveHistory(bool value);

// The id of the first running process with exactly this executable file name; 0 when none.
using ProcessIdLookup = uint32_t (*)(const std::string& exeName);

// Translation counts as on only while the recorded owner is the first process
// of its name; when it is not, the on-mark is cleared. The lookup is asked only
// while TransState is not 0.
bool CheckTransOn(ProcessIdLookup lookup);
// With the system's process list.
bool CheckTransOn();

}  // namespace tandemix
