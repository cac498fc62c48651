// Resource, control, string and command ids of Quillow. Every id is named here once.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_PAD 102
#define IDD_RENAME 138
#define IDD_CONTENTS 139
#define IDD_UPDATE_REMINDER 145
#define IDD_OPTIONS 148

// The application icon
#define IDR_MAINFRAME 128

// Strings
#define IDS_ABOUT 101
#define IDS_NEW_PAD 102
#define IDS_ERASE 104
#define IDS_FEEDBACK 108
#define IDS_HOME_PAGE 109
#define IDS_CLOSE 110
#define IDS_MOVE 111
#define IDS_RENAME 112
#define IDS_SIZE 113
#define IDS_HELP 114
#define IDS_AUTO_STARTUP 116
#define IDS_ALWAYS_ON_TOP 117
#define IDS_OPTIONS 118
#define IDS_APP_TITLE 57344

// Controls of the pad window
#define IDC_PAD_EDIT 1000
// Controls of the rename dialog
#define IDC_RENAME_NAME 1006
// Controls of the contents window
#define IDC_CONTENTS_LIST 1007
#define IDC_CONTENTS_OPEN 1008
#define IDC_CONTENTS_RENAME 1009
#define IDC_CONTENTS_ERASE 1010
#define IDC_CONTENTS_REFRESH 1011
#define IDC_CONTENTS_NEW 1013
#define IDC_CONTENTS_HELP 1015
#define IDC_CONTENTS_AUTO_STARTUP 1018
#define IDC_CONTENTS_SEARCH_LABEL 1750
#define IDC_CONTENTS_SEARCH 1751
#define IDC_CONTENTS_SEARCH_COUNT 1752
// Controls of the about box
#define IDC_ABOUT_HOME_PAGE 1014
// Controls of the options dialog
#define IDC_OPTIONS_BKCOLOR 1030
#define IDC_OPTIONS_BKCOLOR_DEFAULT 1031
#define IDC_OPTIONS_FONT 1032
#define IDC_OPTIONS_FONT_DEFAULT 1033
#define IDC_OPTIONS_SIZE_DEFAULT 1034

// Commands of the pad's system menu
#define ID_PAD_NEW 101
#define ID_PAD_ERASE 103
#define ID_PAD_FEEDBACK 107
#define ID_PAD_HOME_PAGE 108
#define ID_PAD_ABOUT 109
#define ID_PAD_RENAME 112
#define ID_PAD_AUTO_STARTUP 126
#define ID_PAD_HELP 127
#define ID_PAD_ALWAYS_ON_TOP 129
#define ID_PAD_OPTIONS 131

// The help index command, bound in the pad and the contents window
#define ID_HELP_INDEX 128

// The tray icon's callback message and the tray menu's commands
#define WM_TRAY_NOTIFY 114
#define ID_TRAY_NEW 115
#define ID_TRAY_FEEDBACK 116
#define ID_TRAY_HOME_PAGE 117
#define ID_TRAY_ABOUT 118
#define ID_TRAY_EXIT 119
#define ID_TRAY_CONTENTS 130
#define ID_TRAY_SHOW_ALL_PADS 120
#define ID_TRAY_HIDE_ALL_PADS 121
// One item per pad from here upward, to the last command id a menu can carry.
#define ID_TRAY_FIRST_PAD 200
#define ID_TRAY_LAST_PAD 0xFFFF

// The keys that work from anywhere, registered by the contents window
#define ID_HOTKEY_NEW_PAD 1800
#define ID_HOTKEY_FIND 1801
#define ID_HOTKEY_SHOW_ALL_PADS 1802
#define ID_HOTKEY_HIDE_ALL_PADS 1803

// Posted to the contents window by its folder watcher when pad files came, went or were renamed
#define WM_PAD_FOLDER_CHANGED (WM_APP + 1850)
