#pragma once

// uProcess: the process list through Toolhelp, looked up by name in kernel32
// at first use rather than imported. The ANSI forms: the owner name in the
// block is ANSI.

#include <windows.h>

#include <cstdint>
#include <string>

struct tagPROCESSENTRY32;  // the ANSI record of <tlhelp32.h>

namespace tandemix {

// The three Toolhelp functions, looked up anew after a failed lookup.
bool LoadToolhelpFunctions();
// CreateToolhelp32Snapshot, Process32First and Process32Next through the lookup.
HANDLE TakeProcessSnapshot(DWORD flags, DWORD processId);
bool FirstProcessEntry(HANDLE snapshot, tagPROCESSENTRY32* entry);
bool NextProcessEntry(HANDLE snapshot, tagPROCESSENTRY32* entry);

uint32_t GetProcessIdByExeName(const std::string& exeName);

}  // namespace tandemix
