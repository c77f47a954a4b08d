#include "channel/check_trans_on.h"

#include <atomic>
#include <cstring>

#include "settings/ansi_text.h"

namespace tandemix {
namespace {

TransControlBlock* g_block = nullptr;

// The plug-in reads while we write and there is no lock: a 32-bit field is one
// aligned store, and a string gets its bytes first and its NUL last.
void Store32(uint32_t& field, uint32_t value) {
  std::atomic_ref<uint32_t>(field).store(value, std::memory_order_release);
}

void StoreText(char (&field)[TRANS_TEXT_FIELD_SIZE], const std::string& text) {
  const size_t length = AnsiFitLength(text, TRANS_TEXT_FIELD_SIZE - 1, IsAnsiLeadByte);
  std::memcpy(field, text.data(), length);
  std::atomic_thread_fence(std::memory_order_release);
  field[length] = '\0';
}

void StoreFlag(uint8_t& field, bool value) { field = value ? 1 : 0; }

}  // namespace

TransControlBlock* TransBlock() { return g_block; }
void AttachTransBlock(TransControlBlock* record) { g_block = record; }

void SetTransOn(bool on) {
  if (!g_block) return;
  Store32(g_block->TransState, on ? TRANS_ON_MARK : 0);
}

void SetTransOwner(const std::string& exeName, uint32_t processId) {
  if (!g_block) return;
  Store32(g_block->OwnerProcessId, processId);
  StoreText(g_block->OwnerExeName, exeName);
}

void SetTransHost(const std::string& hostName) {
  if (!g_block) return;
  StoreText(g_block->TransHostName, hostName);
}

void SetTransOptions(int32_t timeOut, const std::string& sendLang, const std::string& recvLang,
                     int32_t reserved, bool needConfirm, bool autoRead, bool saveHistory) {
  if (!g_block) return;
  Store32(reinterpret_cast<uint32_t&>(g_block->TransTimeOut), static_cast<uint32_t>(timeOut));
  StoreText(g_block->SendLang, sendLang);
  StoreText(g_block->RecvLang, recvLang);
  Store32(reinterpret_cast<uint32_t&>(g_block->Reserved), static_cast<uint32_t>(reserved));
  StoreFlag(g_block->NeedConfirm, needConfirm);
  StoreFlag(g_block->AutoRead, autoRead);
  StoreFlag(g_block->SaveHistory, saveHistory);
}

void SetNeedConfirm(bool value) {
  if (g_block) StoreFlag(g_block->NeedConfirm, value);
}

void SetAutoRead(bool value) {
  if (g_block) StoreFlag(g_block->AutoRead, value);
}

void SetSaveHistory(bool value) {
  if (g_block) StoreFlag(g_block->SaveHistory, value);
}

bool CheckTransOn(ProcessIdLookup lookup) {
  if (!g_block) return false;
  // With the mark clear the check can only answer false and has nothing to
  // clear, whoever owns the block: the process list is not worth walking.
  if (g_block->TransState == 0) return false;
  const size_t length = strnlen(g_block->OwnerExeName, TRANS_TEXT_FIELD_SIZE);
  const uint32_t found = lookup(std::string(g_block->OwnerExeName, length));
  if (found != g_block->OwnerProcessId) {
    Store32(g_block->TransState, 0);
    return false;
  }
  return g_block->TransState == TRANS_ON_MARK;
}

}  // namespace tandemix
