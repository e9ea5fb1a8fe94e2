// The values of a foreign (".ftp") profile that a new HLLAPI profile imports. Numbers are 0 and texts empty where
// the foreign file does not set them; the import then leaves the profile's value as it was.
#pragma once

#include <windows.h>

// Values of FtpTransferValues::fileType.
enum FtpFileType
{
    FTPFT_DATA = 1,
    FTPFT_SOURCE = 2,
    FTPFT_MEMBER_SOURCE = 3,     // System/36 library member of source type
    FTPFT_MEMBER_PROCEDURE = 4,  // System/36 library member of procedure type
    FTPFT_DDS = 5,               // AS/400, host to PC only
};

// Values of FtpTransferValues::writeMode.
enum FtpWriteMode
{
    FTPWM_CREATE = 1,
    FTPWM_REPLACE = 2,
    FTPWM_APPEND = 3,
    FTPWM_NEW = 4,
};

// Values of FtpTransferValues::conversion.
enum FtpConversion
{
    FTPCONV_TXT = 1,        // "TXT (No conversion)" or "None"
    FTPCONV_TXT_FIXED = 2,  // "TXT (Without delimiters)"
    FTPCONV_BINARY = 3,     // "Binary (No conversion)"
    FTPCONV_CSV = 4,
    FTPCONV_TAB = 5,
    FTPCONV_PRN = 6,
    FTPCONV_DIF = 7,
    FTPCONV_DBF = 8,
    FTPCONV_WKQ = 9,
    FTPCONV_WKS = 10,
    FTPCONV_XLS = 11,
    FTPCONV_TRIM_SPACES = 12,
};

// Values of FtpTransferValues::characterSet.
enum FtpCharacterSet
{
    FTPCS_ASCII = 1,
    FTPCS_ANSI = 2,
};

// Values of FtpProfileRecord::hostSystem.
enum FtpHostSystem
{
    FTPHOST_AS400 = 1,
    FTPHOST_S36 = 2,
};

// One direction section ("Host to PC Transfer" or "PC to Host Transfer").
struct FtpTransferValues
{
    char library[11];  // System/36: the host file name
    char file[11];
    char member[11];
    char sessionLetter;  // 'A' to 'Z', or 0
    char pcFileName[MAX_PATH];
    char descriptionFileName[MAX_PATH];
    int writeMode;  // FtpWriteMode
    int fileType;   // FtpFileType
    int textRecordLength;
    int binaryRecordLength;
    int conversion;          // FtpConversion
    int characterSet;        // FtpCharacterSet
    int useDescriptionFile;  // 1 or 0
    int sourceRecordLength;  // "PC to Host Transfer" only
    int recordLength;        // "PC to Host Transfer" only
    int numberOfRecords;     // "PC to Host Transfer" only
};

struct FtpProfileRecord
{
    int hostSystem;  // FtpHostSystem
    int direction;   // 1 host to PC, 2 PC to host
    FtpTransferValues hostToPc;
    FtpTransferValues pcToHost;
};
