// Identifiers of the text tools' dialog templates and controls, shared by the resource
// script and the code.
#pragma once

#define IDD_MESSAGE 200
#define IDC_MESSAGE_TEXT 201

#define IDD_README 210
#define IDC_README_TEXT 211

#define IDD_ABOUT 220
#define IDC_ABOUT_FRAME 221
#define IDC_ABOUT_ICON 222
#define IDC_ABOUT_PRODUCT 223
#define IDC_ABOUT_EMPTY 224
#define IDC_ABOUT_NOTE 225
#define IDC_ABOUT_AUTHOR 226
#define IDC_ABOUT_MAIL_CAPTION 227
#define IDC_ABOUT_MAIL 228
#define IDC_ABOUT_MAKER 229
#define IDC_ABOUT_WEB 230
#define IDC_ABOUT_FONTS 231

#define IDD_GOTO 240
#define IDC_GOTO_LABEL 241
#define IDC_GOTO_LINE 242

#define IDD_FIND 250
#define IDC_FIND_TABS 251
#define IDC_FIND_TEXT 252
#define IDC_FIND_BUTTON 253
#define IDC_REPLACE_TEXT 254
#define IDC_REPLACE_BUTTON 255
#define IDC_REPLACE_ALL_BUTTON 256
#define IDC_MATCH_CASE 257
#define IDC_LOOP_SEARCH 258
#define IDC_START_FROM_TOP 259
#define IDC_CLOSE_ON_SEARCH 260
#define IDC_NOT_FOUND_LABEL 261
