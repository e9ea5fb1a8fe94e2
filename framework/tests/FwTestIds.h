#pragma once

#define IDD_FW_PROBE 200
#define IDC_FW_TEXT 1001
#define IDC_FW_EDIT 1002
#define IDC_FW_BUTTON 1003
#define IDC_FW_LIST 1004
#define IDS_FW_PROGRAM_ONLY 300

// The single-document tests: document string, menu and accelerators share one id; the form view's template.
#define IDR_FW_DOC 400
#define IDD_FW_FORM 401
#define ID_FW_VIEW_COMMAND 32800
#define ID_FW_DOC_COMMAND 32801
#define ID_FW_APP_COMMAND 32802
#define ID_FW_SHARED_COMMAND 32803
#define ID_FW_UNHANDLED_COMMAND 32804
#define ID_FW_MODAL_COMMAND 32805

// The wizard tests: three pages and the wizard's caption.
#define IDD_FW_WIZARD_FIRST 211
#define IDD_FW_WIZARD_SECOND 212
#define IDD_FW_WIZARD_THIRD 213
#define IDS_FW_WIZARD_CAPTION 301
