#pragma once

#define IDI_PROGRAM 1
#define IDI_TRAY 2
#define IDB_START 10
#define IDB_STOP 11
#define IDB_EXIT 12
#define IDR_BANNER 20
