// The entries of the outside version library Zrtver, as the wrapper calls them. None returns anything the wrapper
// reads except GetConnectionID.
#pragma once

#include <windows.h>

typedef void(WINAPI* ZrtverGetInstallationRegistryKey)(char* path, DWORD* rootKey, int size);
typedef void(WINAPI* ZrtverGetText)(char* text, int size);  // GetCopyright, GetProductVersion, GetProductName,
                                                            // GetGenericCaption
typedef void(WINAPI* ZrtverGetUILanguage)(char* suffix);    // 100 bytes
typedef void(WINAPI* ZrtverGetFileData)(const char* modulePath, char* version, char* description);  // 16, 64 bytes
typedef void(WINAPI* ZrtverGetSupportData)(int reserved, unsigned char* record);
typedef void(WINAPI* ZrtverGetTable)(int reserved, DWORD* table);  // 256 words, the value in each low byte
typedef int(WINAPI* ZrtverGetConnectionID)();
typedef void(WINAPI* ZrtverGetAPPCLanguage)(int reserved, char* first, char* second, char* language);  // 12 bytes each

// Sizes of the buffers handed to the entries.
const int kZrtverKeyPathSize = 200;
const int kZrtverTextSize = 100;
const int kZrtverVersionSize = 16;
const int kZrtverFileVersionSize = 16;
const int kZrtverFileDescriptionSize = 64;
const int kZrtverAPPCTextSize = 12;

// The support record: a 32-bit index at byte 4 and, from byte 8, file names of 13 bytes each.
const int kZrtverSupportRecordSize = 136;
const int kZrtverSupportIndexOffset = 4;
const int kZrtverSupportNamesOffset = 8;
const int kZrtverSupportNameSize = 13;
const int kZrtverSupportNameCount = (kZrtverSupportRecordSize - kZrtverSupportNamesOffset) / kZrtverSupportNameSize;
