#pragma once

// Move-only owners of Windows resources: each releases what it holds in its
// destructor, so every path out of a scope releases it.

#include <windows.h>

#include <utility>

namespace tandemix {

template <typename Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;

  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : handle_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::Valid(handle_); }
  Handle release() { return std::exchange(handle_, Traits::None()); }
  void reset(Handle handle = Traits::None()) {
    if (Traits::Valid(handle_)) Traits::Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::None();
};

// A kernel object; both null and INVALID_HANDLE_VALUE mean none, as the
// creating calls answer one or the other.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h && h != INVALID_HANDLE_VALUE; }
  static void Release(Handle h) { CloseHandle(h); }
};
using KernelHandle = Owned<KernelHandleTraits>;

// A directory search of FindFirstFile.
struct SearchHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static bool Valid(Handle h) { return h != INVALID_HANDLE_VALUE; }
  static void Release(Handle h) { FindClose(h); }
};
using SearchHandle = Owned<SearchHandleTraits>;

struct MappedViewTraits {
  using Handle = void*;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { UnmapViewOfFile(h); }
};
using MappedView = Owned<MappedViewTraits>;

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { RegCloseKey(h); }
};
using RegistryKey = Owned<RegistryKeyTraits>;

template <typename Object>
struct GdiObjectTraits {
  using Handle = Object;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { DeleteObject(h); }
};
template <typename Object>
using GdiObject = Owned<GdiObjectTraits<Object>>;

struct MenuTraits {
  using Handle = HMENU;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { DestroyMenu(h); }
};
using OwnedMenu = Owned<MenuTraits>;

struct IconTraits {
  using Handle = HICON;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { DestroyIcon(h); }
};
using OwnedIcon = Owned<IconTraits>;

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { FreeLibrary(h); }
};
using OwnedModule = Owned<ModuleTraits>;

// A memory DC with one object selected into it; both are put back on release.
class MemoryDc {
 public:
  MemoryDc(HDC compatible, HGDIOBJ selected)
      : dc_(CreateCompatibleDC(compatible)), old_(SelectObject(dc_, selected)) {}
  ~MemoryDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace tandemix
