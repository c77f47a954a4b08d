// The shipped executables keep ASLR and DEP on and bring no runtime DLL of
// their own: read from their PE headers as the loader reads them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

// Values of the PE format.
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kRelocsStripped = 0x0001;
constexpr uint16_t kDynamicBase = 0x0040;
constexpr uint16_t kNxCompat = 0x0100;
constexpr size_t kImportDirectory = 1;
constexpr size_t kBaseRelocationDirectory = 5;

class PeImage {
 public:
  explicit PeImage(std::string bytes) : bytes_(std::move(bytes)) {}

  // "MZ", then "PE\0\0" where the DOS header points, then a 32-bit optional header.
  bool Valid() const {
    return U16(0) == 0x5A4D && U32(Pe()) == 0x00004550 && OptionalMagic() == kPe32Magic;
  }
  uint16_t FileCharacteristics() const { return U16(Pe() + 22); }
  uint16_t OptionalMagic() const { return U16(Optional()); }
  uint16_t DllCharacteristics() const { return U16(Optional() + 70); }
  uint32_t DirectorySize(size_t index) const { return U32(Optional() + 96 + index * 8 + 4); }

  // The names of the DLLs the import directory lists.
  std::vector<std::string> ImportedDlls() const {
    std::vector<std::string> names;
    auto descriptor = FileOffset(U32(Optional() + 96 + kImportDirectory * 8));
    for (; descriptor && *descriptor + 20 <= bytes_.size(); *descriptor += 20) {
      const uint32_t nameRva = U32(*descriptor + 12);
      if (nameRva == 0) break;
      const auto name = FileOffset(nameRva);
      if (!name) break;
      names.emplace_back(bytes_.c_str() + *name);
    }
    return names;
  }

 private:
  // Little-endian, and zero past the end of the file.
  uint32_t Le(size_t at, size_t size) const {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;) {
      value = value << 8 | (at + i < bytes_.size() ? static_cast<uint8_t>(bytes_[at + i]) : 0);
    }
    return value;
  }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(Le(at, 2)); }
  uint32_t U32(size_t at) const { return Le(at, 4); }
  size_t Pe() const { return U32(0x3C); }
  size_t Optional() const { return Pe() + 24; }

  std::optional<size_t> FileOffset(uint32_t rva) const {
    const size_t sections = Optional() + U16(Pe() + 20);
    for (size_t i = 0; i < U16(Pe() + 6); ++i) {
      const size_t header = sections + i * 40;
      const uint32_t address = U32(header + 12), size = U32(header + 16);
      if (rva >= address && rva < address + size) return rva - address + U32(header + 20);
    }
    return std::nullopt;
  }

  std::string bytes_;
};

class ExecutableHardeningTest : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(ExecutableHardeningTest, KeepsAslrAndDepOnAndNeedsOnlySystemDlls) {
  const PeImage image(ReadFileBytes(GetParam()));
  ASSERT_TRUE(image.Valid()) << GetParam().string();
  EXPECT_NE(image.DllCharacteristics() & kDynamicBase, 0) << "ASLR";
  EXPECT_NE(image.DllCharacteristics() & kNxCompat, 0) << "DEP";
  // Without relocations the loader cannot move the image, ASLR or not.
  EXPECT_EQ(image.FileCharacteristics() & kRelocsStripped, 0);
  EXPECT_NE(image.DirectorySize(kBaseRelocationDirectory), 0u);

  const std::vector<std::string> dlls = image.ImportedDlls();
  EXPECT_FALSE(dlls.empty());
  for (const std::string& dll : dlls) {
    for (const char* runtime : {"libssp", "libstdc++", "libgcc", "libwinpthread", "libjpeg"}) {
      EXPECT_NE(dll.rfind(runtime, 0), 0u) << dll << " would have to ship beside the program";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, ExecutableHardeningTest,
                         ::testing::Values(ProgramExe(Edition::Pro), ProgramExe(Edition::Standard),
                                           BuildDir() / "tandemix-block.exe"),
                         [](const auto& info) {
                           return std::string(info.index == 0   ? "Pro"
                                              : info.index == 1 ? "Standard"
                                                                : "BlockViewer");
                         });

}  // namespace
}  // namespace tandemix::test
