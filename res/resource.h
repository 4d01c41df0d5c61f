// Identifiers of every resource, control and system-menu command of Tintlet.
// Resource and control numbers are separate namespaces: 102 and 130 each name two
// unrelated things on purpose.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX      100
#define IDD_PICKER_DIALOG 102

// Strings
#define IDS_ABOUTBOX      101
#define IDS_ALWAYS_ON_TOP 102
#define IDS_HOMEPAGE      103

// Application icon: the lowest-numbered icon group, so the shell shows it for the file
#define IDR_MAINFRAME     128

// Cursors
#define IDC_LINK_CURSOR   129
#define IDC_PICKER_CURSOR 130

// Other icons
#define IDI_PICKER        131
#define IDI_PICKER_EMPTY  132

// Bitmaps
#define IDB_COPY          133

// Controls
#define IDC_PICKER        130
#define IDC_LINK          1000
#define IDC_SWATCH        1001
#define IDC_COPY_DEC      1002
#define IDC_COPY_HEX      1003
#define IDC_COPY_COLORREF 1004
#define IDC_COPY_HTML     1005
#define IDC_RGB_DEC       1006
#define IDC_RGB_HEX       1007
#define IDC_COLORREF      1008
#define IDC_HTML          1009
#define IDC_COORDINATES   1010

// System-menu commands: multiples of 16 below 0xF000, as the system keeps the low
// four bits of such commands for itself
#define IDM_ABOUTBOX      0x0010
#define IDM_ALWAYS_ON_TOP 0x0020

// Controls that no code addresses
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
