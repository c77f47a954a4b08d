#pragma once

// uProcess: the process list through Toolhelp, looked up by name in kernel32
// at first use rather than imported.

#include <windows.h>
#include <tlhelp32.h>
// The ANSI forms: the owner name in the block is ANSI.
#undef Process32First
#undef Process32Next
#undef PROCESSENTRY32

#include <cstdint>
#include <string>

namespace tandemix {

bool LoadToolhelpFunctions();
HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD processId);
bool Process32First(HANDLE snapshot, PROCESSENTRY32* entry);
bool Process32Next(HANDLE snapshot, PROCESSENTRY32* entry);

uint32_t GetProcessIdByExeName(const std::string& exeName);

}  // namespace tandemix
