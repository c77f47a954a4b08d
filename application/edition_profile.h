#pragma once

// What differs between the Pro and the standard edition. Each executable is
// built with exactly one profile (edition_profile.cpp, compiled per edition).

#include <array>
#include <cstdint>
#include <string>

namespace tandemix {

struct EditionProfile {
  std::u16string ProductTitle;
  std::u16string LogoFileName;
  std::string ManifestSourceName;  // relative to the program folder
  bool ShowSettingsTab;
  bool RequireUpdater;
  std::array<uint16_t, 4> FileVersion;
};

const EditionProfile& Edition();

// The application title, the same in both editions (Hostprep is told it).
inline const std::u16string ApplicationTitle = u"Tandemix\u7FFB\u8BD1\u52A9\u624B";

}  // namespace tandemix
