#include "channel/process_win.h"

#include <tlhelp32.h>

#include <cstring>

#include "platform/owned_handles_win.h"

namespace tandemix {
namespace {

using SnapshotFunction = HANDLE(WINAPI*)(DWORD, DWORD);
using WalkFunction = BOOL(WINAPI*)(HANDLE, tagPROCESSENTRY32*);

SnapshotFunction g_createSnapshot = nullptr;
WalkFunction g_processFirst = nullptr;
WalkFunction g_processNext = nullptr;

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool LoadToolhelpFunctions() {
  HMODULE kernel = GetModuleHandleA("kernel32");
  g_createSnapshot = Lookup<SnapshotFunction>(kernel, "CreateToolhelp32Snapshot");
  g_processFirst = Lookup<WalkFunction>(kernel, "Process32First");
  g_processNext = Lookup<WalkFunction>(kernel, "Process32Next");
  return g_createSnapshot && g_processFirst && g_processNext;
}

HANDLE TakeProcessSnapshot(DWORD flags, DWORD processId) {
  if (!g_createSnapshot && !LoadToolhelpFunctions()) return nullptr;
  return g_createSnapshot(flags, processId);
}

bool FirstProcessEntry(HANDLE snapshot, tagPROCESSENTRY32* entry) {
  if (!g_processFirst && !LoadToolhelpFunctions()) return false;
  return g_processFirst(snapshot, entry) != FALSE;
}

bool NextProcessEntry(HANDLE snapshot, tagPROCESSENTRY32* entry) {
  if (!g_processNext && !LoadToolhelpFunctions()) return false;
  return g_processNext(snapshot, entry) != FALSE;
}

uint32_t GetProcessIdByExeName(const std::string& exeName) {
  const KernelHandle snapshot(TakeProcessSnapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  tagPROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (bool more = FirstProcessEntry(snapshot.get(), &entry); more;
       more = NextProcessEntry(snapshot.get(), &entry)) {
    if (std::string(entry.szExeFile, strnlen(entry.szExeFile, MAX_PATH)) == exeName) {
      return entry.th32ProcessID;
    }
  }
  return 0;
}

}  // namespace tandemix
