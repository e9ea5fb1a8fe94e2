// Ids of the global options reached through OptionCallbacks. No id 3.
#pragma once

enum ZROptionId
{
    ZRO_HLLAPI_TIMEOUT_DDS = 0,      // seconds, 1 to 180
    ZRO_HLLAPI_TIMEOUT_SENDKEY = 1,  // seconds, 1 to 180
    ZRO_DEFAULT_DIRECTORY = 2,       // string, up to 259 characters
    ZRO_REMOVE_BLANKS = 4,           // flag
    ZRO_CONFIRM_CREATING = 5,        // flag: ask before a PC file is created
    ZRO_CONFIRM_REPLACING = 6,       // flag: ask before a PC file is replaced
    ZRO_DECIMAL_CHAR_IS_DOT = 7,     // flag
};
