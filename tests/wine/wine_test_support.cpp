#include "tests/wine/wine_test_support.h"

#include <tlhelp32.h>

#include <stdexcept>
#include <thread>

namespace tandemix::test {
namespace {

struct ChildPipes {
  KernelHandle read;
  KernelHandle write;
};

ChildPipes MakeOutputPipe() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) throw std::runtime_error("CreatePipe");
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  return {KernelHandle(read), KernelHandle(write)};
}

ProcessHandles Start(const std::wstring& commandLine, HANDLE output) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::wstring mutableLine = commandLine;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &info)) {
    throw std::runtime_error("cannot start a test process");
  }
  return ProcessHandles(info);
}

// Windows refuses to replace or delete a program that runs: what a case
// started from its folder (a companion the program started, which ends by
// itself) has ended before the folder goes; one that would not is ended.
void WaitForProgramsIn(const std::filesystem::path& folder) {
  const std::wstring inside = folder.wstring() + L"\\";
  for (const ListedProcess& listed : ListProcesses()) {
    const KernelHandle process(OpenProcess(
        PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, listed.id));
    if (!process) continue;
    const std::wstring image = ImageOf(process.get());
    if (_wcsnicmp(image.c_str(), inside.c_str(), inside.size()) == 0 &&
        WaitForSingleObject(process.get(), 20000) == WAIT_TIMEOUT) {
      EndProcess(process.get());
    }
  }
}

void ReadAvailable(HANDLE pipe, std::string& into) {
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    char buffer[4096];
    DWORD got = 0;
    if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &got, nullptr) ||
        got == 0) {
      return;
    }
    into.append(buffer, got);
  }
}

}  // namespace

std::vector<ListedProcess> ListProcesses() {
  std::vector<ListedProcess> listed;
  const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    listed.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
  }
  return listed;
}

std::wstring ImageOf(HANDLE process) {
  wchar_t image[MAX_PATH * 2];
  DWORD size = MAX_PATH * 2;
  return QueryFullProcessImageNameW(process, 0, image, &size) ? std::wstring(image, size)
                                                              : std::wstring();
}

void EndProcess(HANDLE process) {
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
}

std::filesystem::path BuildDir() {
  // The build folder is a Unix path; Wine shows the Unix root as drive Z:.
  std::string unixPath = TANDEMIX_BIN_DIR;
  return std::filesystem::path("Z:" + unixPath).make_preferred();
}

TempDir::TempDir() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  // Wine hands out process ids again once its server restarts: a folder that
  // an earlier test program left is never taken over.
  static int counter = 0;
  do {
    path_ =
        std::filesystem::path(base) / (L"tandemix-test-" + std::to_wstring(GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(++counter));
  } while (!CreateDirectoryW(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
  if (!std::filesystem::is_directory(path_)) throw std::runtime_error("cannot make a test folder");
}

TempDir::~TempDir() {
  WaitForProgramsIn(path_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
  ansi.resize(size - 1);
  return ansi;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

ProcessResult RunProcess(const std::wstring& commandLine, std::chrono::milliseconds limit) {
  ChildPipes pipes = MakeOutputPipe();
  const ProcessHandles started = Start(commandLine, pipes.write.get());
  pipes.write.reset();
  ProcessResult result;
  result.finished = WaitUntil(
      [&] {
        ReadAvailable(pipes.read.get(), result.output);
        return WaitForSingleObject(started.process.get(), 0) == WAIT_OBJECT_0;
      },
      limit);
  ReadAvailable(pipes.read.get(), result.output);
  if (!result.finished) TerminateProcess(started.process.get(), 99);
  GetExitCodeProcess(started.process.get(), &result.exitCode);
  return result;
}

RunningProcess::RunningProcess(const std::wstring& commandLine) {
  ChildPipes pipes = MakeOutputPipe();
  started_ = Start(commandLine, pipes.write.get());
  readPipe_ = std::move(pipes.read);
}

RunningProcess::~RunningProcess() {
  TerminateProcess(started_.process.get(), 0);
  WaitForSingleObject(started_.process.get(), 5000);
}

const std::string& RunningProcess::Output() {
  ReadAvailable(readPipe_.get(), output_);
  return output_;
}

}  // namespace tandemix::test
