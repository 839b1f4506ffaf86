// Resource numbers of the program's own file (besides the string catalogue,
// whose numbers are in string_ids.h). Shared by the resource script and the
// code, so both are plain preprocessor constants.
#pragma once

// Dialog template of the About box and its controls.
#define IDD_ABOUTBOX 103
#define IDC_ABOUT_PRODUCT 1000
#define IDC_ABOUT_FULL_TITLE (-1)
#define IDC_ABOUT_PURPOSE 1001
#define IDC_ABOUT_DEVELOPED_BY 1002
#define IDC_ABOUT_AUTHORS 1003
#define IDC_ABOUT_SUGGESTIONS 1004
#define IDC_ABOUT_CONTACT 1005
#define IDC_ABOUT_VERSION 1006
#define IDC_ABOUT_COPYRIGHT 1007
// The line under the heading, created when the box opens.
#define IDC_ABOUT_SEPARATOR 199

// Program icon, frame menu, accelerators and splash picture.
#define IDI_TESSARA 107
#define IDR_FRAME_MENU 109
#define IDR_FRAME_ACCELERATORS 130
#define IDB_SPLASH 133

// Commands of the frame.
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_HELP_GENERAL 32773
#define IDM_RUN_FORM 32774
// The active form's inputs and results as a report.
#define IDM_COPY_RESULTS 32775
#define IDM_SAVE_RESULTS 32776
#define IDM_PRINT_RESULTS 32777

// Version of the program, shown in the About box and on the splash screen:
// generated from the project's VERSION file.
#include "tessara_version.h"
