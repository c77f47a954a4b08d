#include "application/edition_profile.h"

#include "resources/edition_version.h"

namespace tandemix {

const EditionProfile& Edition() {
#if TANDEMIX_EDITION_PRO
  static const EditionProfile profile{
      u"Tandemix Pro", u"LOGO_ENU_PRO.jpg",    "MANIFEST\\plugin_ENU_Pro.properties", true,
      false,           {TANDEMIX_FILE_VERSION}};
#else
  static const EditionProfile profile{
      u"Tandemix", u"LOGO_ENU.jpg",        "MANIFEST\\plugin_ENU.properties", false,
      true,        {TANDEMIX_FILE_VERSION}};
#endif
  return profile;
}

}  // namespace tandemix
