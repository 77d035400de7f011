// Identifiers of the file information window's template and controls, shared by the
// resource script and the code.
#pragma once

#define IDD_FILE_INFO 400
#define IDC_FILE_INFO_LABEL6 401
#define IDC_FILE_INFO_PATH 402
#define IDC_FILE_INFO_FRAME 403
#define IDC_FILE_INFO_LABEL3 404
#define IDC_FILE_INFO_LABEL4 405
#define IDC_FILE_INFO_SIZE 406
#define IDC_FILE_INFO_CREATED 407
#define IDC_FILE_INFO_SAUCE 408
#define IDC_FILE_INFO_SAUCE_LABEL 409
