// The program's ids: resources and commands, shared by the resource script and the code,
// and its timers, hotkeys and own messages.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_BUTTONBAR 102
#define IDR_MAINFRAME 128
#define IDR_POPUP 129
#define IDD_WINDOWPROCESSING 130
#define IDR_TRAYMENU 133
#define IDI_TRAY 134
#define IDD_TRANSPARENCY 136
#define IDD_PREFERENCES 137
#define IDI_HIDDENWINDOW 138

// Bar (102)
#define IDC_TOPMOST 1001
#define IDC_TRANSPARENCY 1002
#define IDC_HIDE 1003

// Window processing (130)
#define IDC_WINDOWLIST 1002
#define IDC_VERTICAL 1003
#define IDC_HORIZONTAL 1004
#define IDC_RECTANGLES 1005
#define IDC_APPLY 1006
#define IDC_BRINGTOTOP 1007
#define IDC_UPDATE 1009
#define IDC_PARENTS 1010
#define IDC_PARENTSCHILDS 1011
#define IDC_HIDDENLIST 1012
#define IDC_ENDPROCESS 1013
#define IDC_MINIMIZESEL 1014
#define IDC_HIDESHOW 1015
#define IDC_SHOWALLHIDDEN 1016
#define IDC_SHOWOWNHIDDEN 1017

// Transparency pop-up (136)
#define IDC_ALPHASLIDER 1017
#define IDC_CLOSERIGHT 1020
#define IDC_CLOSELEFT 1021

// Preferences (137)
#define IDC_AUTOMAXIMIZE 1021
#define IDC_AUTOMAXIMIZESLIDER 1022
#define IDC_AUTOMAXIMIZELABEL 1023
#define IDC_WINDOWTIMERSLIDER 1024
#define IDC_WINDOWTIMERLABEL 1025
#define IDC_WINDOWTIMER 1026

// Menu commands
#define ID_QUIT 32771
#define ID_TRANSPARENCY_90 32772
#define ID_TRANSPARENCY_80 32773
#define ID_TRANSPARENCY_70 32774
#define ID_TRANSPARENCY_60 32775
#define ID_TRANSPARENCY_50 32776
#define ID_TRANSPARENCY_40 32777
#define ID_TRANSPARENCY_30 32778
#define ID_TRANSPARENCY_20 32779
#define ID_TRANSPARENCY_10 32780
#define ID_TRANSPARENCY_OFF 32781
#define ID_SKINSELECTOR 32782
#define ID_WINDOWSELECTOR 32783
#define ID_AUTOMAXIMIZE 32786
#define ID_PREFERENCES 32787

// Numbered window commands: hide entry i of the window list, show entry i of the
// hidden-window list.
#define ID_ACTIVEWINDOW_FIRST 50000
#define ID_HIDDENWINDOW_FIRST 60000

// The bar's timers
#define IDT_WINDOWTIMER 1124  // the bar follows the window in front
#define IDT_AUTOMAXIMIZE 1125 // "Automaximize IE"
#define IDT_CHECKBACK 1126    // one-shot: windows hidden without waiting are read back

// The bar's hotkeys
#define IDHOT_HIDEALL 1000 // Alt+A
#define IDHOT_SHOWALL 1001 // Alt+S

// The program's own window messages
#define WM_APP_WINDOWEVENT (WM_APP + 1)   // to the bar: the system reported a window event
#define WM_APP_RESTOREWINDOW (WM_APP + 2) // to the bar: show the window in lParam again
#define WM_APP_TRAYICON (WM_APP + 10)     // to the program's tray icon
#define WM_APP_HIDDENICON (WM_APP + 100)  // + n, to hidden-window icon n

// System-menu command of the about box
#define IDM_ABOUTBOX 0x0010
