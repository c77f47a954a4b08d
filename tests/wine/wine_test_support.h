#pragma once

// Helpers for the tests that run under Wine against the real programs.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/owned_handles_win.h"

namespace tandemix::test {

// The Windows build folder, where the programs under test lie.
std::filesystem::path BuildDir();

// A fresh empty folder, removed with its contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Text in the ANSI code page, as Tandemix passes paths, titles and languages
// on; converted here by the system, not by the program's own code.
std::string Ansi(const std::wstring& text);
inline std::string Ansi(const char16_t* text) {
  return Ansi(std::wstring(reinterpret_cast<const wchar_t*>(text)));
}

// Waits until the condition holds; false when the time runs out first.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(20));

// The handles of a started process, closed when dropped.
struct ProcessHandles {
  ProcessHandles() = default;
  explicit ProcessHandles(const PROCESS_INFORMATION& info)
      : process(info.hProcess), thread(info.hThread), id(info.dwProcessId) {}
  KernelHandle process;
  KernelHandle thread;
  DWORD id = 0;
};

// A process of the system's process list.
struct ListedProcess {
  DWORD id;
  DWORD parentId;
  std::wstring exeName;  // the file name, without its folder
};
std::vector<ListedProcess> ListProcesses();
// The full path of a live process's image, as the system names it; empty when
// the process cannot be asked.
std::wstring ImageOf(HANDLE process);
// Ends a process that would not end by itself, and waits for its end.
void EndProcess(HANDLE process);

struct ProcessResult {
  DWORD exitCode = 0;
  std::string output;  // standard output
  bool finished = false;
};

// Runs a command line to its end (or the time limit), collecting its output.
ProcessResult RunProcess(const std::wstring& commandLine,
                         std::chrono::milliseconds limit = std::chrono::seconds(30));

// A child whose output can be read while it runs; killed when dropped.
class RunningProcess {
 public:
  explicit RunningProcess(const std::wstring& commandLine);
  ~RunningProcess();
  RunningProcess(const RunningProcess&) = delete;
  RunningProcess& operator=(const RunningProcess&) = delete;
  // Output read so far (reads what is available without blocking).
  const std::string& Output();
  DWORD id() const { return started_.id; }

 private:
  ProcessHandles started_;
  KernelHandle readPipe_;
  std::string output_;
};

}  // namespace tandemix::test
