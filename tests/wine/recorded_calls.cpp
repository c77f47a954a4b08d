#include "tests/wine/recorded_calls.h"

#include <shellapi.h>

#include <cstdlib>
#include <stdexcept>

#include "tests/wine/program_driver.h"

namespace tandemix::test {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

std::wstring Text(const std::string& escaped) {
  std::string utf8;
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\' || i + 1 == escaped.size()) {
      utf8 += escaped[i];
      continue;
    }
    const char next = escaped[++i];
    utf8 += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  std::wstring text(utf8.size(), L'\0');
  text.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                  text.data(), static_cast<int>(text.size())));
  return text;
}

unsigned long Number(const std::string& text) { return std::strtoul(text.c_str(), nullptr, 10); }

// The lines of one kind ("tray", "box", ...), split into their fields after the kind.
std::vector<std::vector<std::string>> Records(const std::filesystem::path& programFolder,
                                              const std::string& kind) {
  std::vector<std::vector<std::string>> records;
  for (const std::string& line : ReadLogLines(programFolder / L"Glossator.dll.calls.log")) {
    std::vector<std::string> fields = SplitTabs(line);
    if (fields[0] != kind) continue;
    fields.erase(fields.begin());
    records.push_back(fields);
  }
  return records;
}

}  // namespace

std::vector<TrayCall> ReadTrayCalls(const std::filesystem::path& programFolder) {
  std::vector<TrayCall> calls;
  for (const auto& f : Records(programFolder, "tray")) {
    if (f.size() != 11) continue;
    calls.push_back({Number(f[0]), reinterpret_cast<HWND>(static_cast<uintptr_t>(Number(f[1]))),
                     static_cast<UINT>(Number(f[2])), static_cast<UINT>(Number(f[3])),
                     static_cast<UINT>(Number(f[4])), Text(f[5]), Text(f[6]), Text(f[7]),
                     Number(f[8]), static_cast<UINT>(Number(f[9])), Number(f[10]) != 0});
  }
  return calls;
}

std::vector<BoxCall> ReadBoxCalls(const std::filesystem::path& programFolder) {
  std::vector<BoxCall> calls;
  for (const auto& f : Records(programFolder, "box")) {
    if (f.size() != 4) continue;
    calls.push_back({reinterpret_cast<HWND>(static_cast<uintptr_t>(Number(f[0]))),
                     static_cast<UINT>(Number(f[1])), Text(f[2]), Text(f[3])});
  }
  return calls;
}

std::vector<OpenCall> ReadOpenCalls(const std::filesystem::path& programFolder) {
  std::vector<OpenCall> calls;
  for (const auto& f : Records(programFolder, "shell")) {
    if (f.size() == 3) calls.push_back({Text(f[0]), Text(f[1]), Text(f[2])});
  }
  return calls;
}

std::vector<OpenCall> ReadAnsiOpenCalls(const std::filesystem::path& programFolder) {
  std::vector<OpenCall> calls;
  for (const auto& f : Records(programFolder, "shellA")) {
    if (f.size() == 4) calls.push_back({Text(f[0]), Text(f[1]), Text(f[2]), f[3] == "1"});
  }
  return calls;
}

std::vector<FontCall> ReadFontCalls(const std::filesystem::path& programFolder) {
  std::vector<FontCall> calls;
  for (const auto& f : Records(programFolder, "font")) {
    if (f.size() != 6) continue;
    calls.push_back({std::atoi(f[0].c_str()), Text(f[1]), std::atol(f[2].c_str()),
                     std::atol(f[3].c_str()), BYTE(std::atoi(f[4].c_str())),
                     UINT(std::atoi(f[5].c_str()))});
  }
  return calls;
}

TrayCall AddedTrayIcon(const std::filesystem::path& programFolder) {
  for (const TrayCall& call : ReadTrayCalls(programFolder)) {
    if (call.operation == NIM_ADD) return call;
  }
  return {};
}

UINT TrayIconVersion(const std::filesystem::path& programFolder) {
  UINT version = 0;
  for (const TrayCall& call : ReadTrayCalls(programFolder)) {
    if (call.operation == NIM_ADD) version = 0;
    // uVersion shares its place with the balloon's time-out.
    if (call.operation == NIM_SETVERSION) version = call.succeeded ? call.balloonTimeout : 0;
  }
  return version;
}

namespace {

struct ShellMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

ShellMessage ToTrayIcon(const std::filesystem::path& programFolder, UINT event, POINT anchor) {
  const TrayCall icon = AddedTrayIcon(programFolder);
  if (!icon.window) throw std::runtime_error("the program added no tray icon");
  if (TrayIconVersion(programFolder) == NOTIFYICON_VERSION_4) {
    return {icon.window, icon.callbackMessage, MAKEWPARAM(anchor.x, anchor.y),
            MAKELPARAM(event, icon.id)};
  }
  return {icon.window, icon.callbackMessage, icon.id, LPARAM(event)};
}

}  // namespace

void PostToTrayIcon(const std::filesystem::path& programFolder, UINT event, POINT anchor) {
  const ShellMessage m = ToTrayIcon(programFolder, event, anchor);
  PostMessageW(m.window, m.message, m.wParam, m.lParam);
}

void ClickTrayIcon(const std::filesystem::path& programFolder, TrayButton button, POINT at) {
  const bool left = button == TrayButton::Left;
  std::vector<UINT> events{UINT(left ? WM_LBUTTONUP : WM_RBUTTONUP)};
  if (TrayIconVersion(programFolder) == NOTIFYICON_VERSION_4)
    events.push_back(left ? NIN_SELECT : WM_CONTEXTMENU);
  for (UINT event : events) {
    const ShellMessage m = ToTrayIcon(programFolder, event, at);
    if (left)
      SendMessageW(m.window, m.message, m.wParam, m.lParam);
    else
      PostMessageW(m.window, m.message, m.wParam, m.lParam);
  }
}

}  // namespace tandemix::test
