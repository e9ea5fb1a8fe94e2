// The host request of a foreign SQL profile, as an importer hands it to a new APPC part. Every text may be null or
// empty: then it is not set and the part keeps its own value.
#pragma once

// Codes of the foreign host file type and write mode.
enum ZRForeignCode
{
    ZRFOREIGN_SOURCE_FILE = 2,
    ZRFOREIGN_CREATE_FILE = 1,
    ZRFOREIGN_CREATE_MEMBER = 3,
};

struct ZRForeignRequest
{
    const char* systemName;
    // Host to PC.
    const char* tableList;
    const char* selectList;
    const char* whereText;
    const char* joinText;
    const char* groupByList;
    const char* orderByList;
    const char* havingText;
    // PC to host.
    const char* replaceList;
    const char* targetTable;
    const char* referenceFile;
    int hostFileType;   // ZRFOREIGN_SOURCE_FILE, or any other value for a data file
    int hostWriteMode;  // ZRFOREIGN_CREATE_FILE, ZRFOREIGN_CREATE_MEMBER, or any other value to replace
    // Both directions: the text that becomes item 327.
    const char* extraText;
};
