#pragma once

// Helpers for the tests that run under Wine against the real programs.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

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

// Waits until the condition holds; false when the time runs out first.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(20));

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
  DWORD id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
  HANDLE readPipe_ = nullptr;
  std::string output_;
};

}  // namespace tandemix::test
