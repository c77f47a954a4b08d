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

// The handles for which null means none, each with the call that releases it.
template <typename HandleType, auto ReleaseCall>
struct NullMeansNoneTraits {
  using Handle = HandleType;
  static Handle None() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { ReleaseCall(h); }
};

using MappedView = Owned<NullMeansNoneTraits<void*, UnmapViewOfFile>>;
using RegistryKey = Owned<NullMeansNoneTraits<HKEY, RegCloseKey>>;
template <typename Object>
using GdiObject = Owned<NullMeansNoneTraits<Object, DeleteObject>>;
using OwnedMenu = Owned<NullMeansNoneTraits<HMENU, DestroyMenu>>;
using OwnedIcon = Owned<NullMeansNoneTraits<HICON, DestroyIcon>>;
using OwnedModule = Owned<NullMeansNoneTraits<HMODULE, FreeLibrary>>;

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

// BeginPaint to EndPaint on every path: a window left unpainted after an
// error would be asked to paint again at once.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

}  // namespace tandemix
