#pragma once

// uProcess: the process list through Toolhelp, looked up by name in kernel32
// at first use rather than imported. The ANSI forms: the owner name in the
// block is ANSI.

#include <windows.h>

#include <cstdint>
#include <string>

struct tagPROCESSENTRY32;  // the ANSI record of <tlhelp32.h>

namespace tandemix {

bool LoadToolhelpFunctions();
HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD processId);
bool Process32First(HANDLE snapshot, tagPROCESSENTRY32* entry);
bool Process32Next(HANDLE snapshot, tagPROCESSENTRY32* entry);

uint32_t GetProcessIdByExeName(const std::string& exeName);

}  // namespace tandemix
