#pragma once

#define IDI_PROGRAM 1
#define IDI_TRAY 2
#define IDI_START 10
#define IDI_STOP 11
#define IDI_EXIT 12
#define IDR_BANNER 20
#define IDR_KEYS 30
// Commands of the keys, apart from the components' ids.
#define IDK_NEXT_PAGE 31
#define IDK_PREVIOUS_PAGE 32
