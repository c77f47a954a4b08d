#pragma once

// What the fuzz targets share: a failed property stops the run with its
// input saved, and a scratch folder for the parsers that read files.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tandemix::fuzz {

inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

// One folder for the whole run, removed when the run ends.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("tandemix-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
    return path;
  }();
  return folder;
}

// The same as the program names folders: UTF-16, with its separator.
inline std::u16string ScratchFolderName() { return (ScratchFolder() / "").u16string(); }

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

inline std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Latin-1 text from bytes, as the native build reads ANSI.
inline std::u16string Widen(std::string_view bytes) {
  std::u16string text;
  for (unsigned char byte : bytes) text += byte;
  return text;
}

// Cuts the input's first line off: the fields that tell a target what to do
// come before the bytes it parses. Nothing when there is no line break left.
inline bool TakeLine(std::string_view& input, std::string_view& line) {
  const size_t end = input.find('\n');
  if (end == std::string_view::npos) return false;
  line = input.substr(0, end);
  input.remove_prefix(end + 1);
  return true;
}

}  // namespace tandemix::fuzz
