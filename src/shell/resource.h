// Identifiers shared by the resource script and the code.
#pragma once

#define IDR_MAIN_MENU 100
#define IDR_ACCELERATORS 101
#define IDI_VANTRY 102
#define IDD_ENCODING_LIST 110
#define IDC_ENCODING_LIST 111

#define IDC_MEMO1 1001
#define IDC_STATUSBAR1 1002

#define IDM_NEW 40001
#define IDM_NEW_WINDOW 40002
#define IDM_OPEN 40003
#define IDM_SAVE 40004
#define IDM_SAVE_AS 40005
#define IDM_PRINT 40006
#define IDM_EXIT 40007
#define IDM_FILE_INFORMATION 40008
#define IDM_EXPORT_PNG 40009
#define IDM_RECENT_FILE_FIRST 40010  // to 40029, one per place of the list
#define IDM_REOPEN_FIRST 40030       // to 40041, File > Reopen with encoding, in its order
#define IDM_REOPEN_ANSI 40037        // the item of the system's ANSI code page
#define IDM_UNDO 40101
#define IDM_CUT 40102
#define IDM_COPY 40103
#define IDM_PASTE 40104
#define IDM_DELETE_LINE 40105
#define IDM_FIND 40106
#define IDM_FIND_NEXT 40107
#define IDM_REPLACE 40108
#define IDM_GOTO 40109
#define IDM_SELECT_ALL 40110
#define IDM_ALWAYS_ON_TOP 40201
#define IDM_WORD_WRAP 40202
#define IDM_ALLOW_CHANGES 40203
#define IDM_OPTIONS 40204
#define IDM_STATUS_BAR 40301
#define IDM_ZOOM_IN 40302
#define IDM_ZOOM_OUT 40303
#define IDM_ZOOM_RESET 40304
#define IDM_README 40401
#define IDM_ABOUT 40402
