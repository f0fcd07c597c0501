// Standard command, control, string and message numbers of the application framework.
#pragma once

// Commands
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE4 0xE113
#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_REPLACE 0xE129
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO 0xE12B
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_HELP_INDEX 0xE142
#define ID_HELP_FINDER 0xE143
#define ID_HELP 0xE146
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801

// Status-bar indicators
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702

// Control identifiers of the frame's children
#define IDW_TOOLBAR 0xE800
#define IDW_STATUS_BAR 0xE801
#define IDW_PANE_FIRST 0xE900

// Strings
#define IDS_APP_TITLE 0xE000
#define IDS_IDLEMESSAGE 0xE001
#define IDS_OPENFILE 0xF000
#define IDS_SAVEFILE 0xF001
#define IDS_ALLFILTER 0xF002
#define IDS_UNTITLED 0xF003
#define IDS_SAVEFILECOPY 0xF004
#define IDS_FAILED_TO_OPEN 0xF101
#define IDS_FAILED_TO_SAVE 0xF102
#define IDS_ASK_TO_SAVE 0xF103
// File errors of opening and saving, each with the file name as %1
#define IDS_FILE_ERROR 0xF1A0
#define IDS_FILE_NOT_FOUND 0xF1A1
#define IDS_FILE_BAD_PATH 0xF1A2
#define IDS_FILE_ACCESS_DENIED 0xF1A4
#define IDS_FILE_SHARING 0xF1AA
#define IDS_FILE_DISK_FULL 0xF1AC
#define IDS_RECENT_FILE_NONE 0xF1F0

// Sent to the main frame at idle time so that toolbars show their commands' states.
#define WM_IDLEUPDATECMDUI 0x0363

// The frame's four dock bars
#define IDW_DOCKBAR_TOP 0xE81B
#define IDW_DOCKBAR_LEFT 0xE81C
#define IDW_DOCKBAR_RIGHT 0xE81D
#define IDW_DOCKBAR_BOTTOM 0xE81E
