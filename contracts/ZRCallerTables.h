// The four tables of plain functions a program hands to the manager, and through it to every data source.
// Each is a process-wide record of the program, filled by its install routine; the others keep only its address.
#pragma once

#include "ZRApi.h"
#include "ZRErrorRecord.h"

// Get by id into the destination: TRUE when the id belongs to the group, else FALSE and nothing is written.
typedef BOOL(ZRTAPI* ZRGetValueProc)(int id, void* destination);
// Set by id from the source: TRUE when the id belongs to the group, else FALSE and nothing changes.
typedef BOOL(ZRTAPI* ZRSetValueProc)(int id, const void* source);
// Byte size of the value (4 for a number, string length + 1 for a text), or -1 for a foreign id.
typedef int(ZRTAPI* ZRGetSizeProc)(int id);

// Parameters of the program's current profile by ZRProfileParamId.
struct ProfileCallbacks
{
    ZRGetValueProc GetGeneral;  // 1-6
    ZRGetValueProc GetNotify;   // 100-104
    ZRGetValueProc GetPc;       // 200-205
    ZRGetValueProc GetHost;     // 303-327
    ZRGetValueProc GetBrowse;   // 500-505
    ZRSetValueProc SetGeneral;
    ZRSetValueProc SetNotify;
    ZRSetValueProc SetPc;
    ZRSetValueProc SetHost;
    ZRSetValueProc SetBrowse;
    ZRGetSizeProc GetGeneralSize;
    ZRGetSizeProc GetNotifySize;
    ZRGetSizeProc GetPcSize;
    ZRGetSizeProc GetHostSize;
};

ZR_ASSERT_SLOT(ProfileCallbacks, GetGeneral, 0);
ZR_ASSERT_SLOT(ProfileCallbacks, GetNotify, 1);
ZR_ASSERT_SLOT(ProfileCallbacks, GetPc, 2);
ZR_ASSERT_SLOT(ProfileCallbacks, GetHost, 3);
ZR_ASSERT_SLOT(ProfileCallbacks, GetBrowse, 4);
ZR_ASSERT_SLOT(ProfileCallbacks, SetGeneral, 5);
ZR_ASSERT_SLOT(ProfileCallbacks, SetNotify, 6);
ZR_ASSERT_SLOT(ProfileCallbacks, SetPc, 7);
ZR_ASSERT_SLOT(ProfileCallbacks, SetHost, 8);
ZR_ASSERT_SLOT(ProfileCallbacks, SetBrowse, 9);
ZR_ASSERT_SLOT(ProfileCallbacks, GetGeneralSize, 10);
ZR_ASSERT_SLOT(ProfileCallbacks, GetNotifySize, 11);
ZR_ASSERT_SLOT(ProfileCallbacks, GetPcSize, 12);
ZR_ASSERT_SLOT(ProfileCallbacks, GetHostSize, 13);
ZR_ASSERT_SLOT_COUNT(ProfileCallbacks, 14);

// The program's error list.
struct ErrorSinkFunctions
{
    // The program builds the record itself and appends it; returns TRUE.
    BOOL(ZRTAPI* ReportText)(const char* text);
    // Appends a finished record from the process heap; the list owns it from then on. Returns TRUE.
    BOOL(ZRTAPI* ReportRecord)(ErrorRecord* record);
};

ZR_ASSERT_SLOT(ErrorSinkFunctions, ReportText, 0);
ZR_ASSERT_SLOT(ErrorSinkFunctions, ReportRecord, 1);
ZR_ASSERT_SLOT_COUNT(ErrorSinkFunctions, 2);

// The program's global options by ZROptionId.
struct OptionCallbacks
{
    ZRSetValueProc SetOption;
    ZRGetValueProc GetOption;
    ZRGetSizeProc GetOptionSize;
};

ZR_ASSERT_SLOT(OptionCallbacks, SetOption, 0);
ZR_ASSERT_SLOT(OptionCallbacks, GetOption, 1);
ZR_ASSERT_SLOT(OptionCallbacks, GetOptionSize, 2);
ZR_ASSERT_SLOT_COUNT(OptionCallbacks, 3);

// First argument of TranslateCodePage. Bit 0: the target is EBCDIC; bit 1: the PC side is ANSI.
enum ConverterMode
{
    ZRCM_EBCDIC_TO_ASCII = 0,
    ZRCM_ASCII_TO_EBCDIC = 1,
    ZRCM_EBCDIC_TO_ANSI = 2,
    ZRCM_ANSI_TO_EBCDIC = 3,

    ZRCM_TO_EBCDIC_BIT = 1,
    ZRCM_ANSI_BIT = 2,
};

// First argument of GetEnvString. The texts fit a MAX_PATH buffer.
enum ZREnvironmentKind
{
    ZRENV_PROGRAM_FOLDER = 1,      // folder of the program and of every library, no final backslash
    ZRENV_PRODUCT_SHORT_NAME = 2,  // "ZRT"
    ZRENV_INSTALL_KEY_PATH = 3,    // installation registry key path
    ZRENV_INSTALL_ROOT_KEY = 4,    // root key of that path as a 32-bit number, not a text
    ZRENV_HELP_FILE = 5,           // help file path
    ZRENV_APPC_LANGUAGE = 6,       // APPC language text
};

// The program's environment: texts, the code-page converter, the connection id, and three data words.
struct EnvironmentCallbacks
{
    // Copies the value of a ZREnvironmentKind into the destination; another kind writes nothing. Returns TRUE.
    BOOL(ZRTAPI* GetEnvString)(int kind, void* destination);
    // Translates min(sourceLength, *destinationLength) bytes by the ConverterMode's table, fills the rest of the
    // destination up to *destinationLength with the target blank (0x20 or 0x40) and stores the count translated
    // in *destinationLength. FALSE, and nothing written, for a mode outside 0-3.
    BOOL(ZRTAPI* TranslateCodePage)
    (int mode, const char* source, char* destination, WORD sourceLength, WORD* destinationLength);
    // Stores the connection id and returns it.
    int(ZRTAPI* GetConnectionId)(int* connectionId);

    HWND hwndNotify;   // window that receives the manager's notifications and owns data-source questions
    BOOL rightToLeft;  // 1 when right-to-left text is reordered for display
    HDC hdcReorder;    // device context for the reordering
};

ZR_ASSERT_SLOT(EnvironmentCallbacks, GetEnvString, 0);
ZR_ASSERT_SLOT(EnvironmentCallbacks, TranslateCodePage, 1);
ZR_ASSERT_SLOT(EnvironmentCallbacks, GetConnectionId, 2);
ZR_ASSERT_SLOT(EnvironmentCallbacks, hwndNotify, 3);
ZR_ASSERT_SLOT(EnvironmentCallbacks, rightToLeft, 4);
ZR_ASSERT_SLOT(EnvironmentCallbacks, hdcReorder, 5);
ZR_ASSERT_SLOT_COUNT(EnvironmentCallbacks, 6);
static_assert(sizeof(BOOL) == 4 && sizeof(WORD) == 2);
