// tandemix-block: shows the shared control block the way the plug-in sees it.
// It only opens an existing block, read-only: it must never create one.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/owned_handles_win.h"
#include "tools/block_format.h"

namespace {

std::string AnsiToUtf8(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  std::wstring wide(wideLength, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), wideLength);
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

void Print(const TransControlBlock& block, bool json) {
  const std::string out =
      json ? tandemix::FormatBlockJson(block, AnsiToUtf8) + "\n" : tandemix::FormatBlockText(block);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
}

int Usage() {
  std::fputs("usage: tandemix-block [--json] [--watch]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool watch = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--json") == 0) {
      json = true;
    } else if (std::strcmp(argv[i], "--watch") == 0) {
      watch = true;
    } else {
      return Usage();
    }
  }

  const tandemix::KernelHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, TRANS_MAPPING_NAME));
  if (!mapping) {
    std::fputs("tandemix-block: no control block " TRANS_MAPPING_NAME
               " exists (neither Tandemix nor the plug-in holds it)\n",
               stderr);
    return 1;
  }
  const tandemix::MappedView mapped(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (!mapped) {
    std::fprintf(stderr, "tandemix-block: cannot map the control block (error %lu)\n",
                 GetLastError());
    return 1;
  }
  const auto* view = static_cast<const TransControlBlock*>(mapped.get());

  TransControlBlock shown;
  std::memcpy(&shown, view, sizeof shown);
  Print(shown, json);
  while (watch) {
    Sleep(50);
    TransControlBlock now;
    std::memcpy(&now, view, sizeof now);
    if (std::memcmp(&now, &shown, sizeof now) != 0) {
      shown = now;
      if (!json) std::fputs("--\n", stdout);
      Print(shown, json);
    }
  }
  return 0;
}
