// Profile parameter ids (ProfileCallbacks) and the code values of the parameters that other libraries read.
#pragma once

// Ids through which every library reads and writes the current profile. No id 203.
// Stored in the profile file: 1-6, 200-202, 204, 205, 303-310 and the SQL items except 318, 324 and 327.
enum ZRProfileParamId
{
    // General group (GetGeneral / SetGeneral / GetGeneralSize), 32-bit integers.
    ZRP_CONNECTION_TYPE = 1,  // ZRConnectionType
    ZRP_HOST_TYPE = 2,        // ZRHostType
    ZRP_DIRECTION = 3,        // ZRDirection
    ZRP_CHARACTER_SET = 4,    // ZRCharacterSet
    ZRP_AUTO_CLOSE = 5,       // 1 yes, 0 no
    ZRP_TRANSFER_TYPE = 6,    // ZRTransferType

    // Notification group (GetNotify / SetNotify / GetNotifySize).
    ZRP_NOTIFY_TEXT_1 = 100,  // 100-103: strings, empty until set
    ZRP_NOTIFY_TEXT_2 = 101,
    ZRP_NOTIFY_TEXT_3 = 102,
    ZRP_NOTIFY_TEXT_4 = 103,
    ZRP_NOTIFY_MESSAGE = 104,  // window-message number of manager requests and notifications

    // PC request part (GetPc / SetPc / GetPcSize).
    ZRP_PC_FILE_NAME = 200,         // up to 259 characters
    ZRP_PC_FILE_TYPE = 201,         // PcFileType
    ZRP_PC_WRITE_MODE = 202,        // ZRPcWriteMode; host-to-PC parts only
    ZRP_REMOVE_BLANKS = 204,        // flag
    ZRP_DECIMAL_CHAR_IS_DOT = 205,  // flag; 0 means comma

    // Host request part (GetHost / SetHost / GetHostSize).
    ZRP_PRESENTATION_SPACE_ID = 303,  // one character, no terminating zero
    ZRP_HOST_FILE_TYPE = 304,         // ZRHostFileType
    ZRP_DESCRIPTION_FILE = 305,       // up to 259 characters
    ZRP_HOST_SOURCE_NAME = 306,       // "SQL from"; the table list of SQL profiles
    ZRP_HOST_TARGET_NAME = 307,       // "SQL into"; the target table of SQL profiles
    ZRP_HOST_WRITE_MODE = 308,        // ZRHostWriteMode
    ZRP_RECORD_LENGTH = 309,
    ZRP_NUMBER_OF_RECORDS = 310,  // System/36 PC-to-host parts only

    // Host request items of APPC and TCP/IP profiles.
    ZRP_SQL_SYSTEM_NAME = 311,  // up to 8 characters
    ZRP_SQL_SELECT = 312,
    ZRP_SQL_WHERE = 313,
    ZRP_SQL_JOIN = 314,
    ZRP_SQL_GROUP_BY = 315,
    ZRP_SQL_HAVING = 316,
    ZRP_SQL_ORDER_BY = 317,
    ZRP_SQL_FRESH = 318,  // number: 1 in a new or cleared part, 0 once read
    ZRP_SQL_REPLACE = 319,
    ZRP_SQL_REFERENCE_FILE = 320,
    ZRP_SQL_FILE_TEXT = 321,    // up to 50 characters
    ZRP_SQL_MEMBER_TEXT = 322,  // up to 50 characters
    ZRP_SQL_AUTHORITY = 323,
    ZRP_SQL_STATEMENT = 324,  // the assembled statement the connection's data source runs
    ZRP_SQL_USER_DEFINED_HEAD = 325,
    ZRP_SQL_USER_DEFINED_TAIL = 326,
    ZRP_SQL_EXTRA_TEXT = 327,

    // Three integers of their own group.
    ZRP_GROUP400_1 = 400,
    ZRP_GROUP400_2 = 401,
    ZRP_GROUP400_3 = 402,

    // Host browse group (GetBrowse / SetBrowse; no size entry).
    ZRP_BROWSE_BUSY = 500,     // 1 while the host's Open serves a browse
    ZRP_BROWSE_REQUEST = 501,  // ZR_BROWSE_TABLES, ZR_BROWSE_COLUMNS or ZR_BROWSE_DATA
    ZRP_BROWSE_LIBRARY = 502,
    ZRP_BROWSE_FILE = 503,
    ZRP_BROWSE_MEMBER = 504,
    ZRP_BROWSE_CURRENT = 505,
};

// Buffer sizes (terminating zero included) of the browse strings; callers respect them.
enum
{
    ZR_BROWSE_NAME_SIZE = 11,     // 502, 503, 504
    ZR_BROWSE_REQUEST_SIZE = 21,  // 501
    ZR_BROWSE_CURRENT_SIZE = 14,  // 505
};

// Request kinds of parameter 501.
inline constexpr char ZR_BROWSE_TABLES[] = "TABLES";
inline constexpr char ZR_BROWSE_COLUMNS[] = "COLUMNS";
inline constexpr char ZR_BROWSE_DATA[] = "DATA";

// Values of ZRP_CONNECTION_TYPE.
enum ZRConnectionType
{
    ZRCONN_APPC = 1,
    ZRCONN_TCPIP = 2,
    ZRCONN_HLLAPI = 3,
};

// Values of ZRP_HOST_TYPE.
enum ZRHostType
{
    ZRHOST_AS400 = 1,
    ZRHOST_S36 = 2,
};

// Values of ZRP_DIRECTION.
enum ZRDirection
{
    ZRDIR_HOST_TO_PC = 1,
    ZRDIR_PC_TO_HOST = 2,
};

// Values of ZRP_CHARACTER_SET (not the order of ConverterMode). For the field conversions
// 1 chooses the ASCII member of a PcFieldType pair, any other value the ANSI member.
enum ZRCharacterSet
{
    ZRCS_EBCDIC_TO_ASCII = 1,
    ZRCS_EBCDIC_TO_ANSI = 2,
    ZRCS_ASCII_TO_EBCDIC = 3,
    ZRCS_ANSI_TO_EBCDIC = 4,
};

// Values of ZRP_TRANSFER_TYPE.
enum ZRTransferType
{
    ZRTT_BINARY = 1,
    ZRTT_CONVERSION = 2,
    ZRTT_DDS = 3,
    ZRTT_PLAIN = 4,
};

// Values of ZRP_PC_WRITE_MODE.
enum ZRPcWriteMode
{
    ZRPCWM_CREATE = 1,
    ZRPCWM_REPLACE = 2,
    ZRPCWM_APPEND = 3,
};

// Values of ZRP_HOST_FILE_TYPE (SQL profiles use 1 and 2).
enum ZRHostFileType
{
    ZRHFT_DATA = 1,
    ZRHFT_SOURCE = 2,
    ZRHFT_MEMBER_SOURCE = 3,
    ZRHFT_MEMBER_PROCEDURE = 4,
};

// Values of ZRP_HOST_WRITE_MODE (AS/400 uses 1, 4, 5, 6; System/36 1 to 5).
enum ZRHostWriteMode
{
    ZRHWM_CREATE_FILE = 1,
    ZRHWM_REPLACE_FILE = 2,
    ZRHWM_APPEND_FILE = 3,
    ZRHWM_CREATE_MEMBER = 4,
    ZRHWM_REPLACE_MEMBER = 5,
    ZRHWM_APPEND_MEMBER = 6,
};
