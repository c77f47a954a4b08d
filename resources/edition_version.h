/* Version numbers of each edition; shared by the profile and the .rc file. */
#pragma once

#if TANDEMIX_EDITION_PRO
#define TANDEMIX_FILE_VERSION 4, 1, 1, 0
#define TANDEMIX_FILE_VERSION_TEXT "4.1.1.0"
#else
#define TANDEMIX_FILE_VERSION 4, 2, 1, 0
#define TANDEMIX_FILE_VERSION_TEXT "4.2.1.0"
#endif
