// Field type codes of DSField::type and the PC file types of ZRP_PC_FILE_TYPE.
#pragma once

// Type of a host-side field. For 1, 3, 5 and 7 the length is the display length (digits); for 2, 4 and 6 it is
// the number of bytes. The value conversions take only 1, 3, 5 and 7; 9 has no PC mapping.
enum HostFieldType
{
    HFT_CHARACTER = 1,  // "A"
    HFT_PACKED_BYTES = 2,
    HFT_PACKED = 3,  // "P"
    HFT_ZONED_BYTES = 4,
    HFT_ZONED = 5,  // "S"
    HFT_BINARY_BYTES = 6,
    HFT_BINARY = 7,  // "B"
    HFT_HEXADECIMAL = 9,
};

// Type of a PC-side field: each kind has an ASCII and an ANSI member. 12, 15, 18 and 21 are never produced and
// every conversion refuses them; 24-26 serve the DOS random formats only.
enum PcFieldType
{
    PFT_TEXT_ASCII = 10,
    PFT_TEXT_ANSI = 11,
    PFT_SHORT_INTEGER_ASCII = 13,
    PFT_SHORT_INTEGER_ANSI = 14,
    PFT_LONG_INTEGER_ASCII = 16,
    PFT_LONG_INTEGER_ANSI = 17,
    PFT_SHORT_DECIMAL_ASCII = 19,
    PFT_SHORT_DECIMAL_ANSI = 20,
    PFT_LONG_DECIMAL_ASCII = 22,
    PFT_LONG_DECIMAL_ANSI = 23,
    PFT_PACKED = 24,
    PFT_ZONED = 25,
    PFT_BINARY = 26,
};

// Kind of the PC side of a transfer; chooses the PC data-source library.
enum PcFileType
{
    PCFT_VOID = 1,  // placeholder PC side, stored as an empty name
    PCFT_BINARY = 2,
    PCFT_TXT = 3,
    PCFT_TAB = 4,
    PCFT_CSV = 5,
    PCFT_PRN = 6,
    PCFT_DLM = 7,
    PCFT_DIF = 8,
    PCFT_DBF = 9,
    PCFT_DR1 = 10,
    PCFT_DR2 = 11,
    PCFT_WKQ = 12,
    PCFT_WKS = 13,
    PCFT_XLS = 14,
    PCFT_FMT = 15,
    PCFT_MDB70 = 16,
    PCFT_MDB97 = 17,
    PCFT_EXCEL70 = 18,
    PCFT_EXCEL97 = 19,

    PCFT_FIRST = PCFT_VOID,
    PCFT_LAST = PCFT_EXCEL97,
    PCFT_FIRST_NAMED = PCFT_BINARY,
};

// Names of the PC file types as the profile file stores them, by code. Codes 0 and 1 have no name (an empty
// value is written); reading matches PCFT_FIRST_NAMED to PCFT_LAST only, without regard to case.
inline constexpr const char* const PcFileTypeNames[PCFT_LAST + 1] = {
    "",
    "",
    "Binary",
    "TXT (No conversion)",
    "TXT (Tab delimiter)",
    "CSV (Comma delimiter)",
    "PRN (Space delimiter)",
    "TXT (Without delimiters)",
    "DIF (Data interchange format)",
    "DBF (dBase format)",
    "DR1 (DOS random 1)",
    "DR2 (DOS random 2)",
    "WKQ (Quattro Pro)",
    "WKS (Lotus 1-2-3)",
    "XLS (Microsoft Excel 5.0)",
    "FMT (Description file)",
    "MDB (Microsoft Access 7.0)",
    "MDB (Microsoft Access 97)",
    "XLS (Microsoft Excel 7.0)",
    "XLS (Microsoft Excel 97)",
};
